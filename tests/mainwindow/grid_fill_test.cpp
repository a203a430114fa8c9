// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/entity_grid.h"
#include "mainwindow/grid_fill.h"

#include "mainwindow/grid_tables.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::cp;
using test::putEntity;
using test::putSlot;
using test::putZones;
using test::stationWithEntities;

TEST(GridFill, FourHundredEntitiesFillCacheAndAllView) {
    AwardTables t = stationWithEntities(400);
    putSlot(t.entities[1], 3, "SP1AAA", "QSL", "");
    EntityGrid grid;
    EXPECT_EQ(grid.cache().highestIndex(), -1);

    EXPECT_EQ(grid.fill(t, 3), ViewOutcome::Shown);
    EXPECT_EQ(grid.cache().highestIndex(), 400);
    EXPECT_EQ(grid.model().rowCount(), 401);
    const GridRow first{"  1", "", "P001", "Entity 1", "SP1AAA", "2023-05-01", "QSL", ""};
    EXPECT_EQ(grid.model().row(1), first); // ADIF number keeps its blanks
    EXPECT_EQ(grid.cache().entry(1), first);
    EXPECT_EQ(grid.model().cell(kNumberColumn, 400), "400");
    EXPECT_EQ(grid.model().cell(kCallColumn, 0), "Znak");
    EXPECT_EQ(grid.label5Text(), "Wszystkie podmioty");
}

TEST(GridFill, RowsWithoutReferenceLineAreSkippedButKeepTheirPlace) {
    AwardTables t = stationWithEntities(5);
    t.entities[3][0].clear();
    t.entities[3][callSlot(0)] = "GHOST"; // never shown nor counted
    EntityGrid grid;
    grid.fill(t, 0);
    EXPECT_EQ(grid.cache().highestIndex(), 5);
    EXPECT_EQ(grid.cache().entry(3), GridRow{});
    EXPECT_EQ(grid.statusPanels()[2], "Do weryfikacji:  0/0");
}

TEST(GridFill, CountersSeparateDeletedEntities) {
    AwardTables t = stationWithEntities(6);
    putSlot(t.entities[1], 0, "A1", "QSL", "2024-01-01");  // verified
    putSlot(t.entities[2], 0, "A2", "LoTW", "");           // to verify
    putEntity(t, 3, 3, "P003", "Gone verified", true);     //
    putSlot(t.entities[3], 0, "A3", "QSL", "2024-01-01");  // verified, deleted
    putEntity(t, 4, 4, "P004", "Gone pending", true);      //
    putSlot(t.entities[4], 0, "A4", "", "");               // to verify, deleted
    putSlot(t.entities[5], 0, "", "", "2024-01-01");       // verified without call
    putEntity(t, 6, 6, "P006", "Gone without call", true); // a deleted one needs a call
    putSlot(t.entities[6], 0, "", "", "2024-01-01");       // to be counted at all
    EntityGrid grid;
    grid.fill(t, 0);

    const auto panels = grid.statusPanels();
    EXPECT_EQ(panels[0], "Razem:       3/5");
    EXPECT_EQ(panels[1], "Zweryfikowane:   2/3");
    EXPECT_EQ(panels[2], "Do weryfikacji:  1/2");
    EXPECT_EQ(panels[3], "QSL/LoTW:  2/1");

    grid.fill(t, 1); // counters start from zero on every fill
    EXPECT_EQ(grid.statusPanels()[0], "Razem:       0/0");
    EXPECT_EQ(grid.statusPanels()[3], "QSL/LoTW:  0/0");
}

TEST(GridFill, ZoneViewShowsAllZonesInTableOrder) {
    AwardTables t = stationWithEntities(3);
    putZones(t);
    t.zones[40][0].clear();
    putSlot(t.zones[7], 2, "JA1ZZ", "LoTW", "");
    EntityGrid grid;
    grid.fill(t, 2);
    grid.fill(t, 7); // "Strefy 20M"

    const GridModel& m = grid.model();
    EXPECT_EQ(m.row(0), (GridRow{"", "", "Strefa", cp("Przykładowe prefiksy"), "Znak", "Data QSO",
                                 "Potw.", "Data wer."}));
    EXPECT_EQ(m.rowCount(), 41);
    EXPECT_EQ(m.row(7), (GridRow{"", "", "7", "Z7", "JA1ZZ", "2023-05-01", "LoTW", ""}));
    EXPECT_EQ(m.cell(kPrefixColumn, 2), "2");
    EXPECT_EQ(m.cell(kPrefixColumn, 10), "10");
    EXPECT_EQ(m.row(40), GridRow{});
    EXPECT_EQ(grid.cache().highestIndex(), 39);
    EXPECT_EQ(grid.statusPanels()[2], "Do weryfikacji:  1/1");
    EXPECT_LE(m.currentRow(), 40);

    grid.fill(t, 0); // back to entities: all eight headers again
    EXPECT_EQ(m.cell(kPrefixColumn, 0), "Prefiks");
    EXPECT_EQ(m.rowCount(), 4);
}

TEST(GridFill, StationCallsignQuestion) {
    GridCache cache;
    EXPECT_FALSE(stationCallsignQuestionNeeded("", cache));
    cache.store(2, GridRow{});
    EXPECT_FALSE(stationCallsignQuestionNeeded("", cache));
    cache.store(3, GridRow{});
    EXPECT_TRUE(stationCallsignQuestionNeeded("", cache));
    EXPECT_FALSE(stationCallsignQuestionNeeded("SP9X", cache));

    Station station;
    EXPECT_EQ(acceptStationCallsign(station), "Zestawienie Podmiotów DXCC"); // cancelled
    EXPECT_FALSE(station.unsaved());
    station.setCallsign("sp9xyz");
    EXPECT_EQ(acceptStationCallsign(station), "Zestawienie Podmiotów DXCC dla stacji SP9XYZ");
    EXPECT_EQ(station.callsign(), "SP9XYZ");
    EXPECT_TRUE(station.unsaved());
}

} // namespace
} // namespace zef
