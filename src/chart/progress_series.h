// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The award's points accumulated over time, per band and in total: what the
// progress chart draws and its CSV lists. It counts through the summary's own
// rules, so its last point is the summary's figure in the same mode.

#include "core/award_tables.h"
#include "core/summary_counts.h"

#include <QDate>
#include <QString>
#include <array>
#include <string_view>
#include <vector>

namespace zef {

struct ProgressPoint {
    QDate date; // null for the last point when slots without a date count there
    std::array<int, kBands> bands{}; // 80, 40, 20, 15, 10 m
    int total = 0;

    bool operator==(const ProgressPoint&) const = default;
};

struct ProgressSeries {
    // In date order, one for every date on which a figure changed.
    std::vector<ProgressPoint> points;
    // Slots counted at the end because a date they are placed by is unreadable.
    int undatedSlots = 0;
};

// The points of `mode` over time: a confirmed slot counts from its QSO date,
// a verified one from its verification date, and one waiting for
// verification from its QSO date until its verification date.
ProgressSeries progressSeries(const AwardTables& tables, SummaryMode mode);

// A date field as the program writes it, "rrrr-mm-dd", blanks around it
// allowed; a null date when it is anything else.
QDate slotDate(std::string_view field);

// "1 slot bez daty", "3 sloty bez daty", "5 slotów bez daty".
QString undatedSlotsText(int count);

} // namespace zef
