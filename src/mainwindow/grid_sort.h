// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sorting the shown grid rows by one column under the user's locale.

#include "mainwindow/grid_model.h"

#include <QCollator>
#include <QLocale>
#include <array>

namespace zef {

class GridSorter {
public:
    // Compares as the user's locale does, ignoring case.
    explicit GridSorter(const QLocale& locale = QLocale());

    // Orders rows 1..lastRow by the text of `column`, ties by the whole row
    // (column 0 first), ascending or exactly reversed. Cells 1-7 come out
    // trimmed; column 0 keeps its blanks so that ADIF numbers order as
    // right-aligned numbers. The row holding the current row's ADIF number
    // before the sort becomes current and highlighted, else row 1.
    void sort(GridModel& grid, int column, bool ascending) const;

private:
    QCollator collator_;
    // Each windows-1250 byte as a character, decoded once.
    std::array<char16_t, 256> chars_{};
};

} // namespace zef
