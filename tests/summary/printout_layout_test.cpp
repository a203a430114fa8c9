// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/printout_layout.h"

#include "support/test_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace zef {
namespace {

using test::cp;
using test::referenceLine;
using test::zoneFileLine;

const PrintoutHeader kHeader{"sp9xyz", "08.12.2026", {12, 34}};
const std::string kRule = "+----------------------------------------------+";
const std::string kEmptyZone = "|           |                        | | | | | |";

// Entity rows 1..n occupied, named by their row number, and all 40 zones.
AwardTables tablesWithEntities(int n) {
    AwardTables t;
    for (int r = 1; r <= n; ++r)
        t.entities[r][0] =
            referenceLine(r, false, "P" + std::to_string(r), "Row " + std::to_string(r));
    for (int z = 1; z <= kZoneRows; ++z)
        t.zones[z][0] = zoneFileLine(z, "Z" + std::to_string(z));
    return t;
}

const PrintItem* itemAt(const PrintPage& page, int x, int y) {
    auto it = std::find_if(page.begin(), page.end(),
                           [&](const PrintItem& i) { return i.x == x && i.y == y; });
    return it == page.end() ? nullptr : &*it;
}

std::string textAt(const PrintPage& page, int x, int y) {
    const PrintItem* item = itemAt(page, x, y);
    return item ? item->text : "<none>";
}

TEST(PrintoutLayout, ScaleAndPositionsUseIntegerDivision) {
    EXPECT_EQ(layoutScale(4796), 200);
    EXPECT_EQ(layoutScale(4760), 198); // 198.49...
    EXPECT_EQ(layoutScale(2397), 99);
    EXPECT_EQ(toDevice(125, 198), 247); // 247.5
    EXPECT_EQ(toDevice(3225, 198), 6385);
    EXPECT_EQ(layoutScale(20000), 834); // no overflow at high resolutions
}

TEST(PrintoutLayout, BandMarksIgnoreAVerificationDateWithoutCall) {
    Row row;
    row[0] = referenceLine(246, false, "1A0", "Military Order of Malta");
    row[callSlot(0)] = "9H1AA";
    row[callSlot(1)] = "9H1BB";
    row[verificationSlot(1)] = "2020-01-01";
    row[verificationSlot(2)] = "2020-01-01";
    EXPECT_EQ(bandMark(row, 0), "c|");
    EXPECT_EQ(bandMark(row, 1), "v|");
    EXPECT_EQ(bandMark(row, 2), " |");
    EXPECT_EQ(entityPrintLine(row), "|246| |1A0  |Military Order of Malta |c|v| | | |");

    Row longLine;
    longLine[0] = "  7| |ZA   |A name much longer than twenty-four";
    EXPECT_EQ(entityPrintLine(longLine), "|  7| |ZA   |A name much longer than | | | | | |");
    EXPECT_EQ(entityPrintLine(Row{}), "|" + std::string(36, ' ') + "| | | | | |");
}

TEST(PrintoutLayout, ZoneLinePutsTheNumberUnderItsHead) {
    Row zone;
    zone[0] = zoneFileLine(12, "9K HZ A4");
    zone[callSlot(4)] = "A41AA";
    const std::string line = zonePrintLine(zone);
    EXPECT_EQ(line, "|    12     |9K HZ A4" + std::string(16, ' ') + "| | | | |c|");
    EXPECT_EQ(line.size(), 48u);

    Row longZone;
    longZone[0] = zoneFileLine(3, std::string(40, 'W'));
    EXPECT_EQ(zonePrintLine(longZone), "|    3      |" + std::string(24, 'W') + "| | | | | |");
}

TEST(PrintoutLayout, RowsPerTableOnPageTwo) {
    EXPECT_EQ(pageTwoRowsPerTable(400), 20);
    EXPECT_EQ(pageTwoRowsPerTable(348), 2);
    EXPECT_EQ(pageTwoRowsPerTable(345), 1);
    EXPECT_EQ(pageTwoRowsPerTable(347), 2);
    EXPECT_EQ(pageTwoRowsPerTable(500), 53);
    EXPECT_EQ(pageTwoZoneTop(20), 900);
    EXPECT_EQ(pageTwoZoneTop(1), 425);
    // Short files: never fewer than one row, so nothing climbs into the header.
    for (int lines : {344, 343, 342, 336, 200, 0})
        EXPECT_EQ(pageTwoRowsPerTable(lines), 1) << lines;
    // Rows past 500 never print; more lines must not push the zones off the page.
    EXPECT_EQ(pageTwoRowsPerTable(900), 53);
}

TEST(PrintoutLayout, HeaderIsTheSameOnBothPages) {
    const AwardTables t = tablesWithEntities(3);
    const PrintPage one = printoutPageOne(t, kHeader);
    const PrintPage two = printoutPageTwo(t, kHeader, 3);
    ASSERT_GE(one.size(), 5u);
    const std::vector<PrintItem> head(one.begin(), one.begin() + 5);
    const std::vector<std::tuple<int, int, int, bool, std::string>> want{
        {200, 125, 10, false, cp("Zefirant - zestawienie podmiotów DXCC dla: ")},
        {1400, 120, 16, true, "SP9XYZ"},
        {200, 200, 10, false, "Data: 08.12.2026"},
        {700, 200, 10, false, "Punkty zweryfikowowane: 12"},
        {1500, 200, 10, false, "Punkty do zweryfikowowania: 34"}};
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(std::tuple(head[i].x, head[i].y, head[i].pointSize, head[i].bold, head[i].text),
                  want[i]);
        EXPECT_EQ(two[i].text, head[i].text);
    }
    for (std::size_t i = 5; i < one.size(); ++i)
        EXPECT_EQ(one[i].pointSize, 6);
}

TEST(PrintoutLayout, PageOneHoldsRowsOneTo345InThreeTables) {
    AwardTables t = tablesWithEntities(200);
    t.entities[345][0] = referenceLine(345, true, "LAST", "Last on page one");
    t.entities[346][0] = referenceLine(346, false, "NEXT", "First on page two");
    const PrintPage page = printoutPageOne(t, kHeader);

    EXPECT_EQ(page.size(), 5u + 3 * 5 + 345);
    for (int x : {100, 850, 1600}) {
        EXPECT_EQ(textAt(page, x, 250), kRule);
        EXPECT_EQ(textAt(page, x, 275), "|ADI|  Pfx  | Podmiot                |8|4|2|1|1|");
        EXPECT_EQ(textAt(page, x, 300), "|   |       |                        |0|0|0|5|0|");
        EXPECT_EQ(textAt(page, x, 325), "+---+-------+------------------------+---------+");
        EXPECT_EQ(textAt(page, x, 3225), kRule);
    }
    EXPECT_EQ(textAt(page, 100, 350), entityPrintLine(t.entities[1]));
    EXPECT_EQ(textAt(page, 100, 3200), entityPrintLine(t.entities[115]));
    EXPECT_EQ(textAt(page, 850, 350), entityPrintLine(t.entities[116]));
    EXPECT_EQ(textAt(page, 1600, 350), entityPrintLine(t.entities[231]));
    EXPECT_EQ(textAt(page, 1600, 3200), entityPrintLine(t.entities[345]));
    // Rows without a reference line print as blank lines with empty marks.
    EXPECT_EQ(textAt(page, 1600, 375), "|" + std::string(36, ' ') + "| | | | | |");
    for (const PrintItem& item : page)
        EXPECT_EQ(item.text.find("NEXT"), std::string::npos);
}

TEST(PrintoutLayout, PageTwoFor400LinesShowsRows346To405) {
    const AwardTables t = tablesWithEntities(400);
    const PrintPage page = printoutPageTwo(t, kHeader, 400);
    EXPECT_EQ(textAt(page, 100, 350), entityPrintLine(t.entities[346]));
    EXPECT_EQ(textAt(page, 850, 350), entityPrintLine(t.entities[366]));
    EXPECT_EQ(textAt(page, 1600, 350), entityPrintLine(t.entities[386]));
    EXPECT_EQ(textAt(page, 1600, 700), entityPrintLine(t.entities[400]));
    EXPECT_EQ(itemAt(page, 1600, 725), nullptr); // rows 401..405 stay blank
    EXPECT_EQ(textAt(page, 1600, 850), kRule);
    EXPECT_EQ(textAt(page, 100, 900), kRule);
    EXPECT_EQ(textAt(page, 100, 925), "|    CQZ    | Prefiksy               |8|4|2|1|1|");
    EXPECT_EQ(textAt(page, 100, 1000), zonePrintLine(t.zones[1]));
}

TEST(PrintoutLayout, PageTwoFor348And345Lines) {
    const AwardTables t = tablesWithEntities(348);
    const PrintPage p348 = printoutPageTwo(t, kHeader, 348);
    EXPECT_EQ(textAt(p348, 100, 350), entityPrintLine(t.entities[346]));
    EXPECT_EQ(textAt(p348, 100, 375), entityPrintLine(t.entities[347]));
    EXPECT_EQ(textAt(p348, 850, 350), entityPrintLine(t.entities[348]));
    EXPECT_EQ(itemAt(p348, 850, 375), nullptr);
    EXPECT_EQ(itemAt(p348, 1600, 350), nullptr);
    EXPECT_EQ(textAt(p348, 850, 400), kRule);
    EXPECT_EQ(textAt(p348, 850, 450), kRule);

    const PrintPage p345 = printoutPageTwo(tablesWithEntities(345), kHeader, 345);
    EXPECT_EQ(itemAt(p345, 100, 350), nullptr);
    EXPECT_EQ(textAt(p345, 100, 375), kRule);
    EXPECT_EQ(textAt(p345, 100, 425), kRule);
}

TEST(PrintoutLayout, ShortReferenceFileKeepsPageTwoBelowTheHeader) {
    const AwardTables t = tablesWithEntities(120);
    const PrintPage page = printoutPageTwo(t, kHeader, 120);
    int lowestTableY = 1 << 30;
    for (const PrintItem& item : page)
        if (item.pointSize == kTablePointSize)
            lowestTableY = std::min(lowestTableY, item.y);
    EXPECT_EQ(lowestTableY, 250);
    EXPECT_EQ(textAt(page, 1600, 375), kRule);
    EXPECT_EQ(textAt(page, 1600, 425), kRule);
    EXPECT_EQ(textAt(page, 1600, 875), kRule);
}

TEST(PrintoutLayout, ThirdZoneTableEndsWithTwoEmptyLines) {
    AwardTables t = tablesWithEntities(400);
    t.zones[40][callSlot(2)] = "ZL1AA";
    t.zones[40][verificationSlot(2)] = "2022-02-02";
    const PrintPage page = printoutPageTwo(t, kHeader, 400);
    const int z = 900;
    EXPECT_EQ(textAt(page, 1600, z + 100), zonePrintLine(t.zones[29]));
    EXPECT_EQ(textAt(page, 1600, z + 75 + 25 * 12),
              "|    40     |Z40" + std::string(21, ' ') + "| | |v| | |");
    EXPECT_EQ(textAt(page, 1600, z + 75 + 25 * 13), kEmptyZone);
    EXPECT_EQ(textAt(page, 1600, z + 75 + 25 * 14), kEmptyZone);
    EXPECT_EQ(textAt(page, 1600, z + 450), kRule);
    EXPECT_EQ(textAt(page, 850, z + 100), zonePrintLine(t.zones[15]));

    std::size_t tableItems = 0;
    for (const PrintItem& item : page) {
        EXPECT_EQ(item.pointSize == kTablePointSize ? item.text.size() : 48u, 48u) << item.text;
        tableItems += item.pointSize == kTablePointSize;
    }
    EXPECT_EQ(tableItems, 3 * 5 + 55u + 3 * (4 + 14 + 1));
}

} // namespace
} // namespace zef
