#pragma once
// Line-oriented text files. Lines end with CR LF or LF alone; a line's CR is
// not part of it. Writes end every line with CR LF and go through a temporary
// file and an atomic rename, so a crash never leaves a half-written file.

#include <QFile>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace zef {

// Reads one line at a time, holding only a buffer of the file.
class LineReader {
public:
    explicit LineReader(const QString& path); // throws FileError
    std::optional<std::string> next();        // nothing at the end of the file
    // The same into `line`, reusing its storage; false at the end of the file.
    bool next(std::string& line);

private:
    bool fill();

    QFile file_;
    std::string buffer_;
    std::size_t position_ = 0;
    bool atEnd_ = false;
};

std::vector<std::string> readLines(const QString& path);
void writeLines(const QString& path, const std::vector<std::string>& lines);
// Opens for appending, writes the line with CR LF and closes again.
void appendLine(const QString& path, const std::string& line);

} // namespace zef
