// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/progress_series.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace zef {

namespace {

// Days as Julian day numbers; slots without a readable date come after all.
constexpr qint64 kEnd = std::numeric_limits<qint64>::max();

struct Change {
    qint64 day;
    int band;
    int points;
};

qint64 dayOf(const std::string& field) {
    const QDate date = slotDate(field);
    return date.isValid() ? date.toJulianDay() : kEnd;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int number(std::string_view digits) {
    int n = 0;
    for (const char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

class ChangeList {
public:
    ChangeList(const AwardTables& tables, SummaryMode mode) {
        forEachScoredRow(tables, [&](const Row& row, int points) {
            for (int b = 0; b < kBands; ++b)
                addSlot(row, b, points, mode);
        });
        std::stable_sort(changes_.begin(), changes_.end(),
                         [](const Change& a, const Change& b) { return a.day < b.day; });
    }

    const std::vector<Change>& changes() const { return changes_; }
    int undatedSlots() const { return undated_; }

private:
    // A slot counts from `from` until `until` (never when `until` is absent).
    void count(int band, int points, qint64 from, std::optional<qint64> until = std::nullopt) {
        if (from == kEnd && until)
            return; // it would come and go at the same end
        if (from == kEnd || until == kEnd)
            ++undated_;
        changes_.push_back({from, band, points});
        // A verification before the QSO never made the slot wait.
        if (until)
            changes_.push_back({std::max(from, *until), band, -points});
    }

    void addSlot(const Row& row, int b, int points, SummaryMode mode) {
        switch (mode) {
        case SummaryMode::AllConfirmed:
            if (countsInMode(row, b, SummaryMode::AllConfirmed))
                count(b, points, dayOf(row[qsoDateSlot(b)]));
            break;
        case SummaryMode::Verified:
            if (countsInMode(row, b, SummaryMode::Verified))
                count(b, points, dayOf(row[verificationSlot(b)]));
            break;
        case SummaryMode::ToVerify:
            // Confirmed minus verified: what is left at the end is exactly
            // what the summary counts as waiting.
            if (!countsInMode(row, b, SummaryMode::AllConfirmed))
                break;
            if (countsInMode(row, b, SummaryMode::Verified))
                count(b, points, dayOf(row[qsoDateSlot(b)]), dayOf(row[verificationSlot(b)]));
            else
                count(b, points, dayOf(row[qsoDateSlot(b)]));
            break;
        }
    }

    std::vector<Change> changes_;
    int undated_ = 0;
};

} // namespace

QDate slotDate(std::string_view field) {
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    if (field.size() != 10 || field[4] != '-' || field[7] != '-')
        return {};
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isDigit(field[i]))
            return {};
    // QDate refuses the 31st of a short month, a 29th of February out of a leap year.
    return QDate(number(field.substr(0, 4)), number(field.substr(5, 2)),
                 number(field.substr(8, 2)));
}

QString undatedSlotsText(int count) {
    const int lastTwo = count % 100;
    const int last = count % 10;
    const char* noun = count == 1                                                 ? "slot"
                       : last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14) ? "sloty"
                                                                                  : "slotów";
    return QStringLiteral("%1 %2 bez daty").arg(count).arg(QString::fromUtf8(noun));
}

ProgressSeries progressSeries(const AwardTables& tables, SummaryMode mode) {
    const ChangeList list(tables, mode);
    ProgressSeries series;
    series.undatedSlots = list.undatedSlots();
    ProgressPoint current;
    const auto& changes = list.changes();
    for (std::size_t i = 0; i < changes.size(); ++i) {
        current.bands[static_cast<std::size_t>(changes[i].band)] += changes[i].points;
        current.total += changes[i].points;
        const bool lastOfDay = i + 1 == changes.size() || changes[i + 1].day != changes[i].day;
        if (!lastOfDay)
            continue;
        const std::array<int, kBands> before =
            series.points.empty() ? std::array<int, kBands>{} : series.points.back().bands;
        if (current.bands == before)
            continue;
        current.date = changes[i].day == kEnd ? QDate() : QDate::fromJulianDay(changes[i].day);
        series.points.push_back(current);
    }
    return series;
}

} // namespace zef
