// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input/output failures of files. Commands do not catch them: the application
// object shows the text in a message box and the program goes on.

#include <QString>
#include <stdexcept>

namespace zef {

class FileError : public std::runtime_error {
public:
    // `reason`: why, in the user's words, where the text does not say it.
    explicit FileError(const QString& text, const QString& reason = QString())
        : std::runtime_error(text.toStdString()), text_(text), reason_(reason) {}

    static FileError reading(const QString& path, const QString& systemMessage) {
        return FileError(QStringLiteral("Błąd odczytu pliku \"%1\": %2").arg(path, systemMessage),
                         systemMessage);
    }
    static FileError writing(const QString& path, const QString& systemMessage) {
        return FileError(QStringLiteral("Błąd zapisu pliku \"%1\": %2").arg(path, systemMessage),
                         systemMessage);
    }

    const QString& text() const { return text_; }
    const QString& reason() const { return reason_; }

private:
    QString text_;
    QString reason_;
};

} // namespace zef
