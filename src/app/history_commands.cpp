// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/history_commands.h"

#include "core/file_guard.h"
#include "core/station_file.h"
#include "core/station_history.h"
#include "core/summary_counts.h"
#include "core/text_file.h"

#include <memory>

namespace zef {

namespace {

QString shownTime(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString historyTable(const std::vector<HistoryEntry>& entries) {
    QString text =
        QStringLiteral(" Nr  Kiedy                Zmiana                                    Sloty  "
                       "Punkty po\n");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const HistoryEntry& entry = entries[i];
        text += QStringLiteral("%1  %2  %3 %4 %5\n")
                    .arg(i + 1, 3)
                    .arg(shownTime(entry.when))
                    .arg(entry.change.madeBy, -40)
                    .arg(entry.change.slotsChanged, 6)
                    .arg(entry.change.pointsAfter, 10);
    }
    return text;
}

std::unique_ptr<AwardTables> tablesOf(std::string_view content) {
    auto tables = std::make_unique<AwardTables>();
    loadStationLines(splitLines(content, LineEnds::AlsoCrAlone), *tables);
    return tables;
}

} // namespace

int runHistory(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
               std::ostream& err) {
    return withFileErrors(err, [&] {
        const StationHistory history = stationHistory(env.files, command.stationPath);
        const auto entries = history.entries();
        if (entries.empty()) {
            put(out, QStringLiteral("Program nie zastąpił jeszcze pliku %1, więc nie ma jego "
                                    "kopii.\n")
                         .arg(command.stationPath));
            return kExitSuccess;
        }
        put(out, QStringLiteral("Kopie pliku %1 (folder %2).\nKopia N to zawartość pliku sprzed "
                                "zmiany N; przywraca ją \"zefirant --restore %1 N\".\n\n")
                         .arg(command.stationPath, history.folder()) +
                     historyTable(entries));
        return kExitSuccess;
    });
}

int runRestore(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
               std::ostream& err) {
    return withFileErrors(err, [&] {
        const QString& path = command.stationPath;
        const FileLock lock(path, env.lockWait);
        const StationHistory history = stationHistory(env.files, path);
        const auto entries = history.entries();
        const auto number = static_cast<std::size_t>(command.copyNumber);
        if (number > entries.size()) {
            put(err, entries.empty()
                         ? QStringLiteral("Nie ma kopii pliku %1.\n").arg(path)
                         : QStringLiteral("Nie ma kopii numer %1 pliku %2 (są kopie 1-%3, "
                                          "zobacz --history).\n")
                               .arg(number)
                               .arg(path)
                               .arg(entries.size()));
            return kExitFileError;
        }
        const HistoryEntry& chosen = entries[number - 1];
        const std::string content = history.content(chosen);
        const auto restored = tablesOf(content);
        replaceStationFile(path, content, history, [&](std::string_view replaced) {
            return StationChange{
                QStringLiteral("przywrócenie kopii z %1").arg(shownTime(chosen.when)),
                changedSlots(replaced, *restored),
                summaryCounts(*restored, SummaryMode::AllConfirmed).totals.total};
        });
        put(out, QStringLiteral("Przywrócono kopię %1 pliku %2: jego zawartość sprzed zmiany "
                                "\"%3\" z %4.\nTo, co zastąpiła, zachowano jako kopię 1.\n")
                     .arg(number)
                     .arg(path, chosen.change.madeBy, shownTime(chosen.when)));
        return kExitSuccess;
    });
}

} // namespace zef
