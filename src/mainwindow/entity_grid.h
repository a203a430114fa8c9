// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the main window's entity grid knows, without a widget: the
// grid model, the row cache and counters, the "Widok" views, the sort, the
// colours and both searches. TForm1 holds one, calls it from its handlers,
// shows the texts it offers and repaints.

#include "core/app_state.h"
#include "core/award_tables.h"
#include "mainwindow/cell_colours.h"
#include "mainwindow/grid_cache.h"
#include "mainwindow/grid_entry.h"
#include "mainwindow/grid_model.h"
#include "mainwindow/grid_sort.h"
#include "mainwindow/grid_views.h"
#include "mainwindow/name_search.h"
#include "mainwindow/prefix_search.h"

#include <QLocale>
#include <QString>
#include <array>
#include <string>

namespace zef {

class EntityGrid {
public:
    // Sorting compares as `sortLocale` does: Polish, whatever the
    // environment's locale, since under C.UTF-8 "ZS0" would come before "ZS"
    // and the typed prefix search, which relies on that order, would select
    // the wrong entity.
    explicit EntityGrid(const QLocale& sortLocale = QLocale(QLocale::Polish, QLocale::Poland));

    const GridModel& model() const { return model_; }
    const GridCache& cache() const { return cache_; }
    const StatusCounters& counters() const { return counters_; }
    // StatusBar1 panels 0..3.
    std::array<QString, 4> statusPanels() const { return statusPanelTexts(counters_); }

    // The grid fill for selector index `selectedView` (0..4 entities, 5..9
    // zones). Entity views then run the checked view command, which keeps
    // the entity that was current before the refill selected when it is
    // shown. Zones are shown complete and in table order.
    ViewOutcome fill(const AwardTables& tables, int selectedView);

    // A slot the station changed: when the grid shows its table and band,
    // the shown row, its cache entry and the counters follow it; nothing is
    // refiltered or re-sorted.
    void followSlot(const SlotEdit& change);

    // A "Widok" item chosen: checks it, sets Label5, shows its rows with the
    // current entity kept selected (else row 1), then sorts entity rows.
    ViewOutcome showView(View view, const AwardTables& tables);
    // "Nie wyświetlaj podmiotów usuniętych": toggles and shows the checked view.
    ViewOutcome toggleHideDeleted(const AwardTables& tables);

    View checkedView() const { return checkedView_; }
    bool hideDeleted() const { return hideDeleted_; }
    // The settings restore the checked items before the first fill.
    void setCheckedView(View view) { checkedView_ = view; }
    void setHideDeleted(bool hide) { hideDeleted_ = hide; }
    QString label5Text() const { return label5_; }
    bool zoneView() const { return zoneView_; }

    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }
    // StatusBar2 panel 2: "  Rosnąco" or "  Malejąco".
    QString sortDirectionText() const;
    // Re-sorts the shown entity rows by the sort column and direction.
    void sort();

    // Mouse press on cell (column, row) of the grid, -1 outside any cell.
    // On the header it sets the sort column (toggling the direction on the
    // same column) and sorts entity rows; the "D" column is refused while
    // deleted entities are hidden. True when a header click took effect.
    bool mouseDown(int column, int row);
    // Row of the last mouse press; the data entry dialog opens only off row 0.
    int lastPressedRow() const { return lastPressedRow_; }

    // The select-cell event: the row becomes current and highlighted.
    void selectCell(int column, int row);

    CellPaint cellPaint(int column, int row, const RowColours& colours) const {
        return zef::cellPaint(model_, column, row, sortColumn_, colours);
    }

    // Label1 is enabled only while sorted ascending by prefix.
    bool label1Enabled() const { return prefixAscending(); }
    QString label1Text() const { return prefixSearch_.label1Text(); }
    QString label3Text() const { return prefixSearch_.label3Text(); }
    // The grid's key press; see PrefixSearch::keyPress.
    KeyPressResult keyPress(char key);
    PrefixSearch& prefixSearch() { return prefixSearch_; }

    NameSearch& nameSearch() { return nameSearch_; }
    // TForm3's "Znajdź" on the shown rows.
    FindOutcome findNext(const QString& text) { return nameSearch_.findNext(text, model_); }

private:
    // The key is a copy: the rows it came from are overwritten.
    ViewOutcome runView(View view, const AwardTables& tables, std::string selectedKey);
    bool prefixAscending() const { return sortColumn_ == kPrefixColumn && sortAscending_; }

    GridModel model_;
    GridCache cache_;
    StatusCounters counters_;
    GridSorter sorter_;
    View checkedView_ = View::All;
    bool hideDeleted_ = false;
    QString label5_ = viewCaption(View::All);
    bool zoneView_ = false;
    int band_ = 0; // of the last fill
    int sortColumn_ = kPrefixColumn;
    bool sortAscending_ = true;
    int lastPressedRow_ = 0;
    PrefixSearch prefixSearch_;
    NameSearch nameSearch_;
};

} // namespace zef
