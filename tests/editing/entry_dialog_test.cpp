// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/entry_dialog.h"

#include "editing/editing_fixture.h"
#include "mainwindow/grid_widget.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::EditingProgram;

// The form the dialog leaves the grid in, read from its row and panels.
struct Shown {
    std::string call, date, confirmation;
};
Shown shownRow(EditingProgram& app, int row) {
    const GridRow& cells = app.main().grid().model().row(row);
    return {cells[kCallColumn], cells[kQsoDateColumn], cells[kConfirmationColumn]};
}

TEST(EntryDialog, ANewEntryOnACurrentEntityIsStoredEverywhereAndCounted) {
    EditingProgram app;
    app.startWithNewStation();
    const int row = app.gridRowOf("ZA");
    app.edit("ZA", [&](TForm2& d) {
        EXPECT_EQ(d.Label5->text(), QStringLiteral("  7"));
        EXPECT_EQ(d.Label3->text(), QStringLiteral("ZA"));
        EXPECT_EQ(d.Label4->text(), QStringLiteral("Albania"));
        EXPECT_EQ(d.callFieldText(), std::string(15, ' '));
        EXPECT_EQ(d.dateFieldText(), "    -  -  ");
        EXPECT_TRUE(d.RadioButton1->isChecked());
        EXPECT_FALSE(d.Button3->isEnabled());
        test::typeInto(d.MaskEdit2, QStringLiteral("  sp9;abc "));
        d.MaskEdit1->setText(QStringLiteral("2005-02-31"));
        d.RadioButton2->setChecked(true);
        d.Button1Click();
    });
    const Shown shown = shownRow(app, row);
    EXPECT_EQ(shown.call, "SP9ABC");
    EXPECT_EQ(shown.date, "2005-02-31");
    EXPECT_EQ(shown.confirmation, "LoTW");
    const Row& table = app.entityRow("ZA");
    EXPECT_EQ(table[callSlot(0)], "SP9ABC");
    EXPECT_EQ(table[qsoDateSlot(0)], "2005-02-31");
    EXPECT_EQ(table[confirmationSlot(0)], "LoTW");
    EXPECT_EQ(app.panel(2), QStringLiteral("Do weryfikacji:  1/1"));
    EXPECT_EQ(app.panel(0), QStringLiteral("Razem:       1/1"));
    EXPECT_EQ(app.panel(3), QStringLiteral("QSL/LoTW:  0/1"));
    EXPECT_EQ(app.modifiedPanel(), QStringLiteral("   Modyfikacja"));
    EXPECT_TRUE(app.station().unsaved());
    EXPECT_EQ(app.summaryPanel(1), QStringLiteral("Do weryfikacji: 1"));
    app.expectCountersAsRecounted();
}

TEST(EntryDialog, ANewEntryOnADeletedEntityCountsOnlyAmongAll) {
    EditingProgram app;
    app.startWithNewStation();
    app.edit("1B", [](TForm2& d) {
        EXPECT_EQ(d.Label6->text(), QStringLiteral("D"));
        test::typeInto(d.MaskEdit2, QStringLiteral("A1B"));
        d.MaskEdit1->setText(QStringLiteral("2001-01-01"));
        d.Button1Click();
    });
    EXPECT_EQ(app.panel(2), QStringLiteral("Do weryfikacji:  0/1"));
    EXPECT_EQ(app.panel(3), QStringLiteral("QSL/LoTW:  1/0"));
    app.expectCountersAsRecounted();
}

TEST(EntryDialog, RemovingACallEmptiesTheSlotButNeedsTheDate) {
    EditingProgram app;
    app.startWithNewStation();
    app.putEntry("SP", "SP1AA", "2003-03-03");
    app.edit("SP",
             [](TForm2& d) {
                 EXPECT_EQ(d.callFieldText(), "SP1AA          ");
                 EXPECT_TRUE(d.Button3->isEnabled());
                 d.MaskEdit2->clear();
                 d.MaskEdit1->clear();
                 d.MaskEdit1->setCursorPosition(0);
                 d.Button1Click(); // refused; the dialog stays
                 d.MaskEdit1->setText(QStringLiteral("2003-03-03"));
                 d.Button1Click();
             },
             {{QStringLiteral("Błąd"), QStringLiteral("Wprowadź dzień łączności!")}});
    const Row& table = app.entityRow("SP");
    for (int s : {callSlot(0), qsoDateSlot(0), confirmationSlot(0), verificationSlot(0)})
        EXPECT_EQ(table[s], "");
    EXPECT_EQ(shownRow(app, app.gridRowOf("SP")).date, "");
    EXPECT_EQ(app.panel(2), QStringLiteral("Do weryfikacji:  0/0"));
    EXPECT_EQ(app.panel(3), QStringLiteral("QSL/LoTW:  0/0"));
    app.expectCountersAsRecounted();
}

TEST(EntryDialog, RefusedDatesStoreNothing) {
    EditingProgram app;
    app.startWithNewStation();
    app.edit("ZA",
             [](TForm2& d) {
                 test::typeInto(d.MaskEdit2, QStringLiteral("SP9ABC"));
                 d.MaskEdit1->setText(QStringLiteral("2005-13-01"));
                 d.Button1Click();
                 // The month holds "1" and a blank: the conversion fails clearly.
                 d.MaskEdit1->setText(QStringLiteral("2005-1-05"));
                 EXPECT_EQ(d.dateFieldText(), "2005-1 -05");
                 d.Button1Click();
             },
             {{QStringLiteral("Błąd"), QStringLiteral("Wprowadź poprawną datę łączności!")},
              {QStringLiteral("Błąd"),
               QStringLiteral("'1 ' nie jest prawidłową wartością całkowitą.")}});
    EXPECT_EQ(app.entityRow("ZA")[callSlot(0)], "");
    EXPECT_EQ(shownRow(app, app.gridRowOf("ZA")).call, "");
    EXPECT_EQ(app.panel(2), QStringLiteral("Do weryfikacji:  0/0"));
}

TEST(EntryDialog, AZoneViewShowsTheZoneAndStoresIntoTheZoneTable) {
    EditingProgram app;
    app.startWithNewStation();
    test::control<QComboBox>(app.main(), "ComboBox1")->setCurrentIndex(7); // zones, 20 m
    app.main().ComboBox1Change();
    app.pressAndSelect(14);
    app.dialogs.expectModal([](QDialog& dialog) {
        auto& d = static_cast<TForm2&>(dialog);
        EXPECT_EQ(d.Label5->text(), QString());
        EXPECT_EQ(d.Label6->text(), QString());
        EXPECT_EQ(d.Label3->text(), QStringLiteral("14"));
        EXPECT_EQ(d.Label4->text(), QStringLiteral("P14"));
        test::typeInto(d.MaskEdit2, QStringLiteral("ja1aa"));
        d.MaskEdit1->setText(QStringLiteral("2010-10-10"));
        d.Button1Click();
        return d.result();
    });
    test::control<QAction>(app.main(), "Edycja1")->trigger();
    EXPECT_EQ(app.tables().zones[14][callSlot(2)], "JA1AA");
    EXPECT_EQ(app.tables().zones[14][qsoDateSlot(2)], "2010-10-10");
    EXPECT_EQ(app.main().grid().cache().entry(14)[kCallColumn], "JA1AA");
    EXPECT_EQ(app.panel(2), QStringLiteral("Do weryfikacji:  1/1"));
    app.expectCountersAsRecounted();
}

TEST(EntryDialog, VerifyStampsTodayAndRefillsThenTheSlotCannotBeChanged) {
    EditingProgram app;
    app.startWithNewStation();
    // Without a QSO date the opening itself marks nothing modified.
    app.putEntry("K", "W1AW", "");
    app.station().setUnsaved(false);
    app.system.date = QDate(2007, 1, 9);
    app.edit("K", [&app](TForm2& d) {
        EXPECT_FALSE(app.station().unsaved());
        d.MaskEdit2->setText(QStringLiteral("IGNORED"));
        d.Button3Click();
    });
    const Row& table = app.entityRow("K");
    EXPECT_EQ(table[verificationSlot(0)], "2007-01-09");
    EXPECT_EQ(table[callSlot(0)], "W1AW");
    EXPECT_EQ(app.main().grid().model().row(app.gridRowOf("K"))[kVerificationColumn], "2007-01-09");
    EXPECT_EQ(app.panel(1), QStringLiteral("Zweryfikowane:   1/1"));
    EXPECT_TRUE(app.station().unsaved());

    app.pressAndSelect(app.gridRowOf("K"));
    app.dialogs.expectMessage(QStringLiteral("Błąd"),
                              QStringLiteral("Nie można zmieniać zweryfikowanych danych!"));
    test::control<QAction>(app.main(), "Edycja1")->trigger();
}

TEST(EntryDialog, OpensOnlyAfterAMousePressOnADataRow) {
    EditingProgram app;
    app.startWithNewStation();
    app.main().StringGrid1KeyPress(QChar(u'\r')); // Enter before any press
    app.main().StringGrid1MouseDown(Qt::LeftButton, 0, 3);
    app.main().StringGrid1DblClick(); // on the header
    EXPECT_TRUE(app.dialogs.allAnswered());
    app.pressAndSelect(2);
    app.dialogs.expectModal([](QDialog& d) { return d.result(); });
    app.main().StringGrid1KeyPress(QChar(u'\r'));
}

TEST(EntryDialog, OpeningASlotWithADateMarksItModifiedAndCancelStoresNothing) {
    EditingProgram app;
    app.startWithNewStation();
    app.putEntry("EA", "EA1AA", "2004-04-04", "LoTW");
    app.station().setUnsaved(false);
    app.edit("EA", [](TForm2& d) {
        EXPECT_TRUE(d.RadioButton2->isChecked());
        EXPECT_EQ(d.dateFieldText(), "2004-04-04");
        d.MaskEdit2->setText(QStringLiteral("EA9ZZ"));
        d.Button2Click();
    });
    EXPECT_EQ(app.entityRow("EA")[callSlot(0)], "EA1AA");
    EXPECT_EQ(app.modifiedPanel(), QStringLiteral("   Modyfikacja"));

    app.station().setUnsaved(false);
    app.edit("ZA", [](TForm2& d) { d.Button2Click(); });
    EXPECT_FALSE(app.station().unsaved());
}

TEST(EntryDialog, TheEditedRowStaysInAViewItNoLongerPasses) {
    EditingProgram app;
    app.startWithNewStation();
    app.main().Podmiotyniepotwierdzone1Click();
    const int rows = app.main().grid().model().rowCount();
    const int row = app.gridRowOf("SP");
    app.edit("SP", [](TForm2& d) {
        test::typeInto(d.MaskEdit2, QStringLiteral("SP1AA"));
        d.MaskEdit1->setText(QStringLiteral("2003-03-03"));
        d.Button1Click();
    });
    EXPECT_EQ(app.main().grid().model().rowCount(), rows);
    EXPECT_EQ(app.gridRowOf("SP"), row);
    EXPECT_EQ(shownRow(app, row).call, "SP1AA");
}

} // namespace
} // namespace zef
