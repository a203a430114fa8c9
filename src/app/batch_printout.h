// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --print-pdf: the two pages of the summary printout in one PDF document.

#include "app/batch_commands.h"

namespace zef {

// Renders both pages with the callsign of the station data file's header and
// today's date, and writes the PDF whole or not at all. Needs the entity
// reference file for the layout of page 2.
int runPrintPdf(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
                std::ostream& err);

} // namespace zef
