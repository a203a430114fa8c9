// "Zatwierdź" of the data entry dialog on a full station, without its
// widgets: the store into grid row, tables and cache, the counters, their
// panel texts and the summary refresh's counts and texts. The grid repaint
// is the widget's and is not part of this figure.
#include "core/text.h"
#include "editing/entry_rules.h"
#include "mainwindow/entity_grid.h"
#include "summary/summary_counts.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace zef {
namespace {

std::unique_ptr<AwardTables> fullStation() {
    auto t = std::make_unique<AwardTables>();
    for (int r = 1; r <= kEntityRows; ++r) {
        const std::string number = std::to_string(r);
        const std::string prefix = std::string(1, static_cast<char>('A' + (r - 1) / 20)) +
                                   std::string(3 - number.size(), '0') + number;
        Row& row = t->entities[r];
        row[0] = alignRight(number, 3) + (r % 37 == 0 ? "|D|" : "| |") + padRight(prefix, 5) +
                 "|Entity " + number;
        for (int b = 0; b < kBands; ++b) {
            if ((r + b) % 2 != 0)
                continue;
            row[callSlot(b)] = "SP" + std::to_string(b) + "ABC";
            row[qsoDateSlot(b)] = "2023-05-01";
            row[confirmationSlot(b)] = r % 3 == 0 ? "LoTW" : "QSL";
            row[verificationSlot(b)] = r % 4 == 0 ? "2024-01-01" : "";
        }
    }
    for (int z = 1; z <= kZoneRows; ++z)
        t->zones[z][0] = "     |" + padRight(std::to_string(z), 5) + "|W1 VE";
    return t;
}

// The last entity is the worst case: every search walks all rows to it.
void BM_EntryStore(benchmark::State& state) {
    auto tables = fullStation();
    EntityGrid grid{QLocale(QLocale::Polish, QLocale::Poland)};
    grid.fill(*tables, 1);
    const int row = grid.model().lastRow();
    const EntryTarget target{false, 1, grid.model().cell(kNumberColumn, row)};
    const Entry entries[] = {{"SP9ABC", "2005-02-31", "LoTW"}, {"", "2005-02-31", "QSL"}};
    int i = 0;
    for (auto _ : state) {
        const Entry& entry = entries[i++ % 2];
        GridRow& cells = grid.model().row(row);
        const GridRow before = cells;
        storeInGridRow(cells, entry);
        storeInTables(*tables, target, entry);
        storeInCache(grid.cache(), target, entry);
        adjustCounters(grid.counters(), before, cells);
        auto panels = grid.statusPanels();
        auto summary = summaryTexts(summaryCounts(*tables, SummaryMode::AllConfirmed));
        benchmark::DoNotOptimize(panels);
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(BM_EntryStore)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zef
