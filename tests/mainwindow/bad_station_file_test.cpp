// SPDX-License-Identifier: GPL-3.0-or-later
// Spoilt station data files, loaded by Open and at start-up as a user would:
// the program loads what it can without hanging, and a save afterwards
// writes a file that reads back to the same tables.

#include "mainwindow/main_window.h"

#include "core/text.h"
#include "mainwindow/grid_widget.h"

#include "support/bad_input.h"
#include "support/cpu_time.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::referenceLine;
using test::TestProgram;

const QString kSaved = QStringLiteral("Dane zostały zapisane.");

// A station data file as a save writes it, with Polish letters, an entity
// that the reference file does not list, and one that it names differently.
std::vector<std::string> validStationLines() {
    std::vector<std::string> lines{
        "SP9XYZ  08.12.2026;Call-80m;Date-80m;QSL-80m;Weryf-80m;Call-40m;Date-40m;QSL-40m;"
        "Weryf-40m;Call-20m;Date-20m;QSL-20m;Weryf-20m;Call-15m;Date-15m;QSL-15m;Weryf-15m;"
        "Call-10m;Date-10m;QSL-10m;Weryf-10m",
        referenceLine(246, false, "1A0", "Military Order of Malta") +
            ";;;;;;;;;W1AW;2024-05-01;QSL;;;;;;;;;",
        referenceLine(2, true, "1B", "Abu Ail Is.") +
            ";SP1ŻÓŁ;2023-01-02;LoTW;2024-01-01;;;;;;;;;;;;;;;;",
        referenceLine(291, false, "K", "Stany Zjednoczone") + ";;;;;;;;;;;;;;;;;;;;",
        referenceLine(999, false, "ZZ9", "Wyspa Świętego Łukasza") +
            ";;;;;;;;;;;;;;;;;DL1A;2020-02-02;QSL;",
    };
    lines.push_back(std::string(43, '='));
    for (int z = 1; z <= 40; ++z)
        lines.push_back(
            "     |" + std::to_string(z) + (z < 10 ? "    " : "   ") + "|P" + std::to_string(z) +
            (z == 5 ? ";K1ABC;2021-01-30;QSL;;;;;;;;;;;;;;;;;" : ";;;;;;;;;;;;;;;;;;;;"));
    return lines;
}

// Bad inputs plus what only a station data file can hold: CR within its
// fields and at the end of the last one, and more than 20 ";" in a line.
std::vector<test::BadInput> badStationFiles() {
    auto inputs = test::badInputs(validStationLines(), 2);
    std::string crs;
    for (const auto& line : validStationLines())
        crs += test::cp(line) + "\r\r\n";
    crs.insert(crs.find("Malta") + 3, "\r");
    inputs.push_back({"CR within lines", crs});
    std::string semicolons;
    for (const auto& line : validStationLines())
        semicolons += test::cp(line) + ";;x;y\r\n";
    inputs.push_back({"more than 20 ';'", semicolons});
    auto longName = validStationLines();
    longName[3].insert(longName[3].find(';'), std::string(test::kLongLineBytes, 'n'));
    inputs.push_back({"10 MB name", test::cp(longName[0])});
    for (std::size_t i = 1; i < longName.size(); ++i)
        inputs.back().bytes += "\r\n" + test::cp(longName[i]);
    return inputs;
}

// Shows the main window and paints it, as the user would then see it.
void paint(TestProgram& app) {
    app.main().show();
    app.main().grab();
}

// Saves through the menu item `save`, as the user would. Afterwards the
// file `name` is sound; or, when a field read from the file holds a byte that
// would break its line (a NUL), the save was refused and the file is as it was.
void saveAndCheck(TestProgram& app, QAction& save, const QString& name,
                  const test::BadInput& input) {
    const QString path = app.folder.path(name);
    const std::string before = QFile::exists(path) ? app.folder.readBytes(name) : std::string();
    const bool refused = test::holdsUnwritableField(app.tables());
    if (!refused)
        app.dialogs.expectMessage(QStringLiteral("Informacja"), kSaved);
    QElapsedTimer clock;
    clock.start();
    save.trigger();
    test::expectNoHang(clock.elapsed(), "Save", input);
    if (!refused) {
        test::expectSoundStationFile(app.folder.readBytes(name), app.tables());
        return;
    }
    ASSERT_FALSE(app.dialogs.messages.empty());
    EXPECT_TRUE(app.dialogs.messages.back().text.contains(QStringLiteral("nie został zapisany")));
    EXPECT_EQ(QFile::exists(path) ? app.folder.readBytes(name) : std::string(), before);
}

// Save as to a fresh name.
void saveAsAndCheck(TestProgram& app, const test::BadInput& input) {
    if (!stationDataLoaded(app.tables()))
        return; // Save as does nothing without data
    const QString saved = QStringLiteral("zapisany.csv");
    QFile::remove(app.folder.path(saved));
    app.dialogs.expectSave(app.folder.path(saved));
    saveAndCheck(app, *test::control<QAction>(app.main(), "Zapiszjako1"), saved, input);
}

TEST(BadStationFile, OpenLoadsWhatItCanAndASaveWritesASoundFile) {
    for (const auto& input : badStationFiles()) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        app.startWithNewStation();
        app.folder.writeBytes(QStringLiteral("zly.csv"), input.bytes);
        // Whatever the bytes hold, the reconciliation's questions get Yes.
        app.dialogs.answerUnexpectedMessages(Answer::Yes);
        app.dialogs.expectOpen(app.folder.path(QStringLiteral("zly.csv")));
        QElapsedTimer clock;
        clock.start();
        test::control<QAction>(app.main(), "Otwrz1")->trigger();
        paint(app);
        test::expectNoHang(clock.elapsed(), "Open", input);
        test::reportMessages(app.dialogs.messages, "Open", input);
        test::expectStorableTables(app.tables());
        saveAsAndCheck(app, input);
    }
}

TEST(BadStationFile, StartUpLoadsWhatItCanAndSaveRewritesTheFileSoundly) {
    for (const auto& input : badStationFiles()) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        app.folder.writeBytes(QStringLiteral("zly.csv"), input.bytes);
        app.folder.write(QStringLiteral("zefirant.ini"),
                         {"[Konfiguracja]", "Znak=SP9XYZ",
                          "Plik=" + app.folder.path(QStringLiteral("zly.csv")).toStdString()});
        // The reconciliation's questions get No: the file's rows stay as read.
        app.dialogs.answerUnexpectedMessages(Answer::No);
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(app.start());
        paint(app);
        test::expectNoHang(clock.elapsed(), "start-up load", input);
        test::reportMessages(app.dialogs.messages, "start-up load", input);
        test::expectStorableTables(app.tables());
        if (!stationDataLoaded(app.tables()))
            continue; // nothing to save: Save does nothing
        saveAndCheck(app, *test::control<QAction>(app.main(), "Zapisz1"), QStringLiteral("zly.csv"),
                     input);
    }
}

// A field of megabytes is shown cut to what a screen can hold, so that the
// grid repaints as fast as with names of a normal length.
TEST(BadStationFile, AHugeFieldCostsARepaintNoMoreThanAShortOne) {
    TestProgram app;
    app.startWithNewStation();
    app.main().show();
    const auto fiveRepaints = [&app] {
        app.main().gridFill();
        return test::leastCpuTime([&app] {
            for (int i = 0; i < 5; ++i)
                app.main().grab();
        });
    };
    const auto shortTime = fiveRepaints();
    app.tables().entities[1][0] += std::string(test::kLongLineBytes, 'n');
    app.tables().entities[2][callSlot(0)] = std::string(test::kLongLineBytes, 'C');
    const auto hugeTime = fiveRepaints();
    // Laid out whole, a 10 MB field would cost seconds of each repaint.
    test::expectGrowthBelow(shortTime, hugeTime, 10, "five repaints, short then 10 MB fields");
    const QAbstractItemModel& cells =
        *test::control<GridWidget>(app.main(), "StringGrid1")->model();
    EXPECT_EQ(cells.data(cells.index(0, kNameColumn)).toString().size(), kShownCharacters);
}

} // namespace
} // namespace zef
