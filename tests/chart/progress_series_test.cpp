// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/progress_series.h"

#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

void work(Row& row, int band, const std::string& call, const std::string& date,
          const std::string& verified = {}) {
    row[callSlot(band)] = call;
    row[qsoDateSlot(band)] = date;
    row[verificationSlot(band)] = verified;
}

// Every case the series must place: dated and undated slots, a verification
// before its QSO, one without a call, an unreadable verification date, a
// deleted entity, and band slots in a row without a reference line.
AwardTables mixedStation() {
    AwardTables t = test::threeEntitiesAndAllZones();
    work(t.entities[1], 0, "W1AW", "2001-03-10", "2003-06-01");
    work(t.entities[1], 2, "W1AW", "2001-03-10");
    work(t.entities[1], 4, "W1AW", "", "2004-01-01");            // no QSO date
    work(t.entities[2], 1, "K1ABC", "2002-07-04", "2002-07-04"); // deleted, verified at once
    work(t.entities[2], 3, "", "", "2002-02-02");                // verified, no call
    work(t.entities[3], 0, "SP1AA", "2005-05-05", "2004-04-04"); // verified before the QSO
    work(t.entities[3], 1, "SP1AA", "2003-06-01", "01.06.2004"); // unreadable verification
    work(t.entities[4], 0, "VK0A", "2001-01-01");                // no reference line
    work(t.zones[5], 0, "K5ZZ", "2002-07-04", "2003-06-01");
    work(t.zones[14], 2, "DL1A", "2004-13-01"); // no such month
    work(t.zones[40], 4, "ZL1A", "2003-06-01");
    return t;
}

// Points of the slots that count on `day`, counted directly from the fields.
std::array<int, kBands> countedOn(const AwardTables& t, QDate day, SummaryMode mode) {
    std::array<int, kBands> points{};
    const auto on = [&](const std::string& field) {
        return slotDate(field).isValid() && slotDate(field) <= day;
    };
    const auto add = [&](const Row& row, int weight) {
        for (int b = 0; b < kBands; ++b) {
            const bool confirmed = !row[callSlot(b)].empty() && on(row[qsoDateSlot(b)]);
            const bool verified = !row[verificationSlot(b)].empty() && on(row[verificationSlot(b)]);
            const bool counts = mode == SummaryMode::AllConfirmed ? confirmed
                                : mode == SummaryMode::Verified   ? verified
                                                                  : confirmed && !verified;
            points[static_cast<std::size_t>(b)] += counts ? weight : 0;
        }
    };
    for (int r = 1; r <= kEntityRows; ++r)
        if (!t.entities[r][0].empty())
            add(t.entities[r], 1);
    for (int z = 1; z <= kZoneRows; ++z)
        add(t.zones[z], 15);
    return points;
}

std::array<int, kBands> seriesOn(const ProgressSeries& series, QDate day) {
    std::array<int, kBands> points{};
    for (const ProgressPoint& point : series.points)
        if (point.date.isValid() && point.date <= day)
            points = point.bands;
    return points;
}

TEST(ProgressSeries, EqualsACountOfTheSlotsDatedUpToEachDayAndEndsAtTheSummary) {
    const AwardTables t = mixedStation();
    const std::pair<SummaryMode, int> modes[] = {
        {SummaryMode::AllConfirmed, 2}, // the QSO without a date, the month 13
        {SummaryMode::Verified, 1},     // "01.06.2004"
        {SummaryMode::ToVerify, 2},     // the month 13, and the verification never read
    };
    for (const auto& [mode, undated] : modes) {
        SCOPED_TRACE(static_cast<int>(mode));
        const ProgressSeries series = progressSeries(t, mode);
        for (const QDate day :
             {QDate(2000, 12, 31), QDate(2001, 3, 10), QDate(2002, 7, 3), QDate(2002, 7, 4),
              QDate(2003, 6, 1), QDate(2004, 4, 4), QDate(2005, 5, 5), QDate(2030, 1, 1)})
            EXPECT_EQ(seriesOn(series, day), countedOn(t, day, mode))
                << day.toString().toStdString();

        const SummaryCounts summary = summaryCounts(t, mode);
        ASSERT_FALSE(series.points.empty());
        const ProgressPoint& last = series.points.back();
        for (int b = 0; b < kBands; ++b)
            EXPECT_EQ(last.bands[static_cast<std::size_t>(b)], summary.bands[b].total) << b;
        EXPECT_EQ(last.total, summary.totals.total);
        EXPECT_EQ(series.undatedSlots, undated);
        EXPECT_FALSE(last.date.isValid()); // the undated ones come last

        // A point for each day on which a figure changed, and for no other.
        for (std::size_t i = 1; i < series.points.size(); ++i) {
            EXPECT_LT(series.points[i - 1].date.toJulianDay(),
                      series.points[i].date.isValid() ? series.points[i].date.toJulianDay()
                                                      : std::numeric_limits<qint64>::max());
            EXPECT_NE(series.points[i - 1].bands, series.points[i].bands);
        }
    }
}

TEST(ProgressSeries, ReadsOnlyWholeDatesAndSaysHowManyHaveNone) {
    const std::pair<std::string, QDate> dates[] = {
        {"2024-02-29", QDate(2024, 2, 29)},
        {" 1999-12-31  ", QDate(1999, 12, 31)},
        {"2023-02-29", QDate()},
        {"2024-1-05", QDate()},
        {"    -  -  ", QDate()},
        {"", QDate()},
        {"2O24-01-05", QDate()},
        {"2024-01-05x", QDate()},
    };
    for (const auto& [field, date] : dates)
        EXPECT_EQ(slotDate(field), date) << field;

    EXPECT_EQ(undatedSlotsText(1), QStringLiteral("1 slot bez daty"));
    EXPECT_EQ(undatedSlotsText(3), QStringLiteral("3 sloty bez daty"));
    EXPECT_EQ(undatedSlotsText(12), QStringLiteral("12 slotów bez daty"));
    EXPECT_EQ(undatedSlotsText(22), QStringLiteral("22 sloty bez daty"));
    EXPECT_EQ(undatedSlotsText(25), QStringLiteral("25 slotów bez daty"));
}

} // namespace
} // namespace zef
