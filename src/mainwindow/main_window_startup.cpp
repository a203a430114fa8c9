// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, activation, the band/zone selector and closing of the main window.
#include "mainwindow/main_window.h"

#include "core/display_rules.h"
#include "core/displayed_path.h"
#include "core/file_attributes.h"
#include "core/file_error.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "mainwindow/grid_fill.h"
#include "mainwindow/grid_widget.h"
#include "platform/command_guard.h"
#include "platform/reference_check.h"
#include "platform/status_panels.h"
#include "platform/window_reach.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <utility>

namespace zef {

namespace {

const QString kSearchPrompt = QStringLiteral("Wprowadź prefiks szukanego podmiotu");

// The caption font's size, as the status bar placement uses it.
int captionFontMargin(int points) {
    if (points == 8)
        return 0;
    return points > 15 ? 20 : points;
}

// The callsign the parameter's file name gives: the last 10 characters of
// the whole parameter go, then everything up to its last folder separator.
std::string callsignFromParameter(const QString& parameter) {
    QString rest = parameter.left(std::max<qsizetype>(0, parameter.size() - 10));
    rest = rest.mid(rest.lastIndexOf(u'/') + 1);
    return fromQt(rest);
}

} // namespace

void TForm1::setParameter(const QString& path) {
    parameter_ = path;
    ctx_.state.parameterMode = true;
}

ProfileFile TForm1::settingsFile() const {
    return ProfileFile(ctx_.files.settingsFile(kSettingsFileName));
}

bool TForm1::FormCreate() {
    if (missingReferenceFile(ctx_, kEntityFileName))
        return false;
    ctx_.state.selectedView = 0;
    ComboBox1->setCurrentIndex(0);
    StringGrid1->refresh();
    for (int p = 0; p < 4; ++p)
        StatusBar1->setPanelWidth(p, width() / 4);
    StatusBar2->setPanelText(2, QStringLiteral("  Rosnąco"));
    ctx_.state.captionFontMargin = captionFontMargin(ctx_.system.captionFontPointSize());

    Label3->clear();
    clearPrefixSearch();
    Label1->clear();
    ctx_.state.station.setUnsaved(false);
    StatusBar1->setPanelText(0, QStringLiteral("Razem:       0/0"));
    StatusBar1->setPanelText(1, QStringLiteral("Zweryfikowane:   0/0"));
    StatusBar1->setPanelText(2, QStringLiteral("Do weryfikacji:  0/0"));
    ctx_.state.colours = RowColours{};

    const ProfileFile ini = settingsFile();
    if (ini.exists())
        applySettings(readSettings(ini, currentSettings()));
    else
        move(0, 226);
    Label5->setText(QStringLiteral("Wszystkie podmioty"));
    if (!ctx_.state.station.path().isEmpty())
        loadAtStartUp();

    for (QAction* item : {Zapisz1, Zapiszjako1, Druk1->menuAction(), Edycja1, Importdanych1,
                          Weryfikacja1->menuAction(), Szukanie1, Widok1->menuAction()})
        item->setEnabled(true);
    StatusBar2->setPanelText(0, displayedPath(ctx_.state.station.path()));
    Label1->setText(kSearchPrompt);
    enableSelectorForLoadedData();
    return true;
}

// Without station data there is no band or zone to choose.
void TForm1::enableSelectorForLoadedData() {
    ComboBox1->setEnabled(stationDataLoaded(ctx_.state.station.tables()));
}

void TForm1::applySettings(const Settings& s) {
    ctx_.state.station.setCallsign(s.callsign);
    setWindowTitle(QStringLiteral("Zestawienie podmiotów - pasmo 80M"));
    ctx_.state.station.setPath(s.stationPath);
    QFont gridFont(toQt(s.fontName));
    gridFont.setPointSize(s.fontSize > 0 ? s.fontSize : 10);
    gridFont.setBold(s.fontBold);
    StringGrid1->setFont(gridFont);
    ctx_.state.colours = s.colours;
    StringGrid1->setColumnWidths(s.columnWidths);
    StringGrid1->setDefaultRowHeight(s.rowHeight);
    move(boundedWindowPosition(s.left), boundedWindowPosition(s.top));
    requestSize(s.width, s.height);
    ctx_.state.widthCorrection = s.widthCorrection;
    requestSize(saturatedWidth(static_cast<long long>(width()) + s.widthCorrection), height());
    keepWithinReach(*this);
    grid_.setHideDeleted(s.hideDeleted);
    bez_deleted_1->setChecked(s.hideDeleted);
    checkView(s.view);
}

Settings TForm1::currentSettings() const {
    Settings s;
    s.callsign = ctx_.state.station.callsign();
    s.stationPath = ctx_.state.station.path();
    const QFont gridFont = StringGrid1->font();
    s.fontName = fromQt(gridFont.family());
    s.fontSize = gridFont.pointSize();
    s.fontBold = gridFont.bold() && !gridFont.italic();
    s.colours = ctx_.state.colours;
    s.columnWidths = StringGrid1->columnWidths();
    s.rowHeight = StringGrid1->defaultRowHeight();
    s.left = x();
    s.top = y();
    s.height = height();
    s.width = width();
    s.widthCorrection = ctx_.state.widthCorrection;
    s.hideDeleted = bez_deleted_1->isChecked();
    s.view = checkedView();
    if (storeSummaryGeometry_)
        storeSummaryGeometry_(s);
    return s;
}

// The message loop does not run yet, so an error of the load is shown here.
void TForm1::loadAtStartUp() {
    runCommand(ctx_.dialogs, [this] { loadStationFile(); });
}

void TForm1::FormActivate() {
    StringGrid1->setFocus();
    // A window manager activates the window before it hands on the click
    // that asked for it, which acts on the row under the pointer: row 1
    // would first scroll that row away.
    const bool clicked = ctx_.system.mouseButtonHeld();
    if (!std::exchange(rowChosenWhileAway_, false) && !clicked)
        StringGrid1->selectCell(1, 1);
    // The parameter is loaded at the first activation only: later ones would
    // reload it from disk and throw away unsaved changes.
    if (!parameter_ || activatedOnce_)
        return;
    activatedOnce_ = true;
    const QString parameter = *parameter_;
    Station& station = ctx_.state.station;
    station.setPath(parameter);
    if (fileExists(parameter)) {
        // The file's own header names its station; the file name only when it does not.
        station.setCallsign(callsignFromParameter(parameter));
        loadStationFile(true);
    }
    enableSelectorForLoadedData();
}

// Coming back from another program leaves the program's active window as
// it was: only a change from another of its own windows activates it.
void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        leftForAnotherProgram_ = QApplication::activeWindow() == nullptr;
        // The window cannot be used while a modal dialog runs: the row that
        // dialog leaves current (the data entry's edited row) is the one to
        // go on with.
        rowChosenWhileAway_ = QApplication::activeModalWidget() != nullptr;
        return;
    }
    if (std::exchange(leftForAnotherProgram_, false))
        return;
    runCommand(ctx_.dialogs, [this] { FormActivate(); });
}

void TForm1::ComboBox1Change() {
    ctx_.state.selectedView = ComboBox1->currentIndex();
    gridFill();
    const QString item = ComboBox1->currentText();
    setWindowTitle((ctx_.state.zoneView() ? QStringLiteral("Aktualizacja stref - pasmo ")
                                          : QStringLiteral("Aktualizacja podmiotów - pasmo ")) +
                   item.right(3));
    StringGrid1->setFocus();
}

void TForm1::Koniec1Click() {
    close();
}

// The settings are written first, as always. Should that fail, the station
// data are asked about first and then whether to end without the settings:
// a settings file that can never be written must not keep the program open.
bool TForm1::FormCloseQuery() {
    std::optional<FileError> settingsFailure;
    try {
        writeSettings(settingsFile(), currentSettings(), ctx_.state.parameterMode,
                      recipientForSettings_(settingsFile()));
    } catch (const FileError& error) {
        settingsFailure = error;
    }
    if (!mayLeaveStationData())
        return false;
    return !settingsFailure || endWithoutSettings(*settingsFailure);
}

bool TForm1::mayLeaveStationData() {
    if (!ctx_.state.station.unsaved())
        return true;
    switch (ctx_.dialogs.messageBox(QStringLiteral("Dane nie zostały zapisane!\nZapisać?"),
                                    QStringLiteral("Ostrzeżenie"), Buttons::YesNoCancel,
                                    Icon::Warning)) {
    case Answer::No:
        return true;
    case Answer::Yes:
        // Data the user wanted saved are never lost: a save that did not
        // happen keeps the window open.
        return save(true);
    default:
        return false;
    }
}

bool TForm1::endWithoutSettings(const FileError& failure) {
    QString text = failure.text();
    if (!failure.reason().isEmpty())
        text += u'\n' + failure.reason();
    text += QStringLiteral("\n\nZakończyć program bez zapisania ustawień?");
    return ctx_.dialogs.messageBox(text, QStringLiteral("Ostrzeżenie"), Buttons::YesNo,
                                   Icon::Warning, true) == Answer::Yes;
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->ignore(); // stays so when the closing is refused
    if (runCommand(ctx_.dialogs, [this] { return FormCloseQuery(); })) {
        event->accept();
        emit closed();
    }
}

} // namespace zef
