// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/verification_dialog.h"

#include "editing/editing_fixture.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::EditingProgram;

const QString kQuestion =
    QStringLiteral("Weryfikacja spowoduje przesunięcie nowych podmiotów/sterf\n"
                   "do grupy podmiotów/stref zweryfikowanych. \n\nCzy kontynuowac?");

TForm4& form4(EditingProgram& app) {
    return app.program().verification();
}

TEST(VerificationMarking, NothingWaitingIsRefused) {
    EditingProgram app;
    app.startWithNewStation();
    app.putEntry("K", "W1AW", "2006-06-06");
    app.entityRow("K")[verificationSlot(0)] = "2006-07-07";
    app.dialogs.expectMessage(QStringLiteral("Błąd"),
                              QStringLiteral("Brak danych do weryfikacji!"));
    test::control<QAction>(app.main(), "Weryfikacjadanych1")->trigger();
    EXPECT_FALSE(form4(app).isVisible());
}

TEST(VerificationMarking, NoIsTheDefaultAnswerAndChangesNothing) {
    EditingProgram app;
    app.startWithNewStation();
    app.putEntry("K", "W1AW", "2006-06-06");
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), kQuestion, Answer::No);
    test::control<QAction>(app.main(), "Weryfikacjadanych1")->trigger();
    ASSERT_EQ(app.dialogs.messages.size(), 1u);
    EXPECT_TRUE(app.dialogs.messages[0].defaultNo);
    EXPECT_EQ(app.dialogs.messages[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(form4(app).isVisible());
}

TEST(VerificationMarking, OkStampsTheWaitingSlotsAndMarksTheDataModified) {
    EditingProgram app;
    app.startWithNewStation();
    app.entityRow("SP")[callSlot(2)] = "SP1AA";
    app.entityRow("EA")[callSlot(2)] = "EA1AA";
    app.entityRow("ZA")[callSlot(2)] = "ZA1AA";
    app.entityRow("ZA")[verificationSlot(2)] = "2001-01-01";
    app.tables().zones[15][callSlot(0)] = "I1AA";
    app.main().gridFill();
    app.station().setUnsaved(false);
    app.system.date = QDate(2008, 11, 7);
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), kQuestion, Answer::Yes);
    test::control<QAction>(app.main(), "Weryfikacjadanych1")->trigger();
    TForm4& dialog = form4(app);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("2008-11-07"));

    dialog.Edit1->setText(QStringLiteral("2008-11-07 (poczta)"));
    dialog.Button1Click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(app.entityRow("SP")[verificationSlot(2)], "2008-11-07");
    EXPECT_EQ(app.entityRow("EA")[verificationSlot(2)], "2008-11-07");
    EXPECT_EQ(app.entityRow("ZA")[verificationSlot(2)], "2001-01-01");
    EXPECT_EQ(app.tables().zones[15][verificationSlot(0)], "2008-11-07");
    EXPECT_TRUE(app.station().unsaved());
    EXPECT_EQ(app.modifiedPanel(), QStringLiteral("Modyfikacja"));
    EXPECT_EQ(app.summaryPanel(1), QStringLiteral("Do weryfikacji: 0"));

    // The fill that followed shows the marks on the 20 m view.
    test::control<QComboBox>(app.main(), "ComboBox1")->setCurrentIndex(2);
    app.main().ComboBox1Change();
    EXPECT_EQ(app.panel(2), QStringLiteral("Do weryfikacji:  0/0"));
    EXPECT_EQ(app.panel(1), QStringLiteral("Zweryfikowane:   3/3"));
}

TEST(VerificationMarking, EnterInTheDateBoxRunsOkAndCancelChangesNothing) {
    EditingProgram app;
    app.startWithNewStation();
    app.putEntry("K", "W1AW", "2006-06-06");
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), kQuestion, Answer::Yes);
    test::control<QAction>(app.main(), "Weryfikacjadanych1")->trigger();
    form4(app).Button2Click();
    EXPECT_FALSE(form4(app).isVisible());
    EXPECT_EQ(app.entityRow("K")[verificationSlot(0)], "");

    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), kQuestion, Answer::Yes);
    test::control<QAction>(app.main(), "Weryfikacjadanych1")->trigger();
    form4(app).Edit1->clear();
    test::typeInto(form4(app).Edit1, QStringLiteral("2009;01"));
    EXPECT_TRUE(form4(app).Edit1KeyPress(Qt::Key_Return));
    // The separator of the data file never reaches a date.
    EXPECT_EQ(app.entityRow("K")[verificationSlot(0)], "200901    ");
}

} // namespace
} // namespace zef
