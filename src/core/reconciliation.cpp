// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reconciliation.h"

#include "core/text.h"

#include <unordered_map>

namespace zef {

namespace {

int rowWithNumber(const AwardTables& tables, const std::string& line) {
    const std::string number = referenceNumber(line);
    for (int r = 1; r <= kEntityRows; ++r) {
        const Row& row = tables.entities[r];
        if (isOccupied(row) && referenceNumber(row[0]) == number)
            return r;
    }
    return 0;
}

} // namespace

Reconciliation compareWithReference(const AwardTables& tables,
                                    const std::vector<std::string>& referenceLines) {
    // The scan of the rows for each reference line stops at the first row
    // with its ADIF number (an exact match has that number too), so the first
    // row of each number decides.
    std::unordered_map<std::string, int> firstRowOfNumber;
    for (int r = 1; r <= kEntityRows; ++r)
        if (const std::string& line = tables.entities[r][0]; !line.empty())
            firstRowOfNumber.try_emplace(referenceNumber(line), r);
    Reconciliation result;
    for (const auto& reference : referenceLines) {
        const auto found = firstRowOfNumber.find(referenceNumber(reference));
        if (found == firstRowOfNumber.end())
            result.missing.push_back(reference);
        else if (const std::string& line = tables.entities[found->second][0]; line != reference)
            result.differing.push_back({reference, line});
    }
    return result;
}

QString missingQuestion(const std::vector<std::string>& missing) {
    QString text = QStringLiteral("Poniższe podmioty nie wystepują we wczytywanym pliku:\n\n");
    for (const auto& line : missing)
        text += toQt(line) + u'\n';
    return text + QStringLiteral("\nDodać te podmioty do pliku?");
}

QString differingQuestion(const std::vector<DifferingEntity>& differing) {
    QString text = QStringLiteral(
        "Poniższe podmioty we wczytywanym pliku mają inne dane niż w pliku wzorcowym :\n\n");
    for (const auto& item : differing) {
        text += QStringLiteral("Wzorzec:\t\t") + toQt(item.reference) + u'\n';
        text +=
            QStringLiteral("Plik:\t\t") + toQt(item.file.substr(0, 40)) + QStringLiteral("\n\n");
    }
    text.replace(u'|', u'\t');
    return text + QStringLiteral("\nZaktualizować dane tych podmiotów?");
}

int addMissingEntities(AwardTables& tables, const std::vector<std::string>& missing) {
    int notInserted = 0;
    for (const auto& line : missing) {
        // Once the table is full no place is sought: a damaged reference file
        // can name hundreds of thousands of entities.
        if (entityTableFull(tables)) {
            ++notInserted;
            continue;
        }
        Row row;
        row[0] = line;
        insertEntityRow(tables, prefixOrderPlace(tables, referencePrefix(line)), row);
    }
    return notInserted;
}

void updateDifferingEntities(AwardTables& tables, const std::vector<DifferingEntity>& differing) {
    for (const auto& item : differing)
        if (const int r = rowWithNumber(tables, item.reference); r != 0)
            moveEntityRow(tables, r, item.reference);
}

QString tableFullMessage(int notInserted) {
    return QStringLiteral("Tabela podmiotów jest pełna (500 wierszy).\nNie dodano podmiotów: %1.")
        .arg(notInserted);
}

} // namespace zef
