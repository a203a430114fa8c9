// SPDX-License-Identifier: GPL-3.0-or-later
// The two reference files beside the executable, read by every reader the
// program has for them and used as the program uses what they give.

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/summary_counts.h"
#include "import/adif_import.h"
#include "import/error_list.h"
#include "mainwindow/entity_grid.h"
#include "reference/entity_list.h"

#include <memory>

namespace zef::fuzz {

namespace {

// Confirmed contacts in zones a zone list may or may not number.
const std::vector<std::string>& zoneImportLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> l{"zone test <eoh>"};
        for (const char* zone : {"1", "5", "14", "40", "0", "41", "07"}) {
            const std::string z = zone;
            l.push_back("<call:5>SP1AA <qso_date:8>20240101 <band:3>20m <cqz:" +
                        std::to_string(z.size()) + ">" + z + " <qsl_rcvd:1>Y <eor>");
        }
        return l;
    }();
    return lines;
}

} // namespace

void entityReference(std::string_view bytes) {
    const QString path = writeScratchFile(kEntityFileName, bytes);

    // New: one row per line as far as the table goes.
    auto fresh = std::make_unique<AwardTables>();
    const auto forNew = readReferenceLinesForNew(path);
    for (std::size_t i = 0; i < forNew.size() && i < kEntityRows; ++i)
        fresh->entities[i + 1][0] = forNew[i];
    if (forNew.size() > kEntityRows)
        (void)tableFullMessage(static_cast<int>(forNew.size()) - kEntityRows);
    EntityGrid grid;
    (void)grid.fill(*fresh, 0);

    // Open: a station checked against this list. Each insertion moves every
    // row below it, so only the first lines are checked to keep runs fast.
    auto reference = readReferenceLines(path);
    if (reference.size() > 8)
        reference.resize(8);
    auto station = std::make_unique<AwardTables>(smallStation());
    const Reconciliation found = compareWithReference(*station, reference);
    (void)missingQuestion(found.missing);
    (void)differingQuestion(found.differing);
    if (const int notInserted = addMissingEntities(*station, found.missing); notInserted > 0)
        (void)tableFullMessage(notInserted);
    updateDifferingEntities(*station, found.differing);

    // The list editor: opened, the first entities saved as they stand.
    auto lines = readEntityFileLines(path);
    (void)counterText(countOnOpening(lines));
    for (std::size_t i = 0; i < lines.size() && i < 8; ++i) {
        const EntityEntry entry = entryOfLine(lines[i]);
        if (refuseSave(entry, false, lines, *station))
            continue;
        placeInList(lines, entry, false);
        updateEntityInTable(*station, entry);
    }
    (void)counterText(countAfterSave(lines));
    (void)summaryCounts(*station, SummaryMode::Verified);
}

void zoneReference(std::string_view bytes) {
    const QString path = writeScratchFile(kZoneFileName, bytes);

    // New: the zone rows from the file's first 40 lines.
    auto tables = std::make_unique<AwardTables>(smallStation());
    for (int z = 1; z <= kZoneRows; ++z)
        clearRow(tables->zones[z]);
    const auto zones = readZoneLines(path);
    for (std::size_t i = 0; i < zones.size(); ++i)
        tables->zones[i + 1][0] = zones[i];

    // An import finds its zones by the numbers these lines give.
    const QString errorList = scratchPath(kErrorListFileName);
    createErrorList(errorList);
    AdifImporter importer(*tables, errorList, ImportOptions{});
    for (const auto& line : zoneImportLines())
        importer.addLine(line);
    importer.finish();

    EntityGrid grid;
    (void)grid.fill(*tables, 5 + static_cast<int>(bytes.size() % 5));
    (void)summaryCounts(*tables, SummaryMode::AllConfirmed);
}

} // namespace zef::fuzz
