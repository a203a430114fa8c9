// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an import run did, as the user reads it after the run: in the batch
// commands' output and in the window that follows an import in the program.

#include "core/award_tables.h"
#include "import/adif_import.h"

#include <QString>

namespace zef {

// The newly filled and changed slots listed one a line, up to this many.
inline constexpr int kListedSlotChanges = 50;

// Polish lines: records read and confirmed; for entities and zones, how many
// were placed and why the others were not; the slots filled and changed; the
// points before and after in each of the summary's three modes; then the
// slots themselves (band, entity or zone, call, date, confirmation) as
// `tables` now hold them. `lotwReport`: the file was a LoTW report.
QString importReportText(const ImportResult& result, const AwardTables& tables, bool lotwReport);

// The one sentence for a run in which no confirmed record could be placed
// because the records lack the fields the import needs; empty otherwise.
QString missingFieldsSentence(const ImportCounts& counts, bool lotwReport);

} // namespace zef
