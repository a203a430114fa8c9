// SPDX-License-Identifier: GPL-3.0-or-later
// The entity grid of the main window: the fill, the "Widok" views, the
// header click, the keys, and the station callsign the fill asks for.
#include "mainwindow/main_window.h"

#include "core/file_attributes.h"
#include "core/station_file.h"
#include "core/text.h"
#include "core/text_file.h"
#include "mainwindow/grid_fill.h"
#include "mainwindow/grid_widget.h"
#include "mainwindow/search_dialog.h"
#include "platform/command_guard.h"
#include "platform/status_panels.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>

namespace zef {

void TForm1::connectGrid() {
    Dialogs& dialogs = ctx_.dialogs;
    StringGrid1->onMouseDown = [this, &dialogs](Qt::MouseButton button, int row, int column) {
        runCommand(dialogs, [&] { StringGrid1MouseDown(button, row, column); });
    };
    StringGrid1->onMouseUp = guarded(dialogs, [this] { StringGrid1MouseUp(); });
    StringGrid1->onDoubleClick = guarded(dialogs, [this] { StringGrid1DblClick(); });
    StringGrid1->onKeyPress = [this, &dialogs](QChar key) {
        return runCommand(dialogs, [&] { return StringGrid1KeyPress(key); });
    };
    StringGrid1->onKeyDown = [this, &dialogs](int key, Qt::KeyboardModifiers shift) {
        return runCommand(dialogs, [&] { return StringGrid1KeyDown(key, shift); });
    };
    StringGrid1->onSelectCell = [this, &dialogs](int column, int row) {
        runCommand(dialogs, [&] { StringGrid1SelectCell(column, row); });
    };
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // A scroll area reports the position in its viewport.
        PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(at));
    });
}

void TForm1::repaintGrid() {
    StringGrid1->refresh();
}

void TForm1::setGridFont(const QFont& font) {
    StringGrid1->setFont(font);
    repaintGrid();
}

int TForm1::gridRowHeight() const {
    return StringGrid1->defaultRowHeight();
}

void TForm1::setGridRowHeight(int height) {
    StringGrid1->setDefaultRowHeight(height);
}

std::optional<HighlightedRow> TForm1::highlightedRow() const {
    const GridModel& model = grid_.model();
    const int row = model.highlightedRow();
    if (grid_.lastPressedRow() == 0 || row < 1 || row > model.lastRow())
        return std::nullopt;
    return HighlightedRow{row, model.row(row)};
}

void TForm1::selectRow(int row) {
    StringGrid1->selectCell(row, grid_.model().currentColumn());
}

void TForm1::focusGrid() {
    StringGrid1->setFocus();
}

void TForm1::writeStatusPanels() {
    const auto texts = grid_.statusPanels();
    for (int p = 0; p < 4; ++p)
        StatusBar1->setPanelText(p, texts[static_cast<std::size_t>(p)]);
}

void TForm1::gridFill() {
    const ViewOutcome outcome = grid_.fill(ctx_.state.station.tables(), ctx_.state.selectedView);
    writeStatusPanels();
    showViewOutcome(outcome);
    askStationCallsign();
}

void TForm1::askStationCallsign() {
    if (!ctx_.state.station.callsign().empty())
        return;
    if (stationCallsignQuestionNeeded(ctx_.state.station.callsign(), grid_.cache())) {
        const auto answer = ctx_.dialogs.inputBox(stationCallsignQuestionCaption(),
                                                  stationCallsignQuestionPrompt(), QString());
        ctx_.state.station.setCallsign(answer ? fromQt(*answer) : std::string());
    }
    setWindowTitle(acceptStationCallsign(ctx_.state.station));
}

void TForm1::showViewOutcome(ViewOutcome outcome) {
    restoreMenuChecks();
    if (outcome == ViewOutcome::NotLoaded)
        return;
    Label5->setText(grid_.label5Text());
    StringGrid1->refresh();
    if (outcome == ViewOutcome::NothingToShow)
        ctx_.dialogs.messageBox(nothingToShowText(), nothingToShowCaption(), Buttons::Ok,
                                Icon::Warning);
}

// The menu's check marks follow the grid's state; a command that did nothing
// (no data loaded) thereby leaves them where they were.
void TForm1::restoreMenuChecks() {
    const std::pair<View, QAction*> items[] = {
        {View::All, Wszystkiepodmioty1},
        {View::AllWithoutVerified, Wszystkiepodmiotybezzweryfikowanych1},
        {View::ToVerify, Podmiotydoweryfikacji1},
        {View::Verified, Podmiotyzweryfikowane1},
        {View::Confirmed, Podmiotypotwierdzone1},
        {View::Unconfirmed, Podmiotyniepotwierdzone1},
    };
    for (const auto& [view, item] : items)
        item->setChecked(grid_.checkedView() == view);
    bez_deleted_1->setChecked(grid_.hideDeleted());
}

View TForm1::checkedView() const {
    return grid_.checkedView();
}

void TForm1::checkView(View view) {
    grid_.setCheckedView(view);
    restoreMenuChecks();
}

void TForm1::runView(View view) {
    showViewOutcome(grid_.showView(view, ctx_.state.station.tables()));
}

void TForm1::Wszystkiepodmioty1Click() {
    runView(View::All);
}

void TForm1::Wszystkiepodmiotybezzweryfikowanych1Click() {
    runView(View::AllWithoutVerified);
}

void TForm1::Podmiotydoweryfikacji1Click() {
    runView(View::ToVerify);
}

void TForm1::Podmiotyzweryfikowane1Click() {
    runView(View::Verified);
}

void TForm1::Podmiotypotwierdzone1Click() {
    runView(View::Confirmed);
}

void TForm1::Podmiotyniepotwierdzone1Click() {
    runView(View::Unconfirmed);
}

void TForm1::bez_deleted_1Click() {
    showViewOutcome(grid_.toggleHideDeleted(ctx_.state.station.tables()));
}

void TForm1::clearPrefixSearch() {
    grid_.prefixSearch().clearBuffer();
}

void TForm1::showSortState() {
    StatusBar2->setPanelText(2, grid_.sortDirectionText());
    Label1->setEnabled(grid_.label1Enabled());
    Label1->setText(grid_.label1Text());
    Label3->setText(grid_.label3Text());
}

void TForm1::StringGrid1MouseDown(Qt::MouseButton, int row, int column) {
    // A click that activates the window acts on the row under the pointer,
    // whether the activation comes before the press or after it.
    if (!isActiveWindow())
        rowChosenWhileAway_ = true;
    if (grid_.mouseDown(column, row))
        showSortState();
    StringGrid1->refresh();
}

void TForm1::StringGrid1SelectCell(int column, int row) {
    grid_.selectCell(column, row);
}

void TForm1::StringGrid1DblClick() {
    Edycja1->trigger();
}

bool TForm1::StringGrid1KeyPress(QChar key) {
    const std::string bytes = fromQt(QString(key));
    const char c = bytes.size() == 1 ? bytes[0] : '\0';
    if (c == '\0')
        return false;
    const KeyPressResult result = grid_.keyPress(c);
    if (result.openDataEntry)
        Edycja1->trigger();
    Label1->setText(grid_.label1Text());
    Label3->setText(grid_.label3Text());
    if (result.swallow)
        StringGrid1->refresh();
    return result.swallow;
}

bool TForm1::StringGrid1KeyDown(int key, Qt::KeyboardModifiers shift) {
    const Qt::KeyboardModifiers exact = shift & ~Qt::KeypadModifier;
    if (key == Qt::Key_S && exact == Qt::ControlModifier) {
        ctrlSave();
        return true;
    }
    if (key == Qt::Key_F1) {
        Plikpomocy1->trigger();
        return true;
    }
    if (key == Qt::Key_F && exact == Qt::ControlModifier) {
        Szukanie1Click();
        return true;
    }
    return false;
}

void TForm1::Szukanie1Click() {
    switch (searchOpening(ctx_.state.station.tables(), grid_.checkedView())) {
    case SearchOpening::Ignore:
        return;
    case SearchOpening::WarnAndOpen:
        ctx_.dialogs.messageBox(searchOnlyShownRowsWarning(), QStringLiteral("Ostrzeżenie"),
                                Buttons::Ok, Icon::Warning);
        break;
    case SearchOpening::Open:
        break;
    }
    grid_.nameSearch().start();
    search_->openBeside(*this);
}

// Ctrl+S saves without the confirmation message. It does nothing without
// station data (a failed load would otherwise overwrite the user's file with
// empty tables) and asks for a name when there is no path yet.
void TForm1::ctrlSave() {
    if (stationDataLoaded(ctx_.state.station.tables()))
        save(false);
}

} // namespace zef
