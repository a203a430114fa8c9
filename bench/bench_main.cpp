// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks, or with --write-import-files DIR [RECORDS] the import's
// input for a measurement of the whole process (bench/whole_process.py):
// DIR/lotw.adi and DIR/station.csv, for the reference files beside it.

#include "lotw_log.h"

#include <QDir>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <string_view>

int main(int argc, char** argv) {
    if (argc >= 3 && std::string_view(argv[1]) == "--write-import-files") {
        const QDir dir(QString::fromLocal8Bit(argv[2]));
        const int records = argc >= 4 ? std::atoi(argv[3]) : zef::bench::kLogRecords;
        zef::bench::writeLotwLog(dir.filePath(QStringLiteral("lotw.adi")), records);
        zef::bench::writeFullStation(dir.filePath(QStringLiteral("station.csv")),
                                     QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() +
                                         u'/');
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
