// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Award points and the per-band counts of the summary window, computed from
// the award tables alone, and the texts the window shows for them.

#include "core/award_tables.h"

#include <QString>
#include <array>
#include <functional>

namespace zef {

// Which band slots the band grid counts; the points do not depend on it.
enum class SummaryMode {
    AllConfirmed, // a call
    Verified,     // a verification date
    ToVerify,     // a call and no verification date
};

constexpr int kEntityPoints = 1;
constexpr int kZonePoints = 15;

struct AwardPoints {
    int verified = 0;
    int pending = 0;
    int sum() const { return verified + pending; }
};

struct BandCounts {
    int zones = 0;
    int zonePoints = 0;
    int entities = 0;
    int total = 0; // zone points + entities
};

struct SummaryCounts {
    AwardPoints points;
    std::array<BandCounts, kBands> bands; // 80, 40, 20, 15, 10 m
    BandCounts totals;
};

// True when band slot `band` of the row passes the test of `mode`.
bool countsInMode(const Row& row, int band, SummaryMode mode);

// Calls `visit` with every row the award scores and the points one of its
// band slots is worth: entity rows with a reference line (1), all 40 zone
// rows (15). Every count of points goes through here.
void forEachScoredRow(const AwardTables& tables,
                      const std::function<void(const Row& row, int points)>& visit);

// Verified and pending points: 1 per entity slot, 15 per zone slot. Entity rows
// without a reference line give nothing; all 40 zone rows are always counted.
AwardPoints awardPoints(const AwardTables& tables);

// Points and band grid counts of one summary refresh.
SummaryCounts summaryCounts(const AwardTables& tables, SummaryMode mode);

// Layout of the summary window's two grids.
constexpr int kSummaryColumns = 5;
constexpr int kSummaryGridRows = 6; // head row and the five bands

struct SummaryTexts {
    // Band grid cells by [row][column]; row 0 and column 0 are the fixed heads.
    std::array<std::array<QString, kSummaryColumns>, kSummaryGridRows> bandGrid;
    // Totals row under the band grid; column 0 is its fixed head.
    std::array<QString, kSummaryColumns> totalsRow;
    // Status bar panels 0, 1 and 2.
    std::array<QString, 3> statusPanels;
};

// A count as the grids show it: right-aligned in exactly 9 characters.
QString countCellText(int value);

// The window as created: fixed cell texts, counted cells empty, the designed
// status panel texts.
SummaryTexts initialSummaryTexts();

// Every text of the window after a refresh with these counts.
SummaryTexts summaryTexts(const SummaryCounts& counts);

// The summary window's caption in each mode, and the caption of the mode's
// radio item in the main window's menu.
QString summaryWindowCaption(SummaryMode mode);
QString summaryMenuCaption(SummaryMode mode);

} // namespace zef
