// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_chart.h"

#include "chart/chart_export.h"
#include "core/file_io.h"

namespace zef {

namespace {

int chartInto(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
              std::ostream& err) {
    if (sameFile(command.chartPath, command.stationPath)) {
        put(err, QStringLiteral("Wykres nie może zastąpić pliku danych stacji %1.\n")
                     .arg(command.stationPath));
        return kExitWrongUsage;
    }
    const LoadedStation station = readStationData(command.stationPath, nullptr, err);
    warnLinesLeftOut(err, station);
    const ProgressSeries series = progressSeries(*station.tables, command.summaryMode);
    if (series.undatedSlots > 0)
        put(err, QStringLiteral("Uwaga: %1, policzone na końcu wykresu.\n")
                     .arg(undatedSlotsText(series.undatedSlots)));
    const QByteArray bytes = chartFileBytes({series, command.summaryMode, env.date},
                                            *chartFileKind(command.chartPath), command.chartPath);
    // A failed write leaves an older file whole.
    replaceFile(command.chartPath, bytes);
    put(out, QStringLiteral("Wykres zapisano w pliku %1.\n").arg(command.chartPath));
    return kExitSuccess;
}

} // namespace

int runChart(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
             std::ostream& err) {
    return withFileErrors(err, [&] { return chartInto(command, env, out, err); });
}

} // namespace zef
