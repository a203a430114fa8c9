#include "reference/entity_list.h"

#include "core/text.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::entityFileLine;
using test::referenceLine;

using Lines = std::vector<std::string>;

EntityEntry entry(const std::string& number, const std::string& prefix, const std::string& name,
                  bool deleted = false) {
    return {number, prefix, name, deleted};
}

// A table filled from file lines, as New fills it; row r gets a call on 20 m.
AwardTables tableOf(const Lines& lines) {
    AwardTables tables;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Row& row = tables.entities[i + 1];
        row[0] = trimRight(lines[i].substr(0, 36));
        row[callSlot(2)] = "CALL" + std::to_string(i + 1);
        row[verificationSlot(2)] = "2026-01-0" + std::to_string(i % 9 + 1);
    }
    return tables;
}

TEST(EntityList, LineBuiltFromTheFields) {
    const std::string line = entityFileLineOf(entry("5", "ZZ9", "Test"));
    EXPECT_EQ(line, "  5| |ZZ9  |Test                    |");
    EXPECT_EQ(line.size(), 37u);
    EXPECT_EQ(tableLineOf(entry("5", "ZZ9", "Test")), "  5| |ZZ9  |Test");

    // A full-length name fills 13-36; longer texts are cut, the number keeps its last three.
    const std::string name24 = "ABCDEFGHIJKLMNOPQRSTUVWX";
    const std::string full = entityFileLineOf(entry(" 12", "VP2EXY", name24 + "Z", true));
    EXPECT_EQ(full, " 12|D|VP2EX|" + name24 + "|");
    EXPECT_EQ(full.substr(12, 24), name24);
    EXPECT_EQ(entityFileLineOf(entry("1234", "K", "N")).substr(0, 4), "234|");

    // Fields of a line: the number as it stands, prefix and name trimmed.
    const EntityEntry fields = entryOfLine(" 12|D|VP2E |Anguilla                |");
    EXPECT_EQ(fields.number, " 12");
    EXPECT_EQ(fields.prefix, "VP2E");
    EXPECT_EQ(fields.name, "Anguilla");
    EXPECT_TRUE(fields.deleted);
    EXPECT_FALSE(entryOfLine("246| |1A0  |Military Order of Malta |").deleted);
}

TEST(EntityList, CounterOfActiveAndAll) {
    Lines lines;
    for (int i = 1; i <= 401; ++i)
        lines.push_back(entityFileLine(i, i <= 61, "P" + std::to_string(i), "N"));
    EXPECT_EQ(counterText(countOnOpening(lines)), QStringLiteral("340/401"));
    EXPECT_EQ(counterText(countAfterSave(lines)), QStringLiteral("340/401"));
    // The two rules differ only for a line too short to carry a mark.
    lines.push_back("999");
    EXPECT_EQ(countOnOpening(lines).active, 341);
    EXPECT_EQ(countAfterSave(lines).active, 340);
}

TEST(EntityList, SearchesCompareTheNumberAsText) {
    const Lines lines{entityFileLine(112, false, "A", "x"), entityFileLine(12, false, "B", "y"),
                      entityFileLine(1, false, "C", "z")};
    EXPECT_EQ(findByNumberText(lines, "12"), 1u);
    EXPECT_EQ(findByNumberText(lines, "012"), std::nullopt);
    EXPECT_EQ(findByNumberText(lines, "1"), 2u);
    EXPECT_EQ(findByNumberField(lines, " 12"), 1u);
    EXPECT_EQ(findByNumberField(lines, "12"), 1u);
    EXPECT_EQ(findByNumberField(lines, "   "), std::nullopt);
}

TEST(EntityList, PrefixOrderPlacesInTheList) {
    const Lines lines{entityFileLine(1, false, "/A", "a"), entityFileLine(2, false, "3D2", "b"),
                      entityFileLine(3, false, "3D2C", "c"), entityFileLine(4, false, "K", "d")};
    EXPECT_EQ(listInsertionPlace(lines, "/"), 0u);
    EXPECT_EQ(listInsertionPlace(lines, "3D2"), 2u); // behind the equal one, before 3D2C
    EXPECT_EQ(listInsertionPlace(lines, "A"), 3u);   // digits before letters
    EXPECT_EQ(listInsertionPlace(lines, "k"), 4u);   // case-sensitive: lower case last
    EXPECT_EQ(listInsertionPlace(lines, "ZZ9"), 4u);
}

TEST(EntityList, SaveChangesTheWorkingList) {
    Lines lines{
        entityFileLine(246, false, "1A0", "Malta"), entityFileLine(281, false, "EA", "Spain"),
        entityFileLine(21, false, "EA", "Baleares"), entityFileLine(7, false, "ZA", "Albania")};

    // A new entity goes to the end when no prefix sorts after it.
    Lines added = lines;
    EXPECT_EQ(placeInList(added, entry("5", "ZZ9", "Test"), true), 4u);
    EXPECT_EQ(added.back(), "  5| |ZZ9  |Test                    |");

    // A name change keeps the place; a prefix change moves the line.
    Lines renamed = lines;
    EXPECT_EQ(placeInList(renamed, entry("  7", "ZA", "Shqiperia"), false), 3u);
    EXPECT_EQ(renamed.size(), 4u);
    EXPECT_EQ(renamed[3], entityFileLine(7, false, "ZA", "Shqiperia"));
    Lines moved = lines;
    EXPECT_EQ(placeInList(moved, entry("  7", "C", "Albania"), false), 1u);
    EXPECT_EQ(moved[1], entityFileLine(7, false, "C", "Albania"));
    EXPECT_EQ(moved[3], lines[2]);

    // The first of two equal prefixes ends up behind the second.
    Lines equal = lines;
    EXPECT_EQ(placeInList(equal, entry("281", "EA", "Spain"), false), 2u);
    EXPECT_EQ(equal[1], lines[2]);
    EXPECT_EQ(equal[2], lines[1]);
}

TEST(EntityList, NewEntityRowFollowsTheLastEntity) {
    const Lines lines{entityFileLine(246, false, "1A0", "Malta"),
                      entityFileLine(7, false, "ZA", "Albania")};
    AwardTables tables = tableOf(lines);
    EXPECT_EQ(addEntityToTable(tables, entry("5", "ZZ9", "Test")), TableChange::Placed);
    EXPECT_EQ(tables.entities[3][0], "  5| |ZZ9  |Test");
    EXPECT_TRUE(tables.entities[3][callSlot(2)].empty());
    EXPECT_EQ(addEntityToTable(tables, entry("291", "K", "USA", true)), TableChange::Placed);
    EXPECT_EQ(tables.entities[2][0], "291|D|K    |USA");
    EXPECT_EQ(tables.entities[3][callSlot(2)], "CALL2"); // Albania moved down with its slots
    EXPECT_EQ(tables.entities[4][0], "  5| |ZZ9  |Test");
}

TEST(EntityList, FullTableRefusesAndPushesNothingOut) {
    AwardTables tables;
    for (int r = 1; r <= kEntityRows; ++r)
        tables.entities[r][0] = referenceLine(r, false, "P" + std::to_string(1000 + r), "N");
    const AwardTables before = tables;
    EXPECT_EQ(addEntityToTable(tables, entry("999", "A", "New")), TableChange::Full);
    EXPECT_EQ(tables.entities, before.entities);
    // An edit still works in a full table: the row is taken out before it goes back.
    EXPECT_EQ(updateEntityInTable(tables, entry("  1", "Z", "Last")), TableChange::Placed);
    EXPECT_EQ(tables.entities[kEntityRows][0], "  1| |Z    |Last");
}

TEST(EntityList, EditedRowMovesWithItsBandSlots) {
    const Lines lines{
        entityFileLine(246, false, "1A0", "Malta"), entityFileLine(281, false, "EA", "Spain"),
        entityFileLine(21, false, "EA", "Baleares"), entityFileLine(7, false, "ZA", "Albania")};
    const AwardTables original = tableOf(lines);

    AwardTables tables = original;
    EXPECT_EQ(updateEntityInTable(tables, entry("  7", "ZA", "Shqiperia", true)),
              TableChange::Placed);
    EXPECT_EQ(tables.entities[4][0], "  7|D|ZA   |Shqiperia");
    EXPECT_EQ(tables.entities[4][callSlot(2)], "CALL4");
    EXPECT_EQ(tables.entities[4][verificationSlot(2)], "2026-01-04");

    tables = original;
    updateEntityInTable(tables, entry("  7", "C", "Albania"));
    EXPECT_EQ(tables.entities[2][0], "  7| |C    |Albania");
    EXPECT_EQ(tables.entities[2][callSlot(2)], "CALL4");
    EXPECT_EQ(tables.entities[3][callSlot(2)], "CALL2");
    EXPECT_EQ(tables.entities[4][callSlot(2)], "CALL3");
    EXPECT_FALSE(isOccupied(tables.entities[5]));

    // The first of two equal prefixes goes behind the second, with its slots.
    tables = original;
    updateEntityInTable(tables, entry("281", "EA", "Spain"));
    EXPECT_EQ(tables.entities[2][callSlot(2)], "CALL3");
    EXPECT_EQ(tables.entities[3][callSlot(2)], "CALL2");
    EXPECT_EQ(tables.entities[3][0], "281| |EA   |Spain");

    // An entity without a row leaves every row as it was.
    tables = original;
    EXPECT_EQ(updateEntityInTable(tables, entry("999", "A", "Nowhere")), TableChange::NoRow);
    EXPECT_EQ(tables.entities, original.entities);
}

TEST(EntityList, RefusalsInTheirOrder) {
    const Lines lines{entityFileLine(246, false, "1A0", "Malta"),
                      entityFileLine(12, false, "VP2E", "Anguilla")};
    const AwardTables tables = tableOf(lines);
    const auto text = [&](const EntityEntry& e, bool adding) {
        const auto refusal = refuseSave(e, adding, lines, tables);
        return refusal ? refusal->text : QString();
    };
    const QString choose = QStringLiteral("Wybierz podmiot DXCC do aktualizacji!");
    const QString noPrefix = QStringLiteral("Pole prefiksu nie może być puste!");
    const QString noName = QStringLiteral("Pole nazwy podmiotu nie może być puste!");

    // Edit mode: an entity must be chosen first, then prefix and name are checked.
    EXPECT_EQ(text(entry("", "K", "USA"), false), choose);
    EXPECT_EQ(text(entry("   ", "", ""), false), choose);
    EXPECT_EQ(text(entry("999", "K", "USA"), false), choose);
    EXPECT_EQ(text(entry(" 12", "  ", "x"), false), noPrefix);
    EXPECT_EQ(text(entry(" 12", "VP2E", " "), false), noName);
    EXPECT_EQ(text(entry(" 12", "VP2E", "Anguilla"), false), QString());

    // New entity: the field checks, the number, then the duplicate test.
    EXPECT_EQ(text(entry("", "", ""), true), noPrefix);
    EXPECT_EQ(text(entry("", "K", "USA"), true),
              QStringLiteral("Należy podać numer ADIF dla nowego podmiotu!!"));
    const auto duplicate = refuseSave(entry("12", "K", "USA"), true, lines, tables);
    ASSERT_TRUE(duplicate);
    EXPECT_EQ(duplicate->text, QStringLiteral("Podmiot o takim numerze już istnieje w bazie!"));
    EXPECT_EQ(duplicate->focus, EntryField::Number);
    EXPECT_EQ(duplicate->line, 1u);
    EXPECT_EQ(text(entry("012", "K", "USA"), true), QString()); // text, not value

    // No room: a full table, or a list already at the file's limit.
    AwardTables full;
    for (int r = 1; r <= kEntityRows; ++r)
        full.entities[r][0] = referenceLine(r, false, "P", "N");
    const QString fullText = QStringLiteral(
        "Baza podmiotów jest pełna (500 podmiotów)!\nNowego podmiotu nie można dodać.");
    const auto refusal = refuseSave(entry("999", "K", "USA"), true, lines, full);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, fullText);
    const Lines longList(500, entityFileLine(1, false, "P", "N"));
    EXPECT_EQ(refuseSave(entry("999", "K", "USA"), true, longList, tables)->text, fullText);
}

} // namespace
} // namespace zef
