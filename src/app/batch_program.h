// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program when its command line names a command rather than the windows.

#include "app/batch_commands.h"

namespace zef {

// Runs a command other than the windows: the batch commands, --help,
// --version, and the usage text after wrong usage. Returns the exit status.
int runBatchCommand(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
                    std::ostream& err);

// The whole process of such a command: an application object that shows no
// window and needs no display, the environment of the running program, the
// command on standard output and standard error.
int runBatchProcess(const char* programName, const CommandLine& command);

} // namespace zef
