// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/grid_entry.h"

namespace zef {

void storeInGridRow(GridRow& row, const Entry& entry) {
    row[kCallColumn] = entry.call;
    row[kQsoDateColumn] = entry.call.empty() ? std::string() : entry.date;
    row[kConfirmationColumn] = entry.call.empty() ? std::string() : entry.confirmation;
}

void adjustCounters(StatusCounters& counters, const GridRow& before, const GridRow& after) {
    StatusCounters was;
    was.add(before);
    StatusCounters is;
    is.add(after);
    counters.verifiedCurrent += is.verifiedCurrent - was.verifiedCurrent;
    counters.verifiedAll += is.verifiedAll - was.verifiedAll;
    counters.toVerifyCurrent += is.toVerifyCurrent - was.toVerifyCurrent;
    counters.toVerifyAll += is.toVerifyAll - was.toVerifyAll;
    counters.qsl += is.qsl - was.qsl;
    counters.lotw += is.lotw - was.lotw;
}

} // namespace zef
