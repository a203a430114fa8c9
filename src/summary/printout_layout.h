// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two pages of the summary printout as lists of text items placed in
// layout units (2398 of them span the printable width). The print job only
// maps the items to the device and draws them in Courier New.

#include "core/award_tables.h"
#include "core/summary_counts.h"

#include <string>
#include <vector>

namespace zef {

constexpr int kLayoutWidth = 2398;
// The lowest line of either page: the bottom rule of page 1.
constexpr int kLayoutHeight = 3225;
// Tables stand this far apart; each of their lines is this many characters.
constexpr int kTableSpacing = 750;
constexpr int kTableLineChars = 48;
constexpr int kHeaderPointSize = 10;
constexpr int kCallsignPointSize = 16; // bold
constexpr int kTablePointSize = 6;

// Entity rows of page 1: three tables of 115.
constexpr int kPageOneRowsPerTable = 115;
constexpr int kPageOneEntityRows = 3 * kPageOneRowsPerTable;

struct PrintItem {
    int x = 0; // layout units from the left edge of the printable area
    int y = 0; // layout units from its top edge
    int pointSize = kTablePointSize;
    bool bold = false;
    std::string text; // windows-1250
};

using PrintPage = std::vector<PrintItem>;

// What the page header shows besides its fixed texts.
struct PrintoutHeader {
    std::string callsign; // upper-cased for printing
    std::string date;     // today in the system's short date format, windows-1250
    AwardPoints points;
};

// Device pixels per 100 layout units for a printable width of w pixels.
int layoutScale(int printableWidth);
// Position of N layout units in device pixels at scale s.
int toDevice(int units, int scale);

// " |" without a call (even with a verification date), "c|" with a call
// only, "v|" with a call and a verification date.
std::string bandMark(const Row& row, int band);

// 48-character table lines: an entity row (its reference line cut or padded
// to 36), a zone row, and the line standing for zone numbers past 40.
std::string entityPrintLine(const Row& entityRow);
std::string zonePrintLine(const Row& zoneRow);
std::string emptyZonePrintLine();

// Rows per table on page 2 for an entity reference file of L non-empty
// lines: enough for the entities past row 345, never less than 1 and never
// more than the 500 rows of the entity table need.
int pageTwoRowsPerTable(int entityFileLines);
// Top of the zone tables on page 2.
int pageTwoZoneTop(int rowsPerTable);

// Page 1: header and entity rows 1 to 345, empty rows printed as blank lines.
PrintPage printoutPageOne(const AwardTables& tables, const PrintoutHeader& header);
// Page 2: header, the entity rows past 345 and the 40 zones.
PrintPage printoutPageTwo(const AwardTables& tables, const PrintoutHeader& header,
                          int entityFileLines);

} // namespace zef
