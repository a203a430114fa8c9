// SPDX-License-Identifier: GPL-3.0-or-later
// The "Plik" commands of the main window: New, Open, Save, Save as, and the
// load of a station data file with its reconciliation.
#include "mainwindow/main_window.h"

#include "core/displayed_path.h"
#include "core/file_attributes.h"
#include "core/file_guard.h"
#include "core/file_io.h"
#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/station_file.h"
#include "core/station_history.h"
#include "core/station_loader.h"
#include "core/summary_counts.h"
#include "core/system_reason.h"
#include "core/text.h"
#include "core/text_file.h"
#include "platform/reference_check.h"
#include "platform/status_panels.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>

namespace zef {

namespace {

// The load's questions, asked in message boxes.
class AskedLoadQuestions : public LoadQuestions {
public:
    explicit AskedLoadQuestions(Dialogs& dialogs) : dialogs_(dialogs) {}

    void linesLeftOut(const LoadOverflow& overflow) override {
        dialogs_.messageBox(overflowMessage(overflow), QStringLiteral("Ostrzeżenie"), Buttons::Ok,
                            Icon::Warning);
    }
    bool addMissing(const std::vector<std::string>& missing) override {
        return dialogs_.messageBox(missingQuestion(missing), QStringLiteral("Uwaga"),
                                   Buttons::YesNo, Icon::Warning) == Answer::Yes;
    }
    void tableFull(int notInserted) override {
        dialogs_.messageBox(tableFullMessage(notInserted), QStringLiteral("Błąd"), Buttons::Ok,
                            Icon::Error);
    }
    bool updateDiffering(const std::vector<DifferingEntity>& differing) override {
        return dialogs_.messageBox(differingQuestion(differing), QStringLiteral("Uwaga"),
                                   Buttons::YesNo, Icon::Warning) == Answer::Yes;
    }

private:
    Dialogs& dialogs_;
};

const QString kCsvSaveFilter = QStringLiteral("Pliki CSV |*.csv|Wszystkie pliki|*.*");
const QString kCsvOpenFilter = QStringLiteral("Pliki CSV |*.CSV|Wszystkie pliki|*.*");

QString readOnlyQuestion(const QString& path) {
    return QStringLiteral("Plik ") + path +
           QStringLiteral(" przeznaczony jest \ntylko  do  odczytu  (Read Only)!\n\n"
                          "Czy zapisać pomimo tego?");
}

QString changedByAnotherProgramQuestion(const QString& path) {
    return QStringLiteral("Plik ") + path +
           QStringLiteral(" został zmieniony przez inny program\npo wczytaniu go "
                          "(np. przez import danych).\n\nZapisanie danych zastąpi te zmiany.\n"
                          "Czy zapisać pomimo tego?");
}

QString withDefaultExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".csv") : path;
}

} // namespace

void TForm1::showStationPath() {
    StatusBar2->setToolTip(shownPart(ctx_.state.station.path()));
    StatusBar2->setPanelText(0, displayedPath(ctx_.state.station.path()));
}

void TForm1::loadStationFile(bool callsignFromHeader) {
    if (missingReferenceFile(ctx_, kEntityFileName))
        return;
    const auto referenceLines = readReferenceLines(ctx_.files.deliveredFile(kEntityFileName));
    Station& station = ctx_.state.station;
    if (!fileExists(station.path())) {
        station.setFileSeen({});
        return;
    }
    AskedLoadQuestions questions(ctx_.dialogs);
    LoadedStation loaded = loadStation(station.path(), &referenceLines, questions);
    station.setFileSeen(loaded.file);
    if (loaded.changedByAnswers)
        station.setUnsaved(true);
    // Known before the grid shows the tables, so that it does not ask for it.
    if (callsignFromHeader && !loaded.headerCallsign.empty())
        station.setCallsign(loaded.headerCallsign);
    ComboBox1->setCurrentIndex(0);
    ctx_.state.selectedView = 0;
    station.changeTables([&loaded](AwardTables& tables) { tables = std::move(*loaded.tables); });
}

// Another program (a scheduled batch import) may have changed the file since
// it was read: its changes are overwritten only when the user says so.
bool TForm1::writeStationFile(bool confirm) {
    Station& station = ctx_.state.station;
    const QString& path = station.path();
    const std::string date = fromQt(ctx_.system.shortDate(ctx_.system.today()));
    const std::string bytes =
        fileText(path, stationFileLines(station.tables(), station.callsign(), date));
    for (;;) {
        const FileLock lock(path, kLockWait);
        const FileFingerprint onDisk = currentFingerprint(path);
        if (!onDisk.exists || onDisk == station.fileSeen()) {
            replaceStationFile(
                path, bytes, stationHistory(ctx_.files, path),
                [&station](std::string_view replaced) {
                    return StationChange{
                        QStringLiteral("zapis w oknie"), changedSlots(replaced, station.tables()),
                        summaryCounts(station.tables(), SummaryMode::AllConfirmed).totals.total};
                });
            break;
        }
        if (ctx_.dialogs.messageBox(changedByAnotherProgramQuestion(path),
                                    QStringLiteral("Ostrzeżenie"), Buttons::YesNo,
                                    Icon::Warning) != Answer::Yes)
            return false;
        station.setFileSeen(onDisk);
    }
    station.setFileSeen(fingerprintOf(bytes));
    station.setUnsaved(false);
    if (confirm)
        ctx_.dialogs.messageBox(QStringLiteral("Dane zostały zapisane."),
                                QStringLiteral("Informacja"), Buttons::Ok, Icon::Information);
    return true;
}

// The read-only question: true to go on writing, false to stop; No runs Save as.
bool TForm1::passReadOnlyQuestion(const QString& path, bool* saved) {
    switch (ctx_.dialogs.messageBox(readOnlyQuestion(path), QStringLiteral("Błąd"),
                                    Buttons::YesNoCancel, Icon::Error)) {
    case Answer::Yes:
        clearReadOnly(path);
        return true;
    case Answer::No:
        *saved = saveAs(path);
        return false;
    default:
        return false;
    }
}

bool TForm1::save(bool confirm) {
    if (!stationDataLoaded(ctx_.state.station.tables()))
        return false;
    if (ctx_.state.station.path().isEmpty())
        return saveAs(ctx_.state.station.path());
    bool saved = false;
    if (isReadOnly(ctx_.state.station.path()) &&
        !passReadOnlyQuestion(ctx_.state.station.path(), &saved))
        return saved;
    return writeStationFile(confirm);
}

void TForm1::Zapisz1Click() {
    save(true);
}

void TForm1::Zapiszjako1Click() {
    if (stationDataLoaded(ctx_.state.station.tables()))
        saveAs(ctx_.state.station.path());
}

// The path changes only when the file is written: a name the user declined
// to overwrite never becomes the path, so a later Ctrl+S cannot overwrite it.
bool TForm1::saveAs(const QString& proposedName) {
    const auto chosen = ctx_.dialogs.saveFile(kCsvSaveFilter, proposedName);
    if (!chosen)
        return false;
    const QString path = withDefaultExtension(*chosen);
    if (fileExists(path)) {
        switch (ctx_.dialogs.messageBox(
            QStringLiteral("Plik o tej nazwie już istnieje!\nZastąpić go?"),
            QStringLiteral("Ostrzeżenie"), Buttons::YesNoCancel, Icon::Warning)) {
        case Answer::Yes:
            break;
        case Answer::No:
            return saveAs(path);
        default:
            return false;
        }
        bool saved = false;
        if (isReadOnly(path) && !passReadOnlyQuestion(path, &saved))
            return saved;
    }
    // The user chose to replace whatever the file holds now.
    ctx_.state.station.setFileSeen(currentFingerprint(path));
    ctx_.state.station.setPath(path);
    return writeStationFile(true);
}

// Asked by Open and New: false when the command must stop.
bool TForm1::askToSaveUnsavedData() {
    if (!ctx_.state.station.unsaved() || gridCacheHighestIndex() <= 2)
        return true;
    switch (ctx_.dialogs.messageBox(
        QStringLiteral("Dotychczasowe dane nie zostały zapisane!\nZapisać?"),
        QStringLiteral("Ostrzeżenie"), Buttons::YesNoCancel, Icon::Warning)) {
    case Answer::Yes:
        // A wanted save that did not happen (Save as cancelled) stops the
        // command: going on would throw the data away.
        return save(true);
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void TForm1::setDataCommandsEnabled(bool enabled) {
    for (QAction* item : {Szukanie1, Zapisz1, Zapiszjako1, Druk1->menuAction(), Edycja1,
                          Weryfikacja1->menuAction(), Widok1->menuAction()})
        item->setEnabled(enabled);
}

void TForm1::enableAfterOpenOrNew() {
    setDataCommandsEnabled(true);
    Importdanych1->setEnabled(true);
    Label1->setVisible(true);
    ComboBox1->setEnabled(true);
    setMaximumHeight(QWIDGETSIZE_MAX);
}

void TForm1::Otwrz1Click() {
    if (!askToSaveUnsavedData())
        return;
    if (const auto chosen = ctx_.dialogs.openFile(kCsvOpenFilter, QString())) {
        Station& station = ctx_.state.station;
        const QString previous = station.path();
        station.setPath(*chosen);
        if (!fileExists(*chosen)) {
            ctx_.dialogs.messageBox(unreadableChoiceMessage(*chosen), QStringLiteral("Błąd"),
                                    Buttons::Ok, Icon::Error);
            return;
        }
        // A file that could not be read never names the tables still shown:
        // a save would write them over it.
        try {
            loadStationFile();
        } catch (...) {
            station.setPath(previous);
            throw;
        }
        ComboBox1Change();
    }
    enableAfterOpenOrNew();
}

void TForm1::resetToEmptyState() {
    ctx_.state.station.setCallsign({});
    ctx_.state.station.setPath({});
    StatusBar2->setToolTip(QStringLiteral("Brak wybranego pliku!"));
    StatusBar2->setPanelText(0, QString());
    Label3->clear();
    Label1->clear();
    clearPrefixSearch();
    ctx_.state.station.setUnsaved(false);
    setDataCommandsEnabled(false);
}

void TForm1::Nowy1Click() {
    Station& station = ctx_.state.station;
    const bool asked = station.unsaved() && gridCacheHighestIndex() > 2;
    if (!askToSaveUnsavedData())
        return;
    if (asked && !station.unsaved()) // saved
        StatusBar2->setPanelText(0, QString());
    const auto answer = ctx_.dialogs.inputBox(QStringLiteral("Identyfikacja stacji"),
                                              QStringLiteral("Podaj swój znak:"), QString());
    station.setCallsign(answer ? fromQt(*answer) : std::string());
    station.setPath({});
    station.setFileSeen({});
    StatusBar2->setPanelText(1, QString());
    if (missingReferenceFile(ctx_, kEntityFileName)) {
        resetToEmptyState();
        return;
    }
    auto tables = std::make_unique<AwardTables>();
    const auto lines = readReferenceLinesForNew(ctx_.files.deliveredFile(kEntityFileName));
    for (std::size_t i = 0; i < lines.size() && i < kEntityRows; ++i)
        tables->entities[i + 1][0] = lines[i];
    if (lines.size() > kEntityRows)
        ctx_.dialogs.messageBox(tableFullMessage(static_cast<int>(lines.size()) - kEntityRows),
                                QStringLiteral("Ostrzeżenie"), Buttons::Ok, Icon::Warning);
    const bool zoneFileMissing = missingReferenceFile(ctx_, kZoneFileName);
    if (!zoneFileMissing) {
        const auto zones = readZoneLines(ctx_.files.deliveredFile(kZoneFileName));
        for (std::size_t i = 0; i < zones.size(); ++i)
            tables->zones[i + 1][0] = zones[i];
        ComboBox1->setCurrentIndex(0);
        ctx_.state.selectedView = 0;
        enableAfterOpenOrNew();
        checkView(View::All);
    }
    // Without the zone file the entities are kept but not shown.
    const QSignalBlocker unshown(zoneFileMissing ? &station : nullptr);
    station.changeTables([&tables](AwardTables& held) { held = std::move(*tables); });
}

} // namespace zef
