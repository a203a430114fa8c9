// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a grid cell is painted: background and text colour as 0x00BBGGRR
// values, the header on the system's button face.

#include "core/app_state.h"
#include "mainwindow/grid_model.h"

namespace zef {

constexpr ColourValue kBlack = 0;
constexpr ColourValue kRed = 255;
constexpr ColourValue kWhite = 16777215;
constexpr ColourValue kBlue = 16711680;
// Text starts this many pixels right of and below the cell's corner.
constexpr int kCellTextOffset = 2;

struct CellPaint {
    bool buttonFace = false; // header: the system button face, `background` unused
    ColourValue background = kWhite;
    ColourValue text = kBlack;
};

// Background of a data row by its own cells, first match wins: verified,
// confirmed, deleted, other. A deleted entity with a call is therefore
// painted as confirmed (or verified).
ColourValue rowBackground(const GridRow& cells, const RowColours& colours);

// Paint of cell (column, row): the sort column's header in red, the
// highlighted data row white on blue, other rows by rowBackground.
CellPaint cellPaint(const GridModel& grid, int column, int row, int sortColumn,
                    const RowColours& colours);

} // namespace zef
