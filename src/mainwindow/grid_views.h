// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six views of the "Widok" menu: which cache entries each shows and the
// caption Label5 carries for it.

#include "core/views.h"
#include "mainwindow/grid_cache.h"
#include "mainwindow/grid_model.h"

#include <QString>
#include <string>

namespace zef {

// What a view command came to, for the window to act on.
enum class ViewOutcome {
    NotLoaded,     // no station data: nothing changed
    Shown,         // rows shown, selected and sorted
    NothingToShow, // the window says "Brak elementów do wyświetlenia!"
};

// Label5 text of a view.
QString viewCaption(View view);

// True when the view shows this cache entry; hidden deleted entities never.
bool viewShows(View view, const GridRow& entry, bool hideDeleted);

// Copies the entries the view shows, in table order, into grid rows 1...
// and returns how many it copied (the grid is untouched beyond them).
int copyViewRows(View view, bool hideDeleted, const GridCache& cache, GridModel& grid);

// First grid row whose column 0 equals the key (ASCII case ignored), or 1.
int rowOfKeyIgnoringCase(const GridModel& grid, const std::string& key);

// The message of an empty view: text and caption.
QString nothingToShowText();
QString nothingToShowCaption();

} // namespace zef
