// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --lotw-sync: the QSL records LoTW received since the last sync of a station
// data file, imported as --import --source lotw imports a file.

#include "app/batch_commands.h"

namespace zef {

inline constexpr char kLotwUrlVariable[] = "ZEFIRANT_LOTW_URL";
inline constexpr char kLotwCaVariable[] = "ZEFIRANT_LOTW_CA";

// Downloads the report, keeps a dated copy in the user's LoTW folder, imports
// what it downloaded into the station data file and, when all went well,
// records the report's date for the next run (never one in the future). A
// failed download or a report that is not whole changes nothing and returns
// 1. `showProgress`: the bytes received so far, on `err`.
int runLotwSync(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
                std::ostream& err, bool showProgress);

} // namespace zef
