// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/entity_grid.h"

#include "mainwindow/grid_tables.h"

#include <gtest/gtest.h>
#include <vector>

namespace zef {
namespace {

using test::cp;
using test::putEntity;
using test::putSlot;
using test::putZones;
using test::stationWithEntities;

std::vector<std::string> column(const GridModel& m, int c) {
    std::vector<std::string> texts;
    for (int r = 1; r <= m.lastRow(); ++r)
        texts.push_back(m.cell(c, r));
    return texts;
}

using Texts = std::vector<std::string>;

// The order is Polish whatever the environment's locale (ctest runs with
// none set): a prefix comes before its longer forms.
TEST(GridSort, PrefixesOrderTheSameWhateverTheLocale) {
    const Texts shuffled{"ZS0", "3D2/C", "ZS", "3C0", "3D2", "3C"};
    AwardTables t;
    for (std::size_t i = 0; i < shuffled.size(); ++i)
        putEntity(t, static_cast<int>(i) + 1, static_cast<int>(i) + 1, shuffled[i], "x");
    EntityGrid grid;
    grid.fill(t, 0);
    grid.mouseDown(kNumberColumn, 0);
    grid.mouseDown(kPrefixColumn, 0);
    EXPECT_EQ(column(grid.model(), kPrefixColumn),
              (Texts{"3C", "3C0", "3D2", "3D2/C", "ZS", "ZS0"}));
}

TEST(GridSort, PrefixHeaderClicksToggleTheDirection) {
    const AwardTables t = stationWithEntities(3);
    EntityGrid grid;
    grid.fill(t, 0);
    EXPECT_EQ(grid.sortDirectionText(), "  Rosnąco");
    EXPECT_TRUE(grid.label1Enabled());

    EXPECT_TRUE(grid.mouseDown(kPrefixColumn, 0));
    EXPECT_EQ(grid.sortDirectionText(), "  Malejąco");
    EXPECT_EQ(column(grid.model(), kPrefixColumn), (Texts{"P003", "P002", "P001"}));
    EXPECT_FALSE(grid.label1Enabled());

    grid.mouseDown(kPrefixColumn, 0);
    EXPECT_EQ(grid.sortDirectionText(), "  Rosnąco");
    EXPECT_EQ(column(grid.model(), kPrefixColumn), (Texts{"P001", "P002", "P003"}));
    EXPECT_TRUE(grid.label1Enabled());

    grid.mouseDown(kPrefixColumn, 0); // descending, then another column: ascending
    grid.mouseDown(kNumberColumn, 0);
    EXPECT_TRUE(grid.sortAscending());
    EXPECT_EQ(grid.sortColumn(), kNumberColumn);
    EXPECT_FALSE(grid.label1Enabled());
}

TEST(GridSort, DataRowPressOnlyRemembersTheRow) {
    const AwardTables t = stationWithEntities(3);
    EntityGrid grid;
    grid.fill(t, 0);
    EXPECT_FALSE(grid.mouseDown(kPrefixColumn, 2));
    EXPECT_EQ(grid.lastPressedRow(), 2);
    EXPECT_TRUE(grid.sortAscending());
    EXPECT_FALSE(grid.mouseDown(-1, -1));
}

TEST(GridSort, DeletedColumnIsNotSortableWhileDeletedAreHidden) {
    AwardTables t = stationWithEntities(3);
    EntityGrid grid;
    grid.fill(t, 0);
    grid.toggleHideDeleted(t);
    EXPECT_FALSE(grid.mouseDown(kDeletedColumn, 0));
    EXPECT_EQ(grid.sortColumn(), kPrefixColumn);
    grid.toggleHideDeleted(t);
    EXPECT_TRUE(grid.mouseDown(kDeletedColumn, 0));
    EXPECT_EQ(grid.sortColumn(), kDeletedColumn);
}

TEST(GridSort, ZoneViewsNeverReorder) {
    AwardTables t = stationWithEntities(3);
    putZones(t);
    putSlot(t.zones[12], 0, "ZZ1", "QSL", "");
    putSlot(t.zones[3], 0, "AA1", "QSL", "");
    EntityGrid grid;
    grid.fill(t, 5);
    const Texts tableOrder = column(grid.model(), kPrefixColumn);

    EXPECT_TRUE(grid.mouseDown(kPrefixColumn, 0));
    EXPECT_EQ(grid.sortDirectionText(), "  Malejąco");
    grid.mouseDown(kNameColumn, 0);
    EXPECT_EQ(grid.sortColumn(), kNameColumn);
    EXPECT_EQ(column(grid.model(), kPrefixColumn), tableOrder);

    // Views filter the zones but keep their order; row 1 is selected.
    grid.mouseDown(kCallColumn, 0);
    grid.mouseDown(kCallColumn, 0); // descending by call
    EXPECT_EQ(grid.showView(View::Confirmed, t), ViewOutcome::Shown);
    EXPECT_EQ(column(grid.model(), kPrefixColumn), (Texts{"3", "12"}));
    EXPECT_EQ(grid.model().currentRow(), 1);
    grid.showView(View::All, t);
    EXPECT_EQ(column(grid.model(), kPrefixColumn), tableOrder);
}

TEST(GridSort, IgnoresCaseAndBreaksTiesByTheWholeRow) {
    AwardTables t;
    putEntity(t, 1, 10, "A", "Beta");
    putEntity(t, 2, 9, "B", "beta");
    putEntity(t, 3, 100, "C", "alpha");
    putEntity(t, 4, 5, "D", "Gamma");
    EntityGrid grid;
    grid.fill(t, 0);
    grid.selectCell(0, 2); // entity 9
    grid.mouseDown(kNameColumn, 0);
    // Equal names (case ignored) order by column 0: "  9" before " 10".
    EXPECT_EQ(column(grid.model(), kNumberColumn), (Texts{"100", "  9", " 10", "  5"}));
    EXPECT_EQ(grid.model().highlightedRow(), 2);
    grid.mouseDown(kNameColumn, 0);
    EXPECT_EQ(column(grid.model(), kNumberColumn), (Texts{"  5", " 10", "  9", "100"}));
    EXPECT_EQ(grid.model().cell(kNumberColumn, grid.model().currentRow()), "  9");
}

TEST(GridSort, EqualSortCellsFallBackOnTheCollatedRow) {
    AwardTables t;
    putEntity(t, 1, 5, "B", "Same");
    putEntity(t, 2, 5, "a", "Same");
    putEntity(t, 3, 4, "C", "Other");
    EntityGrid grid;
    grid.fill(t, 0);
    grid.mouseDown(kNameColumn, 0);
    // Collated, "a" comes before "B" (in bytes it would not).
    EXPECT_EQ(column(grid.model(), kPrefixColumn), (Texts{"C", "a", "B"}));
}

TEST(GridSort, TrimsAllCellsButTheNumber) {
    AwardTables t = stationWithEntities(2);
    putSlot(t.entities[1], 0, "A1", "QSL", "2024-01-01");
    t.entities[1][verificationSlot(0)] = " 2024-01  "; // stored padded
    EntityGrid grid;
    grid.fill(t, 0);
    EXPECT_EQ(grid.model().cell(kVerificationColumn, 1), "2024-01");
    EXPECT_EQ(grid.cache().entry(1)[kVerificationColumn], " 2024-01  ");
    EXPECT_EQ(grid.model().cell(kNumberColumn, 1), "  1");
}

TEST(GridSort, SeparatorInACellLeavesTheRowWhole) {
    AwardTables t = stationWithEntities(2);
    putSlot(t.entities[2], 0, "A@B", "QSL", "");
    EntityGrid grid;
    grid.fill(t, 0);
    grid.mouseDown(kCallColumn, 0);
    grid.mouseDown(kCallColumn, 0);
    EXPECT_EQ(grid.model().cell(kCallColumn, 1), "A@B");
    EXPECT_EQ(grid.model().cell(kPrefixColumn, 1), "P002");
}

TEST(GridSort, FollowsTheLocalesAlphabet) {
    AwardTables t;
    putEntity(t, 1, 1, "LY", "Litwa");
    putEntity(t, 2, 2, "YL", "Łotwa");
    putEntity(t, 3, 3, "9H", "Malta");
    putEntity(t, 4, 4, "ZZ", "ąb");
    EntityGrid grid(QLocale(QLocale::Polish, QLocale::Poland));
    grid.fill(t, 0);
    grid.mouseDown(kNameColumn, 0);
    EXPECT_EQ(column(grid.model(), kNameColumn), (Texts{cp("ąb"), "Litwa", cp("Łotwa"), "Malta"}));
}

} // namespace
} // namespace zef
