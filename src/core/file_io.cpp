// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_io.h"

#include "core/file_error.h"
#include "core/system_reason.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zef {

namespace {

constexpr std::size_t kAppendBuffer = 1 << 16;

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// The reason to refuse a file that exists with the mode `mode`; empty for a
// regular file.
QString refusalOf(mode_t mode) {
    if (S_ISREG(mode))
        return QString();
    return S_ISDIR(mode) ? systemReason(EISDIR) : notRegularFileReason();
}

[[noreturn]] void failReading(const QString& path, const QString& reason) {
    throw FileError::reading(path, reason);
}

[[noreturn]] void failWriting(const QString& path, const QString& reason) {
    throw FileError::writing(path, reason);
}

// 0, or the errno of the write that failed.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new content of `target` is written under ".<name>.zefirant-XXXXXX"
// beside it: hidden, never opened by the program's readers, and never the
// name of a file of the user's.
QByteArray temporaryPrefix(const QByteArray& target) {
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + ".zefirant-";
}

// A save killed before its rename leaves its new content behind. A save in
// progress holds a lock on its file, and a leftover is taken only once it is
// a minute old, so that none is taken from under a save that just began.
void removeLeftoverTemporaries(const QByteArray& target) {
    const QFileInfo prefix(QFile::decodeName(temporaryPrefix(target)));
    const QDir folder = prefix.dir();
    const QFileInfoList found = folder.entryInfoList({prefix.fileName() + QStringLiteral("??????")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    const QDateTime aMinuteAgo = QDateTime::currentDateTime().addSecs(-60);
    for (const QFileInfo& leftover : found) {
        if (leftover.lastModified() > aMinuteAgo)
            continue;
        const QByteArray name = encoded(leftover.filePath());
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(name.constData());
        ::close(fd);
    }
}

// A file beside `target` holding `bytes` with `mode`, synced to the disk;
// returns its name. Locked while it is written.
QByteArray writeTemporary(const QString& shownPath, const QByteArray& target,
                          std::string_view bytes, mode_t mode) {
    QByteArray name = temporaryPrefix(target) + "XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        failWriting(shownPath, systemReason(errno));
    ::flock(fd, LOCK_EX);
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(name.constData());
        failWriting(shownPath, systemReason(error));
    }
    return name;
}

// The rename is on the disk only once its folder is.
void syncFolderOf(const QByteArray& file) {
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : file.left(std::max<qsizetype>(1, slash));
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

InputFile::InputFile(const QString& path) : path_(path) {
    const QByteArray name = encoded(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        failReading(path, systemReason(errno));
    if (const QString refusal = refusalOf(st.st_mode); !refusal.isEmpty())
        failReading(path, refusal);
    // Not blocking, should a pipe take the name after the test above.
    fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        failReading(path, systemReason(errno));
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        failReading(path, notRegularFileReason());
    }
    size_ = static_cast<std::size_t>(st.st_size);
}

InputFile::~InputFile() {
    ::close(fd_);
}

std::size_t InputFile::read(char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd_, into, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            failReading(path_, systemReason(errno));
    }
}

std::size_t InputFile::readAt(std::size_t offset, char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = ::pread(fd_, into, size, static_cast<off_t>(offset));
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            failReading(path_, systemReason(errno));
    }
}

std::string readFileBytes(const QString& path) {
    InputFile file(path);
    std::string bytes;
    std::size_t size = 0;
    // One more than the size, so that the end is seen in one read; a file
    // that grows meanwhile is read to its end all the same.
    bytes.resize(file.size() + 1);
    for (;;) {
        if (size == bytes.size())
            bytes.resize(bytes.size() * 2);
        const std::size_t got = file.read(bytes.data() + size, bytes.size() - size);
        if (got == 0)
            break;
        size += got;
    }
    bytes.resize(size);
    return bytes;
}

void replaceFile(const QString& path, std::string_view bytes) {
    QByteArray target = encoded(path);
    mode_t mode = newFileMode();
    struct stat st {};
    if (::stat(target.constData(), &st) == 0) {
        if (const QString refusal = refusalOf(st.st_mode); !refusal.isEmpty())
            failWriting(path, refusal);
        mode = st.st_mode & 07777;
        // A link goes on naming the file: the file is replaced, not the link.
        if (char* real = ::realpath(target.constData(), nullptr)) {
            target = real;
            std::free(real);
        }
    } else if (errno != ENOENT) {
        failWriting(path, systemReason(errno));
    } else if (::lstat(target.constData(), &st) == 0) {
        failWriting(path, notRegularFileReason()); // a link to nothing
    }
    removeLeftoverTemporaries(target);
    const QByteArray temporary = writeTemporary(path, target, bytes, mode);
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        failWriting(path, systemReason(error));
    }
    syncFolderOf(target);
}

void replaceFile(const QString& path, const QByteArray& bytes) {
    replaceFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool createFile(const QString& path, std::string_view bytes, mode_t mode) {
    const QByteArray target = encoded(path);
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0)
        return false;
    const QByteArray temporary = writeTemporary(path, target, bytes, mode);
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                    RENAME_NOREPLACE) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        if (error == EEXIST)
            return false;
        failWriting(path, systemReason(error));
    }
    syncFolderOf(target);
    return true;
}

void moveOver(const QString& from, const QString& to) {
    const QByteArray target = encoded(to);
    if (::rename(encoded(from).constData(), target.constData()) != 0)
        failWriting(to, systemReason(errno));
    syncFolderOf(target);
}

void makeFolders(const QString& path) {
    const QByteArray full = encoded(path);
    const auto refuse = [](const QByteArray& folder, int error) {
        throw FileError(QStringLiteral("Nie można utworzyć folderu \"%1\": %2")
                            .arg(QFile::decodeName(folder), systemReason(error)));
    };
    for (qsizetype slash = 0; slash != -1;) {
        slash = full.indexOf('/', slash + 1);
        const QByteArray folder = slash == -1 ? full : full.left(slash);
        if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
            refuse(folder, errno);
    }
    struct stat st {};
    if (::stat(full.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        refuse(full, ENOTDIR);
}

AppendingFile::AppendingFile(const QString& path) : path_(path) {
    const QByteArray name = encoded(path);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0) {
        if (const QString refusal = refusalOf(st.st_mode); !refusal.isEmpty())
            failWriting(path, refusal);
    }
    fd_ = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd_ < 0)
        failWriting(path, systemReason(errno));
    buffer_.reserve(kAppendBuffer);
}

AppendingFile::~AppendingFile() {
    if (fd_ >= 0) {
        writeAll(fd_, buffer_);
        ::close(fd_);
    }
}

void AppendingFile::write(std::string_view bytes) {
    buffer_.append(bytes);
    if (buffer_.size() >= kAppendBuffer)
        flush();
}

void AppendingFile::flush() {
    const int error = writeAll(fd_, buffer_);
    buffer_.clear();
    if (error != 0)
        failWriting(path_, systemReason(error));
}

void AppendingFile::close() {
    if (fd_ < 0)
        return;
    const int fd = fd_;
    fd_ = -1;
    const int error = writeAll(fd, buffer_);
    buffer_.clear();
    if (::close(fd) != 0 && error == 0)
        failWriting(path_, systemReason(errno));
    if (error != 0)
        failWriting(path_, systemReason(error));
}

} // namespace zef
