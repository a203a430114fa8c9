// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/date_ticks.h"

#include <array>

namespace zef {

namespace {

constexpr int kMostTicks = 10;

// The smallest step that keeps `span` units within the labels.
int stepFor(int span, const std::array<int, 5>& steps) {
    for (const int step : steps)
        if (span / step < kMostTicks)
            return step;
    return steps.back() * (span / (steps.back() * kMostTicks) + 1);
}

int monthIndex(QDate date) {
    return date.year() * 12 + date.month() - 1;
}

QDate monthStart(int index) {
    return QDate(index / 12, index % 12 + 1, 1);
}

} // namespace

std::vector<DateTick> dateTicks(QDate first, QDate last) {
    std::vector<DateTick> ticks;
    if (last.year() - first.year() >= 3) {
        const int step = stepFor(last.year() - first.year() + 1, {1, 2, 5, 10, 20});
        for (int year = first.year() / step * step; ticks.empty() || ticks.back().date <= last;
             year += step)
            ticks.push_back({QDate(year, 1, 1), QString::number(year)});
    } else if (monthIndex(last) - monthIndex(first) >= 2) {
        const int step = stepFor(monthIndex(last) - monthIndex(first) + 1, {1, 2, 3, 6, 12});
        for (int month = monthIndex(first) / step * step;
             ticks.empty() || ticks.back().date <= last; month += step)
            ticks.push_back({monthStart(month), monthStart(month).toString(u"yyyy-MM")});
    } else {
        const int step = stepFor(static_cast<int>(first.daysTo(last)) + 1, {1, 2, 7, 14, 28});
        for (QDate day = first; ticks.empty() || ticks.back().date <= last; day = day.addDays(step))
            ticks.push_back({day, day.toString(u"yyyy-MM-dd")});
    }
    return ticks;
}

} // namespace zef
