// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slot_edit.h"

namespace zef {

bool storeSlot(AwardTables& tables, const SlotEdit& change) {
    const int rows = change.zoneTable ? kZoneRows : kEntityRows;
    if (change.row < 1 || change.row > rows || change.band < 0 || change.band >= kBands)
        return false;
    Row& row = change.zoneTable ? tables.zones[change.row] : tables.entities[change.row];
    const int b = change.band;
    const Entry& entry = change.entry;
    row[callSlot(b)] = entry.call;
    if (entry.call.empty()) {
        row[qsoDateSlot(b)].clear();
        row[confirmationSlot(b)].clear();
        row[verificationSlot(b)].clear();
    } else {
        row[qsoDateSlot(b)] = entry.date;
        row[confirmationSlot(b)] = entry.confirmation;
    }
    return true;
}

} // namespace zef
