// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that run without a window. Each reads its files, writes its
// results, reports on two streams (UTF-8 text) and returns the exit status;
// nothing is written when an input cannot be read.

#include "app/command_line.h"
#include "core/award_tables.h"
#include "core/file_guard.h"
#include "core/program_files.h"
#include "core/station_file.h"
#include "core/station_loader.h"
#include "core/summary_counts.h"
#include "import/adif_import.h"
#include "platform/system.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace zef {

constexpr int kExitSuccess = 0;
constexpr int kExitFileError = 1;
constexpr int kExitWrongUsage = 2;

// What the commands take from the running program.
struct BatchEnvironment {
    ProgramFiles files;
    QString today; // today in the system's short date format
    Version version;
    std::chrono::milliseconds lockWait = kLockWait; // for another writer of the station file
    QDate date = QDate::currentDate();              // today, where a command draws time
};

// Loads a station data file for a command; the reconciliation's questions,
// asked when `referenceLines` are given, are answered No and listed on
// `err`. Throws FileError when it cannot be read or its first line is not
// the header of a station data file.
LoadedStation readStationData(const QString& path, const std::vector<std::string>* referenceLines,
                              std::ostream& err);

// Notes on `err` the lines of the file that the tables could not hold.
void warnLinesLeftOut(std::ostream& err, const LoadedStation& station);

// True when both paths name one existing file.
bool sameFile(const QString& a, const QString& b);

// The summary window's table (head, five bands, totals row) and its three
// point panels, one line each, under the window's caption for the mode.
void writeSummary(std::ostream& out, const AwardTables& tables, SummaryMode mode);

// One import into a station data file: how its records are read (into the
// tables, listing what cannot be placed in the error list file named), what
// the station's history calls it, and whether the records are a LoTW report.
struct BatchImport {
    std::function<ImportResult(AwardTables& tables, const QString& errorList)> run;
    QString madeBy;
    bool lotwReport = false;
};

// Loads the station data file, lists on `err` what the reconciliation would
// have asked (and answers No), runs the import, prints what it did and, when
// it changed a slot, saves the file, its previous content kept in the
// history; then prints the summary. The error list file is replaced only
// when all went well. The station data file stays locked from the read to
// the save; a read-only one, or one without any entity line, is refused.
int importInto(const QString& stationPath, const BatchEnvironment& env, const BatchImport& import,
               std::ostream& out, std::ostream& err);

// --import: importInto with the log file; a LoTW report is imported with
// the source LoTW unless --source says otherwise.
int runImport(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
              std::ostream& err);

// --summary: the summary of the station data file in the chosen mode.
int runSummary(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
               std::ostream& err);

// Runs `command`, turning a FileError into its text on `err` and status 1.
int withFileErrors(std::ostream& err, const std::function<int()>& command);

// Writes Qt text to a stream as UTF-8.
void put(std::ostream& out, const QString& text);

} // namespace zef
