// The entity grid with a full station: 500 entities, about half worked.
#include "core/text.h"
#include "mainwindow/entity_grid.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace zef {
namespace {

std::unique_ptr<AwardTables> fullStation() {
    auto t = std::make_unique<AwardTables>();
    const char* words[] = {"Island", "Republic", "of", "Saint", "North", "Kingdom", "Is.", "Ceuta"};
    for (int r = 1; r <= kEntityRows; ++r) {
        const std::string number = std::to_string(r);
        // Prefix order by construction: a letter, then the row number.
        const std::string prefix = std::string(1, static_cast<char>('A' + (r - 1) / 20)) +
                                   std::string(3 - number.size(), '0') + number;
        std::string name = std::string(1, static_cast<char>('a' + (r * 7) % 26)) + words[r % 8] +
                           " " + words[(r / 8) % 8] + " " + number;
        Row& row = t->entities[r];
        row[0] = alignRight(number, 3) + (r % 37 == 0 ? "|D|" : "| |") + padRight(prefix, 5) + "|" +
                 name.substr(0, 24);
        for (int b = 0; b < kBands; ++b) {
            if ((r + b) % 2 != 0)
                continue;
            row[callSlot(b)] = "SP" + std::to_string(b) + "ABC";
            row[qsoDateSlot(b)] = "2023-05-01";
            row[confirmationSlot(b)] = r % 3 == 0 ? "LoTW" : "QSL";
            row[verificationSlot(b)] = r % 4 == 0 ? "2024-01-01" : "";
        }
    }
    return t;
}

const QLocale kPolish(QLocale::Polish, QLocale::Poland);

// The grid fill with the checked view and its sort, as after every change.
void BM_GridFillViewSort(benchmark::State& state) {
    const auto tables = fullStation();
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
    const auto tables = fullStation();
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
