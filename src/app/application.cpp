// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zef {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Zefirant"));
    setDesktopFileName(QStringLiteral("pl.zefirant.Zefirant"));
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zefirant-%1.png").arg(size));
    setWindowIcon(icon);
    // The windows name the fonts of their design; these are their nearest
    // relatives on a Linux desktop.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Fixedsys"), QStringLiteral("Liberation Mono"));
    // Qt's own dialogs speak Polish too, where the translations are installed.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

} // namespace zef
