// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entity list editor's rules without widgets: the fields of an entity
// line and the line built from them, the counter, the searches, the places in
// prefix order, and the matching change of the working list and the entity
// table.

#include "core/award_tables.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

// What the entry fields hold: the number as it stands (characters 1-3 of a
// line, blanks included), the prefix, the name and the deleted mark.
struct EntityEntry {
    std::string number;
    std::string prefix;
    std::string name;
    bool deleted = false;
};

// Fields of a list line: characters 1-3 as they stand, trimmed 7-11,
// trimmed 13-36, and whether character 5 is "D".
EntityEntry entryOfLine(std::string_view line);

// The 37-character file line: number right-aligned in 3, "D|" or " |",
// prefix and name filled or cut to 5 and 24, each closed by "|".
std::string entityFileLineOf(const EntityEntry& entry);

// The same line as the entity table keeps it: without the closing bar and
// trailing blanks, exactly as the readers of the file produce it (so with
// "," for a ";" that a line of the file brought into the fields).
std::string tableLineOf(const EntityEntry& entry);

struct EntityCount {
    int active = 0;
    int all = 0;
};

// On opening a line counts as deleted when character 5 is "D".
EntityCount countOnOpening(const std::vector<std::string>& lines);
// After a save a line counts as active when character 5 is a blank.
EntityCount countAfterSave(const std::vector<std::string>& lines);
// "active/all", e.g. "340/401".
QString counterText(const EntityCount& count);

// The first line whose trimmed characters 1-3 equal `text` as text
// ("012" does not find " 12").
std::optional<std::size_t> findByNumberText(const std::vector<std::string>& lines,
                                            std::string_view text);

// The first line whose characters 1-3 equal the number right-aligned in 3.
std::optional<std::size_t> findByNumberField(const std::vector<std::string>& lines,
                                             std::string_view number);

// The first line whose number is the same whole number as `number`
// (" 12", "12" and "012" alike), as imports and edits find an entity.
std::optional<std::size_t> findSameNumber(const std::vector<std::string>& lines,
                                          std::string_view number);

// Index before which a line with `prefix` belongs: the first line whose
// trimmed prefix sorts after it, else the end of the list.
std::size_t listInsertionPlace(const std::vector<std::string>& lines, std::string_view prefix);

// The working list after a save: in edit mode the line of the same number
// is removed first; the new line goes to its prefix place. Returns its index.
std::size_t placeInList(std::vector<std::string>& lines, const EntityEntry& entry, bool newEntity);

enum class TableChange { Placed, NoRow, Full };

// A new row at its prefix place with empty band slots. A full table
// refuses and stays as it was.
TableChange addEntityToTable(AwardTables& tables, const EntityEntry& entry);

// The row of the same number moves to its prefix place with its band slots
// and takes the new line. Without such a row nothing changes (NoRow).
TableChange updateEntityInTable(AwardTables& tables, const EntityEntry& entry);

// Which control a refused save gives the focus to.
enum class EntryField { List, Number, Prefix, Name };

struct SaveRefusal {
    QString text;
    EntryField focus = EntryField::List;
    std::optional<std::size_t> line; // the line to select, if any
};

// Why the entry cannot be saved, or nothing. Besides the three field checks:
// an edit needs a chosen entity, a new entity needs a number not yet in the
// list and room in both the list and the table.
std::optional<SaveRefusal> refuseSave(const EntityEntry& entry, bool newEntity,
                                      const std::vector<std::string>& lines,
                                      const AwardTables& tables);

} // namespace zef
