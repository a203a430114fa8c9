#include "core/text_file.h"

#include "core/file_error.h"

#include <QSaveFile>
#include <cstring>

namespace zef {

namespace {
constexpr qint64 kChunk = 1 << 16;
}

LineReader::LineReader(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::ReadOnly))
        throw FileError::reading(path, file_.errorString());
}

bool LineReader::fill() {
    if (atEnd_)
        return false;
    buffer_.erase(0, position_);
    position_ = 0;
    const std::size_t old = buffer_.size();
    buffer_.resize(old + kChunk);
    const qint64 got = file_.read(buffer_.data() + old, kChunk);
    if (got < 0)
        throw FileError::reading(file_.fileName(), file_.errorString());
    buffer_.resize(old + static_cast<std::size_t>(got));
    if (got == 0)
        atEnd_ = true;
    return got > 0;
}

std::optional<std::string> LineReader::next() {
    std::string line;
    if (!next(line))
        return std::nullopt;
    return line;
}

bool LineReader::next(std::string& line) {
    std::size_t searchFrom = position_;
    for (;;) {
        const char* start = buffer_.data() + searchFrom;
        const void* lf = std::memchr(start, '\n', buffer_.size() - searchFrom);
        if (lf != nullptr) {
            const std::size_t end =
                static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data());
            std::size_t lineEnd = end;
            if (lineEnd > position_ && buffer_[lineEnd - 1] == '\r')
                --lineEnd;
            line.assign(buffer_, position_, lineEnd - position_);
            position_ = end + 1;
            return true;
        }
        const std::size_t scanned = buffer_.size() - position_;
        if (!fill()) {
            if (position_ >= buffer_.size())
                return false;
            line.assign(buffer_, position_);
            position_ = buffer_.size();
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        searchFrom = position_ + scanned;
    }
}

std::vector<std::string> readLines(const QString& path) {
    LineReader reader(path);
    std::vector<std::string> lines;
    while (auto line = reader.next())
        lines.push_back(std::move(*line));
    return lines;
}

void writeLines(const QString& path, const std::vector<std::string>& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError::writing(path, file.errorString());
    std::string text;
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit())
        throw FileError::writing(path, file.errorString());
}

void appendLine(const QString& path, const std::string& line) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw FileError::writing(path, file.errorString());
    const std::string text = line + "\r\n";
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size()))
        throw FileError::writing(path, file.errorString());
}

} // namespace zef
