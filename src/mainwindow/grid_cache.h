// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid row cache the fill builds beside the grid (one entry per table
// row, the 8 cells as filled) and the status counters counted from it.

#include "mainwindow/grid_model.h"

#include <QString>
#include <array>
#include <vector>

namespace zef {

class GridCache {
public:
    // Last table row the fill filled; -1 before the first filled row.
    int highestIndex() const { return static_cast<int>(entries_.size()) - 1; }
    // The prefix search and the data-file commands need at least one data row.
    bool hasDataRows() const { return highestIndex() >= 1; }

    // Entry of table row r, 0..highestIndex(); skipped rows hold empty cells.
    const GridRow& entry(int r) const { return entries_.at(r); }
    GridRow& entry(int r) { return entries_.at(r); } // a stored data entry changes one

    // Forgets every entry (highest index -1).
    void reset() { entries_.clear(); }
    // Stores the cells of table row r (>= 1), growing the cache to reach it.
    void store(int r, const GridRow& cells);

private:
    std::vector<GridRow> entries_;
};

struct StatusCounters {
    int verifiedCurrent = 0;
    int verifiedAll = 0;
    int toVerifyCurrent = 0;
    int toVerifyAll = 0;
    int qsl = 0;
    int lotw = 0;

    // Counts one filled row. "current" leaves deleted entities out; "all"
    // takes a deleted one only when it has a call.
    void add(const GridRow& cells);
};

// The four StatusBar1 panel texts: totals, verified, to verify, QSL/LoTW.
std::array<QString, 4> statusPanelTexts(const StatusCounters& counters);

} // namespace zef
