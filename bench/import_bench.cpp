// Import of a 100,000-record LoTW-style file against reading the same file
// twice line by line (the import reads it twice: once to count, once to
// import). Reported per iteration: import_ms, read_twice_ms and their ratio.

#include "core/award_tables.h"
#include "core/text.h"
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

namespace zef {
namespace {

constexpr int kRecords = 100000;

std::string field(std::string_view name, std::string_view value) {
    return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + std::string(value);
}

// One record as a LoTW download writes it; every tenth is unconfirmed and
// every 500th names an entity the table lacks.
std::string lotwRecord(int i) {
    static const char* const bands[] = {"160M", "80M", "40M", "30M", "20M",
                                        "17M",  "15M", "12M", "10M", "6M"};
    const int dxcc = i % 500 == 0 ? 999 : 1 + (i * 37) % 400;
    const int month = 1 + i % 12;
    const std::string date =
        "2022" + std::string(month < 10 ? "0" : "") + std::to_string(month) + "15";
    std::string call =
        "DL" + std::to_string(i % 10) + "A" + std::string(1, char('A' + i % 26)) + "C";
    std::string r;
    r += field("CALL", call) + "\n";
    r += field("BAND", bands[i % 10]) + "\n";
    r += field("FREQ", "14.07400") + "\n";
    r += field("MODE", "FT8") + "\n";
    r += field("APP_LoTW_MODEGROUP", "DATA") + "\n";
    r += field("QSO_DATE", date) + "\n";
    r += field("APP_LoTW_RXQSO", "2022-06-02 18:24:14") +
         " // QSO record inserted/modified at LoTW\n";
    r += field("TIME_ON", "182054") + "\n";
    r += field("QSL_RCVD", i % 10 == 9 ? "N" : "Y") + "\n";
    r += field("QSLRDATE", "20220602") + "\n";
    r += field("DXCC", std::to_string(dxcc)) + "\n";
    r += field("CQZ", std::to_string(1 + i % 40)) + "\n";
    r += "<eor>\n\n";
    return r;
}

// Writes the file piece by piece, so that the benchmark's own memory stays small.
void writeLotwFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the benchmark file");
    std::string chunk = "ARRL Logbook of the World Status Report\n<PROGRAMID:4>LoTW\n"
                        "<APP_LoTW_NUMREC:6>100000\n\n<eoh>\n\n";
    for (int i = 0; i < kRecords; ++i) {
        chunk += lotwRecord(i);
        if (chunk.size() > (1 << 20) || i + 1 == kRecords) {
            file.write(chunk.data(), static_cast<qint64>(chunk.size()));
            chunk.clear();
        }
    }
}

void fillTables(AwardTables& tables) {
    tables.clear();
    for (int r = 1; r <= kEntityRows; ++r)
        tables.entities[r][0] =
            alignRight(std::to_string(r), 3) + "|" + " |" + "P" + std::to_string(r);
    for (int z = 1; z <= kZoneRows; ++z)
        tables.zones[z][0] = "     |" + padRight(std::to_string(z), 5) + "|P" + std::to_string(z);
}

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
    writeLotwFile(adif);
    auto tables = std::make_unique<AwardTables>();
    double importTotal = 0;
    double readTotal = 0;
    const long rssBefore = maxRssKb();
    ImportResult result;
    for (auto _ : state) {
        fillTables(*tables);
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
} // namespace zef
