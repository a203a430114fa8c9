// SPDX-License-Identifier: GPL-3.0-or-later
// The window's import run ("Importuj" of TForm7) against the batch engine on
// the same log and station, side by side in one process. The run adds the
// line count, the progress bar with the window's events, and the refresh of
// the summary and the grid.

#include "full_station.h"
#include "lotw_log.h"

#include "app/program.h"
#include "import/adif_import.h"
#include "import/error_list.h"
#include "import/import_dialog.h"
#include "mainwindow/main_window.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_system.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace zef::bench {
namespace {

// Every box is answered at once: the user's reading time is no part of a run.
class AnsweringDialogs : public QtDialogs {
public:
    Answer messageBox(const QString&, const QString&, Buttons, Icon, bool) override {
        return Answer::Ok;
    }
};

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void BM_WindowImport100k(benchmark::State& state) {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    for (const QString& name :
         {QStringLiteral("dxcc_adif.mtb"), QStringLiteral("zefirant_zones.mtb")})
        QFile::copy(QCoreApplication::applicationDirPath() + u'/' + name, folder + name);
    const QString log = folder + QStringLiteral("lotw.adi");
    const QString errors = folder + kErrorListFileName;
    writeLotwLog(log);
    const auto station = fullStation();

    AnsweringDialogs dialogs;
    QtSystem system;
    // The program's own files in a folder of the benchmark's.
    Program program(dialogs, system, ProgramFiles::portable(folder));
    if (!program.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    program.state.station.setCallsign("SP9XYZ"); // else the grid fill asks for it
    TForm7& dialog = program.import();
    program.main().show();
    auto batchTables = std::make_unique<AwardTables>();
    double windowTotal = 0;
    double batchTotal = 0;
    for (auto _ : state) {
        *batchTables = *station;
        createErrorList(errors);
        const auto start = std::chrono::steady_clock::now();
        importAdif(*batchTables, log, errors, ImportOptions{});
        const auto batchEnd = std::chrono::steady_clock::now();

        program.state.station.changeTables([&](AwardTables& tables) { tables = *station; });
        createErrorList(errors);
        dialog.Edit1->setText(log);
        dialog.show();
        QCoreApplication::processEvents();
        const auto windowStart = std::chrono::steady_clock::now();
        dialog.Button2Click();
        const auto windowEnd = std::chrono::steady_clock::now();

        batchTotal += seconds(batchEnd - start);
        windowTotal += seconds(windowEnd - windowStart);
        state.SetIterationTime(seconds(windowEnd - windowStart));
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["window_ms"] = 1000 * windowTotal / n;
    state.counters["batch_engine_ms"] = 1000 * batchTotal / n;
    state.counters["ratio"] = windowTotal / batchTotal;
}

BENCHMARK(BM_WindowImport100k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace zef::bench
