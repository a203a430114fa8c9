#include "platform/file_attributes.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sys/stat.h>
#include <unistd.h>

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

// The copy is written unnamed (or under a temporary name) and takes its name
// only when it is whole and carries its final permissions: a crash during the
// copy never leaves a part of the file, nor a writable copy of a read-only
// file, which would break the backup chain that relies on the attribute.
bool copyFile(const QString& from, const QString& to) {
    mode_t mode = 0;
    if (!fileExists(from) || QFileInfo::exists(to) || !modeOf(from, mode))
        return false;
    QFile source(from);
    QTemporaryFile copy(QFileInfo(to).absolutePath() + QStringLiteral("/qt_temp.XXXXXX"));
    if (!source.open(QIODevice::ReadOnly) || !copy.open())
        return false;
    char buffer[1 << 16];
    for (qint64 got; (got = source.read(buffer, sizeof buffer)) != 0;)
        if (got < 0 || copy.write(buffer, got) != got)
            return false;
    if (!copy.flush() || ::fchmod(copy.handle(), mode & 07777) != 0 ||
        ::fdatasync(copy.handle()) != 0)
        return false;
    // Taking the name refuses an existing file, as the backup chain needs.
    if (!copy.rename(to))
        return false;
    copy.setAutoRemove(false);
    return true;
}

} // namespace zef
