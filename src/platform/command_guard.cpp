// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/command_guard.h"

#include "core/file_error.h"

#include <new>

namespace zef {

void showCommandError(Dialogs& dialogs, const QString& text) {
    dialogs.messageBox(text, QStringLiteral("Zefirant"), Buttons::Ok, Icon::Error);
}

QString errorText(const std::exception& error) {
    if (const auto* fileError = dynamic_cast<const FileError*>(&error))
        return fileError->text();
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
        return QStringLiteral("Brak pamięci.");
    return QString::fromLocal8Bit(error.what());
}

} // namespace zef
