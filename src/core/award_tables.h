// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The award tables: one row per DXCC entity (rows 1..500, row 0 a scratch row)
// and one per CQ zone (rows 1..40), each 21 text slots. Slot 0 holds the
// reference or zone line, slots 1..20 the five band slots of four fields.

#include <array>
#include <string>
#include <string_view>

namespace zef {

constexpr int kEntityRows = 500;
constexpr int kZoneRows = 40;
constexpr int kSlots = 21;
constexpr int kBands = 5;

using Row = std::array<std::string, kSlots>;

// Slot numbers of the four fields of band index b (0 = 80 m ... 4 = 10 m).
constexpr int callSlot(int b) {
    return 1 + 4 * b;
}
constexpr int qsoDateSlot(int b) {
    return 2 + 4 * b;
}
constexpr int confirmationSlot(int b) {
    return 3 + 4 * b;
}
constexpr int verificationSlot(int b) {
    return 4 + 4 * b;
}

// Band names in the fixed order, for captions and file headers.
constexpr std::array<std::string_view, kBands> kBandNames{"80", "40", "20", "15", "10"};

struct AwardTables {
    std::array<Row, kEntityRows + 1> entities; // [0] is the scratch row
    std::array<Row, kZoneRows + 1> zones;      // [0] unused; zones are 1-based

    void clear(); // rows 1..500 and 1..40, all slots
};

void clearRow(Row& row);
bool isOccupied(const Row& row);

// Row states of one band slot.
bool isDeleted(const Row& entityRow);
bool hasCall(const Row& row, int band);
bool hasVerification(const Row& row, int band);
bool isToVerify(const Row& row, int band);

// Fields of a reference line (entity) and a zone line, as the grid shows them.
std::string referenceNumber(std::string_view line); // positions 1-3, as stored
std::string referencePrefix(std::string_view line); // positions 7-11, trimmed
std::string referenceName(std::string_view line);   // position 13 to the end
std::string zoneNumber(std::string_view zoneLine);  // positions 7-11, trimmed

// Station data is loaded when entity row 1 holds a reference line.
bool stationDataLoaded(const AwardTables& tables);

// Prefix order: ordinal byte order, a prefix that begins a longer one first.
bool prefixSortsAfter(std::string_view prefix, std::string_view other);

// Last occupied entity row, 0 when the table is empty.
int lastOccupiedEntityRow(const AwardTables& tables);

// Row at which a line with this (trimmed) prefix belongs: the first occupied
// row whose prefix sorts after it, else the row after the last occupied one.
int prefixOrderPlace(const AwardTables& tables, std::string_view prefix);

// Inserting needs row 500 free: a full table refuses and nothing changes,
// so that no entity is ever pushed out of it.
bool entityTableFull(const AwardTables& tables);

// Rows k..499 move down by one and row k becomes `row`. False when full.
bool insertEntityRow(AwardTables& tables, int k, const Row& row);

// Removes row k; the rows below move up and row 500 becomes empty.
void removeEntityRow(AwardTables& tables, int k);

// Moves row k, with its band fields, to the prefix-order place of
// `newReferenceLine`, which becomes its reference line. The band fields are
// parked in the scratch row meanwhile. Returns the row it now stands in.
int moveEntityRow(AwardTables& tables, int k, const std::string& newReferenceLine);

} // namespace zef
