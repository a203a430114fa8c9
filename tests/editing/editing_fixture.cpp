// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/editing_fixture.h"

#include "editing/entry_dialog.h"
#include "mainwindow/grid_widget.h"
#include "mainwindow/main_window.h"
#include "platform/status_panels.h"
#include "summary/summary_window.h"
#include "support/main_window_controls.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace zef::test {

void typeInto(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
    }
}

int EditingProgram::gridRowOf(const std::string& prefix) const {
    const GridModel& grid = main().grid().model();
    for (int r = 1; r <= grid.lastRow(); ++r)
        if (grid.cell(kPrefixColumn, r) == prefix)
            return r;
    return 0;
}

Row& EditingProgram::entityRow(const std::string& prefix) const {
    AwardTables& held = tables();
    for (int r = 1; r <= kEntityRows; ++r)
        if (referencePrefix(held.entities[r][0]) == prefix)
            return held.entities[r];
    ADD_FAILURE() << "no entity " << prefix;
    return held.entities[0];
}

void EditingProgram::pressAndSelect(int row) {
    main().StringGrid1MouseDown(Qt::LeftButton, row, 1);
    test::control<GridWidget>(main(), "StringGrid1")->selectCell(row, 1);
}

void EditingProgram::edit(const std::string& prefix, std::function<void(TForm2&)> act,
                          const std::vector<std::pair<QString, QString>>& messages) {
    const int row = gridRowOf(prefix);
    ASSERT_NE(row, 0) << prefix;
    dialogs.expectModal([act = std::move(act)](QDialog& dialog) {
        auto& form = static_cast<TForm2&>(dialog);
        act(form);
        return form.result();
    });
    for (const auto& [caption, text] : messages)
        dialogs.expectMessage(caption, text);
    pressAndSelect(row);
    test::control<QAction>(main(), "Edycja1")->trigger();
    EXPECT_TRUE(dialogs.allAnswered());
}

void EditingProgram::putEntry(const std::string& prefix, const std::string& call,
                              const std::string& date, const std::string& confirmation) {
    Row& row = entityRow(prefix);
    row[callSlot(0)] = call;
    row[qsoDateSlot(0)] = date;
    row[confirmationSlot(0)] = confirmation;
    main().gridFill();
}

QString EditingProgram::panel(int index) const {
    return test::control<StatusPanels>(main(), "StatusBar1")->panelText(index);
}

QString EditingProgram::modifiedPanel() const {
    return test::control<StatusPanels>(main(), "StatusBar2")->panelText(1);
}

QString EditingProgram::summaryPanel(int index) const {
    return summary().StatusBar1->panelText(index);
}

void EditingProgram::expectCountersAsRecounted() const {
    const EntityGrid& grid = main().grid();
    StatusCounters recount;
    for (int r = 1; r <= grid.cache().highestIndex(); ++r)
        recount.add(grid.cache().entry(r));
    const StatusCounters& kept = grid.counters();
    EXPECT_EQ(kept.verifiedCurrent, recount.verifiedCurrent);
    EXPECT_EQ(kept.verifiedAll, recount.verifiedAll);
    EXPECT_EQ(kept.toVerifyCurrent, recount.toVerifyCurrent);
    EXPECT_EQ(kept.toVerifyAll, recount.toVerifyAll);
    EXPECT_EQ(kept.qsl, recount.qsl);
    EXPECT_EQ(kept.lotw, recount.lotw);
}

} // namespace zef::test
