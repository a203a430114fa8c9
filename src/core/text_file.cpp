// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_file.h"

#include "core/file_error.h"
#include "core/text.h"

#include <algorithm>
#include <cstring>

namespace zef {

namespace {
constexpr std::size_t kChunk = 1 << 16;
} // namespace

namespace {

// Position of the first line end from `from`, npos when there is none.
std::size_t lineEndFrom(std::string_view bytes, std::size_t from, LineEnds ends) {
    if (ends == LineEnds::LfOnly)
        return bytes.find('\n', from);
    for (std::size_t i = from; i < bytes.size(); ++i)
        if (bytes[i] == '\n' || bytes[i] == '\r')
            return i;
    return std::string_view::npos;
}

} // namespace

void forEachLine(std::string_view bytes, LineEnds ends,
                 const std::function<void(std::string_view)>& take) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = lineEndFrom(bytes, start, ends);
        if (end == std::string_view::npos) {
            std::string_view last = bytes.substr(start);
            if (last.back() == '\r')
                last.remove_suffix(1);
            take(last);
            return;
        }
        std::size_t next = end + 1;
        if (bytes[end] == '\r') {
            if (next < bytes.size() && bytes[next] == '\n')
                ++next;
        } else if (end > start && bytes[end - 1] == '\r') {
            --end;
        }
        take(bytes.substr(start, end - start));
        start = next;
    }
}

std::vector<std::string> splitLines(std::string_view bytes, LineEnds ends) {
    std::vector<std::string> lines;
    forEachLine(bytes, ends, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::optional<std::size_t> lineCutByLoneCr(std::string_view bytes) {
    if (bytes.find('\n') == std::string_view::npos)
        return std::nullopt;
    for (std::size_t cr = bytes.find('\r'); cr != std::string_view::npos;
         cr = bytes.find('\r', cr + 1)) {
        // CR CR LF, as a text mode that converts twice writes it, only ends a line.
        if (cr + 1 < bytes.size() && bytes[cr + 1] != '\n' && bytes[cr + 1] != '\r')
            return 1 +
                   static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + cr, '\n'));
    }
    return std::nullopt;
}

LineReader::LineReader(const QString& path, std::size_t lineLimit)
    : file_(path), lineLimit_(lineLimit), buffer_(2 * kChunk, '\0') {}

// Moves the unread bytes to the front and reads at least a chunk after them.
bool LineReader::fill() {
    if (atEnd_)
        return false;
    std::memmove(buffer_.data(), buffer_.data() + position_, end_ - position_);
    end_ -= position_;
    position_ = 0;
    if (buffer_.size() - end_ < kChunk)
        buffer_.resize(std::max(2 * buffer_.size(), end_ + kChunk));
    const std::size_t got = file_.read(buffer_.data() + end_, buffer_.size() - end_);
    end_ += got;
    if (got == 0)
        atEnd_ = true;
    return got > 0;
}

// Keeps the line's start once, then only as much of what follows as may be
// its end (one more byte for a CR before the LF).
void LineReader::cutOverlongLine() {
    if (!overlong_) {
        head_.assign(buffer_, position_, lineLimit_);
        overlong_ = true;
    }
    const std::size_t keep = kKeptLineEnd + 1;
    if (end_ - position_ > keep)
        position_ = end_ - keep;
}

std::string_view LineReader::deliver(std::size_t end) {
    std::size_t lineEnd = end;
    if (lineEnd > position_ && buffer_[lineEnd - 1] == '\r')
        --lineEnd;
    const std::string_view line(buffer_.data() + position_, lineEnd - position_);
    if (!overlong_)
        return line;
    // The overlong line's pieces joined in head_, which holds them until the next call.
    head_.append(line.substr(line.size() - std::min(kKeptLineEnd, line.size())));
    overlong_ = false;
    return head_;
}

bool LineReader::next(std::string_view& line) {
    head_.clear();
    std::size_t searchFrom = position_;
    for (;;) {
        const char* start = buffer_.data() + searchFrom;
        if (const void* lf = std::memchr(start, '\n', end_ - searchFrom)) {
            const auto end =
                static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data());
            line = deliver(end);
            position_ = end + 1;
            return true;
        }
        if (overlong_ || end_ - position_ > lineLimit_)
            cutOverlongLine();
        const std::size_t scanned = end_ - position_;
        if (!fill()) {
            if (position_ >= end_ && !overlong_)
                return false;
            line = deliver(end_);
            position_ = end_;
            return true;
        }
        searchFrom = position_ + scanned;
    }
}

bool LineReader::next(std::string& line) {
    std::string_view view;
    if (!next(view))
        return false;
    line.assign(view);
    return true;
}

std::vector<std::string> readLines(const QString& path) {
    return splitLines(readFileBytes(path), LineEnds::AlsoCrAlone);
}

namespace {
constexpr std::string_view kLineBreakers("\r\n\0", 3);
} // namespace

bool breaksLine(std::string_view text) {
    return text.find_first_of(kLineBreakers) != std::string_view::npos;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string fileText(const QString& path, const std::vector<std::string>& lines) {
    const auto broken = std::find_if(lines.begin(), lines.end(),
                                     [](const std::string& line) { return breaksLine(line); });
    if (broken == lines.end())
        return joinLines(lines);
    const std::size_t shown = std::min<std::size_t>(broken->find_first_of(kLineBreakers), 80);
    throw FileError(QStringLiteral("Plik \"%1\" nie został zapisany: wiersz %2 zawiera znak "
                                   "sterujący (CR, LF lub NUL), który przy odczycie podzieliłby "
                                   "ten wiersz albo go uciął:\n%3")
                        .arg(path)
                        .arg(broken - lines.begin() + 1)
                        .arg(toQt(broken->substr(0, shown))));
}

void writeLines(const QString& path, const std::vector<std::string>& lines) {
    replaceFile(path, fileText(path, lines));
}

} // namespace zef
