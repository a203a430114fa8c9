// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one import run did, counted by the run itself as it goes: the records
// it read, where each confirmed one went or why it went nowhere, and which
// band slots it filled or changed.

#include <array>
#include <cstdint>
#include <unordered_set>
#include <vector>

namespace zef {

// Why a confirmed record was not placed in one table, in the order the run
// tests them.
enum class NotPlaced {
    NoField,       // no "<dxcc:" or "<cqz:" tag
    UnknownNumber, // a number no row holds, 0, or no number at all
    Band,          // no band, or one that is not 80, 40, 20, 15 or 10 m
    Unreadable,    // the record is cut or too long, or its call, date or band cannot be read
    NotStorable,   // the call holds a control byte or ";", which a slot cannot hold
};
inline constexpr int kNotPlacedReasons = 5;

// One table's share of the confirmed records: each is placed or has one reason.
struct TableTally {
    std::int64_t placed = 0; // reached a band slot, whether or not it changed it
    std::array<std::int64_t, kNotPlacedReasons> notPlaced{};

    std::int64_t notPlacedTotal() const;
};

enum class ImportTable { Entities, Zones };

// A band slot the run filled or changed; each slot is listed once, as it
// was first touched (a slot filled and then replaced in one run was filled).
struct SlotChange {
    ImportTable table;
    int row;     // 1-based
    int band;    // 0 = 80 m ... 4 = 10 m
    bool filled; // false: its call, date or confirmation changed
};

struct ImportCounts {
    std::int64_t records = 0;      // records read after the header
    std::int64_t confirmed = 0;    // of them with a QSL or LoTW confirmation
    std::int64_t otherOwnCall = 0; // confirmed, but made by another own call than asked for
    TableTally entities;
    TableTally zones;
    std::vector<SlotChange> changes;

    int filledSlots() const;
    int changedSlots() const;
    // Notes a slot the run has just filled or replaced.
    void noteChange(ImportTable table, int row, int band, bool filled);

private:
    std::unordered_set<int> changed_; // the slots already in `changes`
};

} // namespace zef
