// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window as the menu opens it: it follows the station while
// open and saves what it shows.
#include "chart/chart_export.h"
#include "chart/progress_window.h"
#include "core/file_attributes.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestProgram;

TEST(ProgressWindow, OpensFromTheViewMenuFollowsTheStationAndSavesThePicture) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm1& main = app.main();
    test::control<QAction>(main, "Wykrespostpu1")->trigger(); // no station data: nothing to draw
    EXPECT_EQ(app.program().progress(), nullptr);
    app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                            QStringLiteral("Podaj swój znak:"), QStringLiteral("SP9XYZ"));
    main.Nowy1Click();

    // Last in the menu of the summary modes, after a separator.
    const QList<QAction*> items = test::control<QMenu>(main, "Widok1")->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items.back(), test::control<QAction>(main, "Wykrespostpu1"));
    EXPECT_EQ(test::control<QAction>(main, "Wykrespostpu1")->text(),
              QStringLiteral("Wykres postępu"));
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    EXPECT_EQ(items[items.size() - 3], test::control<QAction>(main, "bez_deleted_1"));

    test::control<QAction>(main, "Zestawieniepodmiotyzweryfikowane1")->trigger();
    test::control<QAction>(main, "Wykrespostpu1")->trigger();
    ProgressWindow* window = app.program().progress();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->mode(), SummaryMode::Verified); // as the summary counts
    EXPECT_TRUE(window->series().points.empty());

    // A data entry and a change of the whole tables reach the open window.
    app.tables().zones[5][verificationSlot(0)] = "2024-03-01"; // a store keeps it
    ASSERT_TRUE(app.station().changeSlot({true, 5, 0, {"K5ZZ", "2024-01-10", ""}}));
    ASSERT_EQ(window->series().points.size(), 1u);
    EXPECT_EQ(window->series().points[0].date, QDate(2024, 3, 1));
    EXPECT_EQ(window->series().points[0].total, 15);
    EXPECT_TRUE(window->undatedLabel->text().isEmpty());
    app.station().changeTables([](AwardTables& t) {
        t.entities[1][callSlot(2)] = "W1AW";
        t.entities[1][verificationSlot(2)] = "marzec";
    });
    EXPECT_EQ(window->series().points.back().total, 16);
    EXPECT_EQ(window->undatedLabel->text(), QStringLiteral("1 slot bez daty"));

    // A name without an extension is a PNG; one the chart cannot be is refused.
    app.dialogs.expectSave(app.folder.path(QStringLiteral("wykres")));
    window->saveButton->click();
    EXPECT_EQ(QImage(app.folder.path(QStringLiteral("wykres.png"))).size(), kChartFileSize);
    app.dialogs.expectSave(app.folder.path(QStringLiteral("wykres.jpg")));
    app.dialogs.expectMessage(QStringLiteral("Błąd"),
                              QStringLiteral("Wykres można zapisać jako obraz PNG lub SVG, "
                                             "dokument PDF albo dane CSV.\nPodaj nazwę pliku "
                                             "z jednym z tych rozszerzeń."));
    window->saveButton->click();
    EXPECT_FALSE(fileExists(app.folder.path(QStringLiteral("wykres.jpg"))));
}

} // namespace
} // namespace zef
