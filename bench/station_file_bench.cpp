// SPDX-License-Identifier: GPL-3.0-or-later
// The station data file of a full station (500 entities, 40 zones): loading
// it with the reconciliation against the entity reference file, and saving
// it, must each stay under 5 ms.

#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/station_file.h"
#include "core/text.h"
#include "core/text_file.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zef;

std::string entityFileLine(int n) {
    return alignRight(std::to_string(n), 3) + "| |" + padRight("P" + std::to_string(n), 5) + "|" +
           padRight("Entity number " + std::to_string(n), 24) + "|";
}

struct Station {
    QTemporaryDir dir;
    QString referencePath = dir.filePath(QStringLiteral("dxcc_adif.mtb"));
    QString stationPath = dir.filePath(QStringLiteral("stacja.csv"));

    Station() {
        std::vector<std::string> reference;
        AwardTables t;
        for (int r = 1; r <= kEntityRows; ++r) {
            reference.push_back(entityFileLine(r));
            t.entities[r][0] = trimRight(reference.back().substr(0, 36));
            for (int b = 0; b < kBands; b += 2) {
                t.entities[r][callSlot(b)] = "SP" + std::to_string(r) + "XYZ";
                t.entities[r][qsoDateSlot(b)] = "2024-01-01";
                t.entities[r][confirmationSlot(b)] = "QSL";
            }
        }
        for (int z = 1; z <= kZoneRows; ++z)
            t.zones[z][0] = "     |" + std::to_string(z) + "    |W1 VE1";
        writeLines(referencePath, reference);
        writeLines(stationPath, stationFileLines(t, "SP9XYZ", "08.12.2026"));
    }
};

void BM_StationFileLoadAndReconcile(benchmark::State& state) {
    Station station;
    AwardTables tables;
    for (auto _ : state) {
        const auto reference = readReferenceLines(station.referencePath);
        loadStationLines(readLines(station.stationPath), tables);
        const Reconciliation found = compareWithReference(tables, reference);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_StationFileLoadAndReconcile)->Unit(benchmark::kMillisecond);

void BM_StationFileSave(benchmark::State& state) {
    Station station;
    AwardTables tables;
    loadStationLines(readLines(station.stationPath), tables);
    for (auto _ : state)
        writeLines(station.stationPath, stationFileLines(tables, "SP9XYZ", "08.12.2026"));
}
BENCHMARK(BM_StationFileSave)->Unit(benchmark::kMillisecond);

} // namespace
