// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_commands.h"

#include "core/file_attributes.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/station_history.h"
#include "core/text.h"
#include "core/text_file.h"
#include "import/adif_import.h"
#include "import/adif_origin.h"
#include "import/error_list.h"
#include "import/import_report.h"

#include <QFileInfo>
#include <QStringList>

namespace zef {

namespace {

constexpr int kSummaryCellWidth = 10; // the widest head, "Str/Punkty"

template <std::size_t N> QString tableLine(const std::array<QString, N>& cells) {
    QStringList justified;
    for (const QString& cell : cells)
        justified.push_back(cell.rightJustified(kSummaryCellWidth));
    return justified.join(u' ');
}

// The window asks these questions; without anyone to answer, the answer is
// No, which keeps the tables as the file holds them. What was asked is kept
// until the file proved to be a station data file.
class AnsweredNo : public LoadQuestions {
public:
    void linesLeftOut(const LoadOverflow&) override {} // each command says what it does
    bool addMissing(const std::vector<std::string>& missing) override {
        asked += QStringLiteral("Uwaga: ") + missingQuestion(missing) + QStringLiteral(" Nie\n");
        return false;
    }
    void tableFull(int) override {}
    bool updateDiffering(const std::vector<DifferingEntity>& differing) override {
        asked +=
            QStringLiteral("Uwaga: ") + differingQuestion(differing) + QStringLiteral(" Nie\n");
        return false;
    }

    QString asked;
};

// The entity reference file's lines for the reconciliation, or nothing (and
// why on `err`) when the file is missing.
std::optional<std::vector<std::string>> referenceLinesFor(const BatchEnvironment& env,
                                                          std::ostream& err) {
    const QString entityFile = env.files.deliveredFile(kEntityFileName);
    if (!fileExists(entityFile)) {
        put(err, missingReferenceFileMessage(entityFile) +
                     QStringLiteral("\nPlik danych stacji nie został porównany z plikiem "
                                    "wzorcowym.\n"));
        return std::nullopt;
    }
    return readReferenceLines(entityFile);
}

const QString kNotImported =
    QStringLiteral("Import nie został wykonany, plik nie został zmieniony.\n");

QString readOnlyRefusal(const QString& path) {
    return QStringLiteral("Plik ") + path +
           QStringLiteral(" przeznaczony jest tylko do odczytu (Read Only)!\n") + kNotImported;
}

// Saved, such a file would lose whatever its lines held that was not read
// as entity lines (a file of other line ends, another file named by mistake).
QString noEntitiesRefusal(const QString& path) {
    return QStringLiteral("Plik \"%1\" nie zawiera żadnego wiersza podmiotu.\n").arg(path) +
           kNotImported;
}

// The --import of a LoTW report without --source: its confirmations are
// LoTW's, whatever its QSL_RCVD says; with --source log, as told.
ImportOptions chosenOptions(const CommandLine& command, bool lotwReport, std::ostream& out,
                            std::ostream& err) {
    ImportOptions options = command.importOptions;
    if (!lotwReport)
        return options;
    if (!command.sourceChosen) {
        options.source = ImportSource::Lotw;
        put(out, QStringLiteral("Plik jest raportem LoTW: importowany ze źródłem LoTW.\n"));
    } else if (options.source == ImportSource::Log) {
        put(err, QStringLiteral("Uwaga: plik jest raportem LoTW, a wybrano źródło Log: jego "
                                "potwierdzenia LoTW zostaną zapisane jako karty QSL.\n"));
    }
    return options;
}

} // namespace

int importInto(const QString& stationPath, const BatchEnvironment& env, const BatchImport& import,
               std::ostream& out, std::ostream& err) {
    const FileLock lock(stationPath, env.lockWait);
    const auto referenceLines = referenceLinesFor(env, err);
    LoadedStation station =
        readStationData(stationPath, referenceLines ? &*referenceLines : nullptr, err);
    if (isReadOnly(stationPath)) {
        put(err, readOnlyRefusal(stationPath));
        return kExitFileError;
    }
    // Saving would drop the lines the tables could not hold.
    if (station.overflow.any()) {
        put(err, overflowMessage(station.overflow) + u'\n' + kNotImported);
        return kExitFileError;
    }
    AwardTables& tables = *station.tables;
    if (!stationDataLoaded(tables)) {
        put(err, noEntitiesRefusal(stationPath));
        return kExitFileError;
    }

    // The old error list stays until the station data file is saved.
    PendingErrorList errorList(env.files.userFile(kErrorListFileName));
    const ImportResult result = import.run(tables, errorList.path());
    if (result.cutShort) {
        put(err, result.errorText +
                     QStringLiteral("\nImport danych został przerwany, plik danych stacji nie "
                                    "został zmieniony.\n"));
        return kExitFileError;
    }
    put(out, importFinishedMessage(result, errorListShownAs(env.files)) + QStringLiteral("\n\n") +
                 importReportText(result, tables, import.lotwReport) + u'\n');
    const std::vector<SlotChange>& changes = result.counts.changes;
    if (changes.empty()) {
        errorList.commit();
        put(out,
            QStringLiteral("Nic się nie zmieniło: plik danych stacji nie został zapisany.\n\n"));
    } else {
        const std::string bytes = fileText(
            stationPath, stationFileLines(tables, station.headerCallsign, fromQt(env.today)));
        replaceStationFile(stationPath, bytes, stationHistory(env.files, stationPath),
                           [&](std::string_view) {
                               return StationChange{import.madeBy, static_cast<int>(changes.size()),
                                                    result.pointsAfter[0]};
                           });
        errorList.commit();
        put(out, QStringLiteral("Dane zostały zapisane.\n\n"));
    }
    writeSummary(out, tables, SummaryMode::AllConfirmed);
    return kExitSuccess;
}

void put(std::ostream& out, const QString& text) {
    out << text.toStdString();
}

int withFileErrors(std::ostream& err, const std::function<int()>& command) {
    try {
        return command();
    } catch (const FileError& error) {
        put(err, error.text() + u'\n');
        return kExitFileError;
    }
}

LoadedStation readStationData(const QString& path, const std::vector<std::string>* referenceLines,
                              std::ostream& err) {
    AnsweredNo questions;
    LoadedStation station = loadStation(path, referenceLines, questions);
    if (!station.hasStationHeader)
        throw FileError(QStringLiteral("Plik \"%1\" nie jest plikiem danych stacji: jego "
                                       "pierwszy wiersz nie jest nagłówkiem z kolumnami pasm.")
                            .arg(path));
    put(err, questions.asked);
    return station;
}

void warnLinesLeftOut(std::ostream& err, const LoadedStation& station) {
    if (station.overflow.any())
        put(err, QStringLiteral("Uwaga: pominięto wiersze, których nie mieszczą tabele "
                                "(podmiotów: %1, stref: %2).\n")
                     .arg(station.overflow.entityLines)
                     .arg(station.overflow.zoneLines));
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

void writeSummary(std::ostream& out, const AwardTables& tables, SummaryMode mode) {
    const SummaryTexts texts = summaryTexts(summaryCounts(tables, mode));
    QString text = summaryWindowCaption(mode) + u'\n';
    for (const auto& row : texts.bandGrid)
        text += tableLine(row) + u'\n';
    text += tableLine(texts.totalsRow) + u'\n';
    for (const QString& panel : texts.statusPanels)
        text += panel + u'\n';
    put(out, text);
}

int runImport(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
              std::ostream& err) {
    return withFileErrors(err, [&] {
        // Read before anything is written, so that a missing or unreadable log
        // leaves every file as it was.
        const bool lotwReport = isLotwReportFile(command.adifPath);
        const ImportOptions options = chosenOptions(command, lotwReport, out, err);
        const BatchImport import{[&](AwardTables& tables, const QString& errorList) {
                                     return importAdif(tables, command.adifPath, errorList,
                                                       options);
                                 },
                                 QFileInfo(command.adifPath).fileName(), lotwReport};
        return importInto(command.stationPath, env, import, out, err);
    });
}

int runSummary(const CommandLine& command, const BatchEnvironment&, std::ostream& out,
               std::ostream& err) {
    return withFileErrors(err, [&] {
        const LoadedStation station = readStationData(command.stationPath, nullptr, err);
        warnLinesLeftOut(err, station);
        writeSummary(out, *station.tables, command.summaryMode);
        return kExitSuccess;
    });
}

} // namespace zef
