// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_guard.h"

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/system_reason.h"

#include <QCryptographicHash>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zef {

namespace {

constexpr std::chrono::milliseconds kRetryEvery{50};

QString busyMessage(const QString& path) {
    return QStringLiteral("Plik \"%1\" jest właśnie zmieniany przez inną kopię programu.\n"
                          "Spróbuj ponownie za chwilę.")
        .arg(path);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

FileLock::FileLock(const QString& path, std::chrono::milliseconds wait) {
    const QByteArray name = QFile::encodeName(path);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            if (errno == ENOENT)
                return;
            throw FileError::reading(path, systemReason(errno));
        }
        struct stat locked {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(fd);
            throw FileError::reading(path, notRegularFileReason());
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            struct stat named {};
            if (::stat(name.constData(), &named) == 0 && sameFile(named, locked)) {
                fd_ = fd;
                return;
            }
            ::close(fd); // replaced while we waited: lock the new one
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK && error != EINTR)
            throw FileError::reading(path, systemReason(error));
        if (std::chrono::steady_clock::now() >= deadline)
            throw FileError(busyMessage(path));
        std::this_thread::sleep_for(kRetryEvery);
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

FileFingerprint fingerprintOf(std::string_view bytes) {
    return {true, QCryptographicHash::hash(
                      QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                      QCryptographicHash::Sha256)};
}

FileFingerprint currentFingerprint(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 && errno == ENOENT)
        return {};
    return fingerprintOf(readFileBytes(path));
}

} // namespace zef
