// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/grid_model.h"

#include <algorithm>

namespace zef {

namespace {
const std::string kEmpty;

bool validCell(int column, int row) {
    return column >= 0 && column < kGridColumns && row >= 0 && row < kGridMaxRows;
}
} // namespace

GridModel::GridModel() : rows_(kGridMaxRows) {}

const std::string& GridModel::cell(int column, int row) const {
    return validCell(column, row) ? rows_[row][column] : kEmpty;
}

void GridModel::setCell(int column, int row, std::string text) {
    if (validCell(column, row))
        rows_[row][column] = std::move(text);
}

const GridRow& GridModel::row(int r) const {
    return rows_.at(r);
}

GridRow& GridModel::row(int r) {
    return rows_.at(r);
}

void GridModel::clearRows(int from, int to) {
    for (int r = std::max(from, 1); r <= std::min(to, kGridMaxRows - 1); ++r)
        for (auto& text : rows_[r])
            text.clear();
}

void GridModel::setRowCount(int count) {
    rowCount_ = std::clamp(count, 2, kGridMaxRows);
    currentRow_ = std::min(currentRow_, lastRow());
    highlightedRow_ = std::min(highlightedRow_, lastRow());
}

void GridModel::select(int row) {
    currentRow_ = std::clamp(row, 1, lastRow());
    highlightedRow_ = currentRow_;
}

void GridModel::setCurrentColumn(int column) {
    currentColumn_ = std::clamp(column, 0, kGridColumns - 1);
}

} // namespace zef
