// SPDX-License-Identifier: GPL-3.0-or-later
// Import of a 100,000-record LoTW-style log against reading the same file
// twice line by line (the window's run reads it twice: once to count, once
// to import). Reported per iteration: import_ms, read_twice_ms and their ratio.

#include "full_station.h"
#include "lotw_log.h"

#include "core/text_file.h"
#include "import/adif_import.h"
#include "import/error_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace zef::bench {
namespace {

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

long maxRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_AdifImport100k(benchmark::State& state) {
    QTemporaryDir dir;
    const QString adif = dir.filePath(QStringLiteral("lotw.adi"));
    const QString errors = dir.filePath(kErrorListFileName);
    writeLotwLog(adif);
    const auto station = fullStation();
    auto tables = std::make_unique<AwardTables>();
    double importTotal = 0;
    double readTotal = 0;
    const long rssBefore = maxRssKb();
    ImportResult result;
    for (auto _ : state) {
        *tables = *station;
        createErrorList(errors);

        const auto start = std::chrono::steady_clock::now();
        const std::int64_t lines = countAdifLines(adif);
        std::int64_t lastLine = 0;
        result = importAdif(*tables, adif, errors, ImportOptions{},
                            [&lastLine](std::int64_t line) { lastLine = line; });
        const auto imported = std::chrono::steady_clock::now();
        std::size_t bytes = 0;
        for (int pass = 0; pass < 2; ++pass) {
            LineReader reader(adif);
            std::string line;
            while (reader.next(line))
                bytes += line.size();
        }
        const auto read = std::chrono::steady_clock::now();

        benchmark::DoNotOptimize(bytes);
        benchmark::DoNotOptimize(lines + lastLine);
        importTotal += seconds(imported - start);
        readTotal += seconds(read - imported);
        state.SetIterationTime(seconds(imported - start));
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["import_ms"] = 1000 * importTotal / n;
    state.counters["read_twice_ms"] = 1000 * readTotal / n;
    state.counters["ratio"] = importTotal / readTotal;
    state.counters["file_MB"] = static_cast<double>(QFile(adif).size()) / 1e6;
    state.counters["error_entries"] = result.errorEntries;
    // Flat memory: the import holds one record, so the peak does not grow by
    // anything near the file's size.
    state.counters["rss_growth_kB"] = static_cast<double>(maxRssKb() - rssBefore);
    state.counters["max_rss_MB"] = static_cast<double>(maxRssKb()) / 1024;
    if (result.cutShort)
        state.SkipWithError("import cut short");
}

BENCHMARK(BM_AdifImport100k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace zef::bench
