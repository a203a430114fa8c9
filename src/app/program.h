#pragma once
// The program: the shared store and the eleven windows, created in their
// fixed order, each handed the same context.

#include "platform/context.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

namespace zef {

class Program {
public:
    // `parameter`: the station data file named on the command line.
    Program(Dialogs& dialogs, System& system, ProgramFiles files,
            std::optional<QString> parameter = std::nullopt);
    ~Program();

    // Creates the windows and runs the main window's start-up; false when the
    // program must end at once (the entity reference file is missing).
    bool start();

    AppState state;
    const ProgramFiles files;
    Context context;

    TForm1& main() const { return *context.forms.form1; }
    TForm20& summary() const { return *context.forms.form20; }

private:
    std::optional<QString> parameter_;
    std::vector<std::unique_ptr<QObject>> windows_; // destroyed in reverse order
};

} // namespace zef
