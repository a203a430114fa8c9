// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/submission_dialog.h"

#include "core/settings.h"
#include "editing/editing_fixture.h"
#include "editing/mailto.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::EditingProgram;

TFEmail& fEmail(EditingProgram& app) {
    return app.program().submission();
}

std::string storedRecipient(EditingProgram& app) {
    return app.main().settingsFile().readString("Konfiguracja", "E-mail", "<none>");
}

TEST(Submission, RefusedWhileChangesAreUnsaved) {
    EditingProgram app;
    app.startWithNewStation();
    app.putEntry("K", "W1AW", "2006-06-06");
    app.station().setUnsaved(true);
    app.dialogs.expectMessage(QStringLiteral("Niezapisane dane"),
                              QStringLiteral("Musisz najpierw zapisać zmiany!"));
    test::control<QAction>(app.main(), "Wyslij_dane")->trigger();
    EXPECT_FALSE(fEmail(app).isVisible());
    ASSERT_EQ(app.dialogs.messages.size(), 1u);
    EXPECT_EQ(app.dialogs.messages[0].icon, Icon::Warning);
}

TEST(Submission, SendOpensTheLinkForRecipientCallsignInUpperCaseAndPath) {
    EditingProgram app;
    app.startWithNewStation(QStringLiteral("sp9xyz"));
    app.station().setUnsaved(false);
    app.station().setCallsign("sp9xyz");
    app.station().setPath(app.folder.path(QStringLiteral("moje dane.csv")));
    test::control<QAction>(app.main(), "Wyslij_dane")->trigger();
    TFEmail& dialog = fEmail(app);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("weryfikacja@zefirant.pl"));
    EXPECT_EQ(dialog.Edit2->text(), QStringLiteral("SP9XYZ"));
    dialog.Edit1->setText(QStringLiteral("trustee@example.org"));
    dialog.Edit2->clear();
    test::typeInto(dialog.Edit2, QStringLiteral("sp9abc"));
    dialog.Button1Click();
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(app.system.opened.size(), 1u);
    EXPECT_EQ(app.system.opened[0], mailtoUrl(QStringLiteral("trustee@example.org"),
                                              QStringLiteral("SP9ABC"), app.station().path()));
}

TEST(Submission, TheRecipientComesFromTheSettingsAndIsWrittenBackOnlyWhenOpened) {
    EditingProgram app;
    app.folder.write(QStringLiteral("zefirant.ini"),
                     {"[Konfiguracja]", "E-mail=sprawdzajacy@example.pl"});
    app.startWithNewStation();
    app.station().setUnsaved(false);
    EXPECT_TRUE(app.main().FormCloseQuery());
    EXPECT_EQ(storedRecipient(app), "sprawdzajacy@example.pl");

    test::control<QAction>(app.main(), "Wyslij_dane")->trigger();
    EXPECT_EQ(fEmail(app).Edit1->text(), QStringLiteral("sprawdzajacy@example.pl"));
    fEmail(app).Edit1->setText(QStringLiteral("inny@example.pl"));
    fEmail(app).hide();
    EXPECT_TRUE(app.main().FormCloseQuery());
    EXPECT_EQ(storedRecipient(app), "inny@example.pl");
}

TEST(Submission, WithoutAStoredRecipientTheDesignedAddressIsProposedAndWritten) {
    EditingProgram app;
    app.folder.write(QStringLiteral("zefirant.ini"), {"[Konfiguracja]", "Znak=SP9XYZ"});
    app.startWithNewStation();
    app.station().setUnsaved(false);
    test::control<QAction>(app.main(), "Wyslij_dane")->trigger();
    EXPECT_EQ(fEmail(app).Edit1->text(), QStringLiteral("weryfikacja@zefirant.pl"));

    EditingProgram fresh; // a first run: no settings file
    fresh.startWithNewStation();
    fresh.station().setUnsaved(false);
    EXPECT_TRUE(fresh.main().FormCloseQuery());
    EXPECT_EQ(storedRecipient(fresh), "weryfikacja@zefirant.pl");
}

} // namespace
} // namespace zef
