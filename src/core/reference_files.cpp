// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference_files.h"

#include "core/file_attributes.h"
#include "core/station_file.h"
#include "core/text.h"
#include "core/text_file.h"

namespace zef {

QString missingReferenceFileMessage(const QString& fullPath) {
    return QStringLiteral("Plik wzorcowy \"") + fullPath +
           QStringLiteral("\" nie został znaleziony!\nMusi on znajdować się w tym samym katalogu, "
                          "co i VORTEL_BAZA.EXE.");
}

namespace {

// The reference line as a row may hold it; empty when no row can.
std::string storableReferenceLine(std::string_view line) {
    return endsEntityPart(line) ? std::string() : storableField(trimRight(line));
}

} // namespace

std::vector<std::string> readReferenceLines(const QString& path) {
    std::vector<std::string> result;
    for (auto& line : readLines(path)) {
        if (line.empty() || endsEntityPart(line))
            continue;
        if (line.size() >= 37)
            line.erase(36, 1);
        result.push_back(storableReferenceLine(line));
    }
    return result;
}

std::vector<std::string> readReferenceLinesForNew(const QString& path) {
    std::vector<std::string> result;
    for (auto& line : readLines(path)) {
        if (!line.empty())
            line.pop_back();
        result.push_back(storableReferenceLine(line));
    }
    return result;
}

std::vector<std::string> readZoneLines(const QString& path) {
    std::vector<std::string> lines = readLines(path);
    if (lines.size() > 40)
        lines.resize(40);
    for (auto& line : lines)
        line = storableField(line);
    return lines;
}

std::vector<std::string> readEntityFileLines(const QString& path) {
    std::vector<std::string> result;
    for (auto& line : readLines(path))
        if (!line.empty())
            result.push_back(std::move(line));
    return result;
}

void replaceEntityFileWithBackup(const QString& folder, const std::vector<std::string>& lines) {
    const QString file = folder + kEntityFileName;
    const QString backup = folder + kEntityBackupName;
    if (fileExists(backup))
        deleteFile(backup);
    // A copy rather than a rename, so that the file itself is never missing.
    copyFile(file, backup);
    if (isReadOnly(file))
        clearReadOnly(file);
    writeLines(file, lines);
}

} // namespace zef
