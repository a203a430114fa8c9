// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program with a new station, and the steps the editing tests share:
// finding an entity's grid and table rows, opening the data entry dialog on
// a row, putting entries in, and reading the panels.

#include "core/award_tables.h"
#include "support/test_program.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace zef {
class TForm2;
}

namespace zef::test {

// Sends the text to the widget key by key, as typing does.
void typeInto(QWidget* widget, const QString& text);

class EditingProgram : public TestProgram {
public:
    // Grid row showing the entity with this prefix (0 when none does).
    int gridRowOf(const std::string& prefix) const;
    // Entity table row with this prefix.
    Row& entityRow(const std::string& prefix) const;

    // A mouse press on a data row and its selection, as a click makes them.
    void pressAndSelect(int row);
    // Opens the data entry dialog on the entity's row and runs `act` while it
    // is shown; the messages (caption, text) are expected in this order.
    void edit(const std::string& prefix, std::function<void(TForm2&)> act,
              const std::vector<std::pair<QString, QString>>& messages = {});
    // Band 80 m slot of the entity set in the table, then a grid fill.
    void putEntry(const std::string& prefix, const std::string& call, const std::string& date,
                  const std::string& confirmation = "QSL");

    QString panel(int index) const;        // StatusBar1
    QString modifiedPanel() const;         // StatusBar2 panel 1
    QString summaryPanel(int index) const; // the summary window's status bar
    // The counters the dialogs keep equal those of a fresh count of the cache.
    void expectCountersAsRecounted() const;
};

} // namespace zef::test
