// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --history and --restore: the copies the program kept of a station data
// file before it replaced it, and the way back to one of them.

#include "app/batch_commands.h"

namespace zef {

// Lists the copies, newest first, numbered from 1: when the change was
// made, what made it, the slots it changed and the points after it.
int runHistory(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
               std::ostream& err);

// Puts copy `command.copyNumber` back under the station data file's lock,
// keeping a copy of what it replaces.
int runRestore(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
               std::ostream& err);

} // namespace zef
