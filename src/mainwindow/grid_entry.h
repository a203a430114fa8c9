// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One band slot changed in the station, followed by the grid: the shown row,
// the row cache and the status counters, kept current by difference.

#include "core/slot_edit.h"
#include "mainwindow/grid_cache.h"
#include "mainwindow/grid_model.h"

namespace zef {

// The grid row's call, date and confirmation; without a call the date and
// confirmation are emptied. The verification date is never touched.
void storeInGridRow(GridRow& row, const Entry& entry);

// Counters after a grid row changed from `before` to `after`: they end as
// a recount of all rows would leave them, without the recount.
void adjustCounters(StatusCounters& counters, const GridRow& before, const GridRow& after);

} // namespace zef
