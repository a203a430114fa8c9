// SPDX-License-Identifier: GPL-3.0-or-later
// The grid following one slot the station changed: its row, its cache entry
// and its counters, without a refill.
#include "mainwindow/entity_grid.h"
#include "mainwindow/grid_entry.h"

#include "mainwindow/grid_tables.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::putEntity;
using test::putSlot;
using test::putZones;

TEST(EntryStore, GridRowGetsTheEntryAndKeepsTheVerificationColumn) {
    GridRow row{"  7", "", "ZA", "Albania", "OLD", "2000-01-01", "QSL", ""};
    storeInGridRow(row, {"SP9ABC", "2005-02-31", "LoTW"});
    EXPECT_EQ(row, (GridRow{"  7", "", "ZA", "Albania", "SP9ABC", "2005-02-31", "LoTW", ""}));
    storeInGridRow(row, {"", "2005-02-31", "LoTW"});
    EXPECT_EQ(row, (GridRow{"  7", "", "ZA", "Albania", "", "", "", ""}));
}

// The shown row of an ADIF number, 0 when none.
int shownRow(const EntityGrid& grid, const std::string& number) {
    for (int r = 1; r <= grid.model().lastRow(); ++r)
        if (grid.model().cell(kNumberColumn, r) == number)
            return r;
    return 0;
}

TEST(EntryStore, TheGridFollowsOnlyASlotOfItsTableAndBand) {
    AwardTables t;
    putEntity(t, 1, 246, "1A0", "Military Order of Malta");
    putEntity(t, 4, 7, "ZA", "Albania");
    putSlot(t.entities[1], 0, "DL1AA", "QSL", "");
    putZones(t);
    EntityGrid grid;
    grid.fill(t, 0);
    const StatusCounters before = grid.counters();
    const int za = shownRow(grid, "  7");
    ASSERT_NE(za, 0);

    // Another band, the other table, a row the fill skipped: nothing moves.
    for (const SlotEdit& elsewhere : {SlotEdit{false, 4, 1, {"SP9ABC", "2005-02-31", "QSL"}},
                                      SlotEdit{true, 4, 0, {"SP9ABC", "2005-02-31", "QSL"}},
                                      SlotEdit{false, 2, 0, {"SP9ABC", "2005-02-31", "QSL"}}}) {
        grid.followSlot(elsewhere);
        EXPECT_EQ(grid.model().cell(kCallColumn, za), "");
        EXPECT_EQ(grid.cache().entry(2)[kCallColumn], "");
        EXPECT_EQ(grid.counters().qsl, before.qsl);
    }

    grid.followSlot({false, 4, 0, {"SP9ABC", "2005-02-31", "QSL"}});
    EXPECT_EQ(grid.model().cell(kCallColumn, za), "SP9ABC");
    EXPECT_EQ(grid.model().cell(kConfirmationColumn, za), "QSL");
    EXPECT_EQ(grid.cache().entry(4)[kCallColumn], "SP9ABC");
    EXPECT_EQ(grid.cache().entry(1)[kCallColumn], "DL1AA");
    EXPECT_EQ(grid.counters().qsl, before.qsl + 1);
    EXPECT_EQ(grid.counters().toVerifyCurrent, before.toVerifyCurrent + 1);
}

GridRow slotRow(const char* marker, const char* call, const char* confirmation) {
    return {"  7", marker, "ZA", "Albania", call, *call ? "2005-01-01" : "", confirmation, ""};
}

struct CounterCase {
    GridRow before;
    GridRow after;
    int toVerifyCurrent, toVerifyAll, qsl, lotw;
};

TEST(EntryCounters, MoveByTheDifferenceOfTheEditedRow) {
    const CounterCase cases[] = {
        {slotRow("", "", ""), slotRow("", "SP9A", "QSL"), 1, 1, 1, 0},
        {slotRow("D", "", ""), slotRow("D", "SP9A", "LoTW"), 0, 1, 0, 1},
        {slotRow("", "SP9A", "QSL"), slotRow("", "", ""), -1, -1, -1, 0},
        {slotRow("D", "SP9A", "LoTW"), slotRow("D", "", ""), 0, -1, 0, -1},
        {slotRow("", "SP9A", "QSL"), slotRow("", "SP9B", "QSL"), 0, 0, 0, 0},
        // A changed confirmation moves its count, as a recount would.
        {slotRow("", "SP9A", "QSL"), slotRow("", "SP9A", "LoTW"), 0, 0, -1, 1},
    };
    for (const auto& c : cases) {
        StatusCounters counters{3, 4, 5, 6, 7, 8};
        adjustCounters(counters, c.before, c.after);
        EXPECT_EQ(counters.verifiedCurrent, 3);
        EXPECT_EQ(counters.verifiedAll, 4);
        EXPECT_EQ(counters.toVerifyCurrent, 5 + c.toVerifyCurrent) << c.after[kCallColumn];
        EXPECT_EQ(counters.toVerifyAll, 6 + c.toVerifyAll) << c.after[kCallColumn];
        EXPECT_EQ(counters.qsl, 7 + c.qsl);
        EXPECT_EQ(counters.lotw, 8 + c.lotw);
    }
}

} // namespace
} // namespace zef
