// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file-system semantics the program's files rely on, kept on Linux:
// read-only means no write permission bit at all; deleting a read-only file
// fails; renaming onto an existing name fails. The bits are tested here, not
// the kernel's refusal (root ignores permission bits).

#include <QString>

namespace zef {

bool fileExists(const QString& path);
bool isReadOnly(const QString& path);
void setReadOnly(const QString& path);                   // clears every write bit, others kept
void clearReadOnly(const QString& path);                 // gives the owner write permission back
bool deleteFile(const QString& path);                    // false when missing or read-only
bool renameFile(const QString& from, const QString& to); // false when `to` exists
// Copies a file with its permissions; false when `to` exists or `from` does
// not. Throws FileError when the copy cannot be made.
bool copyFile(const QString& from, const QString& to);

} // namespace zef
