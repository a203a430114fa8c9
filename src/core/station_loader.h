// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one loader of station data files, for start-up, Open, the parameter
// mode and the batch commands: the read, the tables' limits, and the
// reconciliation with the entity reference file, whose questions go to
// whoever loads (the window asks the user; a batch command answers No).

#include "core/award_tables.h"
#include "core/file_guard.h"
#include "core/reconciliation.h"
#include "core/station_file.h"

#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace zef {

class LoadQuestions {
public:
    virtual ~LoadQuestions() = default;
    // Lines beyond 500 entities or 40 zones were left out.
    virtual void linesLeftOut(const LoadOverflow& overflow) = 0;
    // True to add the entities the file lacks.
    virtual bool addMissing(const std::vector<std::string>& missing) = 0;
    virtual void tableFull(int notInserted) = 0;
    // True to take the reference file's lines for the differing entities.
    virtual bool updateDiffering(const std::vector<DifferingEntity>& differing) = 0;
};

struct LoadedStation {
    std::unique_ptr<AwardTables> tables = std::make_unique<AwardTables>();
    // Whether the first line is the header the program writes, and the callsign it names.
    bool hasStationHeader = false;
    std::string headerCallsign;
    FileFingerprint file;
    LoadOverflow overflow;
    bool changedByAnswers = false; // rows added or updated: data to save
};

// The callsign a header line carries: its first field up to the two blanks
// before the date (the whole field when they are missing).
std::string headerCallsign(const std::string& headerLine);

// Reads the station data file whole (the tables of the caller change only
// when it was read) and reconciles it with `referenceLines` when given.
// Throws FileError.
LoadedStation loadStation(const QString& path, const std::vector<std::string>* referenceLines,
                          LoadQuestions& questions);

} // namespace zef
