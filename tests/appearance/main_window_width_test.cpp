// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's width rule, the width correction dialog and the column
// drag that refits the window.
#include "appearance/width_correction_dialog.h"
#include "mainwindow/grid_widget.h"
#include "mainwindow/main_window.h"
#include "platform/status_panels.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>
#include <limits>

namespace zef {
namespace {

using test::TestProgram;

constexpr int kDesignedWidth = 636 + 36;

// Types into the correction field as the user would, character by character.
void typeCorrection(TFkorekcja& dialog, const QString& text) {
    QLineEdit* editor = dialog.SpinEdit1->findChild<QLineEdit*>();
    editor->selectAll();
    editor->del();
    for (QChar c : text)
        editor->insert(QString(c));
}

TEST(MainWindowWidth, FollowsTheColumnsWhateverWidthIsAsked) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm1& main = app.main();
    EXPECT_EQ(main.width(), kDesignedWidth);
    main.resize(900, 400);
    EXPECT_EQ(main.width(), kDesignedWidth);
    EXPECT_EQ(main.height(), 400);

    int width = 1000;
    int height = 450;
    EXPECT_TRUE(main.FormCanResize(width, height));
    EXPECT_EQ(width, kDesignedWidth);
    EXPECT_EQ(height, 450);
}

// A window manager that ignores the fixed width: the resize it makes is
// taken back to the allowed width at once.
TEST(MainWindowWidth, AResizeBeyondTheFixedWidthSnapsBack) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm1& main = app.main();
    main.show();
    main.setMinimumWidth(0);
    main.setMaximumWidth(QWIDGETSIZE_MAX);
    main.resize(900, 420);
    QApplication::processEvents();
    EXPECT_EQ(main.width(), kDesignedWidth);
    EXPECT_EQ(main.height(), 420);
    EXPECT_EQ(main.minimumWidth(), kDesignedWidth);
    EXPECT_EQ(main.maximumWidth(), kDesignedWidth);
    main.hide();
}

TEST(MainWindowWidth, CorrectionWidensAtOnceAndZeroWaitsForTheNextResize) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm1& main = app.main();
    TFkorekcja& dialog = app.program().widthCorrection();
    test::control<QAction>(main, "Korekcjaszerokocigwnegookna1")->trigger();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.SpinEdit1->value(), 0);

    dialog.SpinEdit1->setValue(10);
    EXPECT_EQ(app.state().widthCorrection, 10);
    EXPECT_EQ(main.width(), kDesignedWidth + 10);

    dialog.SpinEdit1->setValue(5);
    EXPECT_EQ(main.width(), kDesignedWidth + 5);
    dialog.SpinEdit1->setValue(0);
    EXPECT_EQ(app.state().widthCorrection, 0);
    EXPECT_EQ(main.width(), kDesignedWidth + 5);

    // The next resize, here the user's drag of the height, applies it.
    main.show();
    main.resize(main.width(), main.height() + 20);
    QApplication::processEvents();
    EXPECT_EQ(main.width(), kDesignedWidth);
    main.hide();
    dialog.Button1Click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(MainWindowWidth, TypedCorrectionsMayBeNegativeAndNonNumbersCountAsZero) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm1& main = app.main();
    TFkorekcja& dialog = app.program().widthCorrection();
    typeCorrection(dialog, QStringLiteral("-8"));
    EXPECT_EQ(app.state().widthCorrection, -8);
    EXPECT_EQ(main.width(), kDesignedWidth - 8);
    typeCorrection(dialog, QStringLiteral("-"));
    EXPECT_EQ(app.state().widthCorrection, 0);
    EXPECT_EQ(main.width(), kDesignedWidth - 8);

    // Extreme corrections keep the window within what a window can be.
    dialog.SpinEdit1->setValue(-5000);
    EXPECT_EQ(main.width(), 425);
    dialog.SpinEdit1->setValue(std::numeric_limits<int>::max());
    EXPECT_EQ(main.width(), (1 << 24) - 1);
}

TEST(MainWindowWidth, StatusPanelsAreLaidOutForTheWidthBeforeEachResize) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm1& main = app.main();
    main.requestSize(main.width(), 300);
    EXPECT_EQ(test::control<StatusPanels>(main, "StatusBar1")->panelWidth(3), kDesignedWidth / 4);
    EXPECT_EQ(test::control<StatusPanels>(main, "StatusBar2")->panelWidth(0),
              3 * (kDesignedWidth / 4));
    EXPECT_EQ(test::control<StatusPanels>(main, "StatusBar2")->panelWidth(1), kDesignedWidth / 8);

    app.state().widthCorrection = 10;
    main.requestSize(main.width() + 10, 300);
    EXPECT_EQ(main.width(), 682);
    EXPECT_EQ(test::control<StatusPanels>(main, "StatusBar1")->panelWidth(0), 168);
    main.requestSize(main.width(), 320);
    EXPECT_EQ(test::control<StatusPanels>(main, "StatusBar1")->panelWidth(0), 170);
    EXPECT_EQ(test::control<StatusPanels>(main, "StatusBar2")->panelWidth(2), 85);
}

TEST(MainWindowWidth, DraggingAColumnRefitsTheWindowOnMouseUp) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& main = app.main();
    app.state().widthCorrection = 4;
    test::control<GridWidget>(main, "StringGrid1")->setColumnWidth(3, 200);
    main.StringGrid1MouseUp();
    EXPECT_EQ(main.width(), kDesignedWidth + 33 + 4);
    main.StringGrid1MouseUp();
    EXPECT_EQ(main.width(), kDesignedWidth + 33 + 4);
}

TEST(MainWindowWidth, StoredCorrectionAppliesAtStartWhileTheFieldStartsAtZero) {
    TestProgram first;
    ASSERT_TRUE(first.start());
    first.program().widthCorrection().SpinEdit1->setValue(10);
    ASSERT_TRUE(first.main().FormCloseQuery());

    TestProgram second;
    second.folder.writeBytes(QStringLiteral("zefirant.ini"),
                             first.folder.readBytes(QStringLiteral("zefirant.ini")));
    ASSERT_TRUE(second.start());
    EXPECT_EQ(second.state().widthCorrection, 10);
    EXPECT_EQ(second.main().width(), kDesignedWidth + 10);
    EXPECT_EQ(second.program().widthCorrection().SpinEdit1->value(), 0);
}

} // namespace
} // namespace zef
