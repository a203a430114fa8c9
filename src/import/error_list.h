// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The error list file: the records an import could not
// place, one entry per table. An import run keeps it open and writes through
// a buffer; closing it at the run's end, also a run cut short, puts on disk
// everything listed until then.

#include "core/file_io.h"
#include "core/program_files.h"

#include <QString>
#include <string>
#include <string_view>

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

// The error list of a run that must leave the old list as it was should it
// fail: written beside it under a name of its own and put in its place by
// commit(); removed when never committed.
class PendingErrorList {
public:
    // Creates it holding the header line. Throws FileError.
    explicit PendingErrorList(const QString& path);
    ~PendingErrorList();
    PendingErrorList(const PendingErrorList&) = delete;
    PendingErrorList& operator=(const PendingErrorList&) = delete;

    // Where the run appends its entries.
    const QString& path() const { return pending_; }
    // Throws FileError.
    void commit();

private:
    QString target_;
    QString pending_;
    bool committed_ = false;
};

// The entries of one import run, appended to the file. Throws FileError.
class ErrorList {
public:
    explicit ErrorList(const QString& path) : file_(path) {}

    // A placement entry: the record text upper-cased.
    void addPlacement(std::string_view recordText);
    // A band entry: "Pasmo: " and the record text, then an empty line.
    void addBand(std::string_view recordText);
    // Everything added is on disk once this returns.
    void close() { file_.close(); }

private:
    AppendingFile file_;
};

} // namespace zef
