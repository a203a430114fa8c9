// SPDX-License-Identifier: GPL-3.0-or-later
// "Zatwierdź" of the data entry dialog on a full station, without its
// widgets: the store into the tables, the grid following the slot change
// (its row, cache and counters), the panel texts and the summary refresh's
// counts and texts. The grid repaint
// is the widget's and is not part of this figure.
#include "core/summary_counts.h"
#include "editing/entry_rules.h"
#include "full_station.h"
#include "mainwindow/entity_grid.h"

#include <benchmark/benchmark.h>

namespace zef {
namespace {

// The last entity is the worst case: every search walks all rows to it.
void BM_EntryStore(benchmark::State& state) {
    auto tables = bench::fullStation();
    EntityGrid grid{QLocale(QLocale::Polish, QLocale::Poland)};
    grid.fill(*tables, 1);
    const int row = grid.model().lastRow();
    const EntryTarget target{false, 1, grid.model().cell(kNumberColumn, row)};
    const Entry entries[] = {{"SP9ABC", "2005-02-31", "LoTW"}, {"", "2005-02-31", "QSL"}};
    int i = 0;
    for (auto _ : state) {
        const auto change = entryChange(*tables, target, entries[i++ % 2]);
        storeSlot(*tables, *change);
        grid.followSlot(*change);
        auto panels = grid.statusPanels();
        auto summary = summaryTexts(summaryCounts(*tables, SummaryMode::AllConfirmed));
        benchmark::DoNotOptimize(panels);
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(BM_EntryStore)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zef
