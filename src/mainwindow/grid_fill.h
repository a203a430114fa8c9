// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid fill: the grid rows, the grid row cache and the status counters
// rebuilt from the award tables for the band/zone selector's view.

#include "core/app_state.h"
#include "core/award_tables.h"
#include "mainwindow/grid_cache.h"
#include "mainwindow/grid_model.h"

#include <QString>
#include <string>

namespace zef {

// The eight entity headers into row 0.
void writeEntityHeaders(GridModel& grid);

// Rebuilds cache and counters from the tables for selector index
// `selectedView` (0..4 entities, 5..9 zones) and writes the filled rows into
// grid rows of the same number, all other data rows empty. Zone views are
// then complete: headers 0-3 set, 41 rows in table order. Entity views get
// all eight headers and leave the shown rows to the view command.
void fillGridRows(const AwardTables& tables, int selectedView, GridModel& grid, GridCache& cache,
                  StatusCounters& counters);

// After a fill: the station callsign is asked for only while it is empty
// and the cache holds more than two rows.
bool stationCallsignQuestionNeeded(const std::string& callsign, const GridCache& cache);
QString stationCallsignQuestionCaption(); // "Identyfikacja stacji"
QString stationCallsignQuestionPrompt();  // "Podaj swój znak:"

// Main window caption for a callsign: without one only the title.
QString stationCaption(const std::string& callsign);

// Takes an empty callsign's answer over (the window asked or not): a given
// one is upper-cased and marks the data changed. Returns the new caption.
// Call only when the callsign was empty before the question.
QString acceptStationCallsign(Station& station);

} // namespace zef
