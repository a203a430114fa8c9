// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt message box with the texts a damaged file can bring into a question.
#include "platform/message_dialog.h"
#include "platform/qt_dialogs.h"
#include "support/cpu_time.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace zef {
namespace {

TEST(MessageBox, TheProgramsTextsAreShownAsTheyAre) {
    QString question = QStringLiteral("Poniższe podmioty we wczytywanym pliku mają inne dane:\n\n");
    for (int i = 0; i < 500; ++i)
        question += QStringLiteral("Wzorzec:\t\t246\t \t1A0  \tMilitary Order of Malta\n"
                                   "Plik:\t\t246\t \t1A   \tOld Malta\n\n");
    question += QStringLiteral("\nZaktualizować dane tych podmiotów?");
    EXPECT_EQ(boundedMessageText(question), question);
    EXPECT_EQ(boundedMessageText(QString()), QString());
    EXPECT_EQ(boundedMessageText(QStringLiteral("a\n")), QStringLiteral("a\n"));
}

TEST(MessageBox, LinesOfADamagedFileAreCut) {
    const QString longLine = boundedMessageText(QStringLiteral("Plik:\t") + QString(5000, u'x'));
    EXPECT_EQ(longLine.size(), 1001);
    EXPECT_TRUE(longLine.endsWith(QChar(0x2026)));

    QString manyLines;
    for (int i = 0; i < 100'000; ++i)
        manyLines += QStringLiteral("  1| |ZZZZZ\n");
    const QString shown = boundedMessageText(manyLines);
    EXPECT_EQ(shown.count(u'\n'), 2000);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_LE(
        boundedMessageText(QString(2000, u'x') + (QString(999, u'y') + u'\n').repeated(500)).size(),
        101'001);
}

// The question is shown, laid out and answered at once, whatever it lists.
TEST(MessageBox, ATenMegabyteQuestionIsAnsweredAtOnce) {
    const auto question = [](qsizetype megabytes) {
        return QStringLiteral("Poniższe podmioty nie wystepują we wczytywanym pliku:\n\n") +
               QString(megabytes * 1'000'000, u'n') + QStringLiteral("\n") +
               QStringLiteral("x\n").repeated(megabytes * 100'000);
    };
    QtDialogs dialogs;
    const auto answered = [&dialogs](const QString& text) {
        return test::leastCpuTime([&] {
            QTimer::singleShot(0, [] {
                if (QWidget* box = QApplication::activeModalWidget())
                    box->close();
            });
            dialogs.messageBox(text, QStringLiteral("Uwaga"), Buttons::YesNo, Icon::Warning, false);
        });
    };
    const auto oneMegabyte = answered(question(1));
    const auto tenMegabytes = answered(question(10));
    // The box lays out a bounded part: ten times the question is far from ten
    // times the work.
    test::expectGrowthBelow(oneMegabyte, tenMegabytes, 4, "1 MB question, then 10 MB");
}

// A question that lists hundreds of entities scrolls, its lines as given,
// and its buttons stay on the screen.
TEST(MessageBox, ALongListScrollsWithTheButtonsOnTheScreen) {
    QString question = QStringLiteral("Poniższe podmioty nie wystepują we wczytywanym pliku:\n\n");
    for (int i = 0; i < 400; ++i)
        question += QStringLiteral("%1| |ZZ%1  |Entity with a rather long name number %1\n").arg(i);
    question += QStringLiteral("\nDodać te podmioty do pliku?");
    MessageDialog box(question, QStringLiteral("Uwaga"), Buttons::YesNo, Icon::Warning, false,
                      nullptr);
    box.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(box.height(), screen.height());
    EXPECT_LE(box.width(), screen.width());
    const auto* text = box.findChild<QLabel*>(QStringLiteral("messageText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), question);
    EXPECT_FALSE(text->wordWrap());
    for (const QPushButton* button : box.findChildren<QPushButton*>())
        EXPECT_TRUE(box.rect().contains(QRect(button->mapTo(&box, QPoint()), button->size())));
    box.close();
    EXPECT_EQ(box.answer(), Answer::No);
}

} // namespace
} // namespace zef
