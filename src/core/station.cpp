// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/station.h"

namespace zef {

Station::Station() : tables_(std::make_unique<AwardTables>()) {}

Station::~Station() = default;

void Station::changeTables(const std::function<void(AwardTables&)>& change) {
    change(*tables_);
    emit tablesChanged();
}

bool Station::changeSlot(const SlotEdit& change) {
    if (!storeSlot(*tables_, change))
        return false;
    emit slotChanged(change);
    return true;
}

void Station::setPath(const QString& path) {
    path_ = path;
    emit pathChanged();
}

void Station::setCallsign(const std::string& callsign) {
    callsign_ = callsign;
}

void Station::setUnsaved(bool unsaved, bool byDataEntry) {
    unsaved_ = unsaved;
    emit unsavedChanged(unsaved, byDataEntry);
}

} // namespace zef
