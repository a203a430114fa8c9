// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search dialog TForm3 ("Szukanie podmiotu"): finds a text in the
// names (column 3) of the shown rows, one hit after another.

#include "core/award_tables.h"
#include "mainwindow/grid_model.h"
#include "mainwindow/grid_views.h"

#include <QString>

namespace zef {

enum class FindOutcome {
    Ignored,  // Edit1 empty: nothing done
    Found,    // the row is current and highlighted
    Finished, // no further hit after earlier ones: "Szukanie zakończone!"
    NotFound, // no hit at all: "Nie znaleziono podmiotu!"
};

// Message text of Finished and NotFound; both under the caption "Informacja".
QString findMessageText(FindOutcome outcome);
QString findMessageCaption();

// What Szukanie1Click does before showing the dialog.
enum class SearchOpening {
    Ignore,      // no station data
    WarnAndOpen, // another view than "Wszystkie podmioty": warn, then open
    Open,
};
SearchOpening searchOpening(const AwardTables& tables, View checkedView);
QString searchOnlyShownRowsWarning(); // caption "Ostrzeżenie"

// The dialog's place relative to the main window's top-left corner.
constexpr int kSearchDialogTopOffset = 15;
constexpr int kSearchDialogLeftOffset = 276;

class NameSearch {
public:
    // The dialog was opened: the next find starts at the top.
    void start();
    // Edit1 changed or was cleared ("Wyczyść").
    void textChanged() { restart_ = true; }

    // "Znajdź" (or Enter in Edit1): the next row after the last hit whose
    // name holds `text`, ASCII letters compared without case.
    FindOutcome findNext(const QString& text, GridModel& grid);

    // Escape in Edit1: a filled field is to be cleared (and the search
    // starts again), an empty one closes the dialog. True: close.
    bool escapeClosesDialog(bool fieldEmpty);

    bool restart() const { return restart_; }
    bool found() const { return found_; }
    int lastFoundRow() const { return lastFoundRow_; }

private:
    bool restart_ = true;
    bool found_ = false;
    int lastFoundRow_ = 0;
};

} // namespace zef
