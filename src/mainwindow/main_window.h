// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm1, the main window: the band/zone selector, the entity grid, the two
// status bars and the main menu. It handles the file, view and search
// commands itself; the program wires the other menu items to the commands
// of their subsystems. Its controls are its own: what other windows ask of
// it goes through the few functions below, GridDisplay among them.

#include "core/grid_row.h"
#include "core/settings.h"
#include "core/summary_counts.h"
#include "mainwindow/entity_grid.h"
#include "platform/context.h"
#include "platform/grid_display.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QMenu;
class QAction;

namespace zef {

class FileError;
class GridWidget;
class StatusPanels;
class TForm3;

class TForm1 : public QMainWindow, public GridDisplay {
    Q_OBJECT
public:
    explicit TForm1(Context& context);
    ~TForm1() override;

    // The station data file named on the command line (parameter mode).
    void setParameter(const QString& path);

    // Start-up; false when the program must end (entity reference file missing).
    bool FormCreate();
    void FormActivate();
    void ComboBox1Change();
    void Koniec1Click();
    // Writes the settings and asks about unsaved data; true when the window may close.
    bool FormCloseQuery();

    // "Plik"
    void Nowy1Click();
    void Otwrz1Click();
    void Zapisz1Click();
    void Zapiszjako1Click();

    // "Widok"
    void Wszystkiepodmioty1Click();
    void Wszystkiepodmiotybezzweryfikowanych1Click();
    void Podmiotydoweryfikacji1Click();
    void Podmiotyzweryfikowane1Click();
    void Podmiotypotwierdzone1Click();
    void Podmiotyniepotwierdzone1Click();
    void bez_deleted_1Click();

    void Szukanie1Click();

    // Grid events
    void StringGrid1MouseDown(Qt::MouseButton button, int row, int column);
    void StringGrid1MouseUp();
    void StringGrid1DblClick();
    bool StringGrid1KeyPress(QChar key);
    bool StringGrid1KeyDown(int key, Qt::KeyboardModifiers shift);
    void StringGrid1SelectCell(int column, int row);

    // The resize rule: lays out the status bars for the present width and
    // turns the proposed width into the one the grid's columns allow.
    bool FormCanResize(int& newWidth, int& newHeight);
    // A resize by the program; it passes through the resize rule, and a
    // request for the present size is no resize at all.
    void requestSize(int newWidth, int newHeight);

    // Shared with the other windows
    void gridFill();
    // Loads the file the station's path names; with `callsignFromHeader` the
    // station's callsign becomes the one the file's header names, if any.
    void loadStationFile(bool callsignFromHeader = false);
    // Save as the menu's "Zapisz" does; true when the file was written.
    bool save(bool confirm);
    void showStationPath();
    View checkedView() const;
    void checkView(View view);
    void clearPrefixSearch();
    void focusGrid();
    // The values the settings file stores, read from the window as it stands.
    Settings currentSettings() const;
    ProfileFile settingsFile() const;

    // The grid's logic: model, row cache, counters, views, sort and searches.
    EntityGrid& grid() { return grid_; }
    // The four StatusBar1 texts written from the counters as they stand.
    void writeStatusPanels();
    // The row the data entry edits: the highlighted data row, once the grid
    // has had a mouse press on a data row.
    std::optional<HighlightedRow> highlightedRow() const;
    // Makes `row` current again, in the grid's current column.
    void selectRow(int row);
    // The "Widok" check mark of the summary mode shown.
    void checkSummaryMode(SummaryMode mode);
    // The menu item of that object name, for the program to wire.
    QAction& menuItem(const QString& name) const;

    // GridDisplay
    void repaintGrid() override;
    void setGridFont(const QFont& font) override;
    int gridRowHeight() const override;
    void setGridRowHeight(int height) override;
    void correctWidth(int correction) override;

    // What the close writes of the other windows: the summary window's
    // geometry and the submission's recipient, handed in by the program.
    void setOtherWindowsSettings(std::function<void(Settings&)> summaryGeometry,
                                 std::function<std::string(const ProfileFile&)> recipient);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Controls, named as in the documents
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    GridWidget* StringGrid1 = nullptr;
    StatusPanels* StatusBar1 = nullptr;
    StatusPanels* StatusBar2 = nullptr;

    QMenu* Plik1 = nullptr;
    QMenu* Widok1 = nullptr;
    QMenu* Druk1 = nullptr;
    QMenu* Weryfikacja1 = nullptr;
    QMenu* Ustawienia1 = nullptr;
    QMenu* Kolory1 = nullptr;
    QMenu* Pomoc1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Importdanych1 = nullptr;
    QAction* Edycja1 = nullptr;
    QAction* Szukanie1 = nullptr;
    QAction* Nowy1 = nullptr;
    QAction* Otwrz1 = nullptr;
    QAction* Zapisz1 = nullptr;
    QAction* Zapiszjako1 = nullptr;
    QAction* Zarzdzaniebazpodmiotw1 = nullptr;
    QAction* Koniec1 = nullptr;
    QAction* Wszystkiepodmioty1 = nullptr;
    QAction* Wszystkiepodmiotybezzweryfikowanych1 = nullptr;
    QAction* Podmiotydoweryfikacji1 = nullptr;
    QAction* Podmiotyzweryfikowane1 = nullptr;
    QAction* Podmiotypotwierdzone1 = nullptr;
    QAction* Podmiotyniepotwierdzone1 = nullptr;
    QAction* Zestawieniewszystkiepodmioty1 = nullptr;
    QAction* Zestawieniepodmiotyzweryfikowane1 = nullptr;
    QAction* Zestawieniepodmiotydoweryfikacji1 = nullptr;
    QAction* bez_deleted_1 = nullptr;
    QAction* Wykrespostpu1 = nullptr;
    QAction* Wydrukpodmiotw1 = nullptr;
    QAction* Wyslij_dane = nullptr;
    QAction* Weryfikacjadanych1 = nullptr;
    QAction* Kolortadlapodmiotwpotwierdzonych1 = nullptr;
    QAction* Kolortadlapodmiotwusunitych1 = nullptr;
    QAction* Kolortadlapodmiotwzweryfikowanych1 = nullptr;
    QAction* Kolortadlapodmiotwpozostaych1 = nullptr;
    QAction* Czcionka1 = nullptr;
    QAction* Korekcjaszerokocigwnegookna1 = nullptr;
    QAction* Wysoko1 = nullptr;
    QAction* Plikpomocy1 = nullptr;
    QAction* Oprogramie1 = nullptr;

    void buildToolBar(QWidget* parent);
    void followStation();
    void buildMenu();
    void connectGrid();
    void setDataCommandsEnabled(bool enabled);
    void enableAfterOpenOrNew();
    void enableSelectorForLoadedData();
    void applySettings(const Settings& settings);
    bool askToSaveUnsavedData();
    // The closing's question about unsaved data: false when the window stays.
    bool mayLeaveStationData();
    // Asked when the settings could not be written: true to end all the same.
    bool endWithoutSettings(const FileError& failure);
    bool passReadOnlyQuestion(const QString& path, bool* saved);
    bool writeStationFile(bool confirm);
    bool saveAs(const QString& proposedName);
    void resetToEmptyState();
    void loadAtStartUp();
    int gridCacheHighestIndex() const { return grid_.cache().highestIndex(); }
    void runView(View view);
    void showViewOutcome(ViewOutcome outcome);
    void askStationCallsign();
    void showSortState();
    void ctrlSave();
    void restoreMenuChecks();
    int resizeRule(int widthBefore);
    void holdWidth(int allowedWidth);

    Context& ctx_;
    EntityGrid grid_;
    std::function<void(Settings&)> storeSummaryGeometry_;
    std::function<std::string(const ProfileFile&)> recipientForSettings_;
    std::optional<QString> parameter_;
    bool activatedOnce_ = false;
    bool leftForAnotherProgram_ = false;
    // The current row was chosen while the window was not active (by a
    // modal dialog or a click): the coming activation keeps it.
    bool rowChosenWhileAway_ = false;
    std::unique_ptr<TForm3> search_;
};

} // namespace zef
