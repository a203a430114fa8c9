// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input rules of the editing windows' text fields that Qt's masks cannot
// express: letters turned to upper case as typed, characters refused (a
// ";" would split a line of the station data file).

#include <QString>
#include <QValidator>

class QLineEdit;

namespace zef {

// Refuses control characters, characters outside windows-1250 and those
// listed in `refused`; with `upperCase` turns ASCII letters to upper case
// (the program cases ASCII only).
class TextFieldValidator : public QValidator {
public:
    TextFieldValidator(QString refused, bool upperCase, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
    // The same rules for text put into the field by the program.
    QString cleaned(const QString& text) const;

private:
    QString refused_;
    bool upperCase_;
};

// The text of a field with an input mask as the handlers read it: every
// position of the mask, a position not filled reading as a blank.
QString maskedFieldText(const QLineEdit& field);

} // namespace zef
