// SPDX-License-Identifier: GPL-3.0-or-later
// An ADIF file imported into a station that already holds confirmations.

#include "core/text.h"
#include "core/text_file.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

#include "import/adif_import.h"
#include "import/error_list.h"

#include <memory>

namespace zef::fuzz {

void adifImport(std::string_view bytes) {
    // A fresh list without the synced write of the real one, which would
    // slow every run down.
    const QString errorList = writeScratchFile(kErrorListFileName, "header\r\n");
    // One working copy for all runs; each run puts back the rows it changed.
    static const auto tables = std::make_unique<AwardTables>(deliveredStation());
    // The dialog's two choices follow from the length, so that the bytes
    // stay the file and every combination is still reached.
    ImportOptions options;
    options.source = bytes.size() % 2 == 0 ? ImportSource::Log : ImportSource::Lotw;
    options.priority = bytes.size() / 2 % 2 == 0 ? ImportPriority::LogQsl : ImportPriority::Lotw;

    // The engine is fed the lines a file of these bytes would give.
    AdifImporter importer(*tables, errorList, options);
    for (const auto& line : splitLines(bytes, LineEnds::LfOnly))
        importer.addLine(line);
    importer.finish();

    // An import fills band slots only, with text free of control bytes, and
    // what it fills is saved and loaded back whole.
    const AwardTables& before = deliveredStation();
    const auto expectSound = [](const Row& row) {
        for (const std::string& field : row)
            if (holdsControlByte(field))
                fail("import put a control byte into a slot", field);
        expectRowLoadsBack(row);
    };
    for (int r = 1; r <= kEntityRows; ++r) {
        const Row& row = tables->entities[r];
        if (row[0] != before.entities[r][0])
            fail("import changed an entity's reference line");
        if (row != before.entities[r]) {
            expectSound(row);
            tables->entities[r] = before.entities[r];
        }
    }
    for (int z = 1; z <= kZoneRows; ++z) {
        const Row& row = tables->zones[z];
        if (row[0] != before.zones[z][0])
            fail("import changed a zone line");
        if (row != before.zones[z]) {
            expectSound(row);
            tables->zones[z] = before.zones[z];
        }
    }
    ImportResult result;
    result.errorEntries = importer.errorEntries();
    (void)importFinishedMessage(result);
}

} // namespace zef::fuzz
