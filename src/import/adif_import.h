// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ADIF import: confirmed contacts of an ADIF file go into the band slots
// of the entity and zone tables; records that cannot be placed are listed in
// the error list file. One pass over the file's bytes through a block buffer:
// lines are views into it, and only the current record is copied.

#include "core/award_tables.h"
#include "import/adif_record.h"
#include "import/error_list.h"
#include "import/import_counts.h"
#include "import/import_options.h"
#include "import/slot_update.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zef {

// Called with the number of lines read so far: after every kProgressLines
// lines, and with the last line.
using ImportProgress = std::function<void(std::int64_t linesRead)>;
inline constexpr std::int64_t kProgressLines = 4096;

struct ImportResult {
    int errorEntries = 0;  // entries appended to the error list in this run
    bool cutShort = false; // an input/output error stopped the run
    QString errorText;     // when cut short: the error, naming its file
    ImportCounts counts;
    // The summary's points in each mode (by SummaryMode) before and after the run.
    std::array<int, 3> pointsBefore{};
    std::array<int, 3> pointsAfter{};
};

// Number of lines of the file, at least 1 (also for an empty file); the
// progress of a run goes from 1 to this. Throws FileError.
std::int64_t countAdifLines(const QString& adifPath);

// Imports the file into `tables`, appending to the error list at
// `errorListPath`. An input/output error (of the ADIF file or the error list)
// ends the run early; what was applied until then stays in the tables, and
// what was listed until then is in the error list.
ImportResult importAdif(AwardTables& tables, const QString& adifPath, const QString& errorListPath,
                        const ImportOptions& options, const ImportProgress& progress = {});
// The same for a log held in memory (a download), read as its file would be.
ImportResult importAdifBytes(AwardTables& tables, std::string_view adif,
                             const QString& errorListPath, const ImportOptions& options);

// The two texts of the box ("Komunikat") that ends a completed run;
// `errorList` is the error list file as the note names it (errorListShownAs).
QString importDoneMessage();
QString importDoneWithErrorsMessage(const QString& errorList = kErrorListShownName);
// The one for this result: with the error list's note when it got entries.
QString importFinishedMessage(const ImportResult& result,
                              const QString& errorList = kErrorListShownName);
// What to show (caption "Błąd") for a run that was cut short.
QString importCutShortMessage(const ImportResult& result);

// The engine behind importAdif, fed the file's lines in order (without their
// line ends). Throws FileError when the error list cannot be written.
class AdifImporter {
public:
    // A record longer than this (no real one comes near it) is not read: it
    // is listed once as unplaceable, shortened, and the import goes on.
    static constexpr std::size_t kRecordLimit = 1 << 20;
    // How much of such a record the error list shows.
    static constexpr std::size_t kShownOfOverlong = 256;

    AdifImporter(AwardTables& tables, const QString& errorListPath, const ImportOptions& options);

    void addLine(std::string_view line);
    // The file has ended: its last line closes the last record. The error
    // list is on disk when this returns.
    void finish();
    // The file could not be read to its end: the record being read is
    // dropped. The error list is on disk when this returns.
    void abandon();

    int errorEntries() const { return errorEntries_; }
    const ImportCounts& counts() const { return counts_; }

private:
    void applyRecord();
    void applyOverlongRecord();
    // The record was made under another own call than the options ask for.
    bool madeByOtherOwnCall();
    // Places the confirmed record in the row of `number` of one table and
    // tallies where it went.
    void placeIn(ImportTable table, std::optional<long long> number);
    std::optional<NotPlaced> placeInRow(ImportTable table, int row);
    std::optional<NotPlaced> readQso();
    void reportPlacement();
    void reportBand();

    AwardTables& tables_;
    ErrorList errors_;
    ImportOptions options_;
    // Row of each entity and zone number, first row wins; rows do not move
    // during an import.
    std::unordered_map<long long, int> entityRows_;
    std::unordered_map<long long, int> zoneRows_;

    bool inHeader_ = true;
    bool recordOpen_ = false;
    bool overlong_ = false; // the current record passed kRecordLimit
    std::string record_;    // lower-cased lines of the current record, joined
    RecordTags tags_;
    // Call and date of the current record, read once when first needed; the
    // reason when they cannot go into a slot.
    bool qsoRead_ = false;
    std::optional<NotPlaced> qsoProblem_;
    ConfirmedQso qso_;
    int errorEntries_ = 0;
    ImportCounts counts_;
};

} // namespace zef
