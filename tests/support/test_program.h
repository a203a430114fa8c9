// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program built headless in a fresh folder with scripted dialogs
// and a scripted system: the way window tests drive the handlers.

#include "app/program.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_system.h"
#include "support/test_folder.h"

#include <memory>
#include <optional>

namespace zef {
class TForm1;
class TForm20;
} // namespace zef

namespace zef::test {

class TestProgram {
public:
    // With the small sample reference files unless told otherwise.
    explicit TestProgram(bool withReferenceFiles = true);
    ~TestProgram();

    // Creates the windows and runs the start-up; false when the program ends.
    bool start(std::optional<QString> parameter = std::nullopt);
    // Starts and runs New with the callsign given (the reference files must exist).
    void startWithNewStation(const QString& callsign = QStringLiteral("SP9XYZ"));

    TForm1& main() const;
    TForm20& summary() const;
    AppState& state() const;
    Station& station() const;
    // The station's tables, arranged by a test without telling the windows.
    AwardTables& tables() const;
    Context& context() const;
    // The windows and the menu wiring, once started.
    Program& program() const;

    TestFolder folder;
    ScriptedDialogs dialogs;
    ScriptedSystem system;
    // Portable in the folder; a test may choose others before start().
    ProgramFiles files;

private:
    std::unique_ptr<Program> program_;
};

} // namespace zef::test
