// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/field_validators.h"

#include "core/text.h"

#include <QLineEdit>

namespace zef {

TextFieldValidator::TextFieldValidator(QString refused, bool upperCase, QObject* parent)
    : QValidator(parent), refused_(std::move(refused)), upperCase_(upperCase) {}

QString TextFieldValidator::cleaned(const QString& text) const {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() < 0x20 || refused_.contains(c))
            continue;
        // A character the code page lacks would be stored as "?".
        if (toQt(fromQt(QString(c))) != QString(c))
            continue;
        out += upperCase_ && c >= u'a' && c <= u'z' ? QChar(c.unicode() - 0x20) : c;
    }
    return out;
}

QValidator::State TextFieldValidator::validate(QString& input, int& pos) const {
    const QString clean = cleaned(input);
    if (clean.size() != input.size())
        return Invalid;
    input = clean;
    (void)pos;
    return Acceptable;
}

QString maskedFieldText(const QLineEdit& field) {
    QString text = field.displayText();
    const qsizetype separator = field.inputMask().lastIndexOf(u';');
    const QChar blank = separator >= 0 && separator + 1 < field.inputMask().size()
                            ? field.inputMask().at(separator + 1)
                            : QChar(u' ');
    text.replace(blank, u' ');
    return text;
}

} // namespace zef
