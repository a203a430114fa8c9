// SPDX-License-Identifier: GPL-3.0-or-later
// A station data file opened: loaded into the tables, checked against the
// entity list, missing entities added and differing ones updated, then shown
// and saved.

#include "core/text_file.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

#include "core/reconciliation.h"
#include "core/station_file.h"
#include "core/summary_counts.h"
#include "mainwindow/entity_grid.h"

#include <algorithm>
#include <memory>

namespace zef::fuzz {

namespace {

// A short fixed entity list keeps the insertions of missing entities cheap.
const std::vector<std::string>& referenceList() {
    static const std::vector<std::string> lines = [] {
        const auto& all = deliveredReferenceLines();
        const auto count = static_cast<std::ptrdiff_t>(std::min<std::size_t>(all.size(), 8));
        return std::vector<std::string>(all.begin(), all.begin() + count);
    }();
    return lines;
}

} // namespace

void stationFile(std::string_view bytes) {
    auto tables = std::make_unique<AwardTables>();
    const LoadOverflow overflow =
        loadStationLines(splitLines(bytes, LineEnds::AlsoCrAlone), *tables);
    if (overflow.any())
        (void)overflowMessage(overflow);
    expectSaveLoadsBack(*tables);

    const Reconciliation found = compareWithReference(*tables, referenceList());
    if (!found.missing.empty()) {
        (void)missingQuestion(found.missing);
        if (const int notInserted = addMissingEntities(*tables, found.missing); notInserted > 0)
            (void)tableFullMessage(notInserted);
    }
    if (!found.differing.empty()) {
        (void)differingQuestion(found.differing);
        updateDifferingEntities(*tables, found.differing);
    }
    expectSaveLoadsBack(*tables);

    // The grid and the summary are refreshed from the tables after a load;
    // the view follows from the length so the bytes stay the file.
    EntityGrid grid;
    (void)grid.fill(*tables, static_cast<int>(bytes.size() % 10));
    (void)summaryCounts(*tables, SummaryMode::AllConfirmed);
}

} // namespace zef::fuzz
