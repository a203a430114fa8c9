// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A LoTW synchronisation that cannot go on. Its text is Polish, names no
// password and is shown as it is.

#include <QString>
#include <stdexcept>

namespace zef {

class LotwError : public std::runtime_error {
public:
    explicit LotwError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace zef
