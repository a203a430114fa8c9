// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/entity_grid.h"

#include "mainwindow/grid_fill.h"

#include <algorithm>
#include <utility>

namespace zef {

EntityGrid::EntityGrid(const QLocale& sortLocale) : sorter_(sortLocale) {
    writeEntityHeaders(model_);
}

ViewOutcome EntityGrid::fill(const AwardTables& tables, int selectedView) {
    // Taken before the refill: afterwards the current row holds another entity.
    std::string selectedKey = model_.cell(kNumberColumn, model_.currentRow());
    zoneView_ = selectedView >= 5;
    band_ = std::clamp(zoneView_ ? selectedView - 5 : selectedView, 0, kBands - 1);
    fillGridRows(tables, selectedView, model_, cache_, counters_);
    if (zoneView_)
        return ViewOutcome::Shown;
    return runView(checkedView_, tables, std::move(selectedKey));
}

void EntityGrid::followSlot(const SlotEdit& change) {
    if (change.zoneTable != zoneView_ || change.band != band_ || change.row > cache_.highestIndex())
        return;
    GridRow& cached = cache_.entry(change.row);
    const int keyColumn = zoneView_ ? kPrefixColumn : kNumberColumn;
    if (cached[keyColumn].empty())
        return;
    const GridRow before = cached;
    storeInGridRow(cached, change.entry);
    adjustCounters(counters_, before, cached);
    // The shown copy of the row, wherever the view and the sort put it.
    for (int r = 1; r <= model_.lastRow(); ++r) {
        if (model_.row(r)[keyColumn] == before[keyColumn]) {
            storeInGridRow(model_.row(r), change.entry);
            return;
        }
    }
}

ViewOutcome EntityGrid::showView(View view, const AwardTables& tables) {
    return runView(view, tables, model_.cell(kNumberColumn, model_.currentRow()));
}

ViewOutcome EntityGrid::toggleHideDeleted(const AwardTables& tables) {
    if (!stationDataLoaded(tables))
        return ViewOutcome::NotLoaded;
    hideDeleted_ = !hideDeleted_;
    return showView(checkedView_, tables);
}

ViewOutcome EntityGrid::runView(View view, const AwardTables& tables, std::string selectedKey) {
    if (!stationDataLoaded(tables))
        return ViewOutcome::NotLoaded;
    checkedView_ = view;
    label5_ = viewCaption(view);

    const int copied = copyViewRows(view, hideDeleted_, cache_, model_);
    // Also when every entity is deleted and hidden: a grid without data rows
    // would leave nothing for the current row to stand on.
    if (copied == 0) {
        model_.clearRows(1, cache_.highestIndex());
        return ViewOutcome::NothingToShow;
    }
    model_.setRowCount(copied + 1);
    model_.select(rowOfKeyIgnoringCase(model_, selectedKey));
    model_.setCurrentColumn(kDeletedColumn);
    sort();
    return ViewOutcome::Shown;
}

QString EntityGrid::sortDirectionText() const {
    return sortAscending_ ? QStringLiteral("  Rosnąco") : QStringLiteral("  Malejąco");
}

void EntityGrid::sort() {
    // Zones keep their table order: their numbers would sort as text (1, 10, 11 ... 2).
    if (!zoneView_)
        sorter_.sort(model_, sortColumn_, sortAscending_);
}

bool EntityGrid::mouseDown(int column, int row) {
    lastPressedRow_ = row;
    if (row != 0 || column < 0 || column >= kGridColumns)
        return false;
    if (hideDeleted_ && column == kDeletedColumn)
        return false;
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
    sortColumn_ = column;
    prefixSearch_.sortChanged(prefixAscending());
    // Column 0 of row 1 is empty in zone views and in an empty view.
    if (!model_.cell(kNumberColumn, 1).empty())
        sort();
    return true;
}

void EntityGrid::selectCell(int column, int row) {
    model_.select(row);
    model_.setCurrentColumn(column);
}

KeyPressResult EntityGrid::keyPress(char key) {
    return prefixSearch_.keyPress(key, model_, cache_, prefixAscending());
}

} // namespace zef
