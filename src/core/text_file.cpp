#include "core/text_file.h"

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

LineReader::LineReader(const QString& path, std::size_t lineLimit)
    : file_(path), lineLimit_(lineLimit) {}

bool LineReader::fill() {
    if (atEnd_)
        return false;
    buffer_.erase(0, position_);
    position_ = 0;
    const std::size_t old = buffer_.size();
    buffer_.resize(old + kChunk);
    const std::size_t got = file_.read(buffer_.data() + old, kChunk);
    buffer_.resize(old + got);
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
    if (buffer_.size() - position_ > keep)
        position_ = buffer_.size() - keep;
}

void LineReader::deliver(std::string& line, std::size_t end) {
    std::size_t lineEnd = end;
    if (lineEnd > position_ && buffer_[lineEnd - 1] == '\r')
        --lineEnd;
    if (!overlong_) {
        line.assign(buffer_, position_, lineEnd - position_);
        return;
    }
    const std::size_t tail = std::min(kKeptLineEnd, lineEnd - position_);
    line = head_;
    line.append(buffer_, lineEnd - tail, tail);
    head_.clear();
    overlong_ = false;
}

bool LineReader::next(std::string& line) {
    std::size_t searchFrom = position_;
    for (;;) {
        const char* start = buffer_.data() + searchFrom;
        if (const void* lf = std::memchr(start, '\n', buffer_.size() - searchFrom)) {
            const auto end =
                static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data());
            deliver(line, end);
            position_ = end + 1;
            return true;
        }
        if (overlong_ || buffer_.size() - position_ > lineLimit_)
            cutOverlongLine();
        const std::size_t scanned = buffer_.size() - position_;
        if (!fill()) {
            if (position_ >= buffer_.size() && !overlong_)
                return false;
            deliver(line, buffer_.size());
            position_ = buffer_.size();
            return true;
        }
        searchFrom = position_ + scanned;
    }
}

std::vector<std::string> readLines(const QString& path) {
    return splitLines(readFileBytes(path), LineEnds::AlsoCrAlone);
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

void writeLines(const QString& path, const std::vector<std::string>& lines) {
    replaceFile(path, joinLines(lines));
}

} // namespace zef
