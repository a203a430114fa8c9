// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reconciliation.h"
#include "core/station_file.h"

#include "support/cpu_time.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::referenceLine;

AwardTables sampleTables() {
    AwardTables t;
    t.entities[1][0] = referenceLine(246, false, "1A0", "Military Order of Malta");
    t.entities[2][0] = referenceLine(291, false, "K", "United States of America");
    t.entities[2][callSlot(2)] = "W1AW";
    t.entities[2][qsoDateSlot(2)] = "2024-05-01";
    t.entities[2][confirmationSlot(2)] = "QSL";
    t.entities[3][0] = referenceLine(269, false, "SP", "Poland");
    for (int z = 1; z <= kZoneRows; ++z)
        t.zones[z][0] = test::zoneFileLine(z, "P");
    return t;
}

TEST(StationFile, HeaderNamesAllTwentyColumns) {
    EXPECT_EQ(stationHeaderLine("sp9xyz", "08.12.2026"),
              "SP9XYZ  08.12.2026;Call-80m;Date-80m;QSL-80m;Weryf-80m;Call-40m;Date-40m;QSL-40m;"
              "Weryf-40m;Call-20m;Date-20m;QSL-20m;Weryf-20m;Call-15m;Date-15m;QSL-15m;Weryf-15m;"
              "Call-10m;Date-10m;QSL-10m;Weryf-10m");
}

// The header keeps its 20 column names above the 20 band fields whatever
// the callsign holds, and stays one line.
TEST(StationFile, HeaderCallsignCannotAddFieldsOrLines) {
    EXPECT_EQ(stationHeaderLine("sp;9\nxyz", "d").substr(0, 19), "SP,9 XYZ  d;Call-80");
    EXPECT_EQ(storableField(std::string("a;b\nc\rd\0e", 9)), "a,b c d e");
}

TEST(StationFile, LinesHaveExactlyTwentySeparators) {
    const auto lines = stationFileLines(sampleTables(), "SP9XYZ", "d");
    ASSERT_EQ(lines.size(), 1u + 3u + 1u + 40u);
    EXPECT_EQ(lines[2],
              "291| |K    |United States of America;;;;;;;;;W1AW;2024-05-01;QSL;;;;;;;;;");
    EXPECT_EQ(lines[4], std::string(43, '='));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (i != 4) {
            EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ';'), 20) << lines[i];
        }
    }
}

TEST(StationFile, EmptyRowsAreLeftOutButEmptyZonesWritten) {
    AwardTables t = sampleTables();
    clearRow(t.entities[2]);
    clearRow(t.zones[7]);
    const auto lines = stationFileLines(t, "X", "d");
    EXPECT_EQ(lines.size(), 1u + 2u + 1u + 40u);
    EXPECT_EQ(lines[3 + 7], std::string(20, ';'));
}

TEST(StationFile, SaveAndLoadGiveTheSameTables) {
    const AwardTables original = sampleTables();
    AwardTables loaded;
    loaded.entities[9][0] = "old contents";
    const auto overflow = loadStationLines(stationFileLines(original, "X", "d"), loaded);
    EXPECT_FALSE(overflow.any());
    EXPECT_EQ(loaded.entities, original.entities);
    EXPECT_EQ(loaded.zones, original.zones);
}

TEST(StationFile, ExtraSemicolonsStayInTheLastSlot) {
    const std::string line = "  1| |VE   |Canada;a;;;;;;;;;;;;;;;;;;;x;y;z";
    const Row row = splitLine(line);
    EXPECT_EQ(row[1], "a");
    EXPECT_EQ(row[20], "x;y;z");
    EXPECT_EQ(joinRow(row), line);
}

// A line without any ";" lands whole in the last slot, its reference line empty.
TEST(StationFile, ShortLinesFillTheLastSlotWithTheRest) {
    EXPECT_EQ(splitLine("no separator")[20], "no separator");
    EXPECT_EQ(splitLine("no separator")[0], "");
    const Row row = splitLine("ref;A;B");
    EXPECT_EQ(row[0], "ref");
    EXPECT_EQ(row[1], "A");
    EXPECT_EQ(row[2], "");
    EXPECT_EQ(row[20], "B");
}

TEST(StationFile, WithoutSeparatorEverythingIsEntities) {
    AwardTables t;
    loadStationLines({"header", "a;", "b;", "c;"}, t);
    EXPECT_EQ(t.entities[3][0], "c");
    for (int z = 1; z <= kZoneRows; ++z)
        EXPECT_FALSE(isOccupied(t.zones[z]));
}

TEST(StationFile, LinesBeyondTheTablesAreCountedNotStored) {
    std::vector<std::string> lines{"header"};
    for (int i = 0; i < 503; ++i)
        lines.push_back("e" + std::to_string(i) + ";");
    lines.push_back("===");
    for (int i = 0; i < 42; ++i)
        lines.push_back("z" + std::to_string(i) + ";");
    AwardTables t;
    const LoadOverflow overflow = loadStationLines(lines, t);
    EXPECT_EQ(overflow.entityLines, 3);
    EXPECT_EQ(overflow.zoneLines, 2);
    EXPECT_EQ(t.entities[500][0], "e499");
    EXPECT_EQ(t.zones[40][0], "z39");
}

TEST(Reconciliation, FindsMissingAndDifferingByNumber) {
    AwardTables t = sampleTables();
    t.entities[1][0] = referenceLine(246, false, "1A", "Old Name");
    const std::vector<std::string> reference{
        referenceLine(246, false, "1A0", "Military Order of Malta"),
        referenceLine(291, false, "K", "United States of America"),
        referenceLine(7, false, "ZA", "Albania"),
    };
    const Reconciliation r = compareWithReference(t, reference);
    EXPECT_EQ(r.missing, std::vector<std::string>{reference[2]});
    ASSERT_EQ(r.differing.size(), 1u);
    EXPECT_EQ(r.differing[0].file, t.entities[1][0]);
    // Row 3 (269, SP) is not in the reference list and is left alone.
}

TEST(Reconciliation, QuestionsAsTheUserSeesThem) {
    EXPECT_EQ(missingQuestion({"  7| |ZA   |Albania"}),
              QStringLiteral("Poniższe podmioty nie wystepują we wczytywanym pliku:\n\n"
                             "  7| |ZA   |Albania\n\nDodać te podmioty do pliku?"));
    const std::string longLine = "246| |1A   |A name that is much longer than forty characters";
    EXPECT_EQ(
        differingQuestion({{"246| |1A0  |Malta", longLine}}),
        QStringLiteral("Poniższe podmioty we wczytywanym pliku mają inne dane niż w pliku "
                       "wzorcowym :\n\nWzorzec:\t\t246\t \t1A0  \tMalta\nPlik:\t\t246\t \t1A   "
                       "\tA name that is much longer t\n\n\nZaktualizować dane tych podmiotów?"));
}

TEST(Reconciliation, MissingGoInPrefixOrderAndDifferingMoveWithTheirSlots) {
    AwardTables t = sampleTables(); // 1A0, K, SP
    addMissingEntities(
        t, {referenceLine(7, false, "ZA", "Albania"), referenceLine(281, false, "EA", "Spain")});
    EXPECT_EQ(referencePrefix(t.entities[2][0]), "EA");
    EXPECT_EQ(referencePrefix(t.entities[5][0]), "ZA");
    const std::string renamed = referenceLine(291, false, "W", "United States");
    updateDifferingEntities(t, {{renamed, t.entities[3][0]}});
    EXPECT_EQ(t.entities[4][0], renamed);
    EXPECT_EQ(t.entities[4][callSlot(2)], "W1AW");
    EXPECT_EQ(referencePrefix(t.entities[3][0]), "SP");
    EXPECT_EQ(referencePrefix(t.entities[5][0]), "ZA");
}

// A damaged reference file can name hundreds of thousands of entities.
TEST(Reconciliation, AFullTableCountsTheRestWithoutSeekingTheirPlaces) {
    AwardTables full;
    for (int r = 1; r <= kEntityRows; ++r)
        full.entities[r][0] = referenceLine(r, false, "P", "x");
    const auto addedOf = [&full](std::size_t count) {
        const std::vector<std::string> many(count, referenceLine(999, false, "ZZZZZ", "z"));
        int added = 0;
        const auto time = test::leastCpuTime([&] { added = addMissingEntities(full, many); });
        EXPECT_EQ(added, static_cast<int>(count));
        return time;
    };
    const auto smallTime = addedOf(30'000);
    const auto largeTime = addedOf(300'000);
    // Ten times the lines: ten times the work when linear, a hundred when quadratic.
    test::expectGrowthBelow(smallTime, largeTime, 30, "30,000 lines, then 300,000");
}

TEST(Reconciliation, FullTableTellsHowManyWereNotAdded) {
    AwardTables t;
    for (int r = 1; r <= kEntityRows; ++r)
        t.entities[r][0] = referenceLine(r, false, "P", "x");
    EXPECT_EQ(addMissingEntities(t, {referenceLine(999, false, "A", "a"), "x"}), 2);
    EXPECT_EQ(referenceNumber(t.entities[500][0]), "500");
}

} // namespace
} // namespace zef
