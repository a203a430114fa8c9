// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_reason.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace zef {

QString systemReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("brak miejsca na dysku");
    case EACCES:
    case EPERM:
        return QStringLiteral("brak uprawnień");
    case EROFS:
        return QStringLiteral("system plików tylko do odczytu");
    case ENOENT:
        return QStringLiteral("nie ma takiego pliku ani folderu");
    case EISDIR:
        return QStringLiteral("to jest folder, a nie plik");
    case ENAMETOOLONG:
        return QStringLiteral("zbyt długa nazwa pliku");
    case ENOTDIR:
        return QStringLiteral("część ścieżki nie jest folderem");
    case EIO:
        return QStringLiteral("błąd wejścia/wyjścia urządzenia");
    case ENOMEM:
        return QStringLiteral("brak pamięci");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString notRegularFileReason() {
    return QStringLiteral("to nie jest zwykły plik");
}

QString unreadableChoiceMessage(const QString& path) {
    if (QFileInfo::exists(path))
        return QStringLiteral("\"%1\" nie jest zwykłym plikiem!").arg(path);
    return QStringLiteral("Plik \"%1\" nie został znaleziony!").arg(path);
}

} // namespace zef
