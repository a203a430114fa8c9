// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/award_tables.h"

#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::referenceLine;

Row entityRow(const std::string& line) {
    Row row;
    row[0] = line;
    return row;
}

// Fills rows 1.. with lines whose prefixes are given, in the given order.
AwardTables tablesWithPrefixes(const std::vector<std::string>& prefixes) {
    AwardTables t;
    int n = 1;
    for (const auto& p : prefixes) {
        t.entities[n] = entityRow(referenceLine(n, false, p, "E" + std::to_string(n)));
        ++n;
    }
    return t;
}

TEST(AwardTables, BandSlotsFollowTheBandOrder) {
    EXPECT_EQ(callSlot(3), 13);
    EXPECT_EQ(qsoDateSlot(3), 14);
    EXPECT_EQ(confirmationSlot(3), 15);
    EXPECT_EQ(verificationSlot(3), 16);
    EXPECT_EQ(verificationSlot(4), 20);
}

TEST(AwardTables, RowStates) {
    Row row = entityRow(referenceLine(2, true, "1B", "Abu Ail Is."));
    EXPECT_TRUE(isDeleted(row));
    row[verificationSlot(2)] = "2024-01-01";
    EXPECT_TRUE(hasVerification(row, 2));
    EXPECT_FALSE(hasCall(row, 2)); // verified but not confirmed
    EXPECT_FALSE(isToVerify(row, 2));
    row[callSlot(1)] = "SP1AA";
    EXPECT_TRUE(isToVerify(row, 1));
    EXPECT_FALSE(isDeleted(entityRow(referenceLine(1, false, "VE", "Canada"))));
}

TEST(AwardTables, ReferenceLineFields) {
    const std::string line = referenceLine(1, false, "VE", "Canada");
    EXPECT_EQ(line, "  1| |VE   |Canada");
    EXPECT_EQ(referenceNumber(line), "  1");
    EXPECT_EQ(referencePrefix(line), "VE");
    EXPECT_EQ(referenceName(line), "Canada");
    EXPECT_EQ(referencePrefix("246| |R1MV |x"), "R1MV");
    EXPECT_EQ(referenceName("  1| |VE"), "");
    EXPECT_EQ(zoneNumber("     |  7  |W5 XE"), "7");
}

TEST(AwardTables, PrefixOrderIsByteOrderWithShorterFirst) {
    EXPECT_TRUE(prefixSortsAfter("3D2C", "3D2"));
    EXPECT_FALSE(prefixSortsAfter("3D2", "3D2C"));
    EXPECT_TRUE(prefixSortsAfter("A", "9")); // digits before letters
    EXPECT_TRUE(prefixSortsAfter("0", "/"));
    EXPECT_TRUE(prefixSortsAfter("a", "Z")); // case-sensitive bytes
    EXPECT_FALSE(prefixSortsAfter("SP", "SP"));
}

TEST(AwardTables, PrefixOrderPlaceGoesAfterEqualPrefixesAndSkipsEmptyRows) {
    AwardTables t = tablesWithPrefixes({"3D2", "3D2C", "DL", "DL", "SP"});
    EXPECT_EQ(prefixOrderPlace(t, "3D2A"), 2);
    EXPECT_EQ(prefixOrderPlace(t, "DL"), 5); // after both DL rows
    EXPECT_EQ(prefixOrderPlace(t, "ZZ9"), 6);
    EXPECT_EQ(prefixOrderPlace(t, "1A0"), 1);
    clearRow(t.entities[2]); // an empty row never sorts after anything
    EXPECT_EQ(prefixOrderPlace(t, "3D2A"), 3);
}

TEST(AwardTables, InsertShiftsRowsDownWithTheirBandSlots) {
    AwardTables t = tablesWithPrefixes({"A", "C"});
    t.entities[2][callSlot(0)] = "C1C";
    ASSERT_TRUE(insertEntityRow(t, 2, entityRow(referenceLine(9, false, "B", "B"))));
    EXPECT_EQ(referencePrefix(t.entities[2][0]), "B");
    EXPECT_EQ(referencePrefix(t.entities[3][0]), "C");
    EXPECT_EQ(t.entities[3][callSlot(0)], "C1C");
}

TEST(AwardTables, FullTableRefusesInsertionAndKeepsEveryRow) {
    AwardTables t;
    for (int r = 1; r <= kEntityRows; ++r)
        t.entities[r] = entityRow(referenceLine(r, false, "P" + std::to_string(r), "x"));
    const AwardTables before = t;
    EXPECT_TRUE(entityTableFull(t));
    EXPECT_FALSE(insertEntityRow(t, 3, entityRow(referenceLine(999, false, "A", "new"))));
    EXPECT_EQ(t.entities, before.entities);
}

TEST(AwardTables, MoveTakesBandSlotsToTheNewPrefixPlaceAndClearsScratch) {
    AwardTables t = tablesWithPrefixes({"A", "B", "C", "D"});
    t.entities[1][callSlot(2)] = "A1A";
    t.entities[1][verificationSlot(2)] = "2020-01-01";
    const std::string renamed = referenceLine(1, false, "CA", "moved");
    const int place = moveEntityRow(t, 1, renamed);
    EXPECT_EQ(place, 3);
    EXPECT_EQ(t.entities[3][0], renamed);
    EXPECT_EQ(t.entities[3][callSlot(2)], "A1A");
    EXPECT_EQ(t.entities[3][verificationSlot(2)], "2020-01-01");
    EXPECT_EQ(referencePrefix(t.entities[1][0]), "B");
    EXPECT_EQ(referencePrefix(t.entities[4][0]), "D");
    for (const auto& slot : t.entities[0])
        EXPECT_TRUE(slot.empty());
}

TEST(AwardTables, MoveWithUnchangedPrefixGoesBehindEqualPrefixes) {
    AwardTables t = tablesWithPrefixes({"A", "DL", "DL", "E"});
    const std::string line = t.entities[2][0] + "X";
    EXPECT_EQ(moveEntityRow(t, 2, line), 3);
    EXPECT_EQ(t.entities[3][0], line);
}

TEST(AwardTables, MoveInAFullTableKeepsEveryEntity) {
    AwardTables t;
    for (int r = 1; r <= kEntityRows; ++r)
        t.entities[r] = entityRow(referenceLine(r, false, "P" + std::to_string(1000 + r), "x"));
    moveEntityRow(t, 1, referenceLine(1, false, "Z", "last"));
    EXPECT_EQ(referencePrefix(t.entities[kEntityRows][0]), "Z");
    EXPECT_EQ(referencePrefix(t.entities[1][0]), "P1002");
}

} // namespace
} // namespace zef
