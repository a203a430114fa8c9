// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/grid_sort.h"

#include "core/text.h"

#include <algorithm>
#include <numeric>

namespace zef {

namespace {

bool hasOuterBlank(const std::string& text) {
    return !text.empty() && (static_cast<unsigned char>(text.front()) <= ' ' ||
                             static_cast<unsigned char>(text.back()) <= ' ');
}

} // namespace

GridSorter::GridSorter(const QLocale& locale) : collator_(locale) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    // windows-1250 is one character per byte, unmapped bytes included.
    std::string bytes(256, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');
    const QString decoded = toQt(bytes);
    for (int b = 0; b < 256; ++b)
        chars_[b] = decoded.size() == 256 ? decoded.at(b).unicode() : static_cast<char16_t>(b);
}

void GridSorter::sort(GridModel& grid, int column, bool ascending) const {
    column = std::clamp(column, 0, kGridColumns - 1);
    const std::string selectedKey = grid.cell(kNumberColumn, grid.currentRow());
    const int count = grid.lastRow();

    // The row key is the sort cell, "@", then each cell ended by CR LF, so
    // that equal sort cells fall back on the rest of the row. Each key is
    // decoded once; the collator then compares pairs incrementally and
    // stops at the first difference, which for a few hundred rows is
    // cheaper than building whole collation sort keys.
    std::vector<QString> keys(count);
    for (int r = 1; r <= count; ++r) {
        const GridRow& row = grid.row(r);
        qsizetype length = static_cast<qsizetype>(row[column].size()) + 1;
        for (const auto& cell : row)
            length += static_cast<qsizetype>(cell.size()) + 2;
        QString& key = keys[r - 1];
        key.resize(length);
        QChar* out = key.data();
        const auto put = [&](const std::string& bytes) {
            for (char c : bytes)
                *out++ = QChar(chars_[static_cast<unsigned char>(c)]);
        };
        put(row[column]);
        *out++ = u'@';
        for (const auto& cell : row) {
            put(cell);
            *out++ = u'\r';
            *out++ = u'\n';
        }
    }

    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    // Rows the collator finds equal keep a fixed order: bytes, then position.
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        if (const int c = collator_.compare(keys[a], keys[b]); c != 0)
            return c < 0;
        const GridRow& rowA = grid.row(a + 1);
        const GridRow& rowB = grid.row(b + 1);
        return rowA != rowB ? rowA < rowB : a < b;
    });
    if (!ascending)
        std::reverse(order.begin(), order.end());

    std::vector<GridRow> sorted;
    sorted.reserve(count);
    for (int i : order)
        sorted.push_back(std::move(grid.row(i + 1)));
    for (int r = 1; r <= count; ++r) {
        GridRow& row = grid.row(r);
        row = std::move(sorted[r - 1]);
        for (int c = 1; c < kGridColumns; ++c)
            if (hasOuterBlank(row[c]))
                row[c] = trim(row[c]);
    }

    int selected = 1;
    for (int r = 1; r <= count; ++r)
        if (grid.cell(kNumberColumn, r) == selectedKey) {
            selected = r;
            break;
        }
    grid.select(selected);
}

} // namespace zef
