// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/entry_rules.h"

#include "editing/verification.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::referenceLine;
using test::zoneFileLine;

const std::string kCall = "SP9ABC         ";

struct DateCase {
    std::string call;
    std::string date;
    EntryCheck check;
    const char* message;
};

TEST(EntryCheck, RefusesInTheFixedOrderAndAcceptsAnyDayUpTo31) {
    const std::string noCall = kEmptyCallField;
    const DateCase cases[] = {
        {kCall, "    -  -  ", EntryCheck::MissingDate, "Wprowadź datę łączności!"},
        // Removing a call needs a whole date too: the empty date names the day.
        {noCall, "    -  -  ", EntryCheck::MissingDay, "Wprowadź dzień łączności!"},
        {kCall, "    -  -01", EntryCheck::MissingMonth, "Wprowadź miesiąc łącznosci!"},
        {kCall, "    -02-01", EntryCheck::MissingYear, "Wprowadź rok łącznosci!"},
        {kCall, "2005-13-01", EntryCheck::ImpossibleMonth, "Wprowadź poprawną datę łączności!"},
        {kCall, "2005-02-32", EntryCheck::ImpossibleDay, "Wprowadź poprawną datę łączności!"},
        {kCall, "2005-13-32", EntryCheck::ImpossibleDay, "Wprowadź poprawną datę łączności!"},
        {kCall, "2005-02-31", EntryCheck::Accepted, ""},
        {kCall, "2005-00-00", EntryCheck::Accepted, ""},
        {kCall, "20 5-12-31", EntryCheck::Accepted, ""},
        {noCall, "2005-02-01", EntryCheck::Accepted, ""},
        // A blank in front of a digit has always been read as the number.
        {kCall, "2005- 2- 1", EntryCheck::Accepted, ""},
    };
    for (const auto& c : cases) {
        const EntryVerdict verdict = checkEntry(c.call, c.date);
        EXPECT_EQ(verdict.check, c.check) << c.date;
        EXPECT_EQ(verdict.message, QString::fromUtf8(c.message)) << c.date;
    }
}

TEST(EntryCheck, ADayOrMonthWithABlankAfterADigitIsAConversionError) {
    const EntryVerdict day = checkEntry(kCall, "2005-02-3 ");
    EXPECT_EQ(day.check, EntryCheck::NotANumber);
    EXPECT_EQ(day.message, QStringLiteral("'3 ' nie jest prawidłową wartością całkowitą."));
    EXPECT_TRUE(day.focusDate);
    const EntryVerdict month = checkEntry(kCall, "2005-1 -05");
    EXPECT_EQ(month.check, EntryCheck::NotANumber);
    EXPECT_EQ(month.message, QStringLiteral("'1 ' nie jest prawidłową wartością całkowitą."));
    // The day is looked at before the month.
    EXPECT_EQ(checkEntry(kCall, "2005-1 -40").check, EntryCheck::ImpossibleDay);
}

TEST(EntryFields, CallIsTrimmedAndTheDateKeptWhole) {
    const Entry e = entryFromFields("  SP9ABC       ", "2005-1 -05", false);
    EXPECT_EQ(e.call, "SP9ABC");
    EXPECT_EQ(e.date, "2005-1 -05");
    EXPECT_EQ(e.confirmation, "LoTW");
    EXPECT_EQ(entryFromFields(kEmptyCallField, "2005-01-05", true).call, "");
}

// The data entry's store as the station carries it out.
bool storeInTables(AwardTables& tables, const EntryTarget& target, const Entry& entry) {
    const auto change = entryChange(tables, target, entry);
    return change && storeSlot(tables, *change);
}

class EntryTableStore : public ::testing::Test {
protected:
    EntryTableStore() {
        t.entities[1][0] = referenceLine(246, false, "1A0", "Military Order of Malta");
        t.entities[2][0] = referenceLine(7, false, "ZA", "Albania");
        t.entities[3][0] = referenceLine(7, true, "ZA9", "Same number");
        for (int z = 1; z <= kZoneRows; ++z)
            t.zones[z][0] = zoneFileLine(z, "P" + std::to_string(z));
    }
    AwardTables t;
};

TEST_F(EntryTableStore, ACallSetsCallDateAndConfirmationOfTheBandInTheFirstMatchingRow) {
    const Entry e{"SP9ABC", "2005-02-31", "LoTW"};
    ASSERT_TRUE(storeInTables(t, {false, 2, "  7"}, e));
    const Row& row = t.entities[2];
    EXPECT_EQ(row[callSlot(2)], "SP9ABC");
    EXPECT_EQ(row[qsoDateSlot(2)], "2005-02-31");
    EXPECT_EQ(row[confirmationSlot(2)], "LoTW");
    EXPECT_EQ(row[callSlot(1)], "");
    EXPECT_EQ(t.entities[3][callSlot(2)], "");
}

TEST_F(EntryTableStore, RemovingEmptiesAllFourFieldsOfOnlyTheFirstMatchingRow) {
    for (int r : {2, 3}) {
        t.entities[r][callSlot(0)] = "DL1AA";
        t.entities[r][qsoDateSlot(0)] = "2001-01-01";
        t.entities[r][confirmationSlot(0)] = "QSL";
        t.entities[r][verificationSlot(0)] = "2002-02-02";
    }
    ASSERT_TRUE(storeInTables(t, {false, 0, "  7"}, {"", "2001-01-01", "QSL"}));
    for (int s : {callSlot(0), qsoDateSlot(0), confirmationSlot(0), verificationSlot(0)}) {
        EXPECT_EQ(t.entities[2][s], "");
        // An entity sharing the number keeps its slot.
        EXPECT_NE(t.entities[3][s], "");
    }
}

TEST_F(EntryTableStore, ZoneViewsStoreIntoTheZoneTableByTrimmedZoneNumber) {
    ASSERT_TRUE(storeInTables(t, {true, 4, "14"}, {"JA1AA", "2010-10-10", "QSL"}));
    EXPECT_EQ(t.zones[14][callSlot(4)], "JA1AA");
    EXPECT_EQ(t.entities[1][callSlot(4)], "");
    EXPECT_TRUE(stampVerification(t, {true, 4, "14"}, "2011-01-01"));
    EXPECT_EQ(t.zones[14][verificationSlot(4)], "2011-01-01");
}

TEST_F(EntryTableStore, AnUnknownOrEmptyKeyChangesNoRow) {
    const AwardTables before = t;
    EXPECT_FALSE(storeInTables(t, {false, 0, "999"}, {"X1X", "2001-01-01", "QSL"}));
    // Rows past the last entity have an empty number: they must never match.
    EXPECT_FALSE(storeInTables(t, {false, 0, ""}, {"X1X", "2001-01-01", "QSL"}));
    EXPECT_FALSE(stampVerification(t, {true, 0, ""}, "2001-01-01"));
    EXPECT_EQ(t.entities, before.entities);
    EXPECT_EQ(t.zones, before.zones);
}

TEST(VerificationDate, MonthAndDayHaveTwoDigits) {
    EXPECT_EQ(verificationDateText({2007, 1, 9}), "2007-01-09");
    EXPECT_EQ(verificationDateText({2008, 11, 7}), "2008-11-07");
    EXPECT_EQ(verificationDateText({2006, 3, 5}), "2006-03-05");
    EXPECT_EQ(verificationDateText({2010, 12, 25}), "2010-12-25");
}

TEST(VerificationDate, TheBoxTextIsFilledOrCutToTenCharacters) {
    EXPECT_EQ(verificationDateFromBox("2008-11-07 r."), "2008-11-07");
    EXPECT_EQ(verificationDateFromBox("7.11.08"), "7.11.08   ");
    // An empty box still stamps: ten blanks are a verification date.
    EXPECT_EQ(verificationDateFromBox(""), std::string(10, ' '));
}

TEST(Marking, StampsExactlyTheWaitingSlotsAndKeepsEarlierDates) {
    AwardTables t;
    t.entities[1][0] = referenceLine(246, false, "1A0", "Malta");
    t.entities[2][0] = referenceLine(2, true, "1B", "Abu Ail");
    t.entities[3][0] = referenceLine(7, false, "ZA", "Albania");
    for (int z = 1; z <= kZoneRows; ++z)
        t.zones[z][0] = zoneFileLine(z, "P");
    EXPECT_FALSE(anyWaitingForVerification(t));
    t.entities[1][callSlot(2)] = "A1A";
    t.entities[2][callSlot(2)] = "B1B"; // deleted entities are stamped too
    t.entities[3][callSlot(2)] = "C1C";
    t.entities[3][verificationSlot(2)] = "2001-01-01";
    t.entities[3][verificationSlot(3)] = "2002-02-02"; // a date without a call
    t.zones[9][callSlot(0)] = "Z9Z";
    EXPECT_TRUE(anyWaitingForVerification(t));

    AwardTables expected = t;
    expected.entities[1][verificationSlot(2)] = "2009-09-09";
    expected.entities[2][verificationSlot(2)] = "2009-09-09";
    expected.zones[9][verificationSlot(0)] = "2009-09-09";
    EXPECT_EQ(markWaitingAsVerified(t, "2009-09-09"), 3);
    EXPECT_EQ(t.entities, expected.entities);
    EXPECT_EQ(t.zones, expected.zones);
    EXPECT_FALSE(anyWaitingForVerification(t));
    EXPECT_EQ(markWaitingAsVerified(t, "2010-10-10"), 0);
}

TEST(Marking, AZoneAloneIsWaitingButAnEntityRowWithoutReferenceLineIsNot) {
    AwardTables t;
    t.entities[5][callSlot(1)] = "A1A";
    EXPECT_FALSE(anyWaitingForVerification(t));
    t.zones[40][callSlot(4)] = "Z9Z";
    EXPECT_TRUE(anyWaitingForVerification(t));
}

} // namespace
} // namespace zef
