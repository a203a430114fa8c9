// Program entry: checks the code page, creates the windows in their order
// and runs the message loop until the main window closes.
#include "app/application.h"
#include "app/program.h"
#include "core/text.h"
#include "mainwindow/main_window.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_system.h"

#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char** argv) {
    zef::Application app(argc, argv);
    if (!zef::codePageAvailable()) {
        QMessageBox::critical(nullptr, QStringLiteral("Błąd"),
                              QStringLiteral("Brak obsługi strony kodowej windows-1250 (ICU).\n"
                                             "Program nie może poprawnie czytać swoich plików."));
        return 1;
    }
    zef::QtDialogs dialogs;
    zef::QtSystem system;
    app.setDialogs(&dialogs);

    std::optional<QString> parameter;
    const QStringList args = app.arguments();
    if (args.size() > 1)
        parameter = QFileInfo(args.at(1)).absoluteFilePath();

    zef::Program program(dialogs, system, parameter);
    if (!program.start())
        return 1;
    QObject::connect(&program.main(), &zef::TForm1::closed, &app, &QApplication::quit);
    program.main().show();
    return app.exec();
}
