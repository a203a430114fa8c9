// SPDX-License-Identifier: GPL-3.0-or-later
// The entity grid as the main window drives it: header clicks, views and
// their menu items, the keys, and the search dialog.
#include "mainwindow/main_window.h"

#include "mainwindow/grid_widget.h"
#include "mainwindow/search_dialog.h"
#include "platform/status_panels.h"
#include "support/main_window_controls.h"
#include "support/test_folder.h"
#include "support/test_program.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestProgram;

const QString kNothingToShow = QStringLiteral("Brak elementów do wyświetlenia!");

TEST(GridWindow, HeaderClicksSetDirectionAndThePrefixPrompt) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    m.StringGrid1MouseDown(Qt::LeftButton, 0, 2);
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar2")->panelText(2),
              QStringLiteral("  Malejąco"));
    EXPECT_FALSE(test::control<QLabel>(m, "Label1")->isEnabled());
    EXPECT_EQ(m.grid().model().cell(2, 1), "ZA");
    m.StringGrid1MouseDown(Qt::LeftButton, 0, 2);
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar2")->panelText(2),
              QStringLiteral("  Rosnąco"));
    EXPECT_TRUE(test::control<QLabel>(m, "Label1")->isEnabled());
    m.StringGrid1MouseDown(Qt::LeftButton, 0, 3);
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar2")->panelText(2),
              QStringLiteral("  Rosnąco"));
    EXPECT_EQ(m.grid().model().cell(3, 1), "Abu Ail Is.");
}

TEST(GridWindow, EmptyViewSaysSoAndKeepsItsMenuItem) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    app.dialogs.expectMessage(QStringLiteral("Informacja"), kNothingToShow);
    test::control<QAction>(m, "Podmiotyzweryfikowane1")->trigger();
    EXPECT_TRUE(test::control<QAction>(m, "Podmiotyzweryfikowane1")->isChecked());
    EXPECT_EQ(test::control<QLabel>(m, "Label5")->text(), QStringLiteral("Zweryfikowane"));
    EXPECT_EQ(app.dialogs.messages.back().icon, Icon::Warning);
}

TEST(GridWindow, ViewItemsDoNothingWithoutData) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm1& m = app.main();
    test::control<QAction>(m, "Podmiotydoweryfikacji1")->trigger();
    test::control<QAction>(m, "bez_deleted_1")->trigger();
    test::control<QAction>(m, "Zestawieniepodmiotyzweryfikowane1")->trigger();
    EXPECT_TRUE(test::control<QAction>(m, "Wszystkiepodmioty1")->isChecked());
    EXPECT_FALSE(test::control<QAction>(m, "Podmiotydoweryfikacji1")->isChecked());
    EXPECT_FALSE(test::control<QAction>(m, "bez_deleted_1")->isChecked());
    EXPECT_TRUE(test::control<QAction>(m, "Zestawieniewszystkiepodmioty1")->isChecked());
}

TEST(GridWindow, HidingDeletedEntitiesFromTheMenu) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    test::control<QAction>(m, "bez_deleted_1")->trigger();
    EXPECT_TRUE(test::control<QAction>(m, "bez_deleted_1")->isChecked());
    EXPECT_EQ(m.grid().model().rowCount(), 6);    // one of six is deleted
    m.StringGrid1MouseDown(Qt::LeftButton, 0, 1); // "D" cannot be sorted now
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar2")->panelText(2),
              QStringLiteral("  Rosnąco"));
    EXPECT_EQ(m.grid().sortColumn(), 2);
}

TEST(GridWindow, TypedPrefixMovesTheSelection) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    EXPECT_TRUE(m.StringGrid1KeyPress(u's'));
    EXPECT_TRUE(m.StringGrid1KeyPress(u'p'));
    EXPECT_EQ(test::control<QLabel>(m, "Label3")->text(), QStringLiteral("SP"));
    EXPECT_EQ(test::control<QLabel>(m, "Label1")->text(),
              QStringLiteral("ESC - szukanie następnego podmiotu"));
    EXPECT_EQ(m.grid().model().cell(2, m.grid().model().currentRow()), "SP");
    EXPECT_TRUE(m.StringGrid1KeyPress(QChar(27)));
    EXPECT_EQ(test::control<QLabel>(m, "Label1")->text(),
              QStringLiteral("Wprowadź prefiks szukanego podmiotu"));
}

// What the user does to the grid widget itself: a letter while sorted by
// another column moves nothing; a press below the last row is no header click.
TEST(GridWindow, LettersAndPressesTheGridDoesNotTakeDoNothing) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    m.show();
    m.StringGrid1MouseDown(Qt::LeftButton, 0, 3); // sorted by name
    const int row = m.grid().model().currentRow();
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier, QStringLiteral("p"));
    QApplication::sendEvent(test::control<GridWidget>(m, "StringGrid1"), &letter);
    EXPECT_EQ(m.grid().model().currentRow(), row);
    EXPECT_EQ(test::control<QLabel>(m, "Label3")->text(), QString());

    QWidget* space = test::control<GridWidget>(m, "StringGrid1")->viewport();
    const QPointF below(5, space->height() - 2);
    ASSERT_LT(test::control<GridWidget>(m, "StringGrid1")->rowAt(static_cast<int>(below.y())), 0);
    QMouseEvent press(QEvent::MouseButtonPress, below, space->mapToGlobal(below), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(space, &press);
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar2")->panelText(2),
              QStringLiteral("  Rosnąco"));
    EXPECT_EQ(m.grid().sortColumn(), 3);
}

// The band/zone selector is blue while usable and grey while disabled.
TEST(GridWindow, TheSelectorLooksDisabledWhenItIs) {
    TestProgram app;
    ASSERT_TRUE(app.start()); // no station data: the selector is disabled
    const QPalette& palette = test::control<QComboBox>(app.main(), "ComboBox1")->palette();
    EXPECT_FALSE(test::control<QComboBox>(app.main(), "ComboBox1")->isEnabled());
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::ButtonText), QColor(0, 84, 227));
    EXPECT_NE(palette.color(QPalette::Disabled, QPalette::ButtonText), QColor(0, 84, 227));
}

// "Usuniete=1" of the settings hides the deleted entities at start-up and is
// written back as it stands.
TEST(GridWindow, HidingDeletedEntitiesIsRestoredFromTheSettings) {
    TestProgram app;
    app.folder.write(QStringLiteral("zefirant.ini"), {"[Wyswietlanie]", "Usuniete=1"});
    app.startWithNewStation();
    TForm1& m = app.main();
    EXPECT_TRUE(m.grid().hideDeleted());
    EXPECT_TRUE(test::control<QAction>(m, "bez_deleted_1")->isChecked());
    EXPECT_TRUE(m.FormCloseQuery());
    EXPECT_TRUE(m.settingsFile().readBool("Wyswietlanie", "Usuniete", false));
}

TEST(GridWindow, HelpKeyAndSearchKey) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    app.dialogs.expectMessage(QStringLiteral("Plik pomocy"),
                              QStringLiteral("Pewnie kiedyś powstanie..."));
    EXPECT_TRUE(m.StringGrid1KeyDown(Qt::Key_F1, Qt::ShiftModifier));

    test::control<QAction>(m, "Podmiotyniepotwierdzone1")->trigger();
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"),
                              QStringLiteral("Szukanie odbywa się tylko w wyświetlanych "
                                             "podmiotach.\nNie jest ustawione wyświetlanie "
                                             "wszystkich podmiotów !"));
    EXPECT_TRUE(m.StringGrid1KeyDown(Qt::Key_F, Qt::ControlModifier));
    EXPECT_TRUE(app.main().findChild<TForm3*>()->isVisible());
    EXPECT_FALSE(m.StringGrid1KeyDown(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier));
}

TEST(GridWindow, SearchDialogFindsThenFinishes) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    m.Szukanie1Click();
    TForm3& search = *app.main().findChild<TForm3*>();
    search.Edit1->setText(QStringLiteral("AN")); // found in lower-case names too
    search.Button1Click();
    EXPECT_EQ(m.grid().model().cell(3, m.grid().model().highlightedRow()), "Poland");
    search.Button1Click();
    EXPECT_EQ(m.grid().model().cell(3, m.grid().model().highlightedRow()), "Albania");
    app.dialogs.expectMessage(QStringLiteral("Informacja"), QStringLiteral("Szukanie zakończone!"));
    search.Button1Click();

    search.Edit1->setText(QStringLiteral("xyz"));
    app.dialogs.expectMessage(QStringLiteral("Informacja"),
                              QStringLiteral("Nie znaleziono podmiotu!"));
    search.Button1Click();
    EXPECT_TRUE(search.Edit1KeyPress(Qt::Key_Escape)); // a filled field is cleared
    EXPECT_TRUE(search.Edit1->text().isEmpty());
    EXPECT_TRUE(search.Edit1KeyPress(Qt::Key_Escape)); // an empty one closes
    EXPECT_FALSE(search.isVisible());
}

// A zone's example prefixes cut by their cell show whole as its tooltip; a
// text that fits its cell has none.
TEST(GridWindow, ACutCellShowsItsWholeTextAsATooltip) {
    TestProgram app;
    app.startWithNewStation();
    const std::string prefixes = "W0 W5 W8 W9 VE3 VE6 VE7 VE8 XE1 XE2 KL7 KH6 VY1 VO1 VO2";
    app.tables().zones[4][0] = test::zoneFileLine(4, prefixes);
    TForm1& m = app.main();
    test::control<QComboBox>(m, "ComboBox1")->setCurrentIndex(5);
    m.ComboBox1Change();
    m.show();
    QApplication::processEvents();
    ASSERT_EQ(m.grid().model().cell(kNameColumn, 4), prefixes);

    struct Case {
        int row;
        int column;
        QString toolTip; // empty: none
    };
    for (const Case& c : {Case{4, kPrefixColumn, {}}, Case{3, kNameColumn, {}},
                          Case{4, kNameColumn, QString::fromStdString(prefixes)}}) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " column " << c.column);
        QWidget* cells = test::control<GridWidget>(m, "StringGrid1")->viewport();
        const QPoint at = test::control<GridWidget>(m, "StringGrid1")
                              ->visualRect(test::control<GridWidget>(m, "StringGrid1")
                                               ->model()
                                               ->index(c.row - 1, c.column))
                              .center();
        QHelpEvent help(QEvent::ToolTip, at, cells->mapToGlobal(at));
        QApplication::sendEvent(cells, &help);
        EXPECT_EQ(help.isAccepted(), !c.toolTip.isEmpty());
        if (!c.toolTip.isEmpty()) {
            EXPECT_EQ(QToolTip::text(), c.toolTip);
        }
    }
}

} // namespace
} // namespace zef
