#include "app/batch_commands.h"

#include "core/file_error.h"
#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "core/text_file.h"
#include "import/adif_import.h"
#include "import/error_list.h"
#include "platform/file_attributes.h"

#include <QFile>
#include <QStringList>

namespace zef {

namespace {

// Every header the program writes names the band columns this way; a file
// without them (an ADIF log given in the wrong place) is never overwritten.
constexpr std::string_view kHeaderColumns = ";Call-80m;Date-80m;QSL-80m;Weryf-80m;";

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError::reading(path, file.errorString());
}

// The window asks these questions; without anyone to answer, the answer is
// No, which keeps the tables as the file holds them.
void reportReconciliation(const AwardTables& tables, const BatchEnvironment& env,
                          std::ostream& err) {
    const QString entityFile = env.files.deliveredFile(kEntityFileName);
    if (!fileExists(entityFile)) {
        put(err, missingReferenceFileMessage(entityFile) +
                     QStringLiteral("\nPlik danych stacji nie został porównany z plikiem "
                                    "wzorcowym.\n"));
        return;
    }
    const Reconciliation found = compareWithReference(tables, readReferenceLines(entityFile));
    if (!found.missing.empty())
        put(err,
            QStringLiteral("Uwaga: ") + missingQuestion(found.missing) + QStringLiteral(" Nie\n"));
    if (!found.differing.empty())
        put(err, QStringLiteral("Uwaga: ") + differingQuestion(found.differing) +
                     QStringLiteral(" Nie\n"));
}

QString readOnlyRefusal(const QString& path) {
    return QStringLiteral("Plik ") + path +
           QStringLiteral(" przeznaczony jest tylko do odczytu (Read Only)!\n"
                          "Import nie został wykonany, plik nie został zmieniony.\n");
}

int importInto(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
               std::ostream& err) {
    const QString& stationPath = command.stationPath;
    const auto station = readStationData(stationPath);
    if (isReadOnly(stationPath)) {
        put(err, readOnlyRefusal(stationPath));
        return kExitFileError;
    }
    requireReadable(command.adifPath);
    // Saving would drop the lines the tables could not hold.
    if (station->overflow.any()) {
        put(err, overflowMessage(station->overflow) +
                     QStringLiteral("\nImport nie został wykonany, plik nie został zmieniony.\n"));
        return kExitFileError;
    }
    AwardTables& tables = station->tables;
    reportReconciliation(tables, env, err);

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
    writeLines(stationPath, stationFileLines(tables, station->callsign, fromQt(env.today)));
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

std::string headerCallsign(const std::string& headerLine) {
    const std::string field = headerLine.substr(0, headerLine.find(';'));
    const std::size_t blanks = field.find("  ");
    return blanks == std::string::npos ? trim(field) : field.substr(0, blanks);
}

std::unique_ptr<StationData> readStationData(const QString& path) {
    const std::vector<std::string> lines = readLines(path);
    if (lines.empty() || lines.front().find(kHeaderColumns) == std::string::npos)
        throw FileError(QStringLiteral("Plik \"%1\" nie jest plikiem danych stacji: jego "
                                       "pierwszy wiersz nie jest nagłówkiem z kolumnami pasm.")
                            .arg(path));
    auto station = std::make_unique<StationData>();
    station->callsign = headerCallsign(lines.front());
    station->overflow = loadStationLines(lines, station->tables);
    return station;
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
        const auto station = readStationData(command.stationPath);
        if (station->overflow.any())
            put(err, QStringLiteral("Uwaga: pominięto wiersze, których nie mieszczą tabele "
                                    "(podmiotów: %1, stref: %2).\n")
                         .arg(station->overflow.entityLines)
                         .arg(station->overflow.zoneLines));
        writeSummary(out, station->tables, command.summaryMode);
        return kExitSuccess;
    });
}

} // namespace zef
