// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Windows initialisation file read and written with the semantics of the
// profile-string functions: every call opens the file, a missing file or key
// yields the default, a write creates file, section and key as needed and
// replaces an existing key in place, keeping the rest of the file. Sections
// and keys are matched without regard to ASCII case. Text is windows-1250.

#include <QString>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zef {

class ProfileFile {
public:
    explicit ProfileFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    bool exists() const;

    // Each read opens the file anew.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Throws FileError "Unable to write to <path>", with its reason, when the
    // file is read-only or cannot be written.
    void writeString(std::string_view section, std::string_view key, std::string_view value) const;
    void writeInt(std::string_view section, std::string_view key, long long value) const;
    void writeBool(std::string_view section, std::string_view key, bool value) const;

private:
    QString path_;
};

// Every value of the file, read once: the reads of one go (the start-up
// read) then cost no more than one read of the file, however large it is.
class ProfileValues {
public:
    explicit ProfileValues(const ProfileFile& file); // a missing file holds no value

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // A missing key or a value that is not a whole number gives the default.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

private:
    // Section and key lower-cased, joined by a line feed (which neither holds);
    // the first value in the file wins.
    std::unordered_map<std::string, std::string> values_;
};

// Several writes of one go: the file is read once, the keys set in order as
// separate writes would set them, and the file written once at commit.
class ProfileEdit {
public:
    explicit ProfileEdit(const ProfileFile& file); // throws as a write would

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, long long value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    // Throws FileError "Unable to write to <path>", also when a value written
    // holds a CR, LF or NUL, which would break its line; then nothing is written.
    void commit();

private:
    QString path_;
    bool breaksLine_ = false; // a value written holds a CR, LF or NUL
    std::vector<std::string> lines_;
    // For each line, its section name lower-cased when it is a "[name]" line.
    std::vector<std::optional<std::string>> sectionNames_;
};

} // namespace zef
