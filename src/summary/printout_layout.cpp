// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/printout_layout.h"

#include "core/text.h"

#include <algorithm>

namespace zef {

namespace {

const std::string kRule = "+----------------------------------------------+";
const std::string kEntityHead1 = "|ADI|  Pfx  | Podmiot                |8|4|2|1|1|";
const std::string kEntityHead2 = "|   |       |                        |0|0|0|5|0|";
const std::string kEntityHead3 = "+---+-------+------------------------+---------+";
const std::string kZoneHead1 = "|    CQZ    | Prefiksy               |8|4|2|1|1|";
const std::string kZoneHead2 = "|           |                        |0|0|0|5|0|";
const std::string kZoneHead3 = "+-----------+------------------------+---------+";
const std::string kEmptyZoneLine = "|           |                        | | | | | |";

constexpr int kTopOfTables = 250;
constexpr int kLineStep = 25;
constexpr int kZoneLinesPerTable = 14;

int tableX(int t) {
    return 100 + kTableSpacing * t;
}

void add(PrintPage& page, int x, int y, std::string text) {
    page.push_back({x, y, kTablePointSize, false, std::move(text)});
}

void addHeader(PrintPage& page, const PrintoutHeader& h) {
    // The misspelt "zweryfikowowane" is what users know from every printout.
    page.push_back({200, 125, kHeaderPointSize, false,
                    fromQt(QStringLiteral("Zefirant - zestawienie podmiotów DXCC dla: "))});
    page.push_back({1400, 120, kCallsignPointSize, true, upperAscii(h.callsign)});
    page.push_back({200, 200, kHeaderPointSize, false, "Data: " + h.date});
    page.push_back({700, 200, kHeaderPointSize, false,
                    "Punkty zweryfikowowane: " + std::to_string(h.points.verified)});
    page.push_back({1500, 200, kHeaderPointSize, false,
                    "Punkty do zweryfikowowania: " + std::to_string(h.points.pending)});
}

void addEntityFrames(PrintPage& page, int bottomY) {
    for (int t = 0; t < 3; ++t) {
        const int x = tableX(t);
        add(page, x, kTopOfTables, kRule);
        add(page, x, kTopOfTables + kLineStep, kEntityHead1);
        add(page, x, kTopOfTables + 2 * kLineStep, kEntityHead2);
        add(page, x, kTopOfTables + 3 * kLineStep, kEntityHead3);
        add(page, x, bottomY, kRule);
    }
}

// y of the r-th line (1-based) of an entity table.
int entityLineY(int r) {
    return kTopOfTables + 3 * kLineStep + kLineStep * r;
}

} // namespace

int layoutScale(int printableWidth) {
    return static_cast<int>(static_cast<long long>(printableWidth) * 100 / kLayoutWidth);
}

int toDevice(int units, int scale) {
    return static_cast<int>(static_cast<long long>(units) * scale / 100);
}

std::string bandMark(const Row& row, int band) {
    if (!hasCall(row, band))
        return " |";
    return hasVerification(row, band) ? "v|" : "c|";
}

namespace {
std::string bandMarks(const Row& row) {
    std::string marks;
    for (int b = 0; b < kBands; ++b)
        marks += bandMark(row, b);
    return marks;
}
} // namespace

std::string entityPrintLine(const Row& entityRow) {
    return "|" + padRight(entityRow[0], 36) + "|" + bandMarks(entityRow);
}

std::string zonePrintLine(const Row& zoneRow) {
    const std::string line = zoneRow[0].size() < 36 ? padRight(zoneRow[0], 36) : zoneRow[0];
    return "|    " + mid(line, 7, 9) + "  " + mid(line, 10, 36) + "|" + bandMarks(zoneRow);
}

std::string emptyZonePrintLine() {
    return kEmptyZoneLine;
}

int pageTwoRowsPerTable(int entityFileLines) {
    // Rows past 500 never print, so more lines would only push the zones off
    // the page; fewer than 345 would pull the frames up into the header.
    const int k = std::clamp(entityFileLines, kPageOneEntityRows, kEntityRows) - kPageOneEntityRows;
    return k / 3 + (k % 3 > 0 ? 2 : 1);
}

int pageTwoZoneTop(int rowsPerTable) {
    return 400 + kLineStep * rowsPerTable;
}

PrintPage printoutPageOne(const AwardTables& tables, const PrintoutHeader& header) {
    PrintPage page;
    addHeader(page, header);
    addEntityFrames(page, kLayoutHeight);
    for (int t = 0; t < 3; ++t)
        for (int r = 1; r <= kPageOneRowsPerTable; ++r)
            add(page, tableX(t), entityLineY(r),
                entityPrintLine(tables.entities[kPageOneRowsPerTable * t + r]));
    return page;
}

PrintPage printoutPageTwo(const AwardTables& tables, const PrintoutHeader& header,
                          int entityFileLines) {
    const int rows = pageTwoRowsPerTable(entityFileLines);
    PrintPage page;
    addHeader(page, header);
    addEntityFrames(page, 350 + kLineStep * rows);
    for (int t = 0; t < 3; ++t) {
        for (int r = 1; r <= rows; ++r) {
            const int n = kPageOneEntityRows + rows * t + r;
            // Unused lines stay blank so the rest keeps its place.
            if (n <= kEntityRows && isOccupied(tables.entities[n]))
                add(page, tableX(t), entityLineY(r), entityPrintLine(tables.entities[n]));
        }
    }

    const int z = pageTwoZoneTop(rows);
    for (int t = 0; t < 3; ++t) {
        add(page, tableX(t), z, kRule);
        add(page, tableX(t), z + kLineStep, kZoneHead1);
        add(page, tableX(t), z + 2 * kLineStep, kZoneHead2);
        add(page, tableX(t), z + 3 * kLineStep, kZoneHead3);
    }
    for (int t = 0; t < 3; ++t) {
        for (int r = 1; r <= kZoneLinesPerTable; ++r) {
            const int n = kZoneLinesPerTable * t + r;
            add(page, tableX(t), z + 3 * kLineStep + kLineStep * r,
                n <= kZoneRows ? zonePrintLine(tables.zones[n]) : kEmptyZoneLine);
        }
        add(page, tableX(t), z + 450, kRule);
    }
    return page;
}

} // namespace zef
