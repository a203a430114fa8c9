// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/adif_import.h"

#include "core/file_error.h"
#include "core/text.h"
#include "import/error_list.h"
#include "import/import_fixture.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::adifFile;
using test::ImportFixture;
using test::k20;
using test::Qso;
using test::slot;
using Slot = std::vector<std::string>;

const Slot kEmpty{"", "", "", ""};

ImportOptions options(ImportSource source, ImportPriority priority) {
    ImportOptions o;
    o.source = source;
    o.priority = priority;
    return o;
}

Qso qslOnly(const std::string& call, const std::string& date) {
    Qso q;
    q.call = call;
    q.date = date;
    return q;
}

Qso lotwOnly(const std::string& call, const std::string& date) {
    Qso q = qslOnly(call, date);
    q.qsl = "N";
    q.lotw = "Y";
    return q;
}

TEST(AdifImport, ConfirmedRecordFillsEntityAndZone) {
    ImportFixture f;
    const auto result = f.import(adifFile({Qso{}}));
    EXPECT_EQ(slot(f.entity(test::kUsaRow), k20), (Slot{"SP1ABC", "2021-01-30", "QSL", ""}));
    EXPECT_EQ(slot(f.zone(5), k20), (Slot{"SP1ABC", "2021-01-30", "QSL", ""}));
    EXPECT_EQ(result.errorEntries, 0);
    EXPECT_FALSE(result.cutShort);
    EXPECT_EQ(importFinishedMessage(result), QStringLiteral("Dane zostały zaimportowane."));
    EXPECT_EQ(f.entries(), "");
}

TEST(AdifImport, LinesEndWithCrLfOrLfAlone) {
    for (const std::string lineEnd : {"\r\n", "\n"}) {
        ImportFixture f;
        Qso lower = qslOnly("sp2xyz", "20220101");
        lower.band = "10m";
        f.import(adifFile({Qso{}, lower}, lineEnd));
        EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(k20)], "SP1ABC") << lineEnd.size();
        EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(test::k10)], "SP2XYZ") << lineEnd.size();
    }
}

TEST(AdifImport, HeaderEndMustCloseItsLine) {
    const std::string record = Qso{}.text() + "<eor>\n";
    for (const std::string header : {"<eoh> \n", "<eoh>x\n", "no header end\n", ""}) {
        ImportFixture f;
        const auto result = f.import(header + record);
        EXPECT_EQ(slot(f.entity(test::kUsaRow), k20), kEmpty) << header;
        EXPECT_EQ(result.errorEntries, 0);
    }
    // The header ends at the first line that does end with the tag.
    ImportFixture f;
    f.import("<eoh> \n" + record + "<EOH>\r\n" + record);
    EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(k20)], "SP1ABC");
}

TEST(AdifImport, OnlyTheExactConfirmationSubstringsCount) {
    struct Case {
        std::string fields;
        bool confirmed;
    };
    const Case cases[] = {
        {"<QSL_RCVD:1>N", false},      {"<QSL_RCVD:1>Y", true},
        {"<qsl_rcvd:1>m", true},       {"<QSL_RCVD:1>E", true},
        {"<QSL_RCVD:1>R", false},      {"<QSL_RCVD:1:S>Y", false},
        {"<QSL_RCVD:01>Y", false},     {"<QSL_RCVD:1> Y", false},
        {"<EQSL_QSL_RCVD:1>Y", false}, {"<LOTW_QSL_RCVD:1>V", true},
        {"<LOTW_QSL_RCVD:1>E", false}, {"<QSL_RCVD:1>N<QSL_RCVD:1>Y", true},
        {"<QSL_RCVD:1>", false},
    };
    for (const auto& c : cases) {
        ImportFixture f;
        Qso q;
        q.qsl.reset();
        q.dxcc = "999"; // an unconfirmed record is not even listed
        const auto result = f.import("<eoh>\n" + q.text() + c.fields + "<eor>\n");
        EXPECT_EQ(f.zone(5)[callSlot(k20)], c.confirmed ? "SP1ABC" : "") << c.fields;
        EXPECT_EQ(result.errorEntries, c.confirmed ? 1 : 0) << c.fields;
    }
}

TEST(AdifImport, NumbersAreMatchedAsWrittenWithoutLeadingZeros) {
    ImportFixture f;
    Qso albania = qslOnly("ZA1A", "20200101");
    albania.dxcc = "007";
    albania.cqz = "015";
    Qso deleted = qslOnly("1B1AA", "19900101");
    deleted.dxcc = "2";
    deleted.cqz = "21";
    const auto result = f.import(adifFile({albania, deleted}));
    EXPECT_EQ(f.entity(test::kAlbaniaRow)[callSlot(k20)], "ZA1A");
    EXPECT_EQ(f.zone(15)[callSlot(k20)], "ZA1A");
    EXPECT_EQ(f.entity(test::kAbuAilRow)[callSlot(k20)], "1B1AA");
    EXPECT_EQ(f.zone(21)[callSlot(k20)], "1B1AA");
    EXPECT_EQ(result.errorEntries, 0);
}

TEST(AdifImport, BandsOutsideTheFiveAreIgnoredSilently) {
    const std::vector<std::optional<std::string>> bands = {"160M", "70CM", "13cm", "6M",
                                                           std::nullopt};
    for (const auto& band : bands) {
        ImportFixture f;
        Qso q;
        q.band = band;
        const auto result = f.import(adifFile({q}));
        EXPECT_EQ(slot(f.entity(test::kUsaRow), k20), kEmpty);
        EXPECT_EQ(result.errorEntries, 0) << band.value_or("none");
    }
}

TEST(AdifImport, UnreadableBandIsListedOncePerTableWhoseRowWasFound) {
    ImportFixture f;
    Qso both;
    both.band = "1.25M";
    Qso zoneOnly = both;
    zoneOnly.dxcc = "999";
    const auto result = f.import("<eoh>\n" + both.text() + "<eor>\n" + zoneOnly.text() + "<eor>\n");
    const std::string bothText = both.text() + "<eor>";
    const std::string zoneOnlyText = zoneOnly.text() + "<eor>";
    EXPECT_EQ(f.entries(), "Pasmo: " + lowerAscii(bothText) + "\r\n\r\n" +     //
                               "Pasmo: " + lowerAscii(bothText) + "\r\n\r\n" + //
                               upperAscii(zoneOnlyText) + "\r\n" +             //
                               "Pasmo: " + lowerAscii(zoneOnlyText) + "\r\n\r\n");
    EXPECT_EQ(result.errorEntries, 4);
    EXPECT_EQ(importFinishedMessage(result),
              QStringLiteral("Dane zostały zaimportowane.\n\n"
                             "Rekordy nie zawierające informacji o podmiocie DXCC\n"
                             "lub o niezidentyfikowanym numerze podmiotu/strefy zostały\n"
                             "zapisane w pliku BLEDY_DXCC.TXT."));
}

TEST(AdifImport, EntityAndZoneArePlacedIndependently) {
    for (const std::string dxcc : {"999", "0", "AB", ""}) {
        ImportFixture f;
        Qso q;
        q.dxcc = dxcc;
        const auto result = f.import(adifFile({q}));
        EXPECT_EQ(f.zone(5)[callSlot(k20)], "SP1ABC") << dxcc;
        EXPECT_EQ(f.entries(), upperAscii(q.text() + "<EOR>") + "\r\n") << dxcc;
        EXPECT_EQ(result.errorEntries, 1);
    }
    // Without the tag the table is left out quietly.
    ImportFixture f;
    Qso noZone;
    noZone.cqz.reset();
    EXPECT_EQ(f.import(adifFile({noZone})).errorEntries, 0);
    EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(k20)], "SP1ABC");
}

TEST(AdifImport, RecordInNeitherTableIsListedTwice) {
    ImportFixture f;
    Qso q;
    q.dxcc = "999";
    q.cqz = "41";
    const auto result = f.import(adifFile({q}));
    const std::string entry = upperAscii(q.text() + "<EOR>") + "\r\n";
    EXPECT_EQ(f.entries(), entry + entry);
    EXPECT_EQ(result.errorEntries, 2);
}

// The first record in the file fills a slot; a later one replaces it only
// when its confirmation wins under the chosen source and priority.
TEST(AdifImport, PriorityDecidesBetweenQslAndLotw) {
    const Qso card = qslOnly("SP1QSL", "20210101");
    const Qso lotw = lotwOnly("SP2LTW", "20220202");
    struct Case {
        std::vector<Qso> records;
        ImportSource source;
        ImportPriority priority;
        Slot expected;
    };
    const Case cases[] = {
        {{card, lotw},
         ImportSource::Log,
         ImportPriority::LogQsl,
         {"SP1QSL", "2021-01-01", "QSL", ""}},
        {{card, lotw},
         ImportSource::Log,
         ImportPriority::Lotw,
         {"SP2LTW", "2022-02-02", "LoTW", ""}},
        {{lotw, card},
         ImportSource::Log,
         ImportPriority::LogQsl,
         {"SP1QSL", "2021-01-01", "QSL", ""}},
        {{lotw, card},
         ImportSource::Log,
         ImportPriority::Lotw,
         {"SP2LTW", "2022-02-02", "LoTW", ""}},
        // A LoTW download marks everything LoTW and, under the card's
        // priority, never changes a filled slot.
        {{card}, ImportSource::Lotw, ImportPriority::LogQsl, {"SP1QSL", "2021-01-01", "LoTW", ""}},
        {{lotw, card},
         ImportSource::Lotw,
         ImportPriority::LogQsl,
         {"SP2LTW", "2022-02-02", "LoTW", ""}},
    };
    for (const auto& c : cases) {
        ImportFixture f;
        f.import(adifFile(c.records), options(c.source, c.priority));
        EXPECT_EQ(slot(f.entity(test::kUsaRow), k20), c.expected) << c.expected[0];
        EXPECT_EQ(slot(f.zone(5), k20), c.expected) << c.expected[0];
    }
}

TEST(AdifImport, OnlyTheFirstOccurrenceOfATagCountsInAJoinedRecord) {
    const Qso first = qslOnly("SP1FST", "20210101");
    Qso second = qslOnly("SP2SND", "20220202");
    second.dxcc = "269";
    second.cqz = "15";
    second.band = "80M";
    const std::string twoOnOneLine = "<eoh>\n" + first.text() + "<eor>" + second.text() + "<eor>\n";
    const std::string endFollowedByBlank =
        "<eoh>\n" + first.text() + "<eor> \n" + second.text() + "<eor>\n";
    for (const auto& file : {twoOnOneLine, endFollowedByBlank}) {
        ImportFixture f;
        f.import(file);
        EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(k20)], "SP1FST");
        EXPECT_EQ(f.zone(5)[callSlot(k20)], "SP1FST");
        EXPECT_EQ(slot(f.entity(test::kPolandRow), test::k80), kEmpty);
        EXPECT_EQ(slot(f.zone(15), test::k80), kEmpty);
    }
}

TEST(AdifImport, LastRecordNeedsNoRecordEnd) {
    for (const std::string end : {"", "\n", "\r\n"}) {
        ImportFixture f;
        f.import("<eoh>\n" + Qso{}.text() + end);
        EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(k20)], "SP1ABC") << end.size();
    }
}

TEST(AdifImport, SameFileTwiceChangesNothing) {
    const Qso card = qslOnly("SP1QSL", "20210101");
    const Qso lotw = lotwOnly("SP2LTW", "20220202");
    Qso unknown = card;
    unknown.dxcc = "999";
    const std::string file = adifFile({lotw, card, card, lotw, unknown});
    for (const auto priority : {ImportPriority::LogQsl, ImportPriority::Lotw}) {
        for (const auto source : {ImportSource::Log, ImportSource::Lotw}) {
            ImportFixture f;
            f.import(file, options(source, priority));
            const auto once = *f.tables;
            const auto again = f.import(file, options(source, priority));
            EXPECT_TRUE(f.tables->entities == once.entities && f.tables->zones == once.zones);
            EXPECT_EQ(again.errorEntries, 1);
        }
    }
}

} // namespace
} // namespace zef
