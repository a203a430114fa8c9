// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotw/lotw_credentials.h"

#include "lotw/lotw_error.h"

#include <QFile>
#include <QFileInfo>

namespace zef {

namespace {

QString passwordFromFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw LotwError(QStringLiteral("Plik hasła \"%1\" nie istnieje.").arg(path));
    // A pipe or a device could keep the command waiting for ever.
    if (!QFileInfo(path).isFile())
        throw LotwError(QStringLiteral("\"%1\" nie jest zwykłym plikiem; hasło LoTW czytane jest "
                                       "tylko z pliku.")
                            .arg(path));
    if (const QString problem = passwordFileProblem(path, file.permissions()); !problem.isEmpty())
        throw LotwError(problem);
    if (!file.open(QIODevice::ReadOnly))
        throw LotwError(
            QStringLiteral("Błąd odczytu pliku hasła \"%1\": %2").arg(path, file.errorString()));
    // One line is plenty; the bound keeps a wrong file (a device) from being read whole.
    const QByteArray line = file.readLine(4096);
    return QString::fromUtf8(line).remove(u'\n').remove(u'\r');
}

} // namespace

QString passwordFileProblem(const QString& path, QFileDevice::Permissions permissions) {
    if (!(permissions & (QFileDevice::ReadGroup | QFileDevice::ReadOther)))
        return {};
    return QStringLiteral("Plik hasła \"%1\" mogą czytać inni użytkownicy; hasło nie zostało "
                          "użyte.\nOdbierz im to prawo: chmod 600 \"%1\"")
        .arg(path);
}

QString lotwPassword(const QString& passwordFile) {
    const QString password = passwordFile.isEmpty() ? qEnvironmentVariable(kLotwPasswordVariable)
                                                    : passwordFromFile(passwordFile);
    if (!password.isEmpty())
        return password;
    if (passwordFile.isEmpty())
        throw LotwError(QStringLiteral("Brak hasła LoTW: ustaw zmienną środowiska %1 albo podaj "
                                       "plik z hasłem opcją --password-file.")
                            .arg(QString::fromLatin1(kLotwPasswordVariable)));
    throw LotwError(QStringLiteral("Plik hasła \"%1\" jest pusty.").arg(passwordFile));
}

} // namespace zef
