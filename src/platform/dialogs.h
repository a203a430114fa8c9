// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every question the program asks of a person goes through here: message
// boxes, the input box, the common dialogs and running an own dialog
// modally. The program gets the Qt implementation; tests a scripted one.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QDialog;
class QPrinter;

namespace zef {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Error, Warning, Information };
enum class Answer { Ok, Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // `defaultNo` makes No the default button of a Yes/No question.
    virtual Answer messageBox(const QString& text, const QString& caption, Buttons buttons,
                              Icon icon, bool defaultNo = false) = 0;
    // Nothing when cancelled.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& initial) = 0;
    // `filter` in the program's own form: "Pliki CSV |*.csv|Wszystkie pliki|*.*".
    virtual std::optional<QString> openFile(const QString& filter, const QString& initialPath) = 0;
    virtual std::optional<QString> saveFile(const QString& filter, const QString& initialPath) = 0;
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    // Lets the user set up `printer`; false when cancelled. Printing to a file
    // proposes `proposedFile` until the user names another.
    virtual bool print(QPrinter& printer, const QString& proposedFile) = 0;
    // Runs an own dialog modally and returns its result code.
    virtual int runModal(QDialog& dialog) = 0;
};

} // namespace zef
