// SPDX-License-Identifier: GPL-3.0-or-later
// The counts an import run keeps as it goes equal a count made here, record
// by record, of a log that holds every way a record can miss its slot.

#include "core/summary_counts.h"
#include "import/adif_import.h"
#include "import/import_fixture.h"
#include "import/import_report.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::ImportFixture;
using test::Qso;

// Where a record should go in each table: placed (nullopt) or the reason.
struct Expected {
    Qso record;
    std::optional<NotPlaced> entity;
    std::optional<NotPlaced> zone;
};

Qso with(void (*change)(Qso&)) {
    Qso q;
    change(q);
    return q;
}

TEST(ImportCounts, EqualARecordByRecordCount) {
    const std::vector<Expected> log = {
        {Qso{}, std::nullopt, std::nullopt}, // fills E291 and Z5 on 20 m
        {with([](Qso& q) { q.call = "SP2BBB"; }), std::nullopt, std::nullopt}, // stays: first wins
        {with([](Qso& q) {
             q.band = "40M";
             q.qsl = "N";
             q.lotw = "Y";
         }),
         std::nullopt, std::nullopt},                                       // fills 40 m
        {with([](Qso& q) { q.band = "40M"; }), std::nullopt, std::nullopt}, // LoTW replaced by QSL
        {with([](Qso& q) { q.dxcc.reset(); }), NotPlaced::NoField, std::nullopt},
        {with([](Qso& q) {
             q.dxcc = "999";
             q.cqz.reset();
         }),
         NotPlaced::UnknownNumber, NotPlaced::NoField},
        {with([](Qso& q) {
             q.dxcc = "0";
             q.cqz = "41";
         }),
         NotPlaced::UnknownNumber, NotPlaced::UnknownNumber},
        {with([](Qso& q) { q.band = "160M"; }), NotPlaced::Band, NotPlaced::Band},
        {with([](Qso& q) { q.band.reset(); }), NotPlaced::Band, NotPlaced::Band},
        {with([](Qso& q) { q.band = "1.25M"; }), NotPlaced::Band, NotPlaced::Band},
        {with([](Qso& q) { q.date = "2021-1-3"; }), NotPlaced::Unreadable, NotPlaced::Unreadable},
        {with([](Qso& q) { q.call.reset(); }), NotPlaced::Unreadable, NotPlaced::Unreadable},
        {with([](Qso& q) { q.call = "SP1\rX"; }), NotPlaced::NotStorable, NotPlaced::NotStorable},
        {with([](Qso& q) { q.qsl = "N"; }), std::nullopt, std::nullopt}, // not confirmed
    };
    const std::string overlong(AdifImporter::kRecordLimit + 1, 'x');
    std::string adif = test::adifFile({});
    for (const Expected& e : log)
        adif += e.record.text() + "<EOR>\n";
    adif += Qso{}.text() + overlong + "<EOR>\n";

    ImportFixture f;
    f.entity(test::kPolandRow)[callSlot(0)] = "SP9OLD";
    f.entity(test::kPolandRow)[verificationSlot(0)] = "2020-01-01";
    const ImportResult result = f.import(adif);

    ImportCounts expected;
    expected.records = static_cast<std::int64_t>(log.size()) + 1;
    const auto tally = [](TableTally& table, std::optional<NotPlaced> reason) {
        if (reason)
            ++table.notPlaced[static_cast<int>(*reason)];
        else
            ++table.placed;
    };
    for (const Expected& e : log) {
        if (e.record.qsl == "N" && !e.record.lotw)
            continue;
        ++expected.confirmed;
        tally(expected.entities, e.entity);
        tally(expected.zones, e.zone);
    }
    ++expected.confirmed; // the overlong one, cut and listed
    tally(expected.entities, NotPlaced::Unreadable);
    tally(expected.zones, NotPlaced::Unreadable);

    const ImportCounts& counts = result.counts;
    EXPECT_EQ(counts.records, expected.records);
    EXPECT_EQ(counts.confirmed, expected.confirmed);
    EXPECT_EQ(counts.entities.placed, expected.entities.placed);
    EXPECT_EQ(counts.entities.notPlaced, expected.entities.notPlaced);
    EXPECT_EQ(counts.zones.placed, expected.zones.placed);
    EXPECT_EQ(counts.zones.notPlaced, expected.zones.notPlaced);
    EXPECT_EQ(counts.filledSlots(), 4);  // E291 and Z5 on 20 and 40 m
    EXPECT_EQ(counts.changedSlots(), 0); // the 40 m slots were filled by this run
    EXPECT_EQ(result.pointsBefore[static_cast<int>(SummaryMode::Verified)], 1);
    EXPECT_EQ(result.pointsAfter[static_cast<int>(SummaryMode::AllConfirmed)],
              summaryCounts(*f.tables, SummaryMode::AllConfirmed).totals.total);

    // A second run over the 40 m slots, now stored as QSL, with LoTW's
    // priority: each changes.
    ImportOptions lotwFirst;
    lotwFirst.priority = ImportPriority::Lotw;
    const ImportResult again = f.import(test::adifFile({with([](Qso& q) {
                                            q.band = "40M";
                                            q.call = "SP3CCC";
                                            q.lotw = "Y";
                                        })}),
                                        lotwFirst);
    EXPECT_EQ(again.counts.filledSlots(), 0);
    EXPECT_EQ(again.counts.changedSlots(), 2);
    const QString report = importReportText(again, *f.tables, false);
    EXPECT_TRUE(report.contains(QStringLiteral("Sloty nowo wypełnione: 0, zmienione: 2.")));
    EXPECT_TRUE(report.contains(QStringLiteral("podmiot K United States of America")));
}

// A log without the fields the import needs says so in one sentence.
TEST(ImportCounts, ALogWithoutDxccAndCqzSaysWhichFieldsAreMissing) {
    ImportFixture f;
    const ImportResult result = f.import(test::adifFile({with([](Qso& q) {
        q.dxcc.reset();
        q.cqz.reset();
    })}));
    EXPECT_EQ(missingFieldsSentence(result.counts, true),
              QStringLiteral("Żaden z potwierdzonych rekordów (1) nie został zaimportowany, bo "
                             "brakuje w nich pól DXCC i CQZ, których import potrzebuje: raport "
                             "LoTW trzeba pobrać razem ze szczegółami QSL (qso_qsldetail=yes, w "
                             "LoTW „Include QSL details”)."));
    EXPECT_TRUE(missingFieldsSentence(f.import(test::adifFile({Qso{}})).counts, false).isEmpty());
}

} // namespace
} // namespace zef
