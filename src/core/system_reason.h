// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a file operation failed, in the words the user reads: Polish for the
// causes a user meets and can act on, the system's own text for the rest.

#include <QString>

namespace zef {

// The reason for the errno value of a failed system call.
QString systemReason(int error);

// The reason for a path that names a device, a pipe, a socket or a folder
// where the program reads or writes only regular files.
QString notRegularFileReason();

// Why a file chosen to be read is refused before reading: it is missing, or
// it is a folder, a pipe or a device, which would never be read to its end.
QString unreadableChoiceMessage(const QString& path);

} // namespace zef
