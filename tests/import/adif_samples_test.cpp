// SPDX-License-Identifier: GPL-3.0-or-later
// Real ADIF files written by other programs (see tests/data/adif-samples).
// The expected counts were worked out separately with a length-counted ADIF
// reader; the logs are one US station's, so most contacts share entity 291.

#include "import/adif_import.h"

#include "import/error_list.h"
#include "support/test_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace zef {
namespace {

// Codes of the ADIF entity list that no entity ever had; leaving them out
// lets all 500 rows hold real entity numbers up to 522.
constexpr int kUnusedCodes[] = {73,  83,  87,  92,  121, 156, 290, 300, 310, 311, 313,
                                314, 316, 317, 319, 320, 322, 323, 325, 326, 328, 329};

struct Placed {
    int entitySlots = 0;
    int zoneSlots = 0;
    int errorEntries = 0;
};

class AdifSamples : public ::testing::Test {
protected:
    AdifSamples() {
        tables->clear();
        int row = 1;
        for (int code = 1; code <= 522; ++code) {
            if (std::find(std::begin(kUnusedCodes), std::end(kUnusedCodes), code) !=
                std::end(kUnusedCodes))
                continue;
            tables->entities[static_cast<std::size_t>(row++)][0] =
                test::referenceLine(code, false, "P" + std::to_string(code), "Entity");
        }
        for (int z = 1; z <= kZoneRows; ++z)
            tables->zones[static_cast<std::size_t>(z)][0] = test::zoneFileLine(z, "P");
        createErrorList(folder.path(kErrorListFileName));
    }

    static QString sample(const char* name) {
        return QStringLiteral(ZEFIRANT_SHARED_DATA_DIR "/adif-samples/") + QString::fromUtf8(name);
    }

    Placed import(const char* name, const ImportOptions& options = {}) {
        const auto result =
            importAdif(*tables, sample(name), folder.path(kErrorListFileName), options, {});
        EXPECT_FALSE(result.cutShort) << result.errorText.toStdString();
        Placed placed;
        placed.errorEntries = result.errorEntries;
        for (const auto& row : tables->entities)
            for (int b = 0; b < kBands; ++b)
                placed.entitySlots += row[callSlot(b)].empty() ? 0 : 1;
        for (const auto& row : tables->zones)
            for (int b = 0; b < kBands; ++b)
                placed.zoneSlots += row[callSlot(b)].empty() ? 0 : 1;
        return placed;
    }

    void clearBandSlots() {
        const auto clear = [](Row& row) {
            for (int s = 1; s < kSlots; ++s)
                row[static_cast<std::size_t>(s)].clear();
        };
        std::for_each(tables->entities.begin(), tables->entities.end(), clear);
        std::for_each(tables->zones.begin(), tables->zones.end(), clear);
    }

    const Row& entity(int code) const {
        for (const auto& row : tables->entities)
            if (row[0].substr(0, 3) == test::referenceLine(code, false, "", "").substr(0, 3))
                return row;
        return tables->entities[0];
    }

    test::TestFolder folder;
    std::unique_ptr<AwardTables> tables = std::make_unique<AwardTables>();
};

void expectPlaced(const Placed& placed, int entitySlots, int zoneSlots, int errorEntries) {
    EXPECT_EQ(placed.entitySlots, entitySlots);
    EXPECT_EQ(placed.zoneSlots, zoneSlots);
    EXPECT_EQ(placed.errorEntries, errorEntries);
}

// LoTW's own report puts the confirmation in QSL_RCVD; 438 QSOs over 23
// entity and 21 zone slots, the first confirmed contact of each kept.
TEST_F(AdifSamples, LotwReport) {
    expectPlaced(import("lotw_qsl_only_K9CTS.adi"), 23, 21, 0);
    EXPECT_EQ(entity(291)[callSlot(2)], "N5ILQ");
    EXPECT_EQ(entity(291)[qsoDateSlot(2)], "2022-06-02");
    EXPECT_EQ(entity(291)[confirmationSlot(2)], "QSL");
    EXPECT_EQ(entity(517)[callSlot(1)], "PJ2/K4JC");
    EXPECT_EQ(countAdifLines(sample("lotw_qsl_only_K9CTS.adi")), 14921);
}

// The same 438 QSOs exported by a logging program with mixed-case tags fill
// the tables exactly as the LoTW report does.
TEST_F(AdifSamples, SameQsosFromTwoProgramsGiveTheSameTables) {
    import("lotw_qsl_only_K9CTS.adi");
    const auto fromLotw = *tables;
    clearBandSlots();
    expectPlaced(import("n3fjp_aclog_export_K9CTS.adi"), 23, 21, 0);
    EXPECT_TRUE(tables->entities == fromLotw.entities);
    EXPECT_TRUE(tables->zones == fromLotw.zones);
}

// Lower-case tags, confirmations only in LOTW_QSL_RCVD.
TEST_F(AdifSamples, QrzDownloadIsAllLotw) {
    expectPlaced(import("qrz_logbook_download_K9CTS.adi"), 23, 21, 0);
    for (const auto& row : tables->entities)
        for (int b = 0; b < kBands; ++b)
            EXPECT_TRUE(row[callSlot(b)].empty() || row[confirmationSlot(b)] == "LoTW");
}

// Byte-order mark, a comment header and whole records on one line.
TEST_F(AdifSamples, Log4omExport) {
    expectPlaced(import("log4om2_export_K9CTS.adi"), 6, 8, 0);
    EXPECT_EQ(entity(281)[callSlot(2)], "EA1L");
    EXPECT_EQ(entity(281)[confirmationSlot(2)], "QSL");
}

// The ADIF test QSOs confirm only four contacts, none with an entity or
// zone; the SKCC log confirms none. Nothing is placed or listed.
TEST_F(AdifSamples, FilesWithoutPlaceableConfirmations) {
    expectPlaced(import("ADIF_316_test_QSOs_2025_08_27.adi"), 0, 0, 0);
    expectPlaced(import("skcc_logger_export_K9CTS.adi"), 0, 0, 0);
}

TEST_F(AdifSamples, LotwSourceMarksEverythingLotw) {
    ImportOptions options;
    options.source = ImportSource::Lotw;
    expectPlaced(import("lotw_qsl_only_K9CTS.adi", options), 23, 21, 0);
    EXPECT_EQ(entity(291)[confirmationSlot(2)], "LoTW");
}

} // namespace
} // namespace zef
