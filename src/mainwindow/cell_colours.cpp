// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/cell_colours.h"

namespace zef {

ColourValue rowBackground(const GridRow& cells, const RowColours& colours) {
    if (!cells[kVerificationColumn].empty())
        return colours.verified;
    if (!cells[kCallColumn].empty())
        return colours.confirmed;
    if (!cells[kDeletedColumn].empty())
        return colours.deleted;
    return colours.other;
}

CellPaint cellPaint(const GridModel& grid, int column, int row, int sortColumn,
                    const RowColours& colours) {
    CellPaint paint;
    if (row == 0) {
        paint.buttonFace = true;
        if (column == sortColumn)
            paint.text = kRed;
        return paint;
    }
    if (row == grid.highlightedRow()) {
        paint.background = kBlue;
        paint.text = kWhite;
        return paint;
    }
    if (row >= 0 && row < kGridMaxRows)
        paint.background = rowBackground(grid.row(row), colours);
    return paint;
}

} // namespace zef
