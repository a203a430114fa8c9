// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window is handed: the shared store, the platform and where the
// program's files live. A window that needs another is handed that one.

#include "core/app_state.h"
#include "core/program_files.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace zef {

struct Context {
    AppState& state;
    Dialogs& dialogs;
    System& system;
    const ProgramFiles& files;
};

} // namespace zef
