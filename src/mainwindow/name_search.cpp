// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/name_search.h"

#include "core/text.h"

namespace zef {

QString findMessageText(FindOutcome outcome) {
    switch (outcome) {
    case FindOutcome::Finished:
        return QStringLiteral("Szukanie zakończone!");
    case FindOutcome::NotFound:
        return QStringLiteral("Nie znaleziono podmiotu!");
    case FindOutcome::Ignored:
    case FindOutcome::Found:
        break;
    }
    return {};
}

QString findMessageCaption() {
    return QStringLiteral("Informacja");
}

SearchOpening searchOpening(const AwardTables& tables, View checkedView) {
    if (!stationDataLoaded(tables))
        return SearchOpening::Ignore;
    return checkedView == View::All ? SearchOpening::Open : SearchOpening::WarnAndOpen;
}

QString searchOnlyShownRowsWarning() {
    return QStringLiteral("Szukanie odbywa się tylko w wyświetlanych podmiotach.\n"
                          "Nie jest ustawione wyświetlanie wszystkich podmiotów !");
}

void NameSearch::start() {
    restart_ = true;
    found_ = false;
    lastFoundRow_ = 0;
}

FindOutcome NameSearch::findNext(const QString& text, GridModel& grid) {
    if (text.isEmpty())
        return FindOutcome::Ignored;
    found_ = false;
    const int start = restart_ ? 0 : lastFoundRow_;
    restart_ = false;

    const std::string wanted = lowerAscii(fromQt(text));
    for (int r = start + 1; r <= grid.lastRow(); ++r) {
        if (lowerAscii(grid.cell(kNameColumn, r)).find(wanted) != std::string::npos) {
            grid.select(r);
            found_ = true;
            lastFoundRow_ = r;
            return FindOutcome::Found;
        }
    }
    restart_ = true;
    if (lastFoundRow_ != 0) {
        lastFoundRow_ = 0;
        return FindOutcome::Finished;
    }
    return FindOutcome::NotFound;
}

bool NameSearch::escapeClosesDialog(bool fieldEmpty) {
    if (fieldEmpty)
        return true;
    restart_ = true;
    return false;
}

} // namespace zef
