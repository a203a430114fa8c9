// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/small_disk.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace zef::test {

namespace {
constexpr const char* kFillerName = "filler";
}

SmallDisk::SmallDisk() {
    if (::geteuid() != 0) {
        whyNot_ = QStringLiteral("mounting a tmpfs takes root");
        return;
    }
    const QByteArray where = QFile::encodeName(mountPoint_.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=512k") != 0) {
        whyNot_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        ::umount2(QFile::encodeName(mountPoint_.path()).constData(), MNT_DETACH);
}

QString SmallDisk::dir() const {
    return mountPoint_.path() + u'/';
}

QString SmallDisk::path(const QString& name) const {
    return dir() + name;
}

QString SmallDisk::copyHere(const QString& file) const {
    const QString copy = path(QFileInfo(file).fileName());
    QFile::remove(copy);
    QFile::copy(file, copy);
    return copy;
}

void SmallDisk::fill(std::size_t keepBytes) const {
    const QByteArray filler = QFile::encodeName(path(QString::fromLatin1(kFillerName)));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return;
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const off_t kept =
        size > static_cast<off_t>(keepBytes) ? size - static_cast<off_t>(keepBytes) : 0;
    const int truncated = ::ftruncate(fd, kept);
    const int reason = errno;
    ::close(fd);
    // Without the room asked for, a test would pass or fail for the wrong reason.
    if (truncated != 0)
        throw std::runtime_error("SmallDisk::fill: " + std::string(std::strerror(reason)));
}

} // namespace zef::test
