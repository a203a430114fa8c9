// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LoTW password: from the environment or from a file only the user can
// read, never from the command line, where every user sees it.

#include <QFileDevice>
#include <QString>

namespace zef {

inline constexpr char kLotwPasswordVariable[] = "ZEFIRANT_LOTW_PASSWORD";

// Why a password file with these permissions is refused: readable by the
// group or by others. Empty when it may be used.
QString passwordFileProblem(const QString& path, QFileDevice::Permissions permissions);

// The first line of `passwordFile` when one is named, else the environment
// variable. Throws LotwError naming the file or the variable, never the password.
QString lotwPassword(const QString& passwordFile);

} // namespace zef
