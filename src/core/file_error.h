#pragma once
// Input/output failures of files. Commands do not catch them: the application
// object shows the text in a message box and the program goes on.

#include <QString>
#include <stdexcept>

namespace zef {

class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

    static FileError reading(const QString& path, const QString& systemMessage) {
        return FileError(QStringLiteral("Błąd odczytu pliku \"%1\": %2").arg(path, systemMessage));
    }
    static FileError writing(const QString& path, const QString& systemMessage) {
        return FileError(QStringLiteral("Błąd zapisu pliku \"%1\": %2").arg(path, systemMessage));
    }

    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace zef
