#pragma once
// The error list file: the records an import could not place, one entry per
// table, appended and closed at once so that the file is complete on disk
// even if a run stops.

#include "platform/program_files.h"

#include <QString>
#include <string>

namespace zef {

inline const QString kErrorListFileName = QStringLiteral("bledy_dxcc.txt");
inline const QString kErrorListShownName = QStringLiteral("BLEDY_DXCC.TXT");

// The error list as messages name it: beside the executable its name, else
// where it really is, for the user would not find it by its name.
QString errorListShownAs(const ProgramFiles& files);

// The file's single header line.
QString errorListHeader();

// Creates the file anew (emptying an old one) holding only the header line.
// Throws FileError.
void createErrorList(const QString& path);

// Appends a placement entry: the record text upper-cased. Throws FileError.
void appendPlacementEntry(const QString& path, const std::string& recordText);

// Appends a band entry: "Pasmo: " and the record text, then an empty line.
// Throws FileError.
void appendBandEntry(const QString& path, const std::string& recordText);

} // namespace zef
