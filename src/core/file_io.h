// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's file input and output, on the system's calls so that every
// failure is seen and its cause known: QSaveFile commits over a failed final
// flush, and QFile's texts say neither what happened nor in Polish. Only
// regular files are read or written: a pipe or a device would block or never
// end, and a save must never replace one. Every function throws FileError.

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zef {

// A regular file open for reading.
class InputFile {
public:
    explicit InputFile(const QString& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Up to `size` bytes into `into`; 0 at the end of the file.
    std::size_t read(char* into, std::size_t size);
    // The same from `offset`, leaving the position of read() as it was.
    std::size_t readAt(std::size_t offset, char* into, std::size_t size);
    // The file's size when it was opened.
    std::size_t size() const { return size_; }
    const QString& path() const { return path_; }

private:
    QString path_;
    int fd_ = -1;
    std::size_t size_ = 0;
};

// The whole content of a regular file.
std::string readFileBytes(const QString& path);

// Replaces the content of the file at `path` (following a link to it) by
// `bytes`, keeping its permissions. The new content is written whole and on
// the disk before it takes the name; until then the old file stays as it was.
void replaceFile(const QString& path, std::string_view bytes);
void replaceFile(const QString& path, const QByteArray& bytes);

// Creates `path` holding `bytes` with the permission bits `mode`, written
// whole before it takes the name; false, writing nothing, when `path` exists.
bool createFile(const QString& path, std::string_view bytes, mode_t mode);

// Puts the file `from` in the place of `to`, replacing it. Throws FileError.
void moveOver(const QString& from, const QString& to);

// Makes the folder `path` and every missing folder above it. Throws
// FileError naming the folder that could not be made and why.
void makeFolders(const QString& path);

// A file appended to through a buffer; every byte that leaves the buffer is
// checked. A missing file is created.
class AppendingFile {
public:
    explicit AppendingFile(const QString& path);
    // Writes what is left without reporting: call close() to know.
    ~AppendingFile();
    AppendingFile(const AppendingFile&) = delete;
    AppendingFile& operator=(const AppendingFile&) = delete;

    void write(std::string_view bytes);
    // Writes the buffer out and closes the file.
    void close();

private:
    void flush();

    QString path_;
    int fd_ = -1;
    std::string buffer_;
};

} // namespace zef
