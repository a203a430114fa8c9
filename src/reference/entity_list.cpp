// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/entity_list.h"

#include "core/station_file.h"
#include "core/text.h"

namespace zef {

namespace {

std::string lineNumber(const EntityEntry& entry) {
    return alignRight(entry.number, 3);
}

std::string linePrefix(std::string_view line) {
    return trim(mid(line, 7, 11));
}

} // namespace

EntityEntry entryOfLine(std::string_view line) {
    return {mid(line, 1, 3), linePrefix(line), trim(mid(line, 13, 36)), charAt(line, 5) == 'D'};
}

std::string entityFileLineOf(const EntityEntry& entry) {
    return lineNumber(entry) + (entry.deleted ? "|D|" : "| |") + padRight(entry.prefix, 5) + "|" +
           padRight(entry.name, 24) + "|";
}

std::string tableLineOf(const EntityEntry& entry) {
    std::string line = entityFileLineOf(entry);
    line.pop_back();
    return storableField(trimRight(line));
}

EntityCount countOnOpening(const std::vector<std::string>& lines) {
    EntityCount count;
    for (const auto& line : lines)
        if (charAt(line, 5) != 'D')
            ++count.active;
    count.all = static_cast<int>(lines.size());
    return count;
}

EntityCount countAfterSave(const std::vector<std::string>& lines) {
    EntityCount count;
    for (const auto& line : lines)
        if (charAt(line, 5) == ' ')
            ++count.active;
    count.all = static_cast<int>(lines.size());
    return count;
}

QString counterText(const EntityCount& count) {
    return QString::number(count.active) + u'/' + QString::number(count.all);
}

std::optional<std::size_t> findByNumberText(const std::vector<std::string>& lines,
                                            std::string_view text) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (trim(mid(lines[i], 1, 3)) == text)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> findByNumberField(const std::vector<std::string>& lines,
                                             std::string_view number) {
    const std::string wanted = alignRight(number, 3);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (mid(lines[i], 1, 3) == wanted)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> findSameNumber(const std::vector<std::string>& lines,
                                          std::string_view number) {
    const auto wanted = parseInteger(trim(number));
    if (!wanted)
        return std::nullopt;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (parseInteger(trim(mid(lines[i], 1, 3))) == wanted)
            return i;
    return std::nullopt;
}

std::size_t listInsertionPlace(const std::vector<std::string>& lines, std::string_view prefix) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (prefixSortsAfter(linePrefix(lines[i]), prefix))
            return i;
    return lines.size();
}

std::size_t placeInList(std::vector<std::string>& lines, const EntityEntry& entry, bool newEntity) {
    if (!newEntity)
        if (const auto old = findByNumberField(lines, entry.number))
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*old));
    const std::size_t place = listInsertionPlace(lines, entry.prefix);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place), entityFileLineOf(entry));
    return place;
}

TableChange addEntityToTable(AwardTables& tables, const EntityEntry& entry) {
    if (entityTableFull(tables))
        return TableChange::Full;
    Row row;
    row[0] = tableLineOf(entry);
    insertEntityRow(tables, prefixOrderPlace(tables, entry.prefix), row);
    return TableChange::Placed;
}

TableChange updateEntityInTable(AwardTables& tables, const EntityEntry& entry) {
    // Compared as the readers of the file gave the row its line.
    const std::string number = mid(tableLineOf(entry), 1, 3);
    for (int r = 1; r <= kEntityRows; ++r) {
        if (!isOccupied(tables.entities[r]) || mid(tables.entities[r][0], 1, 3) != number)
            continue;
        Row moved = tables.entities[r];
        moved[0] = tableLineOf(entry);
        removeEntityRow(tables, r);
        // A row was just freed, so the insertion cannot be refused.
        insertEntityRow(tables, prefixOrderPlace(tables, entry.prefix), moved);
        return TableChange::Placed;
    }
    return TableChange::NoRow;
}

std::optional<SaveRefusal> refuseSave(const EntityEntry& entry, bool newEntity,
                                      const std::vector<std::string>& lines,
                                      const AwardTables& tables) {
    // An edit without a chosen entity would add a line whose number is blank.
    if (!newEntity && (trim(entry.number).empty() || !findByNumberField(lines, entry.number)))
        return SaveRefusal{QStringLiteral("Wybierz podmiot DXCC do aktualizacji!"),
                           EntryField::List, std::nullopt};
    if (trim(entry.prefix).empty())
        return SaveRefusal{QStringLiteral("Pole prefiksu nie może być puste!"), EntryField::Prefix,
                           std::nullopt};
    if (trim(entry.name).empty())
        return SaveRefusal{QStringLiteral("Pole nazwy podmiotu nie może być puste!"),
                           EntryField::Name, std::nullopt};
    if (!newEntity)
        return std::nullopt;
    if (entry.number.empty())
        return SaveRefusal{QStringLiteral("Należy podać numer ADIF dla nowego podmiotu!!"),
                           EntryField::Number, std::nullopt};
    // Choosing a line after "Nowy podmiot" bypasses the test on leaving the
    // field and brings the number with its blanks; a second entity of one
    // number would never be reached by imports and edits.
    if (const auto same = findSameNumber(lines, entry.number)) {
        const EntityEntry holder = entryOfLine(lines[*same]);
        return SaveRefusal{
            QStringLiteral("Podmiot o numerze %1 już istnieje w bazie: %2 (%3)!\n"
                           "Nowy podmiot nie został zapisany.")
                .arg(toQt(trim(holder.number)), toQt(holder.name), toQt(holder.prefix)),
            EntryField::Number, same};
    }
    if (entityTableFull(tables) || lines.size() >= static_cast<std::size_t>(kEntityRows))
        return SaveRefusal{QStringLiteral("Baza podmiotów jest pełna (%1 podmiotów)!\n"
                                          "Nowego podmiotu nie można dodać.")
                               .arg(kEntityRows),
                           EntryField::Number, std::nullopt};
    return std::nullopt;
}

} // namespace zef
