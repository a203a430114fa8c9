// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/station_loader.h"

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/text.h"
#include "core/text_file.h"

namespace zef {

namespace {
// Every header the program writes names the band columns this way.
constexpr std::string_view kHeaderColumns = ";Call-80m;Date-80m;QSL-80m;Weryf-80m;";
// Read as it stands, the cut row would become two and push the rows below
// it out of place; saved, the damage would be written for good.
FileError damagedStationFile(const QString& path, std::size_t line) {
    return FileError(
        QStringLiteral("Plik \"%1\" jest uszkodzony: wiersz %2 przerywa w środku pola znak CR "
                       "(znak sterujący, który dzieli ten wiersz na dwa).\n"
                       "Plik nie został wczytany. Usuń ten znak w edytorze tekstu albo przywróć "
                       "kopię pliku sprzed uszkodzenia (zefirant --history, --restore).")
            .arg(path)
            .arg(line));
}

} // namespace

std::string headerCallsign(const std::string& headerLine) {
    const std::string field = headerLine.substr(0, headerLine.find(';'));
    const std::size_t blanks = field.find("  ");
    return blanks == std::string::npos ? trim(field) : field.substr(0, blanks);
}

LoadedStation loadStation(const QString& path, const std::vector<std::string>* referenceLines,
                          LoadQuestions& questions) {
    LoadedStation loaded;
    const std::string bytes = readFileBytes(path);
    if (const auto cut = lineCutByLoneCr(bytes))
        throw damagedStationFile(path, *cut);
    loaded.file = fingerprintOf(bytes);
    const auto lines = splitLines(bytes, LineEnds::AlsoCrAlone);
    if (!lines.empty()) {
        loaded.hasStationHeader = lines.front().find(kHeaderColumns) != std::string::npos;
        loaded.headerCallsign = headerCallsign(lines.front());
    }
    AwardTables& tables = *loaded.tables;
    loaded.overflow = loadStationLines(lines, tables);
    if (loaded.overflow.any())
        questions.linesLeftOut(loaded.overflow);
    if (referenceLines == nullptr)
        return loaded;

    const Reconciliation found = compareWithReference(tables, *referenceLines);
    if (!found.missing.empty() && questions.addMissing(found.missing)) {
        if (const int notInserted = addMissingEntities(tables, found.missing); notInserted > 0)
            questions.tableFull(notInserted);
        loaded.changedByAnswers = true;
    }
    if (!found.differing.empty() && questions.updateDiffering(found.differing)) {
        updateDifferingEntities(tables, found.differing);
        loaded.changedByAnswers = true;
    }
    return loaded;
}

} // namespace zef
