// SPDX-License-Identifier: GPL-3.0-or-later
// Spoilt entity and zone reference files met by New, by the reconciliation
// of Open, by the entity list editor and by the printout's line count: the
// program takes what it can without hanging, and nothing of the files can
// break the station data file that a save writes afterwards.

#include "core/reference_files.h"
#include "core/station_file.h"
#include "mainwindow/main_window.h"
#include "reference/entity_editor.h"

#include "support/bad_input.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::entityFileLine;
using test::TestProgram;

const QString kSaved = QStringLiteral("Dane zostały zapisane.");

std::vector<std::string> validEntityLines() {
    auto lines = test::sampleEntityFileLines();
    lines.push_back(entityFileLine(269, false, "SP", "Polska Zażółć gęślą"));
    return lines;
}

std::vector<std::string> validZoneLines() {
    std::vector<std::string> lines;
    for (int z = 1; z <= 40; ++z)
        lines.push_back(test::zoneFileLine(z, "SP, Łódź " + std::to_string(z)));
    return lines;
}

// Bad inputs plus lines that would split or end the station data file's
// lines if they reached a row as they stand.
std::vector<test::BadInput> badEntityFiles() {
    auto inputs = test::badInputs(validEntityLines(), 2);
    auto lines = validEntityLines();
    lines.insert(lines.begin() + 1, test::entityFileLine(12, false, "3A;X", "Monaco; Monte Carlo"));
    lines.insert(lines.begin() + 3,
                 "===" + test::entityFileLine(1, false, "ZZZ", "Separator look-alike").substr(3));
    lines.insert(lines.begin() + 4, "=====================================");
    inputs.push_back({"';' and '===' lines", test::crlf(lines)});
    // Lines that each name an entity, with a prefix after every other.
    std::string shortLines;
    while (shortLines.size() < test::kLongLineBytes)
        shortLines += "  1| |ZZZZZ|\r\n";
    inputs.push_back({"10 MB of short lines", shortLines});
    return inputs;
}

std::vector<test::BadInput> badZoneFiles() {
    auto inputs = test::badInputs(validZoneLines(), 4);
    auto lines = validZoneLines();
    lines[2] = "     |3    |JA;HL;BV";
    lines[6] = "===========================================";
    inputs.push_back({"';' and '===' lines", test::crlf(lines)});
    return inputs;
}

// Save as to a fresh name; the file written must be sound.
void saveAsAndCheck(TestProgram& app) {
    if (!stationDataLoaded(app.tables()))
        return;
    const QString saved = app.folder.path(QStringLiteral("zapisany.csv"));
    QFile::remove(saved);
    app.dialogs.expectSave(saved);
    app.dialogs.expectMessage(QStringLiteral("Informacja"), kSaved);
    app.main().Zapiszjako1Click();
    test::expectSoundStationFile(app.folder.readBytes(QStringLiteral("zapisany.csv")),
                                 app.tables());
}

void runNew(TestProgram& app, const test::BadInput& input, const std::string& what) {
    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), QStringLiteral("SP9XYZ"));
    QElapsedTimer clock;
    clock.start();
    app.main().Nowy1Click();
    app.main().show();
    app.main().grab();
    test::expectNoHang(clock.elapsed(), what, input);
    test::reportMessages(app.dialogs.messages, what, input);
}

TEST(BadReferenceFiles, NewTakesWhatTheEntityFileHolds) {
    for (const auto& input : badEntityFiles()) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        ASSERT_TRUE(app.start());
        app.folder.writeBytes(kEntityFileName, input.bytes);
        app.dialogs.answerUnexpectedMessages(Answer::Ok);
        runNew(app, input, "New, entity file");
        test::expectStorableTables(app.tables());
        saveAsAndCheck(app);
    }
}

TEST(BadReferenceFiles, NewTakesWhatTheZoneFileHolds) {
    for (const auto& input : badZoneFiles()) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        ASSERT_TRUE(app.start());
        app.folder.writeBytes(kZoneFileName, input.bytes);
        runNew(app, input, "New, zone file");
        EXPECT_TRUE(stationDataLoaded(app.tables()));
        test::expectStorableTables(app.tables());
        saveAsAndCheck(app);
    }
}

TEST(BadReferenceFiles, TheReconciliationTakesWhatTheEntityFileHolds) {
    for (const auto& input : badEntityFiles()) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        app.startWithNewStation();
        app.tables().entities[3][callSlot(2)] = "W1AW";
        const QString station = app.folder.path(QStringLiteral("stacja.csv"));
        app.dialogs.expectSave(station);
        app.dialogs.expectMessage(QStringLiteral("Informacja"), kSaved);
        app.main().Zapiszjako1Click();

        app.folder.writeBytes(kEntityFileName, input.bytes);
        // Both questions get Yes: missing lines are added, differing ones replace.
        app.dialogs.answerUnexpectedMessages(Answer::Yes);
        app.dialogs.expectOpen(station);
        QElapsedTimer clock;
        clock.start();
        app.main().Otwrz1Click();
        app.main().show();
        app.main().grab();
        test::expectNoHang(clock.elapsed(), "reconciliation", input);
        test::reportMessages(app.dialogs.messages, "reconciliation", input);
        test::expectStorableTables(app.tables());
        saveAsAndCheck(app);
    }
}

TEST(BadReferenceFiles, TheEntityEditorEditsAndAddsWhatTheFileHolds) {
    for (const auto& input : badEntityFiles()) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        app.startWithNewStation();
        app.folder.writeBytes(kEntityFileName, input.bytes);
        app.dialogs.answerUnexpectedMessages(Answer::Ok);
        QElapsedTimer clock;
        clock.start();
        app.dialogs.expectModal([&](QDialog& dialog) {
            auto& editor = static_cast<TFPodmioty&>(dialog);
            editor.show();
            editor.grab();
            test::expectNoHang(clock.elapsed(), "entity editor opened", input);
            const int lines = editor.ListBox1->count();
            // An edit of each of the first lines, as the file holds them.
            for (int row = 0; row < std::min(lines, 4); ++row) {
                editor.ListBox1->setCurrentRow(row);
                editor.ListBox1Click();
                editor.Button4Click();
            }
            // A new entity whose fields come from a line of the file.
            if (lines > 1) {
                editor.Button3Click();
                editor.ListBox1->setCurrentRow(1);
                editor.ListBox1Click();
                editor.Edit1->setText(QStringLiteral("998"));
                editor.Button4Click();
            }
            return 0;
        });
        test::control<QAction>(app.main(), "Zarzdzaniebazpodmiotw1")->trigger();
        test::expectNoHang(clock.elapsed(), "entity editor, 6 saves", input);
        test::reportMessages(app.dialogs.messages, "entity editor", input);
        test::expectStorableTables(app.tables());
        saveAsAndCheck(app);
    }
}

TEST(BadReferenceFiles, ThePrintoutCountsTheLinesOfAnyEntityFile) {
    for (const auto& input : badEntityFiles()) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        app.startWithNewStation();
        app.folder.writeBytes(kEntityFileName, input.bytes);
        const QString pdf = app.folder.path(QStringLiteral("wydruk.pdf"));
        app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                                QStringLiteral("Podaj znak:"), QStringLiteral("SP9XYZ"));
        app.dialogs.expectPrint([&pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        app.dialogs.expectMessage(QStringLiteral("Komunikat"),
                                  QStringLiteral("Dane zostały wysłane do drukarki!"));
        QElapsedTimer clock;
        clock.start();
        test::control<QAction>(app.main(), "Wydrukpodmiotw1")->trigger();
        test::expectNoHang(clock.elapsed(), "printout", input);
        test::reportMessages(app.dialogs.messages, "printout", input);
        EXPECT_TRUE(QFile::exists(pdf));
    }
}

// A line break pasted into the editor's name field would split the line of
// the file and of the station data file.
TEST(BadReferenceFiles, PastedLineBreaksNeverReachTheFiles) {
    TestProgram app;
    app.startWithNewStation();
    app.dialogs.expectModal([&](QDialog& dialog) {
        auto& editor = static_cast<TFPodmioty&>(dialog);
        editor.Button3Click();
        editor.Edit1->insert(QStringLiteral("998"));
        editor.Edit2->insert(QStringLiteral("ZZ\n9"));
        editor.Edit3->insert(QStringLiteral("Wyspa\r\nNowa;Stara"));
        app.dialogs.expectMessage(QStringLiteral("Informacja"),
                                  QStringLiteral("Podmiot został dodany do bazy!"));
        EXPECT_TRUE(editor.Button4Click());
        return 0;
    });
    test::control<QAction>(app.main(), "Zarzdzaniebazpodmiotw1")->trigger();
    const auto fileLines = app.folder.readUtf8Lines(kEntityFileName);
    EXPECT_EQ(fileLines.size(), test::sampleEntityFileLines().size() + 1);
    for (const auto& line : fileLines)
        EXPECT_EQ(line.size(), 37u) << line;
    test::expectStorableTables(app.tables());
    saveAsAndCheck(app);
}

} // namespace
} // namespace zef
