// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Qt itself writes to standard error: nothing in a batch command, whose
// output is its own; and, when the windows find no display, the program's
// own Polish reason instead of Qt's English one and an abort.

#include <QtGlobal>

namespace zef {

// For the batch commands: Qt's warnings (XDG_RUNTIME_DIR in a scheduled job,
// say) are dropped; a fatal error is still shown and ends the process.
void silenceQtMessages();

// Spans the creation of the window program's application object. Qt's
// messages meanwhile are held back: should no display be found, the process
// ends with status 1 and the Polish reason alone; otherwise the held messages
// go out as usual when the guard ends.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    QtMessageHandler previous_;
};

} // namespace zef
