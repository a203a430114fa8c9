// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/entity_grid.h"

#include "mainwindow/grid_tables.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::putEntity;
using test::putSlot;

// Prefixes in byte order, with names for the name search.
AwardTables prefixStation() {
    AwardTables t;
    const char* prefixes[] = {"DL", "OK", "S5", "SM", "SP", "SV", "UA"};
    const char* names[] = {"Germany", "Czech Republic", "Slovenia",       "Sweden",
                           "POLAND",  "Greece",         "European Russia"};
    for (int r = 1; r <= 7; ++r)
        putEntity(t, r, 200 + r, prefixes[r - 1], names[r - 1]);
    return t;
}

std::string currentPrefix(const EntityGrid& grid) {
    return grid.model().cell(kPrefixColumn, grid.model().currentRow());
}

TEST(PrefixSearch, TypedLettersMoveToTheFirstPrefixNotBelow) {
    const AwardTables t = prefixStation();
    EntityGrid grid;
    grid.fill(t, 0);

    EXPECT_TRUE(grid.keyPress('s').swallow);
    EXPECT_EQ(currentPrefix(grid), "S5");
    EXPECT_EQ(grid.label3Text(), "S");
    EXPECT_EQ(grid.label1Text(), "ESC - szukanie następnego podmiotu");
    grid.keyPress('p');
    EXPECT_EQ(currentPrefix(grid), "SP");
    EXPECT_EQ(grid.model().highlightedRow(), 5);
    EXPECT_EQ(grid.label3Text(), "SP");

    grid.keyPress('a');
    grid.keyPress('z');
    EXPECT_EQ(currentPrefix(grid), "SV");
    grid.keyPress('1'); // the fifth still moves, then the buffer empties
    EXPECT_EQ(currentPrefix(grid), "SV");
    EXPECT_EQ(grid.prefixSearch().buffer(), "");
    EXPECT_EQ(grid.label3Text(), "");
    EXPECT_EQ(grid.label1Text(), "Wprowadź prefiks szukanego podmiotu");
    grid.keyPress('d'); // a new search
    EXPECT_EQ(currentPrefix(grid), "DL");
}

TEST(PrefixSearch, BeyondEveryPrefixStopsAtTheLastShownRow) {
    AwardTables t = prefixStation();
    putSlot(t.entities[2], 0, "OK1A", "QSL", "");
    putSlot(t.entities[4], 0, "SM1A", "QSL", "");
    EntityGrid grid;
    grid.fill(t, 0);
    grid.showView(View::Confirmed, t);
    grid.keyPress('z');
    EXPECT_EQ(grid.model().currentRow(), 2);
    EXPECT_EQ(currentPrefix(grid), "SM");
    grid.keyPress(27); // Escape
    grid.keyPress('d');
    EXPECT_EQ(grid.model().currentRow(), 1);
}

TEST(PrefixSearch, OnlyWhileSortedAscendingByPrefix) {
    const AwardTables t = prefixStation();
    EntityGrid grid;
    grid.fill(t, 0);
    grid.keyPress('s');
    grid.mouseDown(kNameColumn, 0); // leaving prefix order resets the search
    EXPECT_EQ(grid.label3Text(), "");
    EXPECT_EQ(grid.prefixSearch().buffer(), "");
    const int row = grid.model().currentRow();

    EXPECT_FALSE(grid.keyPress('u').swallow); // left to the grid
    EXPECT_EQ(grid.model().currentRow(), row);
    EXPECT_EQ(grid.label3Text(), "");

    grid.mouseDown(kPrefixColumn, 0);
    grid.mouseDown(kPrefixColumn, 0); // descending by prefix
    const int descendingRow = grid.model().currentRow();
    EXPECT_FALSE(grid.keyPress('u').swallow);
    EXPECT_EQ(grid.model().currentRow(), descendingRow);
}

TEST(PrefixSearch, EscapeEnterAndNoData) {
    const AwardTables t = prefixStation();
    EntityGrid grid;
    EXPECT_TRUE(grid.keyPress('s').swallow); // no data rows yet: swallowed, nothing else
    EXPECT_EQ(grid.label3Text(), "");

    grid.fill(t, 0);
    grid.keyPress('s');
    const KeyPressResult escape = grid.keyPress(27);
    EXPECT_TRUE(escape.swallow);
    EXPECT_FALSE(escape.openDataEntry);
    EXPECT_EQ(grid.label3Text(), "");
    EXPECT_EQ(grid.label1Text(), "Wprowadź prefiks szukanego podmiotu");

    grid.keyPress('s');
    const KeyPressResult enter = grid.keyPress('\r');
    EXPECT_TRUE(enter.swallow);
    EXPECT_TRUE(enter.openDataEntry);
    EXPECT_EQ(grid.prefixSearch().buffer(), "");
    EXPECT_EQ(grid.label1Text(), "Wprowadź prefiks szukanego podmiotu");
    EXPECT_FALSE(grid.keyPress(' ').swallow);
}

TEST(NameSearch, FindsAndContinuesThenReportsTheEnd) {
    const AwardTables t = prefixStation();
    EntityGrid grid;
    grid.fill(t, 0);
    grid.nameSearch().start();
    EXPECT_EQ(grid.findNext(QString()), FindOutcome::Ignored);

    EXPECT_EQ(grid.findNext("land"), FindOutcome::Found); // "POLAND"
    EXPECT_EQ(grid.model().highlightedRow(), 5);
    EXPECT_EQ(grid.findNext("e"), FindOutcome::Found); // continues after row 5
    EXPECT_EQ(grid.model().highlightedRow(), 6);
    EXPECT_EQ(grid.findNext("e"), FindOutcome::Found);
    EXPECT_EQ(grid.model().highlightedRow(), 7);
    EXPECT_EQ(grid.findNext("e"), FindOutcome::Finished);
    EXPECT_EQ(findMessageText(FindOutcome::Finished), "Szukanie zakończone!");
    EXPECT_EQ(grid.nameSearch().lastFoundRow(), 0);
    EXPECT_EQ(grid.findNext("e"), FindOutcome::Found); // from the top again
    EXPECT_EQ(grid.model().highlightedRow(), 1);

    grid.nameSearch().start();
    EXPECT_EQ(grid.findNext("Atlantis"), FindOutcome::NotFound);
    EXPECT_EQ(findMessageText(FindOutcome::NotFound), "Nie znaleziono podmiotu!");
    EXPECT_TRUE(grid.nameSearch().restart());
}

TEST(NameSearch, OpeningAndEscape) {
    AwardTables t;
    EXPECT_EQ(searchOpening(t, View::All), SearchOpening::Ignore);
    t = prefixStation();
    EXPECT_EQ(searchOpening(t, View::All), SearchOpening::Open);
    EXPECT_EQ(searchOpening(t, View::Verified), SearchOpening::WarnAndOpen);

    NameSearch search;
    search.start();
    EXPECT_FALSE(search.escapeClosesDialog(false));
    EXPECT_TRUE(search.restart());
    EXPECT_TRUE(search.escapeClosesDialog(true));
}

} // namespace
} // namespace zef
