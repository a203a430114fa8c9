// SPDX-License-Identifier: GPL-3.0-or-later
// The about window and the help command.
#include "appearance/about_window.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestProgram;

TEST(AboutWindow, ShowsTheProgramsVersionAtEveryOpeningAndEnterCloses) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm5& about = app.program().about();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Informacja o programie"));
    for (int opening = 0; opening < 2; ++opening) {
        app.dialogs.expectModal([&](QDialog& shown) {
            shown.show();
            EXPECT_EQ(about.Label4->text(), QStringLiteral("Wersja 3.0.1"));
            EXPECT_EQ(shown.focusWidget(), about.Button2);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(shown.focusWidget(), &enter);
            EXPECT_FALSE(shown.isVisible());
            return shown.result();
        });
        test::control<QAction>(app.main(), "Oprogramie1")->trigger();
    }
    app.system.programVersion = Version{4, 2, 0, 9};
    about.FormActivate();
    EXPECT_EQ(about.Label4->text(), QStringLiteral("Wersja 4.2.0"));
}

void clickOn(QLabel* label) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &release);
}

TEST(AboutWindow, LinksOpenTheAuthorsMailAndWebPageUnderAPointingHand) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm5& about = app.program().about();
    clickOn(about.Label6);
    clickOn(about.Label9);
    ASSERT_EQ(app.system.opened.size(), 2u);
    EXPECT_EQ(app.system.opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(app.system.opened[0].path(), about.Label6->text());
    EXPECT_EQ(app.system.opened[1], QUrl(about.Label9->text()));
    EXPECT_EQ(about.Label6->toolTip(), QStringLiteral("Wyślij maila do autora"));
    for (QLabel* link : {about.Label6, about.Label9}) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST(AboutWindow, ShowsThePictureBesideTheProgramOrNoneWhenItCannotBeRead) {
    QFile delivered(QStringLiteral(ZEFIRANT_SOURCE_DIR "/data/zefirant.jpg"));
    ASSERT_TRUE(delivered.open(QIODevice::ReadOnly));
    const QByteArray picture = delivered.readAll();
    const QByteArray corrupt = picture.left(picture.size() / 2) + QByteArray(300, '\x55');
    struct Case {
        const char* name;
        std::optional<QByteArray> file;
        bool shown;
    };
    for (const Case& c : {Case{"delivered", picture, true}, Case{"corrupt", corrupt, false},
                          Case{"missing", std::nullopt, false}}) {
        SCOPED_TRACE(c.name);
        TestProgram app;
        if (c.file)
            app.folder.writeBytes(QStringLiteral("zefirant.jpg"), c.file->toStdString());
        ASSERT_TRUE(app.start());
        TForm5& about = app.program().about();
        EXPECT_EQ(!about.Image1->pixmap().isNull(), c.shown);
        app.dialogs.expectModal([](QDialog& shown) {
            shown.show();
            shown.hide();
            return 0;
        });
        test::control<QAction>(app.main(), "Oprogramie1")->trigger();
    }
}

TEST(HelpCommand, F1InTheGridAnswersThatThereIsNoHelpFileYet) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    app.dialogs.expectMessage(QStringLiteral("Plik pomocy"),
                              QStringLiteral("Pewnie kiedyś powstanie..."));
    EXPECT_TRUE(app.main().StringGrid1KeyDown(Qt::Key_F1, Qt::ShiftModifier));
    ASSERT_EQ(app.dialogs.messages.size(), 1u);
    EXPECT_EQ(app.dialogs.messages[0].icon, Icon::Information);
}

} // namespace
} // namespace zef
