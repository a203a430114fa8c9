// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/entity_list.h"

#include "core/text.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

// The window tests drive the common roads; these cover what they cannot reach.
namespace zef {
namespace {

using test::entityFileLine;
using test::referenceLine;

using Lines = std::vector<std::string>;

EntityEntry entry(const std::string& number, const std::string& prefix, const std::string& name,
                  bool deleted = false) {
    return {number, prefix, name, deleted};
}

TEST(EntityList, LineAndFields) {
    // A full-length name fills 13-36; longer texts are cut, the number keeps its last three.
    const std::string name24 = "ABCDEFGHIJKLMNOPQRSTUVWX";
    const std::string full = entityFileLineOf(entry(" 12", "VP2EXY", name24 + "Z", true));
    EXPECT_EQ(full, " 12|D|VP2EX|" + name24 + "|");
    EXPECT_EQ(entityFileLineOf(entry("1234", "K", "N")).substr(0, 4), "234|");
    EXPECT_EQ(tableLineOf(entry("5", "ZZ9", "Test  ")), "  5| |ZZ9  |Test");

    const EntityEntry fields = entryOfLine(" 12|D|VP2E |Anguilla                |");
    EXPECT_EQ(fields.number, " 12");
    EXPECT_EQ(fields.prefix, "VP2E");
    EXPECT_EQ(fields.name, "Anguilla");
    EXPECT_TRUE(fields.deleted);
}

// Fields loaded from a line of the file bypass the key filter: a ";" of the
// line reaches the table as the readers of the file give it, a ",".
TEST(EntityList, TableLinesNeverCarryTheFieldSeparator) {
    const EntityEntry fields = entryOfLine(" 1;| |3A;X |Monaco; Monte Carlo      |");
    EXPECT_EQ(tableLineOf(fields), " 1,| |3A,X |Monaco, Monte Carlo");
    AwardTables t;
    t.entities[1][0] = " 1,| |3A,X |Monaco, Monte Carlo";
    t.entities[1][callSlot(0)] = "3A2MW";
    EXPECT_EQ(updateEntityInTable(t, {fields.number, "3A", "Monaco", false}), TableChange::Placed);
    EXPECT_EQ(t.entities[1][0], " 1,| |3A   |Monaco");
    EXPECT_EQ(t.entities[1][callSlot(0)], "3A2MW");
}

TEST(EntityList, PrefixOrderPlacesInTheList) {
    const Lines lines{entityFileLine(1, false, "/A", "a"), entityFileLine(2, false, "3D2", "b"),
                      entityFileLine(3, false, "3D2C", "c"), entityFileLine(4, false, "K", "d")};
    EXPECT_EQ(listInsertionPlace(lines, "/"), 0u);
    EXPECT_EQ(listInsertionPlace(lines, "3D2"), 2u); // behind the equal one, before 3D2C
    EXPECT_EQ(listInsertionPlace(lines, "A"), 3u);   // digits before letters
    EXPECT_EQ(listInsertionPlace(lines, "k"), 4u);   // case-sensitive: lower case last
}

TEST(EntityList, FirstOfEqualPrefixesMovesBehindTheSecond) {
    Lines lines{
        entityFileLine(246, false, "1A0", "Malta"), entityFileLine(281, false, "EA", "Spain"),
        entityFileLine(21, false, "EA", "Baleares"), entityFileLine(7, false, "ZA", "Albania")};
    AwardTables tables;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        tables.entities[i + 1][0] = trimRight(lines[i].substr(0, 36));
        tables.entities[i + 1][callSlot(2)] = "CALL" + std::to_string(i + 1);
    }
    const Lines before = lines;
    EXPECT_EQ(placeInList(lines, entry("281", "EA", "Spain"), false), 2u);
    EXPECT_EQ(lines[1], before[2]);
    EXPECT_EQ(lines[2], before[1]);

    EXPECT_EQ(updateEntityInTable(tables, entry("281", "EA", "Spain")), TableChange::Placed);
    EXPECT_EQ(tables.entities[2][callSlot(2)], "CALL3");
    EXPECT_EQ(tables.entities[3][0], "281| |EA   |Spain");
    EXPECT_EQ(tables.entities[3][callSlot(2)], "CALL2");
}

TEST(EntityList, FullTableRefusesANewRowButTakesAnEdit) {
    AwardTables tables;
    for (int r = 1; r <= kEntityRows; ++r)
        tables.entities[r][0] = referenceLine(r, false, "P" + std::to_string(1000 + r), "N");
    const AwardTables before = tables;
    EXPECT_EQ(addEntityToTable(tables, entry("999", "A", "New")), TableChange::Full);
    EXPECT_EQ(tables.entities, before.entities);
    // The edited row is taken out before it goes back, so nothing falls off the end.
    EXPECT_EQ(updateEntityInTable(tables, entry("  1", "Z", "Last")), TableChange::Placed);
    EXPECT_EQ(tables.entities[kEntityRows][0], "  1| |Z    |Last");
    EXPECT_EQ(tables.entities[1][0], before.entities[2][0]);
}

TEST(EntityList, RefusalsInTheirOrder) {
    const Lines lines{entityFileLine(246, false, "1A0", "Malta"),
                      entityFileLine(12, false, "VP2E", "Anguilla")};
    const AwardTables tables;
    const auto text = [&](const EntityEntry& e, bool adding, const Lines& list) {
        const auto refusal = refuseSave(e, adding, list, tables);
        return refusal ? refusal->text : QString();
    };
    // An edit needs a listed entity before its fields are checked.
    const QString choose = QStringLiteral("Wybierz podmiot DXCC do aktualizacji!");
    EXPECT_EQ(text(entry("   ", "", ""), false, lines), choose);
    EXPECT_EQ(text(entry("999", "K", "USA"), false, lines), choose);
    EXPECT_EQ(text(entry(" 12", "  ", "x"), false, lines),
              QStringLiteral("Pole prefiksu nie może być puste!"));
    EXPECT_EQ(text(entry(" 12", "VP2E", " "), false, lines),
              QStringLiteral("Pole nazwy podmiotu nie może być puste!"));

    // A new entity: the fields, the number, the duplicate (by its value,
    // however a chosen line or the user wrote it), the room.
    EXPECT_EQ(text(entry("", "", ""), true, lines),
              QStringLiteral("Pole prefiksu nie może być puste!"));
    EXPECT_EQ(text(entry("", "K", "USA"), true, lines),
              QStringLiteral("Należy podać numer ADIF dla nowego podmiotu!!"));
    for (const char* number : {"12", " 12", "012"})
        EXPECT_EQ(text(entry(number, "K", "USA"), true, lines),
                  QStringLiteral("Podmiot o numerze 12 już istnieje w bazie: Anguilla (VP2E)!\n"
                                 "Nowy podmiot nie został zapisany."))
            << number;
    EXPECT_EQ(text(entry("120", "K", "USA"), true, lines), QString());
    EXPECT_EQ(text(entry("999", "K", "USA"), true, Lines(500, lines[0])),
              QStringLiteral(
                  "Baza podmiotów jest pełna (500 podmiotów)!\nNowego podmiotu nie można dodać."));
}

} // namespace
} // namespace zef
