// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/entity_grid.h"

#include "mainwindow/grid_tables.h"

#include <gtest/gtest.h>
#include <vector>

namespace zef {
namespace {

using test::putEntity;
using test::putSlot;
using test::stationWithEntities;

constexpr View kAllViews[] = {View::All,      View::AllWithoutVerified, View::ToVerify,
                              View::Verified, View::Confirmed,          View::Unconfirmed};

// ADIF numbers of the shown rows, blanks removed.
std::vector<std::string> shownNumbers(const GridModel& m) {
    std::vector<std::string> numbers;
    for (int r = 1; r <= m.lastRow(); ++r)
        numbers.push_back(trim(m.cell(kNumberColumn, r)));
    return numbers;
}

// Entity 1 verified, 2 waiting for verification, 3 not worked, 4 deleted
// but verified, on band 0.
AwardTables fourStates() {
    AwardTables t = stationWithEntities(4);
    putSlot(t.entities[1], 0, "A1", "QSL", "2024-02-02");
    putSlot(t.entities[2], 0, "A2", "LoTW", "");
    putEntity(t, 4, 4, "P004", "Gone", true);
    putSlot(t.entities[4], 0, "A4", "QSL", "2024-02-02");
    return t;
}

TEST(GridViews, EachViewShowsItsRows) {
    const AwardTables t = fourStates();
    EntityGrid grid;
    grid.fill(t, 0);
    using Numbers = std::vector<std::string>;
    const std::pair<View, Numbers> expected[] = {
        {View::All, {"1", "2", "3", "4"}},
        {View::AllWithoutVerified, {"2", "3"}},
        {View::ToVerify, {"2"}},
        {View::Verified, {"1", "4"}},
        {View::Confirmed, {"1", "2", "4"}},
        {View::Unconfirmed, {"3"}},
    };
    for (const auto& [view, numbers] : expected) {
        EXPECT_EQ(grid.showView(view, t), ViewOutcome::Shown);
        EXPECT_EQ(shownNumbers(grid.model()), numbers) << viewCaption(view).toStdString();
        EXPECT_EQ(grid.checkedView(), view);
        EXPECT_EQ(grid.label5Text(), viewCaption(view));
    }
    EXPECT_EQ(viewCaption(View::Confirmed), "Potwierdzone (zwer. i do weryf.)");
}

TEST(GridViews, HiddenDeletedEntityVanishesFromEveryView) {
    const AwardTables t = fourStates();
    EntityGrid grid;
    grid.fill(t, 0);
    grid.showView(View::Verified, t);
    EXPECT_EQ(grid.toggleHideDeleted(t), ViewOutcome::Shown);
    EXPECT_TRUE(grid.hideDeleted());
    EXPECT_EQ(shownNumbers(grid.model()), std::vector<std::string>{"1"});
    for (View view : kAllViews) {
        grid.showView(view, t);
        for (const auto& number : shownNumbers(grid.model()))
            EXPECT_NE(number, "4") << viewCaption(view).toStdString();
    }
    grid.toggleHideDeleted(t);
    grid.showView(View::All, t);
    EXPECT_EQ(grid.model().rowCount(), 4 + 1);
}

TEST(GridViews, SelectedEntityIsKeptWhenShownElseRowOne) {
    const AwardTables t = fourStates();
    EntityGrid grid;
    grid.fill(t, 0);
    grid.selectCell(3, 2); // entity 2, waiting for verification
    grid.showView(View::ToVerify, t);
    EXPECT_EQ(grid.model().cell(kNumberColumn, grid.model().highlightedRow()), "  2");
    grid.showView(View::Confirmed, t);
    EXPECT_EQ(grid.model().highlightedRow(), 2);
    EXPECT_EQ(grid.model().currentColumn(), 1);
    grid.showView(View::Verified, t); // not shown there
    EXPECT_EQ(grid.model().currentRow(), 1);
    EXPECT_EQ(grid.model().highlightedRow(), 1);
}

TEST(GridViews, RefillKeepsTheEntityThatWasCurrent) {
    AwardTables t = stationWithEntities(5);
    EntityGrid grid;
    grid.fill(t, 0);
    grid.mouseDown(kPrefixColumn, 0); // descending: entity 5 in row 1
    grid.selectCell(0, 2);            // entity 4
    putSlot(t.entities[4], 1, "B4", "QSL", "");
    grid.fill(t, 1); // another band, same order
    EXPECT_EQ(grid.model().cell(kNumberColumn, grid.model().highlightedRow()), "  4");
    EXPECT_EQ(grid.model().cell(kCallColumn, grid.model().highlightedRow()), "B4");
}

TEST(GridViews, EmptyViewKeepsRowCountAndBlanksRows) {
    const AwardTables t = stationWithEntities(3);
    EntityGrid grid;
    grid.fill(t, 0);
    EXPECT_EQ(grid.showView(View::Verified, t), ViewOutcome::NothingToShow);
    EXPECT_EQ(grid.checkedView(), View::Verified);
    EXPECT_EQ(grid.label5Text(), "Zweryfikowane");
    EXPECT_EQ(grid.model().rowCount(), 4);
    EXPECT_EQ(grid.model().row(1), GridRow{});
    EXPECT_EQ(nothingToShowText(), "Brak elementów do wyświetlenia!");

    // The fill of another band runs the checked view again.
    EXPECT_EQ(grid.fill(t, 2), ViewOutcome::NothingToShow);
}

TEST(GridViews, EveryEntityDeletedAndHiddenIsNothingToShow) {
    AwardTables t;
    putEntity(t, 1, 1, "A", "Gone", true);
    putEntity(t, 2, 2, "B", "Gone too", true);
    EntityGrid grid;
    grid.fill(t, 0);
    EXPECT_EQ(grid.toggleHideDeleted(t), ViewOutcome::NothingToShow);
    EXPECT_GE(grid.model().rowCount(), 2);
    EXPECT_EQ(grid.model().currentRow(), 1);
}

TEST(GridViews, NothingHappensWithoutStationData) {
    AwardTables t;
    EntityGrid grid;
    EXPECT_EQ(grid.fill(t, 0), ViewOutcome::NotLoaded);
    EXPECT_EQ(grid.showView(View::ToVerify, t), ViewOutcome::NotLoaded);
    EXPECT_EQ(grid.toggleHideDeleted(t), ViewOutcome::NotLoaded);
    EXPECT_FALSE(grid.hideDeleted());
    EXPECT_EQ(grid.checkedView(), View::All);
    EXPECT_EQ(grid.model().rowCount(), 20);
}

} // namespace
} // namespace zef
