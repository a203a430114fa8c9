// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: a command of the command line runs without any window;
// otherwise checks the code page, creates the windows in their order and runs
// the message loop until the main window closes.
#include "app/application.h"
#include "app/batch_program.h"
#include "app/command_line.h"
#include "app/program.h"
#include "app/qt_messages.h"
#include "core/text.h"
#include "mainwindow/main_window.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_system.h"

#include <QFileInfo>
#include <QMessageBox>
#include <memory>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    const zef::CommandLine command = zef::parseCommandLine(arguments);
    if (command.kind != zef::CommandKind::Window)
        return zef::runBatchProcess(argv[0], command);

    std::unique_ptr<zef::Application> application;
    {
        const zef::DisplayGuard guard;
        application = std::make_unique<zef::Application>(argc, argv);
    }
    zef::Application& app = *application;
    if (!zef::codePageAvailable()) {
        QMessageBox::critical(nullptr, QStringLiteral("Błąd"),
                              QStringLiteral("Brak obsługi strony kodowej windows-1250 (ICU).\n"
                                             "Program nie może poprawnie czytać swoich plików."));
        return 1;
    }
    zef::QtDialogs dialogs;
    zef::QtSystem system;

    std::optional<QString> parameter;
    if (command.parameter)
        parameter = QFileInfo(*command.parameter).absoluteFilePath();

    zef::Program program(dialogs, system, zef::ProgramFiles::ofRunningProgram(), parameter);
    if (!program.start())
        return 1;
    // exit, not quit: quit would ask every window to close, and the summary
    // window refuses while the program runs.
    QObject::connect(&program.main(), &zef::TForm1::closed, &app,
                     [] { QCoreApplication::exit(0); });
    program.main().show();
    return app.exec();
}
