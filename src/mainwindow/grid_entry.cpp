#include "mainwindow/grid_entry.h"

namespace zef {

void storeInGridRow(GridRow& row, const Entry& entry) {
    row[kCallColumn] = entry.call;
    row[kQsoDateColumn] = entry.call.empty() ? std::string() : entry.date;
    row[kConfirmationColumn] = entry.call.empty() ? std::string() : entry.confirmation;
}

bool storeInCache(GridCache& cache, const EntryTarget& target, const Entry& entry) {
    if (!target.valid())
        return false;
    const int keyColumn = target.zoneView ? kPrefixColumn : kNumberColumn;
    for (int r = 1; r <= cache.highestIndex(); ++r) {
        GridRow& cells = cache.entry(r);
        if (cells[keyColumn] == target.key) {
            storeInGridRow(cells, entry);
            return true;
        }
    }
    return false;
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
