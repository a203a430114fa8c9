// The "Plik" commands of the main window: New, Open, Save, Save as, and the
// load of a station data file with its reconciliation.
#include "mainwindow/main_window.h"

#include "core/displayed_path.h"
#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/station_file.h"
#include "core/text.h"
#include "core/text_file.h"
#include "mainwindow/status_panels.h"
#include "platform/file_attributes.h"
#include "summary/summary_window.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace zef {

namespace {

const QString kCsvSaveFilter = QStringLiteral("Pliki CSV |*.csv|Wszystkie pliki|*.*");
const QString kCsvOpenFilter = QStringLiteral("Pliki CSV |*.CSV|Wszystkie pliki|*.*");

QString readOnlyQuestion(const QString& path) {
    return QStringLiteral("Plik ") + path +
           QStringLiteral(" przeznaczony jest \ntylko  do  odczytu  (Read Only)!\n\n"
                          "Czy zapisać pomimo tego?");
}

QString withDefaultExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".csv") : path;
}

} // namespace

void TForm1::showStationPath() {
    StatusBar2->setToolTip(shownPart(ctx_.state.stationPath));
    StatusBar2->setPanelText(0, displayedPath(ctx_.state.stationPath));
}

void TForm1::markModified(const QString& panelText) {
    ctx_.state.unsavedChanges = true;
    StatusBar2->setPanelText(1, panelText);
}

void TForm1::clearModified() {
    ctx_.state.unsavedChanges = false;
    StatusBar2->setPanelText(1, QString());
}

bool TForm1::missingReferenceFile(const QString& name) {
    const QString path = ctx_.files.deliveredFile(name);
    if (fileExists(path))
        return false;
    ctx_.dialogs.messageBox(missingReferenceFileMessage(path), QStringLiteral("Błąd"), Buttons::Ok,
                            Icon::Error);
    return true;
}

void TForm1::loadStationFile() {
    if (missingReferenceFile(kEntityFileName))
        return;
    const auto referenceLines = readReferenceLines(ctx_.files.deliveredFile(kEntityFileName));
    if (!fileExists(ctx_.state.stationPath))
        return;
    // The whole file is read before the tables change, so a read error leaves them as they were.
    const auto lines = readLines(ctx_.state.stationPath);
    AwardTables& tables = ctx_.state.tables;
    const LoadOverflow overflow = loadStationLines(lines, tables);
    if (overflow.any())
        ctx_.dialogs.messageBox(overflowMessage(overflow), QStringLiteral("Ostrzeżenie"),
                                Buttons::Ok, Icon::Warning);

    const Reconciliation found = compareWithReference(tables, referenceLines);
    if (!found.missing.empty() &&
        ctx_.dialogs.messageBox(missingQuestion(found.missing), QStringLiteral("Uwaga"),
                                Buttons::YesNo, Icon::Warning) == Answer::Yes) {
        if (const int notInserted = addMissingEntities(tables, found.missing); notInserted > 0)
            ctx_.dialogs.messageBox(tableFullMessage(notInserted), QStringLiteral("Błąd"),
                                    Buttons::Ok, Icon::Error);
        markModified();
    }
    if (!found.differing.empty() &&
        ctx_.dialogs.messageBox(differingQuestion(found.differing), QStringLiteral("Uwaga"),
                                Buttons::YesNo, Icon::Warning) == Answer::Yes) {
        updateDifferingEntities(tables, found.differing);
        markModified();
    }
    ComboBox1->setCurrentIndex(0);
    ctx_.state.selectedView = 0;
    gridFill();
}

bool TForm1::writeStationFile(bool confirm) {
    const std::string date = fromQt(ctx_.system.shortDate(ctx_.system.today()));
    writeLines(ctx_.state.stationPath,
               stationFileLines(ctx_.state.tables, ctx_.state.callsign, date));
    clearModified();
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
    if (!stationDataLoaded(ctx_.state.tables))
        return false;
    if (ctx_.state.stationPath.isEmpty())
        return saveAs(ctx_.state.stationPath);
    bool saved = false;
    if (isReadOnly(ctx_.state.stationPath) && !passReadOnlyQuestion(ctx_.state.stationPath, &saved))
        return saved;
    return writeStationFile(confirm);
}

void TForm1::Zapisz1Click() {
    save(true);
}

void TForm1::Zapiszjako1Click() {
    if (stationDataLoaded(ctx_.state.tables))
        saveAs(ctx_.state.stationPath);
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
    ctx_.state.stationPath = path;
    showStationPath();
    return writeStationFile(true);
}

// Asked by Open and New: false when the command must stop.
bool TForm1::askToSaveUnsavedData() {
    if (!ctx_.state.unsavedChanges || gridCacheHighestIndex() <= 2)
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
        ctx_.state.stationPath = *chosen;
        showStationPath();
        if (!fileExists(*chosen)) {
            ctx_.dialogs.messageBox(QStringLiteral("Plik \"") + *chosen +
                                        QStringLiteral("\" nie został znaleziony!"),
                                    QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
            return;
        }
        loadStationFile();
        ctx_.forms.form20->summaryRefresh();
        ComboBox1Change();
    }
    enableAfterOpenOrNew();
}

void TForm1::resetToEmptyState() {
    ctx_.state.callsign.clear();
    ctx_.state.stationPath.clear();
    StatusBar2->setToolTip(QStringLiteral("Brak wybranego pliku!"));
    StatusBar2->setPanelText(0, QString());
    Label3->clear();
    Label1->clear();
    clearPrefixSearch();
    clearModified();
    setDataCommandsEnabled(false);
}

void TForm1::Nowy1Click() {
    const bool asked = ctx_.state.unsavedChanges && gridCacheHighestIndex() > 2;
    if (!askToSaveUnsavedData())
        return;
    if (asked && !ctx_.state.unsavedChanges) // saved
        StatusBar2->setPanelText(0, QString());
    const auto answer = ctx_.dialogs.inputBox(QStringLiteral("Identyfikacja stacji"),
                                              QStringLiteral("Podaj swój znak:"), QString());
    ctx_.state.callsign = answer ? fromQt(*answer) : std::string();
    StatusBar2->setPanelText(0, QString());
    StatusBar2->setToolTip(QString());
    StatusBar2->setPanelText(1, QString());
    ctx_.state.stationPath.clear();
    if (missingReferenceFile(kEntityFileName)) {
        resetToEmptyState();
        return;
    }
    AwardTables& tables = ctx_.state.tables;
    tables.clear();
    const auto lines = readReferenceLinesForNew(ctx_.files.deliveredFile(kEntityFileName));
    for (std::size_t i = 0; i < lines.size() && i < kEntityRows; ++i)
        tables.entities[i + 1][0] = lines[i];
    if (lines.size() > kEntityRows)
        ctx_.dialogs.messageBox(tableFullMessage(static_cast<int>(lines.size()) - kEntityRows),
                                QStringLiteral("Ostrzeżenie"), Buttons::Ok, Icon::Warning);
    if (missingReferenceFile(kZoneFileName))
        return;
    const auto zones = readZoneLines(ctx_.files.deliveredFile(kZoneFileName));
    for (std::size_t i = 0; i < zones.size(); ++i)
        tables.zones[i + 1][0] = zones[i];

    ComboBox1->setCurrentIndex(0);
    ctx_.state.selectedView = 0;
    enableAfterOpenOrNew();
    ctx_.forms.form20->summaryRefresh();
    Wszystkiepodmioty1->setChecked(true);
    gridFill();
}

} // namespace zef
