// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station data file: a header line, one line per occupied entity row,
// a separator of 43 "=", then exactly 40 zone lines; every line the 21 slots
// of a row joined by ";" with no quoting. windows-1250, CR LF.

#include "core/award_tables.h"

#include <QString>
#include <string>
#include <vector>

namespace zef {

inline const std::string kSeparatorLine(43, '=');

// Text made fit for one field: fields are separated by ";" without quoting
// and lines end at a line feed or CR, so each ";" becomes "," and each line
// feed, CR or NUL (which the file's writer refuses) a blank. Text from other
// files passes here before it reaches the tables.
std::string storableField(std::string_view text);

// An entity line that begins as the separator line does would end the
// entity part when the file is read again, so it can never be stored.
bool endsEntityPart(std::string_view line);

// "<CALL>  <date>;Call-80m;Date-80m;...;Weryf-10m"; the callsign is upper-cased.
std::string stationHeaderLine(const std::string& callsign, const std::string& dateText);

// The 21 slots of a row joined by ";".
std::string joinRow(const Row& row);
// A line split into 21 slots: the first 20 ";" separate, the rest is slot 20.
Row splitLine(const std::string& line);

// Every line of the file, the header first.
std::vector<std::string> stationFileLines(const AwardTables& tables, const std::string& callsign,
                                          const std::string& dateText);

// Lines of a file that did not fit into the tables and were not stored.
struct LoadOverflow {
    int entityLines = 0;
    int zoneLines = 0;
    bool any() const { return entityLines > 0 || zoneLines > 0; }
};

// Clears the tables and fills them from the file's lines (header skipped).
// Lines beyond 500 entities or 40 zones are counted, never stored.
LoadOverflow loadStationLines(const std::vector<std::string>& lines, AwardTables& tables);

// Band slots (call, date, confirmation or verification) in which `tables`
// differ from the station data file content `saved`: entity rows matched by
// their number, zone rows by their place; a row on one side only counts its
// filled slots.
int changedSlots(std::string_view saved, const AwardTables& tables);

// The message that tells the user how many lines were left out.
QString overflowMessage(const LoadOverflow& overflow);

} // namespace zef
