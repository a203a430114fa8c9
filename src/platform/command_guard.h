// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The boundary of every command: a menu item, a button, a key or a mouse
// action runs inside runCommand, where an error it meets (a file that cannot
// be read or written, above all) ends that command with a message box and
// the program goes on. No exception crosses Qt's event loop.

#include "platform/dialogs.h"

#include <QString>
#include <type_traits>

namespace zef {

// Shows the text of an error that ended a command.
void showCommandError(Dialogs& dialogs, const QString& text);
// The text for an exception that is no FileError.
QString errorText(const std::exception& error);

// Runs `command`; after an error, a command that answers answers its type's
// default (false: nothing done).
template <typename Command> auto runCommand(Dialogs& dialogs, Command&& command) {
    using Result = decltype(command());
    try {
        return command();
    } catch (const std::exception& error) {
        showCommandError(dialogs, errorText(error));
    }
    if constexpr (!std::is_void_v<Result>)
        return Result{};
}

// A slot that runs `command` by runCommand.
template <typename Command> auto guarded(Dialogs& dialogs, Command command) {
    return [&dialogs, command]() { runCommand(dialogs, command); };
}

} // namespace zef
