// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where an ADIF file comes from, as far as the import must know it: a report
// downloaded from LoTW carries QSL_RCVD:Y with every LoTW confirmation, so
// imported as the station's own log it would mark them all paper cards.

#include <QString>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zef {

// True when the text shows a LoTW report: its header line, an APP_LoTW_
// field or its <APP_LoTW_EOF> marker, in any case.
bool looksLikeLotwReport(std::string_view text);

// The same for a file, told from its first 64 KB and its last bytes.
// Throws FileError.
bool isLotwReportFile(const QString& path);

// The own calls the records were made under (STATION_CALLSIGN, else
// APP_LoTW_OWNCALL), upper case, with how many records each, most first:
// a LoTW account may hold the QSOs of several calls of one operator.
std::vector<std::pair<std::string, int>> ownCallsOf(std::string_view adif);

} // namespace zef
