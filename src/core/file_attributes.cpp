// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_attributes.h"

#include "core/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace zef {

namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// The permission bits themselves: Qt's "user" permissions ask the kernel,
// which lets root write anything.
bool modeOf(const QString& path, mode_t& mode) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    mode = st.st_mode;
    return true;
}

void changeMode(const QString& path, mode_t mode) {
    ::chmod(QFile::encodeName(path).constData(), mode & 07777);
}

} // namespace

bool fileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool isReadOnly(const QString& path) {
    mode_t mode = 0;
    return fileExists(path) && modeOf(path, mode) && (mode & kWriteBits) == 0;
}

void setReadOnly(const QString& path) {
    mode_t mode = 0;
    if (modeOf(path, mode))
        changeMode(path, mode & ~kWriteBits);
}

void clearReadOnly(const QString& path) {
    mode_t mode = 0;
    if (modeOf(path, mode))
        changeMode(path, mode | S_IWUSR);
}

bool deleteFile(const QString& path) {
    return fileExists(path) && !isReadOnly(path) && QFile::remove(path);
}

bool renameFile(const QString& from, const QString& to) {
    return fileExists(from) && !QFileInfo::exists(to) && QFile::rename(from, to);
}

bool copyFile(const QString& from, const QString& to) {
    mode_t mode = 0;
    if (!fileExists(from) || QFileInfo::exists(to) || !modeOf(from, mode))
        return false;
    // Taking the name only when the copy is whole and carries its final
    // permissions: a half copy, or a writable copy of a read-only file, would
    // break the backup chain that relies on the attribute.
    return createFile(to, readFileBytes(from), mode & 07777);
}

} // namespace zef
