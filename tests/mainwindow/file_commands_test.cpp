// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save, Save as and Ctrl+S of the main window.
#include "mainwindow/main_window.h"

#include "core/file_attributes.h"
#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/station_file.h"
#include "platform/status_panels.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zef {
namespace {

using test::referenceLine;
using test::TestProgram;

const QString kSaved = QStringLiteral("Dane zostały zapisane.");

void expectSaved(TestProgram& app) {
    app.dialogs.expectMessage(QStringLiteral("Informacja"), kSaved);
}

// "Zapisz jako" into the test folder's `name`; returns the path saved to.
QString saveAs(TestProgram& app, const QString& name) {
    const QString path = app.folder.path(name);
    app.dialogs.expectSave(path);
    expectSaved(app);
    app.main().Zapiszjako1Click();
    return path;
}

QString readOnlyQuestion(const QString& path) {
    return QStringLiteral("Plik ") + path +
           QStringLiteral(" przeznaczony jest \ntylko  do  odczytu  (Read Only)!\n\nCzy zapisać "
                          "pomimo tego?");
}

const QString kOverwrite = QStringLiteral("Plik o tej nazwie już istnieje!\nZastąpić go?");

TEST(FileCommands, SaveAsAppendsCsvAndWritesTheFileByteForByte) {
    TestProgram app;
    app.startWithNewStation(QStringLiteral("sp9xyz"));
    app.tables().entities[4][callSlot(2)] = "W1AW"; // row 4 is K in prefix order
    app.tables().entities[4][qsoDateSlot(2)] = "2024-05-01";
    app.tables().entities[4][confirmationSlot(2)] = "QSL";
    app.dialogs.expectSave(app.folder.path(QStringLiteral("stacja")));
    expectSaved(app);
    app.main().Zapiszjako1Click();
    EXPECT_EQ(app.dialogs.lastFileFilter, QStringLiteral("Pliki CSV |*.csv|Wszystkie pliki|*.*"));
    EXPECT_EQ(app.station().path(), app.folder.path(QStringLiteral("stacja.csv")));
    EXPECT_EQ(test::control<StatusPanels>(app.main(), "StatusBar2")->toolTip(),
              app.station().path());
    EXPECT_FALSE(app.station().unsaved());

    const std::string bytes = app.folder.readBytes(QStringLiteral("stacja.csv"));
    EXPECT_TRUE(bytes.starts_with("SP9XYZ  08.12.2026;Call-80m;"));
    EXPECT_NE(
        bytes.find("\r\n291| |K    |United States of America;;;;;;;;;W1AW;2024-05-01;QSL;;;;;;;;;"
                   "\r\n"),
        std::string::npos);
    EXPECT_NE(bytes.find("\r\n===========================================\r\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("     |40   |P40;;;;;;;;;;;;;;;;;;;;\r\n"));
}

TEST(FileCommands, DeclinedOverwriteKeepsThePreviousPath) {
    TestProgram app;
    app.startWithNewStation();
    app.folder.writeBytes(QStringLiteral("inna.csv"), "keep");
    app.dialogs.expectSave(app.folder.path(QStringLiteral("inna.csv")));
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), kOverwrite, Answer::No);
    app.dialogs.expectSave(std::nullopt); // Save as starts anew; the user gives up
    app.main().Zapiszjako1Click();
    EXPECT_EQ(app.dialogs.lastFileInitial, app.folder.path(QStringLiteral("inna.csv")));
    EXPECT_TRUE(app.station().path().isEmpty());
    EXPECT_EQ(app.folder.readBytes(QStringLiteral("inna.csv")), "keep");

    app.dialogs.expectSave(app.folder.path(QStringLiteral("inna.csv")));
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), kOverwrite, Answer::Cancel);
    app.main().Zapiszjako1Click();
    EXPECT_TRUE(app.station().path().isEmpty());
}

TEST(FileCommands, SaveOnAReadOnlyFile) {
    TestProgram app;
    app.startWithNewStation();
    const QString path = saveAs(app, QStringLiteral("stacja.csv"));
    setReadOnly(path);

    // No: Save as opens with the same name.
    app.dialogs.expectMessage(QStringLiteral("Błąd"), readOnlyQuestion(path), Answer::No);
    app.dialogs.expectSave(std::nullopt);
    app.main().Zapisz1Click();
    EXPECT_EQ(app.dialogs.lastFileInitial, path);

    // Yes: the attribute goes and the file is written.
    app.station().setUnsaved(true);
    app.dialogs.expectMessage(QStringLiteral("Błąd"), readOnlyQuestion(path), Answer::Yes);
    expectSaved(app);
    app.main().Zapisz1Click();
    EXPECT_FALSE(isReadOnly(path));
    EXPECT_FALSE(app.station().unsaved());
    EXPECT_TRUE(test::control<StatusPanels>(app.main(), "StatusBar2")->panelText(1).isEmpty());
}

TEST(FileCommands, CtrlSSavesQuietlyAndNeverWithoutData) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    EXPECT_TRUE(app.main().StringGrid1KeyDown(Qt::Key_S, Qt::ControlModifier)); // no data: nothing

    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), QStringLiteral("SP9XYZ"));
    app.main().Nowy1Click();
    const QString path = app.folder.path(QStringLiteral("s.csv"));
    app.dialogs.expectSave(path); // no path yet: Save as
    expectSaved(app);
    app.main().StringGrid1KeyDown(Qt::Key_S, Qt::ControlModifier);
    app.station().setUnsaved(true);
    app.main().StringGrid1KeyDown(Qt::Key_S, Qt::ControlModifier); // no message now
    EXPECT_FALSE(app.station().unsaved());
    EXPECT_TRUE(test::control<StatusPanels>(app.main(), "StatusBar2")->panelText(1).isEmpty());
}

// A call entered and not saved, and New's question about it answered.
void startWithUnsavedCallAndNewsQuestion(TestProgram& app, Answer answer) {
    app.startWithNewStation();
    app.tables().entities[1][callSlot(0)] = "X1X";
    app.station().setUnsaved(true);
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"),
                              QStringLiteral("Dotychczasowe dane nie zostały zapisane!\nZapisać?"),
                              answer);
}

TEST(FileCommands, NewWithUnsavedChangesCancelledChangesNothing) {
    TestProgram app;
    startWithUnsavedCallAndNewsQuestion(app, Answer::Cancel);
    app.main().Nowy1Click();
    EXPECT_EQ(app.tables().entities[1][callSlot(0)], "X1X");
    EXPECT_EQ(app.station().callsign(), "SP9XYZ");
}

// Yes to the question and then no file name: the data must not be replaced.
TEST(FileCommands, NewStopsWhenTheWantedSaveDidNotHappen) {
    TestProgram app;
    startWithUnsavedCallAndNewsQuestion(app, Answer::Yes);
    app.dialogs.expectSave(std::nullopt);
    app.main().Nowy1Click();
    EXPECT_EQ(app.tables().entities[1][callSlot(0)], "X1X");
    EXPECT_TRUE(app.station().unsaved());
}

TEST(FileCommands, NewWithoutZoneFileKeepsEntitiesAndStops) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    QFile::remove(app.folder.path(QStringLiteral("zefirant_zones.mtb")));
    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), std::nullopt);
    app.dialogs.expectMessage(QStringLiteral("Błąd"), missingReferenceFileMessage(app.folder.path(
                                                          QStringLiteral("zefirant_zones.mtb"))));
    app.main().Nowy1Click();
    EXPECT_TRUE(stationDataLoaded(app.tables()));
    EXPECT_FALSE(isOccupied(app.tables().zones[1]));
}

// A station file written from the tables, with the given entity lines.
QString writeStation(TestProgram& app, const std::vector<std::string>& referenceLines) {
    AwardTables t;
    for (std::size_t i = 0; i < referenceLines.size(); ++i)
        t.entities[i + 1][0] = referenceLines[i];
    t.entities[1][callSlot(1)] = "DL1AA";
    app.folder.write(QStringLiteral("old.csv"), stationFileLines(t, "SP9XYZ", "d"));
    return app.folder.path(QStringLiteral("old.csv"));
}

TEST(FileCommands, OpenReconcilesMissingAndDifferingEntities) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    auto reference = readReferenceLines(app.folder.path(QStringLiteral("dxcc_adif.mtb")));
    // The file holds Malta under an old prefix and lacks every other entity.
    const std::string oldMalta = referenceLine(246, false, "ZZ", "Old Malta");
    const QString path = writeStation(app, {oldMalta});
    std::vector<std::string> missing(reference.begin() + 1, reference.end());
    app.dialogs.expectOpen(path);
    app.dialogs.expectMessage(QStringLiteral("Uwaga"), missingQuestion(missing), Answer::Yes);
    app.dialogs.expectMessage(QStringLiteral("Uwaga"),
                              differingQuestion({{reference[0], oldMalta}}), Answer::Yes);
    // Without a callsign the fill asks for it.
    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), QStringLiteral("sp9xyz"));
    app.main().Otwrz1Click();
    EXPECT_EQ(app.station().callsign(), "SP9XYZ");
    EXPECT_EQ(app.main().windowTitle(), QStringLiteral("Aktualizacja podmiotów - pasmo 80M"));
    EXPECT_EQ(app.dialogs.lastFileFilter, QStringLiteral("Pliki CSV |*.CSV|Wszystkie pliki|*.*"));
    const AwardTables& t = app.tables();
    EXPECT_EQ(t.entities[1][0], reference[0]); // moved back to the front with its slots
    EXPECT_EQ(t.entities[1][callSlot(1)], "DL1AA");
    EXPECT_EQ(lastOccupiedEntityRow(t), static_cast<int>(reference.size()));
    EXPECT_TRUE(app.station().unsaved());
    EXPECT_EQ(test::control<StatusPanels>(app.main(), "StatusBar2")->panelText(1),
              QStringLiteral("Modyfikacja"));
}

TEST(FileCommands, AnsweringNoTwiceLeavesTheFlagAsItWas) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    auto reference = readReferenceLines(app.folder.path(QStringLiteral("dxcc_adif.mtb")));
    const std::string oldMalta = referenceLine(246, false, "ZZ", "Old Malta");
    const QString path = writeStation(app, {oldMalta});
    app.dialogs.expectOpen(path);
    app.dialogs.expectMessage(QStringLiteral("Uwaga"),
                              missingQuestion({reference.begin() + 1, reference.end()}),
                              Answer::No);
    app.dialogs.expectMessage(QStringLiteral("Uwaga"),
                              differingQuestion({{reference[0], oldMalta}}), Answer::No);
    app.main().Otwrz1Click();
    EXPECT_EQ(app.tables().entities[1][0], oldMalta);
    EXPECT_FALSE(app.station().unsaved());
    EXPECT_TRUE(test::control<QComboBox>(app.main(), "ComboBox1")->isEnabled());
}

// A pipe or a device is there, but no file to open: it is named for what it is.
TEST(FileCommands, OpenOfAMissingOrIrregularFileKeepsTheChosenPath) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    const QString missing = app.folder.path(QStringLiteral("nie-ma.csv"));
    const QString pipe = app.folder.path(QStringLiteral("potok.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const std::pair<QString, QString> cases[] = {
        {missing,
         QStringLiteral("Plik \"") + missing + QStringLiteral("\" nie został znaleziony!")},
        {pipe, u'"' + pipe + QStringLiteral("\" nie jest zwykłym plikiem!")},
        {QStringLiteral("/dev/null"), QStringLiteral("\"/dev/null\" nie jest zwykłym plikiem!")},
    };
    for (const auto& [path, message] : cases) {
        app.dialogs.expectOpen(path);
        app.dialogs.expectMessage(QStringLiteral("Błąd"), message);
        app.main().Otwrz1Click();
        EXPECT_EQ(app.station().path(), path);
        EXPECT_FALSE(stationDataLoaded(app.tables()));
    }
}

// A file that cannot be read must not take the name of the tables still
// shown: a Ctrl+S would write them over it. Reading a process's memory at
// address 0 fails with an I/O error, also for root.
TEST(FileCommands, OpenOfAnUnreadableFileKeepsThePreviousPath) {
    TestProgram app;
    app.startWithNewStation();
    const QString previous = app.folder.path(QStringLiteral("stacja.csv"));
    app.station().setPath(previous);
    const QString unreadable = app.folder.path(QStringLiteral("uszkodzony.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), unreadable));
    app.dialogs.expectOpen(unreadable);
    app.dialogs.answerUnexpectedMessages(Answer::Ok);
    test::control<QAction>(app.main(), "Otwrz1")->trigger();
    ASSERT_EQ(app.dialogs.messages.size(), 1U);
    EXPECT_TRUE(app.dialogs.messages.back().text.startsWith(QStringLiteral("Błąd odczytu pliku")))
        << app.dialogs.messages.back().text.toStdString();
    EXPECT_EQ(app.station().path(), previous);
    EXPECT_EQ(test::control<StatusPanels>(app.main(), "StatusBar2")->panelText(0), previous);
    EXPECT_EQ(app.station().callsign(), "SP9XYZ");
}

// New shows every entity whatever view was checked before.
TEST(FileCommands, NewShowsAllEntities) {
    TestProgram app;
    app.startWithNewStation();
    app.dialogs.answerUnexpectedMessages(Answer::Ok); // nothing to verify yet
    app.main().Podmiotydoweryfikacji1Click();
    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), QStringLiteral("SP9XYZ"));
    app.main().Nowy1Click();
    EXPECT_EQ(app.main().checkedView(), View::All);
    EXPECT_TRUE(test::control<QAction>(app.main(), "Wszystkiepodmioty1")->isChecked());
    EXPECT_EQ(test::control<QLabel>(app.main(), "Label5")->text(), viewCaption(View::All));
    EXPECT_GT(app.main().grid().model().lastRow(), 1);
}

TEST(FileCommands, SaveThenOpenGivesTheSameTables) {
    TestProgram app;
    app.startWithNewStation();
    app.tables().entities[2][callSlot(4)] = "W2XX";
    app.tables().zones[5][verificationSlot(0)] = "2025-01-01";
    const QString path = saveAs(app, QStringLiteral("r.csv"));
    const AwardTables saved = app.tables();
    app.tables().clear();
    app.dialogs.expectOpen(path);
    app.main().Otwrz1Click();
    EXPECT_EQ(app.tables().entities, saved.entities);
    EXPECT_EQ(app.tables().zones, saved.zones);
}

// A scheduled batch import may change the file while the window holds what
// it read: Save asks before it overwrites that change.
TEST(FileCommands, SaveAsksBeforeOverwritingAChangeMadeByAnotherProgram) {
    TestProgram app;
    app.startWithNewStation();
    const QString path = saveAs(app, QStringLiteral("r.csv"));
    const std::string imported = app.folder.readBytes(QStringLiteral("r.csv")) + "x";
    app.folder.writeBytes(QStringLiteral("r.csv"), imported);

    const QString question =
        QStringLiteral("Plik ") + path +
        QStringLiteral(" został zmieniony przez inny program\npo wczytaniu go (np. przez import "
                       "danych).\n\nZapisanie danych zastąpi te zmiany.\nCzy zapisać pomimo tego?");
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), question, Answer::No);
    EXPECT_FALSE(app.main().save(true));
    EXPECT_EQ(app.folder.readBytes(QStringLiteral("r.csv")), imported);

    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), question, Answer::Yes);
    expectSaved(app);
    app.main().Zapisz1Click();
    EXPECT_NE(app.folder.readBytes(QStringLiteral("r.csv")), imported);
    expectSaved(app); // what the window wrote itself needs no question
    app.main().Zapisz1Click();
}

// A field that would split its line when read again is never saved,
// however it reached the tables.
TEST(FileCommands, SaveRefusesAFieldWithALineEnd) {
    TestProgram app;
    app.startWithNewStation();
    const QString path = saveAs(app, QStringLiteral("c.csv"));
    const std::string before = app.folder.readBytes(QStringLiteral("c.csv"));

    app.tables().entities[1][callSlot(0)] = "SP1\rAB";
    app.station().setUnsaved(true);
    app.dialogs.answerUnexpectedMessages(Answer::Ok);
    const std::size_t shown = app.dialogs.messages.size();
    test::control<QAction>(app.main(), "Zapisz1")->trigger();
    ASSERT_EQ(app.dialogs.messages.size(), shown + 1);
    EXPECT_TRUE(app.dialogs.messages.back().text.contains(QStringLiteral("nie został zapisany")));
    EXPECT_EQ(app.folder.readBytes(QStringLiteral("c.csv")), before);
    EXPECT_TRUE(app.station().unsaved());
}

TEST(FileCommands, LinesBeyondTheTablesAreReported) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    std::vector<std::string> lines{"header"};
    for (int i = 1; i <= 502; ++i)
        lines.push_back("xxx| |P    |x" + std::to_string(i) + ";");
    const auto reference = readReferenceLines(app.folder.path(QStringLiteral("dxcc_adif.mtb")));
    app.folder.write(QStringLiteral("big.csv"), lines);
    app.dialogs.expectOpen(app.folder.path(QStringLiteral("big.csv")));
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), overflowMessage(LoadOverflow{2, 0}));
    app.dialogs.expectMessage(QStringLiteral("Uwaga"), missingQuestion(reference), Answer::No);
    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), QStringLiteral("SP9XYZ"));
    app.main().Otwrz1Click();
    EXPECT_EQ(app.main().grid().cache().highestIndex(), 500);
}

} // namespace
} // namespace zef
