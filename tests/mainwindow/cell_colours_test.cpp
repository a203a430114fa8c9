// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/entity_grid.h"

#include "mainwindow/grid_tables.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::putEntity;
using test::putSlot;

TEST(CellColours, RowBackgroundFirstMatchWins) {
    const RowColours colours;
    const GridRow deletedConfirmed{"  2", "D", "1B", "Abu Ail", "SP1A", "2020-01-01", "QSL", ""};
    EXPECT_EQ(rowBackground(deletedConfirmed, colours), colours.confirmed);
    GridRow deletedVerified = deletedConfirmed;
    deletedVerified[kVerificationColumn] = "2024-01-01";
    EXPECT_EQ(rowBackground(deletedVerified, colours), colours.verified);
    const GridRow deleted{"  2", "D", "1B", "Abu Ail", "", "", "", ""};
    EXPECT_EQ(rowBackground(deleted, colours), colours.deleted);
    GridRow verifiedOnly{" 21", "", "EA6", "Balearic", "", "", "", "2024-01-01"};
    EXPECT_EQ(rowBackground(verifiedOnly, colours), colours.verified);
    EXPECT_EQ(rowBackground(GridRow{}, colours), colours.other);
}

TEST(CellColours, HeaderAndHighlightedRow) {
    AwardTables t;
    putEntity(t, 1, 1, "A", "One", true);
    putEntity(t, 2, 2, "B", "Two");
    putSlot(t.entities[2], 0, "B1", "QSL", "");
    EntityGrid grid;
    grid.fill(t, 0);
    RowColours colours;
    colours.deleted = 0x123456;

    const CellPaint sortHeader = grid.cellPaint(kPrefixColumn, 0, colours);
    EXPECT_TRUE(sortHeader.buttonFace);
    EXPECT_EQ(sortHeader.text, kRed);
    EXPECT_EQ(grid.cellPaint(kNameColumn, 0, colours).text, kBlack);

    grid.selectCell(0, 2);
    EXPECT_EQ(grid.cellPaint(3, 1, colours).background, 0x123456u);
    const CellPaint highlighted = grid.cellPaint(3, 2, colours);
    EXPECT_EQ(highlighted.background, 0xFF0000u);
    EXPECT_EQ(highlighted.text, 0xFFFFFFu);
}

} // namespace
} // namespace zef
