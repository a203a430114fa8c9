// SPDX-License-Identifier: GPL-3.0-or-later
// The "Import danych" command and its dialog, driven through the whole
// program with scripted dialogs.

#include "import/import_dialog.h"

#include "core/file_error.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "import/import_fixture.h"
#include "import/import_result_window.h"
#include "mainwindow/main_window.h"
#include "platform/status_panels.h"
#include "summary/summary_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <functional>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::adifFile;
using test::Qso;
using test::TestProgram;

const QString kRules = QStringLiteral(
    "Program uwzględnia przy imporcie tylko te QSO, które są potwierdzone (QSL lub LoTW) \n"
    "oraz mają podany numer DXCC oraz numer strefy CQ.\n"
    "Jeśli dane pochodzą z programu, który w pliku ADIF nie umieszcza informacji o DXCC/strefie "
    "CQ,\n"
    "nie zostaną one zaimportowane.");
const QString kDone = importDoneMessage();

TForm7& importDialog(const TestProgram& app) {
    return app.program().import();
}

// Runs the command; `act` works the dialog while it is shown.
void openImport(TestProgram& app, const std::function<void(TForm7&)>& act) {
    app.dialogs.expectMessage(QStringLiteral("Informacja"), kRules);
    app.dialogs.expectModal([&act](QDialog& dialog) {
        act(static_cast<TForm7&>(dialog));
        return dialog.result();
    });
    test::control<QAction>(app.main(), "Importdanych1")->trigger();
}

// Picks the file through "Wybierz" and runs the import, expecting `message`.
void importFile(TestProgram& app, TForm7& dialog, const QString& path, const QString& message) {
    app.dialogs.expectOpen(path);
    dialog.Button1Click();
    app.dialogs.expectMessage(QStringLiteral("Komunikat"), message);
    dialog.Button2Click();
}

Row& entityRow(TestProgram& app, const std::string& number) {
    for (Row& row : app.tables().entities)
        if (!row[0].empty() && trim(referenceNumber(row[0])) == number)
            return row;
    ADD_FAILURE() << "no entity " << number;
    return app.tables().entities[0];
}

Row& zoneRow(TestProgram& app, int zone) {
    return app.tables().zones[static_cast<std::size_t>(zone)];
}

// Cells of the grid row showing the entity with this prefix.
GridRow gridRow(TestProgram& app, const std::string& prefix) {
    const GridModel& model = app.main().grid().model();
    for (int r = 1; r < model.rowCount(); ++r)
        if (model.cell(kPrefixColumn, r) == prefix)
            return model.row(r);
    ADD_FAILURE() << "no grid row " << prefix;
    return {};
}

QString summaryCell(TestProgram& app, int row, int column) {
    return app.summary().StringGrid1->item(row, column)->text().trimmed();
}

QString statePanel(TestProgram& app) {
    return test::control<StatusPanels>(app.main(), "StatusBar2")->panelText(1);
}

Qso usa80() {
    Qso q;
    q.call = "K1ABC";
    q.band = "80M";
    return q; // entity 291, zone 5, QSL
}

Qso albania20Lotw() {
    Qso q;
    q.call = "ZA1A";
    q.date = "20190704";
    q.dxcc = "7";
    q.cqz = "15";
    q.qsl = "N";
    q.lotw = "Y";
    return q;
}

TEST(ImportWindow, ARunFillsTheTablesAndBringsBothWindowsUpToDate) {
    TestProgram app;
    app.startWithNewStation();
    const QString path = app.folder.path("log.adi");
    app.folder.writeBytes("log.adi", adifFile({usa80(), albania20Lotw()}, "\r\n"));
    ASSERT_FALSE(app.station().unsaved());

    openImport(app, [&](TForm7& dialog) { importFile(app, dialog, path, kDone); });

    EXPECT_EQ(app.dialogs.lastFileFilter, QStringLiteral("Pliki ADIF |*.ADI|Wszystkie pliki|*.*"));
    EXPECT_EQ(app.dialogs.messages.back().icon, Icon::Information);
    EXPECT_EQ(test::slot(entityRow(app, "291"), test::k80),
              (std::vector<std::string>{"K1ABC", "2021-01-30", "QSL", ""}));
    EXPECT_EQ(test::slot(zoneRow(app, 5), test::k80),
              (std::vector<std::string>{"K1ABC", "2021-01-30", "QSL", ""}));
    EXPECT_EQ(test::slot(entityRow(app, "7"), test::k20),
              (std::vector<std::string>{"ZA1A", "2019-07-04", "LoTW", ""}));
    EXPECT_EQ(test::slot(zoneRow(app, 15), test::k20),
              (std::vector<std::string>{"ZA1A", "2019-07-04", "LoTW", ""}));

    EXPECT_TRUE(app.station().unsaved());
    EXPECT_EQ(statePanel(app), QStringLiteral("Modyfikacja"));
    // Summary: 80 m row (1) and 20 m row (3): one zone (15 points) and one entity each.
    for (int bandRow : {1, 3}) {
        EXPECT_EQ(summaryCell(app, bandRow, 1), QStringLiteral("1"));
        EXPECT_EQ(summaryCell(app, bandRow, 2), QStringLiteral("15"));
        EXPECT_EQ(summaryCell(app, bandRow, 3), QStringLiteral("1"));
        EXPECT_EQ(summaryCell(app, bandRow, 4), QStringLiteral("16"));
    }
    EXPECT_EQ(app.summary().StatusBar1->panelText(2), QStringLiteral("Suma punktów: 32"));
    // The grid shows the 80 m band of all entities.
    EXPECT_EQ(gridRow(app, "K")[kCallColumn], "K1ABC");
    EXPECT_EQ(gridRow(app, "K")[kConfirmationColumn], "QSL");
    EXPECT_EQ(gridRow(app, "ZA")[kCallColumn], "");
    EXPECT_TRUE(test::control<QAction>(app.main(), "Wszystkiepodmioty1")->isChecked());

    TForm7& dialog = importDialog(app);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.ProgressBar1->isHidden());
    EXPECT_EQ(dialog.ProgressBar1->value(), 0);
}

// A LoTW report started with the source "Log" would mark LoTW's
// confirmations as paper cards: the dialog asks first. What the run did is
// then shown in a window of its own.
TEST(ImportWindow, ALotwReportFromLogIsAskedAboutAndTheResultShown) {
    TestProgram app;
    app.startWithNewStation();
    const QString path = app.folder.path("lotw.adi");
    Qso report = albania20Lotw();
    report.qsl = "Y"; // a LoTW report says so of every LoTW confirmation
    app.folder.writeBytes("lotw.adi", "ARRL Logbook of the World Status Report\n<eoh>\n" +
                                          report.text() + "<eor>\n<APP_LoTW_EOF>\n");
    const QString question =
        QStringLiteral("Plik \"%1\" jest raportem LoTW.\nZaimportowany ze źródłem danych \"Log\" "
                       "oznaczyłby wszystkie potwierdzenia LoTW jako karty QSL.\n\nZaimportować "
                       "go jako dane z LoTW?\nTak - źródło LoTW, Nie - źródło Log, Anuluj - bez "
                       "importu.")
            .arg(path);

    openImport(app, [&](TForm7& dialog) {
        dialog.Edit1->setText(path);
        app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), question, Answer::Cancel);
        dialog.Button2Click();
        EXPECT_EQ(test::slot(entityRow(app, "7"), test::k20)[0], "");
        EXPECT_TRUE(dialog.RadioButton1->isChecked());

        app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), question, Answer::Yes);
        app.dialogs.expectMessage(QStringLiteral("Komunikat"), kDone);
        dialog.Button2Click();
    });
    EXPECT_EQ(test::slot(entityRow(app, "7"), test::k20)[2], "LoTW");
    EXPECT_TRUE(importDialog(app).RadioButton2->isChecked());
    const auto* result = app.main().findChild<ImportResultWindow*>(QStringLiteral("ImportResult"));
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isVisible());
    EXPECT_TRUE(result->text().contains(QStringLiteral("Sloty nowo wypełnione: 2, zmienione: 0.")))
        << result->text().toStdString();
}

TEST(ImportWindow, RefusesAMissingFileNameAndChangesNothing) {
    TestProgram app;
    app.startWithNewStation();
    openImport(app, [&](TForm7& dialog) {
        app.dialogs.expectMessage(
            QStringLiteral("Informacja"),
            QStringLiteral("Import danych z pliku ADIF:\n\nZ dowolnego logu należy wyeksportować "
                           "dane w formacie ADIF.\nJeśli do ADIF będzie wyeksportowany cały log, "
                           "podczas importu\ndanych zostanie uwzględniona pierwsza potwierdzona "
                           "łączność\nze stacją z danego podmiotu/strefy."));
        dialog.Button4Click();
        app.dialogs.expectMessage(QStringLiteral("Błąd"),
                                  QStringLiteral("Wybierz plik ADIF do importu!"));
        dialog.Button2Click();
        // A folder is there, but it is no file to read.
        const QString missing = app.folder.path("brak.adi");
        for (const QString& refusal :
             {QStringLiteral("Plik \"") + missing + QStringLiteral("\" nie został znaleziony!"),
              u'"' + app.folder.dir() + QStringLiteral("\" nie jest zwykłym plikiem!")}) {
            dialog.Edit1->setText(refusal.section(u'"', 1, 1));
            app.dialogs.expectMessage(QStringLiteral("Błąd"), refusal);
            dialog.Button2Click();
        }
        dialog.Button3Click();
    });
    ASSERT_EQ(app.dialogs.messages.size(), 5U);
    for (std::size_t m = 2; m < 5; ++m)
        EXPECT_EQ(app.dialogs.messages[m].icon, Icon::Error);
    EXPECT_FALSE(app.station().unsaved());
    EXPECT_EQ(statePanel(app), QString());
    EXPECT_EQ(importDialog(app).result(), QDialog::Rejected);
}

TEST(ImportWindow, UnplaceableRecordsAreListedAndTheLongMessageShown) {
    TestProgram app;
    app.startWithNewStation();
    app.folder.writeBytes("bledy_dxcc.txt", "left from last time\r\n");
    Qso unknown;
    unknown.dxcc = "999";
    unknown.cqz = "41";
    app.folder.writeBytes("log.adi", adifFile({unknown, usa80()}));

    openImport(app, [&](TForm7& dialog) {
        // Opening the dialog has already emptied the list.
        EXPECT_EQ(app.folder.readUtf8Lines("bledy_dxcc.txt"),
                  (std::vector<std::string>{test::utf8(fromQt(errorListHeader()))}));
        importFile(app, dialog, app.folder.path("log.adi"), importDoneWithErrorsMessage());
    });

    // One entry for the entity table and one for the zone table.
    const std::string entry = unknown.text() + "<EOR>";
    EXPECT_EQ(app.folder.readUtf8Lines("bledy_dxcc.txt"),
              (std::vector<std::string>{test::utf8(fromQt(errorListHeader())), entry, entry}));
    EXPECT_EQ(entityRow(app, "291")[callSlot(test::k80)], "K1ABC");
    EXPECT_TRUE(app.station().unsaved());
}

TEST(ImportWindow, TheChoicesAndTheFileStayFromOneOpeningToTheNext) {
    TestProgram app;
    app.startWithNewStation();
    const QString path = app.folder.path("log.adi");
    app.folder.writeBytes("log.adi", adifFile({usa80()}));

    TForm7& dialog = importDialog(app);
    EXPECT_TRUE(dialog.RadioButton1->isChecked());
    EXPECT_TRUE(dialog.RadioButton4->isChecked());
    EXPECT_TRUE(dialog.Edit1->text().isEmpty());
    openImport(app, [&](TForm7& shown) {
        shown.Edit1->setText(path);
        shown.RadioButton2->setChecked(true);
        shown.RadioButton3->setChecked(true);
        shown.Button3Click();
    });
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(app.station().unsaved());

    // The source "LoTW" makes a card-confirmed record a LoTW one.
    openImport(app, [&](TForm7& shown) {
        EXPECT_EQ(shown.Edit1->text(), path);
        EXPECT_FALSE(shown.RadioButton1->isChecked());
        EXPECT_TRUE(shown.RadioButton2->isChecked());
        EXPECT_FALSE(shown.RadioButton4->isChecked());
        EXPECT_TRUE(shown.RadioButton3->isChecked());
        app.dialogs.expectMessage(QStringLiteral("Komunikat"), kDone);
        shown.Button2Click();
    });
    EXPECT_EQ(entityRow(app, "291")[confirmationSlot(test::k80)], "LoTW");

    // After a run the dialog is whole again for the next one.
    openImport(app, [&](TForm7& shown) {
        EXPECT_EQ(shown.Edit1->text(), path);
        EXPECT_TRUE(shown.RadioButton2->isChecked());
        EXPECT_TRUE(shown.RadioButton3->isChecked());
        for (QWidget* control : std::initializer_list<QWidget*>{
                 shown.Edit1, shown.Button1, shown.Button2, shown.Button3, shown.Button4,
                 shown.GroupBox1, shown.GroupBox2})
            EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_TRUE(shown.ProgressBar1->isHidden());
        shown.Button3Click();
    });
}

TEST(ImportWindow, DuringARunTheDialogCanNeitherBeLeftNorRunAgain) {
    TestProgram app;
    app.startWithNewStation();
    app.folder.writeBytes("log.adi", adifFile({usa80(), albania20Lotw()}));
    int looks = 0;
    int barLooks = 0;
    int closings = 0;
    openImport(app, [&](TForm7& dialog) {
        QObject::connect(&dialog, &QDialog::finished, [&closings] { ++closings; });
        dialog.Edit1->setText(app.folder.path("log.adi"));
        app.system.onProcessEvents = [&] {
            ++looks;
            EXPECT_TRUE(dialog.running());
            // The bar shows once the lines are counted: five here.
            if (!dialog.ProgressBar1->isHidden() && dialog.ProgressBar1->maximum() == 4)
                ++barLooks;
            EXPECT_FALSE(dialog.Button2->isEnabled());
            EXPECT_FALSE(dialog.Button3->isEnabled());
            // Escape, and handlers reached some other way, change nothing.
            dialog.reject();
            dialog.Button3Click();
            dialog.Button2Click();
            EXPECT_EQ(closings, 0);
        };
        app.dialogs.expectMessage(QStringLiteral("Komunikat"), kDone);
        dialog.Button2Click();
        app.system.onProcessEvents = nullptr;
    });
    EXPECT_GE(looks, 2);
    EXPECT_GE(barLooks, 1);
    EXPECT_EQ(closings, 1); // by the run's own end
    EXPECT_EQ(importDialog(app).result(), QDialog::Accepted);
    EXPECT_FALSE(importDialog(app).running());
}

TEST(ImportWindow, AnErrorListThatCannotBeWrittenStopsTheRun) {
    TestProgram app;
    app.startWithNewStation();
    Qso unknown;
    unknown.dxcc = "999";
    unknown.band = "10M";
    app.folder.writeBytes("log.adi", adifFile({usa80(), unknown, albania20Lotw()}));
    const QString errorList = app.folder.path(kErrorListFileName);

    openImport(app, [&](TForm7& dialog) {
        // The error list cannot be written once a folder stands in its place.
        QFile::remove(errorList);
        ASSERT_TRUE(QDir().mkdir(errorList));
        ImportResult expected;
        expected.cutShort = true;
        try {
            ErrorList{errorList};
        } catch (const FileError& error) {
            expected.errorText = error.text();
        }
        ASSERT_FALSE(expected.errorText.isEmpty());
        dialog.Edit1->setText(app.folder.path("log.adi"));
        app.dialogs.expectMessage(QStringLiteral("Błąd"), importCutShortMessage(expected));
        dialog.Button2Click();
    });

    EXPECT_EQ(app.dialogs.messages.back().icon, Icon::Error);
    EXPECT_EQ(entityRow(app, "291")[callSlot(test::k80)], "");
    EXPECT_EQ(entityRow(app, "7")[callSlot(test::k20)], "");
    EXPECT_EQ(importDialog(app).result(), QDialog::Accepted);
}

TEST(ImportWindow, NewRunsFirstWhenNoDataIsLoaded) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    ASSERT_FALSE(stationDataLoaded(app.tables()));
    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), QStringLiteral("SP9XYZ"));
    openImport(app, [&](TForm7& dialog) {
        EXPECT_TRUE(stationDataLoaded(app.tables()));
        dialog.Button3Click();
    });
    EXPECT_EQ(app.station().callsign(), "SP9XYZ");
}

TEST(ImportWindow, NothingOpensWhenNewCannotBuildTheTables) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    const QString entityFile = app.folder.path(kEntityFileName);
    ASSERT_TRUE(QFile::remove(entityFile));
    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), QStringLiteral("SP9XYZ"));
    app.dialogs.expectMessage(QStringLiteral("Błąd"), missingReferenceFileMessage(entityFile));
    test::control<QAction>(app.main(), "Importdanych1")->trigger(); // no rules box, no dialog
    EXPECT_FALSE(QFile::exists(app.folder.path(kErrorListFileName)));
}

} // namespace
} // namespace zef
