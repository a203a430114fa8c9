// SPDX-License-Identifier: GPL-3.0-or-later
// The colour, font and row height commands of the main window.
#include "appearance/row_height_dialog.h"
#include "core/profile_file.h"
#include "mainwindow/grid_widget.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestProgram;

const QString kSettingsFile = QStringLiteral("zefirant.ini");

// Closes the first run (which writes the settings) and starts a second run
// in a fresh folder that holds the same settings file.
void restart(TestProgram& first, TestProgram& second) {
    ASSERT_TRUE(first.main().FormCloseQuery());
    second.folder.writeBytes(kSettingsFile, first.folder.readBytes(kSettingsFile));
    ASSERT_TRUE(second.start());
}

TEST(RowColours, CancelKeepsTheColourAndTheDialogOffersTheOneInUse) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    app.dialogs.expectColour(std::nullopt);
    test::control<QAction>(app.main(), "Kolortadlapodmiotwpotwierdzonych1")->trigger();
    EXPECT_EQ(app.dialogs.lastColourInitial, QColor(255, 213, 170));
    EXPECT_EQ(app.state().colours.confirmed, 11195903u);

    app.dialogs.expectColour(std::nullopt);
    test::control<QAction>(app.main(), "Kolortadlapodmiotwzweryfikowanych1")->trigger();
    EXPECT_EQ(app.dialogs.lastColourInitial, QColor(196, 255, 196));
    app.dialogs.expectColour(std::nullopt);
    test::control<QAction>(app.main(), "Kolortadlapodmiotwpozostaych1")->trigger();
    EXPECT_EQ(app.dialogs.lastColourInitial, QColor(255, 255, 255));
    EXPECT_EQ(app.state().colours.verified, RowColours{}.verified);
    EXPECT_EQ(app.state().colours.other, RowColours{}.other);
}

TEST(RowColours, EachCommandSetsItsOwnKindAndTheChoiceSurvivesARestart) {
    TestProgram first;
    ASSERT_TRUE(first.start());
    first.dialogs.expectColour(QColor(10, 20, 30));
    test::control<QAction>(first.main(), "Kolortadlapodmiotwusunitych1")->trigger();
    EXPECT_EQ(first.state().colours.deleted, 0x1E140Au);
    EXPECT_EQ(first.state().colours.confirmed, RowColours{}.confirmed);

    first.dialogs.expectColour(QColor(1, 2, 3));
    test::control<QAction>(first.main(), "Kolortadlapodmiotwpotwierdzonych1")->trigger();
    first.dialogs.expectColour(std::nullopt);
    test::control<QAction>(first.main(), "Kolortadlapodmiotwusunitych1")->trigger();
    EXPECT_EQ(first.dialogs.lastColourInitial, QColor(10, 20, 30));

    TestProgram second;
    ASSERT_NO_FATAL_FAILURE(restart(first, second));
    EXPECT_EQ(
        ProfileFile(second.folder.path(kSettingsFile)).readInt("Tabela", "Kolor usunietych", 0),
        0x1E140A);
    EXPECT_EQ(second.state().colours.deleted, 0x1E140Au);
    EXPECT_EQ(second.state().colours.confirmed, 0x030201u);
    EXPECT_EQ(second.state().colours.verified, RowColours{}.verified);
}

QFont chosenFont(const QString& family, int points, bool bold, bool italic) {
    QFont font(family);
    font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

TEST(GridFont, CancelChangesNothingAndTheFirstProposalIsAFixedFontOf8PointsRegular) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    GridWidget& grid = *test::control<GridWidget>(app.main(), "StringGrid1");
    const QFont before = grid.font();
    app.dialogs.expectFont(std::nullopt);
    test::control<QAction>(app.main(), "Czcionka1")->trigger();

    const QFont& proposed = app.dialogs.lastFontInitial;
    EXPECT_NE(proposed.family(), before.family());
    EXPECT_EQ(proposed.pointSize(), 8);
    EXPECT_FALSE(proposed.bold());
    EXPECT_FALSE(proposed.italic());
    // A family the dialog lists, with characters all of one width.
    EXPECT_TRUE(QFontDatabase::hasFamily(proposed.family())) << proposed.family().toStdString();
    const QFontMetrics metrics(proposed);
    EXPECT_EQ(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'W'));
    EXPECT_EQ(grid.font(), before);

    // A cancelled dialog leaves the next proposal as it was.
    app.dialogs.expectFont(std::nullopt);
    test::control<QAction>(app.main(), "Czcionka1")->trigger();
    EXPECT_EQ(app.dialogs.lastFontInitial, proposed);
}

TEST(GridFont, TheGridTakesTheChoiceWholeAndTheNextProposalKeepsItsSizeAndStyle) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    GridWidget& grid = *test::control<GridWidget>(app.main(), "StringGrid1");
    const QFont choice = chosenFont(QStringLiteral("Liberation Serif"), 12, true, true);
    app.dialogs.expectFont(choice);
    test::control<QAction>(app.main(), "Czcionka1")->trigger();
    EXPECT_EQ(grid.font(), choice);
    EXPECT_EQ(grid.defaultRowHeight(), 21);

    app.dialogs.expectFont(std::nullopt);
    test::control<QAction>(app.main(), "Czcionka1")->trigger();
    const QFont& proposed = app.dialogs.lastFontInitial;
    EXPECT_NE(proposed.family(), choice.family());
    EXPECT_EQ(proposed.pointSize(), 12);
    EXPECT_TRUE(proposed.bold());
    EXPECT_TRUE(proposed.italic());
    EXPECT_EQ(grid.font(), choice);
}

// The dialog selects the style by its name alone, and a family may list
// "Oblique" before its upright style: the name must be the wanted one.
TEST(GridFont, TheProposedStyleNameIsTheFamilysStyleOfTheWantedWeightAndSlant) {
    struct Case {
        std::optional<QFont> previous;
        int weight;
        bool slanted;
    };
    const QString mono = QStringLiteral("Liberation Mono");
    for (const Case& c : {Case{std::nullopt, QFont::Normal, false},
                          Case{chosenFont(mono, 10, false, true), QFont::Normal, true},
                          Case{chosenFont(mono, 10, true, false), QFont::Bold, false},
                          Case{chosenFont(mono, 10, true, true), QFont::Bold, true}}) {
        SCOPED_TRACE(c.previous ? c.previous->toString().toStdString() : "first use");
        TestProgram app;
        ASSERT_TRUE(app.start());
        if (c.previous) {
            app.dialogs.expectFont(c.previous);
            test::control<QAction>(app.main(), "Czcionka1")->trigger();
        }
        app.dialogs.expectFont(std::nullopt);
        test::control<QAction>(app.main(), "Czcionka1")->trigger();

        const QFont& proposed = app.dialogs.lastFontInitial;
        const QString family = proposed.family();
        ASSERT_TRUE(QFontDatabase::styles(family).contains(proposed.styleName()))
            << family.toStdString() << " " << proposed.styleName().toStdString();
        const QFont style = QFontDatabase::font(family, proposed.styleName(), 8);
        EXPECT_EQ(style.weight(), c.weight) << proposed.styleName().toStdString();
        EXPECT_EQ(style.style() != QFont::StyleNormal, c.slanted)
            << proposed.styleName().toStdString();
    }
}

// Only name, size and bold reach the settings file: italic lasts for the run.
TEST(GridFont, ARestartKeepsNameSizeAndBoldButNotItalic) {
    struct Case {
        bool bold;
        bool italic;
        bool boldAfterRestart;
    };
    for (const Case c : {Case{true, false, true}, Case{false, true, false}, Case{true, true, false},
                         Case{false, false, false}}) {
        SCOPED_TRACE(testing::Message() << "bold " << c.bold << " italic " << c.italic);
        TestProgram first;
        ASSERT_TRUE(first.start());
        first.dialogs.expectFont(
            chosenFont(QStringLiteral("Liberation Mono"), 11, c.bold, c.italic));
        test::control<QAction>(first.main(), "Czcionka1")->trigger();
        EXPECT_EQ(test::control<GridWidget>(first.main(), "StringGrid1")->font().italic(),
                  c.italic);

        TestProgram second;
        ASSERT_NO_FATAL_FAILURE(restart(first, second));
        const QFont restored = test::control<GridWidget>(second.main(), "StringGrid1")->font();
        EXPECT_EQ(restored.family(), QStringLiteral("Liberation Mono"));
        EXPECT_EQ(restored.pointSize(), 11);
        EXPECT_EQ(restored.bold(), c.boldAfterRestart);
        EXPECT_FALSE(restored.italic());
    }
}

void press(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

TEST(RowHeight, StepsByOneWithin1To99AndIgnoresTyping) {
    TestProgram app;
    app.startWithNewStation();
    GridWidget& grid = *test::control<GridWidget>(app.main(), "StringGrid1");
    app.dialogs.expectModal([&](QDialog& shown) {
        auto& dialog = static_cast<TFwysokosc_wierszy&>(shown);
        QSpinBox* field = dialog.SpinEdit1;
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("Wysokość wierszy"));
        EXPECT_EQ(field->value(), 21);
        dialog.show();
        EXPECT_EQ(dialog.focusWidget(), dialog.Button1);

        press(field, Qt::Key_Up);
        EXPECT_EQ(field->value(), 22);
        EXPECT_EQ(grid.defaultRowHeight(), 22);
        EXPECT_EQ(grid.rowHeight(0), 22);
        for (auto [key, text] :
             {std::pair{Qt::Key_5, QStringLiteral("5")}, std::pair{Qt::Key_Delete, QString()},
              std::pair{Qt::Key_Backspace, QString()}, std::pair{Qt::Key_PageUp, QString()}})
            press(field, key, text);
        EXPECT_EQ(field->text(), QStringLiteral("22"));
        EXPECT_EQ(grid.defaultRowHeight(), 22);

        field->setValue(99);
        press(field, Qt::Key_Up);
        EXPECT_EQ(grid.defaultRowHeight(), 99);
        field->setValue(1);
        press(field, Qt::Key_Down);
        EXPECT_EQ(grid.defaultRowHeight(), 1);
        press(field, Qt::Key_Up);
        dialog.Button1Click();
        return dialog.result();
    });
    test::control<QAction>(app.main(), "Wysoko1")->trigger();
    EXPECT_EQ(grid.defaultRowHeight(), 2);
}

TEST(RowHeight, AHeightBeyondTheBoundsOpensAt99) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    test::control<GridWidget>(app.main(), "StringGrid1")->setDefaultRowHeight(150);
    app.dialogs.expectModal([](QDialog& shown) {
        EXPECT_EQ(static_cast<TFwysokosc_wierszy&>(shown).SpinEdit1->value(), 99);
        return 0;
    });
    test::control<QAction>(app.main(), "Wysoko1")->trigger();
}

} // namespace
} // namespace zef
