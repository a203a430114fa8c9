// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entity grid as plain data: a fixed header row 0 and up to 500 data
// rows of 8 windows-1250 cells, with the current and the highlighted row.
// The widget shows it; every rule of the grid works on it.

#include "core/grid_row.h"

#include <vector>

namespace zef {

constexpr int kGridMaxRows = 501; // the header and 500 entities

class GridModel {
public:
    // 20 rows, as the main window's grid is laid out before any data.
    GridModel();

    // Cell of a column and a row, as the widget addresses them. Out-of-range
    // reads give an empty text; out-of-range writes are ignored.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);

    const GridRow& row(int r) const;
    GridRow& row(int r); // r must be 0..kGridMaxRows-1
    // Empties all cells of rows from..to (clamped to the data rows).
    void clearRows(int from, int to);

    // Rows shown, the header included; always 2..501 because the fixed header
    // needs at least one row below it. Current and highlighted rows follow a
    // shrinking grid, as the widget moves its selection onto the last row.
    int rowCount() const { return rowCount_; }
    void setRowCount(int count);
    int lastRow() const { return rowCount_ - 1; }

    int currentRow() const { return currentRow_; }
    int currentColumn() const { return currentColumn_; }
    // The row the select-cell event last saw; 0 before any selection.
    int highlightedRow() const { return highlightedRow_; }

    // A selection by the program or the user: the row becomes current and
    // highlighted (clamped to the data rows).
    void select(int row);
    void setCurrentColumn(int column);

private:
    std::vector<GridRow> rows_;
    int rowCount_ = 20;
    int currentRow_ = 1;
    int currentColumn_ = 0;
    int highlightedRow_ = 0;
};

} // namespace zef
