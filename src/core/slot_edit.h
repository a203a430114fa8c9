// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One band slot changed by the data entry, as the station announces it: the
// windows follow the one slot from it instead of showing all the tables anew.

#include "core/award_tables.h"

#include <string>

namespace zef {

// What the data entry stores in a band slot: call trimmed, date as read,
// "QSL" or "LoTW".
struct Entry {
    std::string call;
    std::string date;
    std::string confirmation;
};

// Which slot changed (the zone or the entity table, its row, the band
// index) and the entry it now holds.
struct SlotEdit {
    bool zoneTable = false;
    int row = 0;
    int band = 0;
    Entry entry;
};

// Stores the entry in its slot: with a call, call, date and confirmation are
// set; without one, all four fields are emptied. False, changing nothing,
// for a row or band outside the tables.
bool storeSlot(AwardTables& tables, const SlotEdit& change);

} // namespace zef
