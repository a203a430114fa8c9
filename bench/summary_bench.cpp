// SPDX-License-Identifier: GPL-3.0-or-later
// The summary refresh runs after every single change: counts and texts over
// a full station (500 entities, 40 zones) must stay well under 0.2 ms.

#include "core/summary_counts.h"
#include "full_station.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zef;

void BM_SummaryRefresh(benchmark::State& state) {
    const auto tables = bench::fullStation();
    const auto mode = static_cast<SummaryMode>(state.range(0));
    for (auto _ : state) {
        SummaryTexts texts = summaryTexts(summaryCounts(*tables, mode));
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_SummaryRefresh)
    ->Arg(static_cast<int>(SummaryMode::AllConfirmed))
    ->Arg(static_cast<int>(SummaryMode::Verified))
    ->Arg(static_cast<int>(SummaryMode::ToVerify))
    ->Unit(benchmark::kMicrosecond);

} // namespace
