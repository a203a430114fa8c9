// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_program.h"

#include "mainwindow/main_window.h"

#include <gtest/gtest.h>

namespace zef::test {

TestProgram::TestProgram(bool withReferenceFiles) : files(ProgramFiles::portable(folder.dir())) {
    if (withReferenceFiles)
        folder.writeReferenceFiles();
}

TestProgram::~TestProgram() {
    program_.reset(); // before the dialogs check that every expectation came
}

bool TestProgram::start(std::optional<QString> parameter) {
    program_ = std::make_unique<Program>(dialogs, system, files, std::move(parameter));
    return program_->start();
}

void TestProgram::startWithNewStation(const QString& callsign) {
    EXPECT_TRUE(start());
    dialogs.expectInput(QStringLiteral("Identyfikacja stacji"), QStringLiteral("Podaj swój znak:"),
                        callsign);
    main().Nowy1Click();
}

TForm1& TestProgram::main() const {
    return program_->main();
}

TForm20& TestProgram::summary() const {
    return program_->summary();
}

AppState& TestProgram::state() const {
    return program_->state;
}

Station& TestProgram::station() const {
    return program_->state.station;
}

AwardTables& TestProgram::tables() const {
    return *program_->state.station.tables_;
}

Context& TestProgram::context() const {
    return program_->context;
}

Program& TestProgram::program() const {
    return *program_;
}

} // namespace zef::test
