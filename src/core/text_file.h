// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line-oriented text files. A line ends at LF, and a CR right before the LF
// is not part of it. The program's own files also end a line at a CR alone,
// as a spreadsheet's export for another system writes them. Writes end every
// line with CR LF and replace the file whole (replaceFile).

#include "core/file_io.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

enum class LineEnds {
    LfOnly,      // CR LF or LF
    AlsoCrAlone, // CR LF, LF or CR
};

// Calls `take` with each line of the bytes in turn; a last line without its
// end counts, less one trailing CR.
void forEachLine(std::string_view bytes, LineEnds ends,
                 const std::function<void(std::string_view)>& take);
// The same lines, kept.
std::vector<std::string> splitLines(std::string_view bytes, LineEnds ends);

// In text whose lines end at LF, the number (1-based) of the first line that
// a CR within it would cut in two where a CR also ends a line: a control byte
// inside a field, not a line end. Nothing when there is none, or no LF at all
// (then CR alone is the line end throughout).
std::optional<std::size_t> lineCutByLoneCr(std::string_view bytes);

// Reads a large file one line at a time (LF ends a line), holding only a
// buffer of it. A line longer than `lineLimit` comes as its first
// `lineLimit` bytes and its last kKeptLineEnd bytes: memory stays bounded,
// and whatever a line's end decides is still decided.
class LineReader {
public:
    static constexpr std::size_t kKeptLineEnd = 16;

    explicit LineReader(const QString& path, std::size_t lineLimit = std::string::npos);
    // The next line, valid until the next call; false at the end.
    bool next(std::string_view& line);
    // The same, copied into `line`.
    bool next(std::string& line);

private:
    bool fill();
    void cutOverlongLine();
    std::string_view deliver(std::size_t end);

    InputFile file_;
    std::size_t lineLimit_;
    std::string buffer_; // bytes [position_, end_) are read and not yet delivered
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    std::string head_; // the kept start of an overlong line being skipped
    bool overlong_ = false;
};

// A program's own text file (settings, reference, station data file).
std::vector<std::string> readLines(const QString& path);
// Throws FileError, writing nothing, as fileText does.
void writeLines(const QString& path, const std::vector<std::string>& lines);

// True when the text holds a CR, LF or NUL: written as a field of a line, it
// would load back split or cut.
bool breaksLine(std::string_view text);
// The lines joined, each ended by CR LF.
std::string joinLines(const std::vector<std::string>& lines);
// The same for the file at `path`, whose lines are all the program's own:
// whatever put a CR, LF or NUL into one, nothing is made of it. Throws
// FileError naming the line.
std::string fileText(const QString& path, const std::vector<std::string>& lines);

} // namespace zef
