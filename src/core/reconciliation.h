// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of a loaded station data file against the entity reference file:
// entities the file lacks, and entities whose reference line differs.

#include "core/award_tables.h"

#include <QString>
#include <string>
#include <vector>

namespace zef {

struct DifferingEntity {
    std::string reference; // the reference file's line
    std::string file;      // the line the station data file holds for that number
};

struct Reconciliation {
    std::vector<std::string> missing;
    std::vector<DifferingEntity> differing;
};

// Each reference line either stands unchanged in an occupied row, differs
// from the row with its ADIF number, or is missing. Unknown rows are left alone.
Reconciliation compareWithReference(const AwardTables& tables,
                                    const std::vector<std::string>& referenceLines);

// The two questions, exactly as the user sees them.
QString missingQuestion(const std::vector<std::string>& missing);
QString differingQuestion(const std::vector<DifferingEntity>& differing);

// Inserts every missing entity at its prefix-order place with empty band
// slots. Returns how many could not be inserted because the table was full.
int addMissingEntities(AwardTables& tables, const std::vector<std::string>& missing);

// Moves each differing row to the place of its new reference line, with its band slots.
void updateDifferingEntities(AwardTables& tables, const std::vector<DifferingEntity>& differing);

// Told when the table could not take every missing entity.
QString tableFullMessage(int notInserted);

} // namespace zef
