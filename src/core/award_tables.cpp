// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/award_tables.h"

#include "core/text.h"

namespace zef {

void clearRow(Row& row) {
    for (auto& slot : row)
        slot.clear();
}

void AwardTables::clear() {
    for (int r = 1; r <= kEntityRows; ++r)
        clearRow(entities[r]);
    for (int r = 1; r <= kZoneRows; ++r)
        clearRow(zones[r]);
}

bool isOccupied(const Row& row) {
    return !row[0].empty();
}

bool isDeleted(const Row& entityRow) {
    return trim(mid(entityRow[0], 5, 5)) == "D";
}

bool hasCall(const Row& row, int band) {
    return !row[callSlot(band)].empty();
}

bool hasVerification(const Row& row, int band) {
    return !row[verificationSlot(band)].empty();
}

bool isToVerify(const Row& row, int band) {
    return hasCall(row, band) && !hasVerification(row, band);
}

std::string referenceNumber(std::string_view line) {
    return mid(line, 1, 3);
}

std::string referencePrefix(std::string_view line) {
    return trim(mid(line, 7, 11));
}

std::string referenceName(std::string_view line) {
    return tail(line, 13);
}

std::string zoneNumber(std::string_view zoneLine) {
    return trim(mid(zoneLine, 7, 11));
}

bool stationDataLoaded(const AwardTables& tables) {
    return isOccupied(tables.entities[1]);
}

bool prefixSortsAfter(std::string_view prefix, std::string_view other) {
    // std::string_view compares bytes as unsigned char, which is the ordinal order.
    return prefix.compare(other) > 0;
}

int lastOccupiedEntityRow(const AwardTables& tables) {
    for (int r = kEntityRows; r >= 1; --r)
        if (isOccupied(tables.entities[r]))
            return r;
    return 0;
}

int prefixOrderPlace(const AwardTables& tables, std::string_view prefix) {
    for (int r = 1; r <= kEntityRows; ++r) {
        const Row& row = tables.entities[r];
        if (isOccupied(row) && prefixSortsAfter(referencePrefix(row[0]), prefix))
            return r;
    }
    return lastOccupiedEntityRow(tables) + 1;
}

bool entityTableFull(const AwardTables& tables) {
    return isOccupied(tables.entities[kEntityRows]);
}

bool insertEntityRow(AwardTables& tables, int k, const Row& row) {
    if (k < 1 || k > kEntityRows || entityTableFull(tables))
        return false;
    for (int r = kEntityRows; r > k; --r)
        tables.entities[r] = std::move(tables.entities[r - 1]);
    tables.entities[k] = row;
    return true;
}

void removeEntityRow(AwardTables& tables, int k) {
    if (k < 1 || k > kEntityRows)
        return;
    for (int r = k; r < kEntityRows; ++r)
        tables.entities[r] = std::move(tables.entities[r + 1]);
    clearRow(tables.entities[kEntityRows]);
}

int moveEntityRow(AwardTables& tables, int k, const std::string& newReferenceLine) {
    Row& scratch = tables.entities[0];
    scratch = tables.entities[k];
    scratch[0] = newReferenceLine;
    removeEntityRow(tables, k);
    const int place = prefixOrderPlace(tables, referencePrefix(newReferenceLine));
    insertEntityRow(tables, place, scratch); // cannot fail: a row was just freed
    clearRow(scratch);
    return place;
}

} // namespace zef
