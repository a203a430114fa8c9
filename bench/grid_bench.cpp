// SPDX-License-Identifier: GPL-3.0-or-later
// The entity grid with a full station: 500 entities, about half worked.
#include "full_station.h"
#include "mainwindow/entity_grid.h"

#include <benchmark/benchmark.h>

namespace zef {
namespace {

const QLocale kPolish(QLocale::Polish, QLocale::Poland);

// The grid fill with the checked view and its sort, as after every change.
void BM_GridFillViewSort(benchmark::State& state) {
    const auto tables = bench::fullStation();
    EntityGrid grid(kPolish);
    if (state.range(0) != 0)
        grid.setCheckedView(View::Confirmed);
    for (auto _ : state) {
        grid.fill(*tables, 0);
        benchmark::DoNotOptimize(grid.model().rowCount());
    }
}
BENCHMARK(BM_GridFillViewSort)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A click on the name header: the direction toggles and all rows re-sort.
void BM_HeaderClickResort(benchmark::State& state) {
    const auto tables = bench::fullStation();
    EntityGrid grid(kPolish);
    grid.fill(*tables, 0);
    for (auto _ : state) {
        grid.mouseDown(kNameColumn, 0);
        benchmark::DoNotOptimize(grid.model().currentRow());
    }
}
BENCHMARK(BM_HeaderClickResort)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zef
