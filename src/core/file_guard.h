// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Guards a station data file against other writers: another copy of the
// program (a scheduled batch import) may change the file while a window holds
// what it read. A lock keeps two read–change–writes apart; a fingerprint of
// what was read tells, before a save, whether the file changed since.

#include <QByteArray>
#include <QString>
#include <chrono>
#include <string_view>

namespace zef {

// An exclusive lock of a file among the program's processes (flock on the
// file itself). A save replaces the file by a new one, so a lock that came
// on a file replaced meanwhile is taken again on the file that has the name.
// A missing file needs no lock: nothing of it can be lost.
class FileLock {
public:
    // Waits up to `wait`; throws FileError when the lock does not come.
    FileLock(const QString& path, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

// How long a command waits for another one to finish with the file.
inline constexpr std::chrono::milliseconds kLockWait{5000};

// What a file held: its bytes' hash, or nothing when it did not exist.
struct FileFingerprint {
    bool exists = false;
    QByteArray hash;
    bool operator==(const FileFingerprint&) const = default;
};

FileFingerprint fingerprintOf(std::string_view bytes);
// The file as it is now. Throws FileError when it exists but cannot be read.
FileFingerprint currentFingerprint(const QString& path);

} // namespace zef
