// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profile_file.h"

#include "core/file_attributes.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/text.h"
#include "core/text_file.h"

#include <climits>
#include <optional>
#include <vector>

namespace zef {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return lowerAscii(a) == lowerAscii(b);
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionOf(std::string_view line) {
    const std::string_view t = trimmedView(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
        return trimmedView(t.substr(1, t.size() - 2));
    return std::nullopt;
}

// Key and value of a "key=value" line.
std::optional<std::pair<std::string_view, std::string_view>> entryOf(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return std::pair{trimmedView(line.substr(0, eq)), trimmedView(line.substr(eq + 1))};
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A profile string ends at its first NUL, as the system's profile functions
// have always read it; so a value read can also be written back.
std::string_view endAtNul(std::string_view value) {
    return value.substr(0, value.find('\0'));
}

std::string valueKey(std::string_view lowerSection, std::string_view key) {
    return std::string(lowerSection) + '\n' + lowerAscii(key);
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
    return ProfileValues(*this).readString(section, key, defaultValue);
}

int ProfileFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    return ProfileValues(*this).readInt(section, key, defaultValue);
}

bool ProfileFile::readBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    return ProfileValues(*this).readBool(section, key, defaultValue);
}

ProfileValues::ProfileValues(const ProfileFile& file) {
    if (!file.exists())
        return;
    std::optional<std::string> section;
    forEachLine(readFileBytes(file.path()), LineEnds::AlsoCrAlone, [&](std::string_view line) {
        if (auto name = sectionOf(line)) {
            section = lowerAscii(*name);
            return;
        }
        if (!section)
            return;
        if (auto entry = entryOf(line))
            values_.try_emplace(valueKey(*section, entry->first), endAtNul(unquote(entry->second)));
    });
}

std::string ProfileValues::readString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
    const auto found = values_.find(valueKey(lowerAscii(section), key));
    return std::string(found == values_.end() ? defaultValue : found->second);
}

int ProfileValues::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = parseInteger(readString(section, key, ""));
    if (!value || *value < INT_MIN || *value > INT_MAX)
        return defaultValue;
    return static_cast<int>(*value);
}

bool ProfileValues::readBool(std::string_view section, std::string_view key,
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
FileError unableToWrite(const QString& path, const QString& reason) {
    return FileError(QStringLiteral("Unable to write to %1").arg(path), reason);
}
} // namespace

ProfileEdit::ProfileEdit(const ProfileFile& file) : path_(file.path()) {
    if (isReadOnly(path_))
        throw unableToWrite(path_, QStringLiteral("plik jest tylko do odczytu"));
    try {
        lines_ = readIfExists(path_);
    } catch (const FileError& error) {
        throw unableToWrite(path_, error.reason());
    }
    sectionNames_.reserve(lines_.size());
    for (const auto& line : lines_) {
        auto name = sectionOf(line);
        sectionNames_.push_back(name ? std::optional(lowerAscii(*name)) : std::nullopt);
    }
}

void ProfileEdit::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    breaksLine_ = breaksLine_ || breaksLine(entry);
    const std::string wanted = lowerAscii(section);
    bool inSection = false;
    std::optional<std::size_t> endOfSection; // index after the section's last entry
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto& name = sectionNames_[i]) {
            if (inSection)
                break;
            inSection = *name == wanted;
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
        const auto at = static_cast<std::ptrdiff_t>(*endOfSection);
        lines_.insert(lines_.begin() + at, entry);
        sectionNames_.insert(sectionNames_.begin() + at, std::nullopt);
    } else {
        lines_.push_back("[" + std::string(section) + "]");
        sectionNames_.push_back(wanted);
        lines_.push_back(entry);
        sectionNames_.push_back(std::nullopt);
    }
}

void ProfileEdit::writeInt(std::string_view section, std::string_view key, long long value) {
    writeString(section, key, std::to_string(value));
}

void ProfileEdit::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void ProfileEdit::commit() {
    if (breaksLine_)
        throw unableToWrite(path_, QStringLiteral("wartość zawiera znak końca wiersza"));
    try {
        // The file's other lines go back as they were read, whatever they hold.
        replaceFile(path_, joinLines(lines_));
    } catch (const FileError& error) {
        throw unableToWrite(path_, error.reason());
    }
}

} // namespace zef
