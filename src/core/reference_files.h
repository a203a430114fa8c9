// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's two reference files: the entity list
// "dxcc_adif.mtb" (37-character lines) and the zone list "zefirant_zones.mtb".

#include <QString>
#include <string>
#include <vector>

namespace zef {

inline const QString kEntityFileName = QStringLiteral("dxcc_adif.mtb");
inline const QString kEntityBackupName = QStringLiteral("dxcc_adif.mtb~");
inline const QString kZoneFileName = QStringLiteral("zefirant_zones.mtb");

// The message shown whenever a reference file is missing; `fullPath` is
// where the program looked for it.
QString missingReferenceFileMessage(const QString& fullPath);

// Both readers hand the lines on as the tables can hold them: a ";" becomes
// "," (storableField), and a line that begins as the station data file's
// separator does counts as empty.

// Reference lines as the reconciliation reads them: empty lines skipped,
// the character at position 37 deleted, trailing blanks removed.
std::vector<std::string> readReferenceLines(const QString& path);

// Reference lines as New reads them, one per file line: the last character
// deleted and trailing blanks removed; an empty line stays empty.
std::vector<std::string> readReferenceLinesForNew(const QString& path);

// The first 40 lines of the zone file, unchanged but for a ";" becoming ",".
std::vector<std::string> readZoneLines(const QString& path);

// The non-empty lines of the entity file exactly as they stand.
std::vector<std::string> readEntityFileLines(const QString& path);

// Rewrites the entity file in `folder` from `lines`, keeping the previous
// version as the backup when the backup chain allows: an old backup is
// deleted unless read-only, the old file becomes the backup unless a backup
// still exists, a read-only file is made writable. The new file is written
// whole before it replaces the old one. The caller sets it read-only after.
void replaceEntityFileWithBackup(const QString& folder, const std::vector<std::string>& lines);

} // namespace zef
