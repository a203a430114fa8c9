// The summary refresh runs after every single change: counts and texts over
// a full station (500 entities, 40 zones) must stay well under 0.2 ms.

#include "summary/summary_counts.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace zef;

// A full station in a realistic mix: about half the slots worked, a third of
// those verified, some verification dates without a call.
AwardTables fullStation() {
    AwardTables t;
    for (int r = 1; r <= kEntityRows; ++r) {
        t.entities[r][0] = std::to_string(r) + "| |P" + std::to_string(r) + "  |Entity name";
        for (int b = 0; b < kBands; ++b) {
            const int k = (r * 7 + b * 3) % 12;
            if (k < 6) {
                t.entities[r][callSlot(b)] = "SP" + std::to_string(k) + "ABC";
                t.entities[r][qsoDateSlot(b)] = "2020-01-01";
                t.entities[r][confirmationSlot(b)] = k % 2 ? "QSL" : "LoTW";
            }
            if (k < 2 || k == 11)
                t.entities[r][verificationSlot(b)] = "2021-01-01";
        }
    }
    for (int z = 1; z <= kZoneRows; ++z) {
        t.zones[z][0] = "     |" + std::to_string(z) + "   |W1 VE";
        for (int b = 0; b < kBands; ++b)
            if ((z + b) % 3 != 0) {
                t.zones[z][callSlot(b)] = "W1AW";
                if ((z + b) % 3 == 1)
                    t.zones[z][verificationSlot(b)] = "2021-01-01";
            }
    }
    return t;
}

void BM_SummaryRefresh(benchmark::State& state) {
    const AwardTables tables = fullStation();
    const auto mode = static_cast<SummaryMode>(state.range(0));
    for (auto _ : state) {
        SummaryTexts texts = summaryTexts(summaryCounts(tables, mode));
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_SummaryRefresh)
    ->Arg(static_cast<int>(SummaryMode::AllConfirmed))
    ->Arg(static_cast<int>(SummaryMode::Verified))
    ->Arg(static_cast<int>(SummaryMode::ToVerify))
    ->Unit(benchmark::kMicrosecond);

} // namespace
