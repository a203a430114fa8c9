#pragma once
// One band slot stored into the grid from the data entry dialog: the shown
// row, the row cache and the status counters, kept current by difference.

#include "mainwindow/grid_cache.h"
#include "mainwindow/grid_model.h"

#include <string>

namespace zef {

// The band slot to store: call trimmed, date as read, "QSL" or "LoTW".
struct Entry {
    std::string call;
    std::string date;
    std::string confirmation;
};

// Which table row the dialog edits: the ADIF number (grid column 0) in an
// entity view, the zone number (column 2) in a zone view, and the band.
struct EntryTarget {
    bool zoneView = false;
    int band = 0;
    std::string key;

    // An empty key names no row: an empty grid line has nothing to edit.
    bool valid() const { return !key.empty(); }
};

// The grid row's call, date and confirmation; without a call the date and
// confirmation are emptied. The verification date is never touched.
void storeInGridRow(GridRow& row, const Entry& entry);

// The same for the cache entry of the target's row (matched on column 0 or 2).
bool storeInCache(GridCache& cache, const EntryTarget& target, const Entry& entry);

// Counters after a grid row changed from `before` to `after`: they end as
// a recount of all rows would leave them, without the recount.
void adjustCounters(StatusCounters& counters, const GridRow& before, const GridRow& after);

} // namespace zef
