// SPDX-License-Identifier: GPL-3.0-or-later
// The progress chart's series is built anew on every change of the station
// while its window is open: for a full station it must stay under 5 ms.

#include "chart/progress_series.h"
#include "full_station.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zef;

void BM_ProgressSeries(benchmark::State& state) {
    const auto tables = bench::fullStation();
    const auto mode = static_cast<SummaryMode>(state.range(0));
    for (auto _ : state) {
        ProgressSeries series = progressSeries(*tables, mode);
        benchmark::DoNotOptimize(series);
    }
}
BENCHMARK(BM_ProgressSeries)
    ->Arg(static_cast<int>(SummaryMode::AllConfirmed))
    ->Arg(static_cast<int>(SummaryMode::Verified))
    ->Arg(static_cast<int>(SummaryMode::ToVerify))
    ->Unit(benchmark::kMillisecond);

} // namespace
