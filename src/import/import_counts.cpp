// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_counts.h"

#include "core/award_tables.h"

#include <algorithm>
#include <numeric>

namespace zef {

std::int64_t TableTally::notPlacedTotal() const {
    return std::accumulate(notPlaced.begin(), notPlaced.end(), std::int64_t{0});
}

int ImportCounts::filledSlots() const {
    return static_cast<int>(std::count_if(changes.begin(), changes.end(),
                                          [](const SlotChange& c) { return c.filled; }));
}

int ImportCounts::changedSlots() const {
    return static_cast<int>(changes.size()) - filledSlots();
}

void ImportCounts::noteChange(ImportTable table, int row, int band, bool filled) {
    const int key = (table == ImportTable::Zones ? kEntityRows + 1 + row : row) * kBands + band;
    if (changed_.insert(key).second)
        changes.push_back({table, row, band, filled});
}

} // namespace zef
