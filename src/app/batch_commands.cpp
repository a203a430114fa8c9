#include "app/batch_commands.h"

#include "core/file_attributes.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "core/text_file.h"
#include "import/adif_import.h"
#include "import/error_list.h"

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

// Opening the log before anything is written keeps a missing or unreadable
// log from leaving an emptied error list behind.
void requireReadable(const QString& path) {
    const InputFile opened(path);
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

int importInto(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
               std::ostream& err) {
    const QString& stationPath = command.stationPath;
    const FileLock lock(stationPath, env.lockWait);
    const auto referenceLines = referenceLinesFor(env, err);
    LoadedStation station =
        readStationData(stationPath, referenceLines ? &*referenceLines : nullptr, err);
    if (isReadOnly(stationPath)) {
        put(err, readOnlyRefusal(stationPath));
        return kExitFileError;
    }
    requireReadable(command.adifPath);
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

    const QString errorList = env.files.userFile(kErrorListFileName);
    createErrorList(errorList);
    const ImportResult result =
        importAdif(tables, command.adifPath, errorList, command.importOptions);
    if (result.cutShort) {
        put(err, result.errorText +
                     QStringLiteral("\nImport danych został przerwany, plik danych stacji nie "
                                    "został zmieniony.\n"));
        return kExitFileError;
    }
    writeLines(stationPath, stationFileLines(tables, station.headerCallsign, fromQt(env.today)));
    put(out, importFinishedMessage(result, errorListShownAs(env.files)) +
                 QStringLiteral("\nDane zostały zapisane.\n\n"));
    writeSummary(out, tables, SummaryMode::AllConfirmed);
    return kExitSuccess;
}

} // namespace

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
    return withFileErrors(err, [&] { return importInto(command, env, out, err); });
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
