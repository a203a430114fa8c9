// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --chart: the progress chart of a station data file as a picture or as CSV.

#include "app/batch_commands.h"

namespace zef {

// Draws the chart in the command's mode with every line, or writes its
// series as CSV, by the output's extension; the file is written whole or not
// at all, and never over the station data file.
int runChart(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
             std::ostream& err);

} // namespace zef
