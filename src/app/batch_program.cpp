// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_program.h"

#include "app/batch_chart.h"
#include "app/batch_printout.h"
#include "app/history_commands.h"
#include "app/lotw_sync.h"
#include "app/qt_messages.h"
#include "core/text.h"
#include "platform/qt_system.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace zef {

int runBatchCommand(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
                    std::ostream& err) {
    switch (command.kind) {
    case CommandKind::Import:
        return runImport(command, env, out, err);
    case CommandKind::Summary:
        return runSummary(command, env, out, err);
    case CommandKind::PrintPdf:
        return runPrintPdf(command, env, out, err);
    case CommandKind::Chart:
        return runChart(command, env, out, err);
    case CommandKind::LotwSync:
        // Progress only for a person watching, never into a cron job's mail.
        return runLotwSync(command, env, out, err, &err == &std::cerr && isatty(STDERR_FILENO));
    case CommandKind::History:
        return runHistory(command, env, out, err);
    case CommandKind::Restore:
        return runRestore(command, env, out, err);
    case CommandKind::Help:
        put(out, helpText());
        return kExitSuccess;
    case CommandKind::Version:
        put(out, versionText(env.version) + u'\n');
        return kExitSuccess;
    case CommandKind::Window:
    case CommandKind::WrongUsage:
        break;
    }
    put(err, QStringLiteral("zefirant: ") + command.problem + u'\n' + usageText());
    return kExitWrongUsage;
}

int runBatchProcess(const char* programName, const CommandLine& command) {
    // No command shows a window: the offscreen platform works with no display
    // at all, also where the environment names another one (a cron job
    // started from a desktop session).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    silenceQtMessages();
    // Qt sees only the program's name, so no argument is taken for one of its own options.
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (command.kind == CommandKind::PrintPdf)
        app = std::make_unique<QGuiApplication>(argc, argv); // fonts and painting
    else if (command.kind == CommandKind::Chart)
        app = std::make_unique<QApplication>(argc, argv); // the chart is a graphics widget
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zefirant"));
    const bool readsFiles = command.kind != CommandKind::Help &&
                            command.kind != CommandKind::Version &&
                            command.kind != CommandKind::WrongUsage;
    if (readsFiles && !codePageAvailable()) {
        std::cerr << "Brak obsługi strony kodowej windows-1250 (ICU).\n"
                     "Program nie może poprawnie czytać swoich plików.\n";
        return kExitFileError;
    }
    QtSystem system;
    BatchEnvironment env{ProgramFiles::ofRunningProgram(), system.shortDate(system.today()),
                         system.version()};
    env.date = system.today();
    int status = kExitFileError;
    // Whatever a command meets ends it with a reason, never with an abort.
    try {
        status = runBatchCommand(command, env, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        put(std::cerr, QStringLiteral("zefirant: brak pamięci\n"));
    } catch (const std::exception& e) {
        put(std::cerr, QStringLiteral("zefirant: ") + QString::fromLocal8Bit(e.what()) + u'\n');
    }
    std::cout.flush();
    return status;
}

} // namespace zef
