// SPDX-License-Identifier: GPL-3.0-or-later
// The windows follow the station document by themselves: a change made
// through it reaches the summary window and the main window without any
// window calling another.
#include "core/station.h"
#include "core/summary_counts.h"
#include "mainwindow/main_window.h"
#include "platform/status_panels.h"
#include "summary/summary_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QCoreApplication>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestProgram;

void expectSummaryShows(TestProgram& app) {
    const SummaryTexts texts = summaryTexts(summaryCounts(app.tables(), app.summary().mode()));
    for (int r = 0; r < kSummaryGridRows; ++r)
        for (int c = 0; c < kSummaryColumns; ++c)
            EXPECT_EQ(app.summary().StringGrid1->item(r, c)->text(), texts.bandGrid[r][c])
                << r << "," << c;
}

TEST(StationNotifications, EveryChangeReachesTheWindowsThatShowIt) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    expectSummaryShows(app); // a first start: every counted cell a number
    app.startWithNewStation();

    // Any change of the tables: the summary counts again and the grid fills again.
    app.station().changeTables([](AwardTables& t) {
        t.entities[1][callSlot(0)] = "W1AW";
        t.entities[1][qsoDateSlot(0)] = "2024-01-01";
        t.entities[1][confirmationSlot(0)] = "QSL";
        t.entities[1][verificationSlot(0)] = "2024-02-02";
    });
    expectSummaryShows(app);
    EXPECT_EQ(app.main().grid().counters().verifiedAll, 1);

    // One slot, as the data entry stores it: the counts follow, the grid keeps its rows.
    const int rows = app.main().grid().model().lastRow();
    ASSERT_TRUE(app.station().changeSlot({true, 5, 0, {"K5ZZ", "", ""}}));
    expectSummaryShows(app);
    EXPECT_EQ(app.main().grid().model().lastRow(), rows);

    // The unsaved flag and the path show in the lower status bar.
    app.station().setUnsaved(true, true);
    EXPECT_EQ(test::control<StatusPanels>(app.main(), "StatusBar2")->panelText(1),
              QStringLiteral("   Modyfikacja"));
    app.station().setUnsaved(false);
    EXPECT_EQ(test::control<StatusPanels>(app.main(), "StatusBar2")->panelText(1), QString());
    app.station().setPath(QStringLiteral("/dane/stacja.csv"));
    EXPECT_EQ(test::control<StatusPanels>(app.main(), "StatusBar2")->panelText(0),
              QStringLiteral("/dane/stacja.csv"));

    // Nothing brings the summary window back, so the window manager cannot close it.
    app.summary().show();
    EXPECT_FALSE(app.summary().close());
}

// Iconified by a window manager all the same, the summary comes back at
// once; iconified together with the main window, it comes back with it.
TEST(StationNotifications, TheSummaryComesBackWithTheMainWindow) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm20& summary = app.summary();
    app.main().show();
    summary.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(summary.isMinimized());

    app.main().setWindowState(Qt::WindowMinimized);
    summary.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(summary.isMinimized());
    app.main().setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(summary.isMinimized());
}

} // namespace
} // namespace zef
