// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two choices of the import dialog, kept for the whole run.

#include <string>
#include <vector>

namespace zef {

// Where the ADIF file comes from.
enum class ImportSource { Log, Lotw };

// Which confirmation wins when both kinds compete for one slot.
enum class ImportPriority { LogQsl, Lotw };

struct ImportOptions {
    ImportSource source = ImportSource::Log;
    ImportPriority priority = ImportPriority::LogQsl;
    // When not empty, only the records made under these own calls (upper
    // case) are imported: a LoTW account may hold several stations' QSOs.
    std::vector<std::string> ownCalls;
};

} // namespace zef
