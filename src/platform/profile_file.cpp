#include "platform/profile_file.h"

#include "core/file_error.h"
#include "core/text.h"
#include "core/text_file.h"
#include "platform/file_attributes.h"

#include <climits>
#include <optional>
#include <vector>

namespace zef {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return lowerAscii(a) == lowerAscii(b);
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string> sectionOf(const std::string& line) {
    const std::string t = trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
        return trim(t.substr(1, t.size() - 2));
    return std::nullopt;
}

// Key and value of a "key=value" line.
std::optional<std::pair<std::string, std::string>> entryOf(const std::string& line) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return std::pair{trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
}

std::string unquote(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::vector<std::string> readIfExists(const QString& path) {
    return fileExists(path) ? readLines(path) : std::vector<std::string>{};
}

} // namespace

bool ProfileFile::exists() const {
    return fileExists(path_);
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    bool inSection = false;
    for (const auto& line : readIfExists(path_)) {
        if (auto name = sectionOf(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (auto entry = entryOf(line); entry && sameName(entry->first, key))
            return unquote(entry->second);
    }
    return std::string(defaultValue);
}

int ProfileFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = parseInteger(readString(section, key, ""));
    if (!value || *value < INT_MIN || *value > INT_MAX)
        return defaultValue;
    return static_cast<int>(*value);
}

bool ProfileFile::readBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    return readInt(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) const {
    ProfileEdit edit(*this);
    edit.writeString(section, key, value);
    edit.commit();
}

void ProfileFile::writeInt(std::string_view section, std::string_view key, long long value) const {
    writeString(section, key, std::to_string(value));
}

void ProfileFile::writeBool(std::string_view section, std::string_view key, bool value) const {
    writeString(section, key, value ? "1" : "0");
}

namespace {
QString unableToWrite(const QString& path) {
    return QStringLiteral("Unable to write to %1").arg(path);
}
} // namespace

ProfileEdit::ProfileEdit(const ProfileFile& file) : path_(file.path()) {
    if (isReadOnly(path_))
        throw FileError(unableToWrite(path_));
    try {
        lines_ = readIfExists(path_);
    } catch (const FileError&) {
        throw FileError(unableToWrite(path_));
    }
}

void ProfileEdit::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::optional<std::size_t> endOfSection; // index after the section's last entry
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = sectionOf(lines_[i])) {
            if (inSection)
                break;
            inSection = sameName(*name, section);
            if (inSection)
                endOfSection = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (auto e = entryOf(lines_[i]); e && sameName(e->first, key)) {
            lines_[i] = entry;
            return;
        }
        if (!trim(lines_[i]).empty())
            endOfSection = i + 1;
    }
    if (endOfSection) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*endOfSection), entry);
    } else {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(entry);
    }
}

void ProfileEdit::writeInt(std::string_view section, std::string_view key, long long value) {
    writeString(section, key, std::to_string(value));
}

void ProfileEdit::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void ProfileEdit::commit() {
    try {
        writeLines(path_, lines_);
    } catch (const FileError&) {
        throw FileError(unableToWrite(path_));
    }
}

} // namespace zef
