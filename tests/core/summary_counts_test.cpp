// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/summary_counts.h"

#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::referenceLine;

constexpr int k80 = 0;
constexpr int k20 = 2;
constexpr int k10 = 4;

void work(Row& row, int band, const std::string& call, const std::string& verified = {}) {
    row[callSlot(band)] = call;
    row[qsoDateSlot(band)] = call.empty() ? "" : "2020-05-01";
    row[confirmationSlot(band)] = call.empty() ? "" : "QSL";
    row[verificationSlot(band)] = verified;
}

const QString kZero = QStringLiteral("        0");

TEST(SummaryCounts, NoDataShowsZeroInNineCharactersEverywhere) {
    const SummaryTexts texts =
        summaryTexts(summaryCounts(AwardTables{}, SummaryMode::AllConfirmed));
    for (int row = 1; row <= kBands; ++row)
        for (int col = 1; col < kSummaryColumns; ++col)
            EXPECT_EQ(texts.bandGrid[row][col], kZero) << row << "," << col;
    for (int col = 1; col < kSummaryColumns; ++col)
        EXPECT_EQ(texts.totalsRow[col], kZero);
    EXPECT_EQ(texts.statusPanels[0], QStringLiteral("Zweryfikowane: 0"));
    EXPECT_EQ(texts.statusPanels[1], QStringLiteral("Do weryfikacji: 0"));
    EXPECT_EQ(texts.statusPanels[2], QStringLiteral("Suma punktów: 0"));
}

TEST(SummaryCounts, BeforeTheFirstRefreshOnlyTheFixedTextsStand) {
    const SummaryTexts texts = initialSummaryTexts();
    EXPECT_EQ(texts.bandGrid[0][1], QStringLiteral("   Strefy"));
    EXPECT_EQ(texts.bandGrid[5][0], QStringLiteral("      10m"));
    EXPECT_EQ(texts.totalsRow[0], QStringLiteral("    Razem"));
    EXPECT_TRUE(texts.bandGrid[3][3].isEmpty());
    EXPECT_TRUE(texts.totalsRow[4].isEmpty());
    EXPECT_EQ(summaryTexts(SummaryCounts{}).bandGrid[0], texts.bandGrid[0]);
}

TEST(SummaryCounts, OneEntityOn20mThroughVerification) {
    AwardTables t = test::threeEntitiesAndAllZones();
    work(t.entities[3], k20, "SP5ZZ");

    SummaryCounts all = summaryCounts(t, SummaryMode::AllConfirmed);
    EXPECT_EQ(all.bands[k20].zones, 0);
    EXPECT_EQ(all.bands[k20].zonePoints, 0);
    EXPECT_EQ(all.bands[k20].entities, 1);
    EXPECT_EQ(all.bands[k20].total, 1);
    EXPECT_EQ(all.bands[k80].total, 0);
    SummaryTexts texts = summaryTexts(all);
    EXPECT_EQ(texts.bandGrid[3][3], QStringLiteral("        1"));
    EXPECT_EQ(texts.totalsRow[1], kZero);
    EXPECT_EQ(texts.totalsRow[3], QStringLiteral("        1"));
    EXPECT_EQ(texts.totalsRow[4], QStringLiteral("        1"));
    EXPECT_EQ(texts.statusPanels[0], QStringLiteral("Zweryfikowane: 0"));
    EXPECT_EQ(texts.statusPanels[1], QStringLiteral("Do weryfikacji: 1"));
    EXPECT_EQ(texts.statusPanels[2], QStringLiteral("Suma punktów: 1"));
    EXPECT_EQ(summaryCounts(t, SummaryMode::ToVerify).bands[k20].entities, 1);
    EXPECT_EQ(summaryCounts(t, SummaryMode::Verified).bands[k20].entities, 0);

    t.entities[3][verificationSlot(k20)] = "2021-01-01";
    for (SummaryMode mode :
         {SummaryMode::AllConfirmed, SummaryMode::Verified, SummaryMode::ToVerify}) {
        const SummaryCounts c = summaryCounts(t, mode);
        EXPECT_EQ(c.points.verified, 1);
        EXPECT_EQ(c.points.pending, 0);
        EXPECT_EQ(c.bands[k20].entities, mode == SummaryMode::ToVerify ? 0 : 1);
    }
}

TEST(SummaryCounts, ZoneOn80mGivesFifteen) {
    AwardTables t = test::threeEntitiesAndAllZones();
    work(t.zones[14], k80, "DL1AA");
    const SummaryCounts c = summaryCounts(t, SummaryMode::AllConfirmed);
    EXPECT_EQ(c.bands[k80].zones, 1);
    EXPECT_EQ(c.bands[k80].zonePoints, 15);
    EXPECT_EQ(c.bands[k80].entities, 0);
    EXPECT_EQ(c.bands[k80].total, 15);
    EXPECT_EQ(c.points.pending, 15);
    EXPECT_EQ(summaryTexts(c).bandGrid[1][2], QStringLiteral("       15"));
}

TEST(SummaryCounts, VerificationDateWithoutCallCountsAsVerifiedOnly) {
    AwardTables t = test::threeEntitiesAndAllZones();
    work(t.entities[1], k10, "", "2021-03-03");
    work(t.zones[40], k10, "", "2021-03-03");
    const AwardPoints p = awardPoints(t);
    EXPECT_EQ(p.verified, 16);
    EXPECT_EQ(p.pending, 0);
    EXPECT_EQ(summaryCounts(t, SummaryMode::Verified).bands[k10].total, 16);
    EXPECT_EQ(summaryCounts(t, SummaryMode::AllConfirmed).bands[k10].total, 0);
    EXPECT_EQ(summaryCounts(t, SummaryMode::ToVerify).bands[k10].total, 0);
}

TEST(SummaryCounts, EmptyReferenceLineCountsNowhereButEmptyZoneLinesDo) {
    AwardTables t = test::threeEntitiesAndAllZones();
    work(t.entities[4], k20, "SP5ZZ");               // beyond the last reference line
    work(t.entities[0], k20, "SP5ZZ", "2020-01-01"); // the scratch row
    t.zones[39][0].clear();
    work(t.zones[39], k20, "JA1AA");
    const SummaryCounts c = summaryCounts(t, SummaryMode::AllConfirmed);
    EXPECT_EQ(c.bands[k20].entities, 0);
    EXPECT_EQ(c.bands[k20].zones, 1);
    EXPECT_EQ(c.points.verified, 0);
    EXPECT_EQ(c.points.pending, 15);
}

TEST(SummaryCounts, FullTablesSumAcrossBandsIncludingDeletedEntities) {
    AwardTables t;
    for (int r = 1; r <= kEntityRows; ++r) {
        t.entities[r][0] = referenceLine(r, r % 7 == 0, "P" + std::to_string(r), "E");
        for (int b = 0; b < kBands; ++b)
            work(t.entities[r], b, "X1X", "2020-02-02");
    }
    for (int z = 1; z <= kZoneRows; ++z)
        for (int b = 0; b < kBands; ++b)
            work(t.zones[z], b, "Y1Y", b == k10 ? "" : "2020-02-02");

    const SummaryCounts c = summaryCounts(t, SummaryMode::Verified);
    EXPECT_EQ(c.points.verified, 2500 + 4 * 40 * 15);
    EXPECT_EQ(c.points.pending, 40 * 15);
    EXPECT_EQ(c.bands[k80].total, 500 + 600);
    EXPECT_EQ(c.bands[k10].total, 500);
    EXPECT_EQ(c.totals.zones, 160);
    EXPECT_EQ(c.totals.zonePoints, 2400);
    EXPECT_EQ(c.totals.entities, 2500);
    EXPECT_EQ(c.totals.total, 4900);
    const SummaryTexts texts = summaryTexts(c);
    EXPECT_EQ(texts.totalsRow[4], QStringLiteral("     4900"));
    EXPECT_EQ(texts.statusPanels[2], QStringLiteral("Suma punktów: 5500"));
}

} // namespace
} // namespace zef
