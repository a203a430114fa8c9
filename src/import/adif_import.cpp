// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/adif_import.h"

#include "core/file_error.h"
#include "core/summary_counts.h"
#include "core/text.h"
#include "core/text_file.h"
#include "import/error_list.h"

#include <algorithm>
#include <vector>

namespace zef {

namespace {

// Number -> first row whose number field (trimmed) is that number written
// in decimal; fields such as "007" or "+7" match no record's number.
template <std::size_t N, typename Field>
std::unordered_map<long long, int> indexRows(const std::array<Row, N>& rows, int last,
                                             Field field) {
    std::unordered_map<long long, int> index;
    for (int r = 1; r <= last; ++r) {
        const std::string key = trim(field(rows[r][0]));
        const auto number = parseInteger(key);
        if (number && std::to_string(*number) == key)
            index.emplace(*number, r);
    }
    return index;
}

// What was listed before the error must reach the disk; a list that cannot
// be written either is named too, since the user would look there.
void closeAfterError(AdifImporter& importer, ImportResult& result) {
    try {
        importer.abandon();
    } catch (const FileError& error) {
        result.errorText += u'\n' + error.text();
    }
}

} // namespace

AdifImporter::AdifImporter(AwardTables& tables, const QString& errorListPath,
                           const ImportOptions& options)
    : tables_(tables), errors_(errorListPath), options_(options),
      entityRows_(indexRows(tables.entities, kEntityRows,
                            [](const std::string& line) { return referenceNumber(line); })),
      zoneRows_(indexRows(tables.zones, kZoneRows,
                          [](const std::string& line) { return zoneNumber(line); })) {}

void AdifImporter::addLine(std::string_view line) {
    if (inHeader_) {
        inHeader_ = !closesWithTag(line, "eoh");
        return;
    }
    if (record_.size() + line.size() <= kRecordLimit) {
        appendLowered(record_, line);
    } else {
        // Of an overlong record its start is kept: it tells whether it was confirmed.
        overlong_ = true;
        appendLowered(record_, line.substr(0, kRecordLimit - record_.size()));
    }
    recordOpen_ = true;
    if (closesWithTag(line, "eor"))
        applyRecord();
}

void AdifImporter::finish() {
    if (recordOpen_)
        applyRecord();
    errors_.close();
}

void AdifImporter::abandon() {
    record_.clear();
    recordOpen_ = false;
    overlong_ = false;
    errors_.close();
}

void AdifImporter::applyRecord() {
    recordOpen_ = false;
    if (overlong_) {
        ++counts_.records;
        applyOverlongRecord();
        record_.clear();
        return;
    }
    tags_ = scanRecord(record_);
    // What follows the last record end (blank lines, a LoTW report's end
    // marker) is read as a record too, but is none.
    if (tags_.call != std::string::npos || tags_.qsl || tags_.lotw)
        ++counts_.records;
    if ((tags_.qsl || tags_.lotw) && (options_.ownCalls.empty() || !madeByOtherOwnCall())) {
        ++counts_.confirmed;
        qsoRead_ = false;
        // Entity and zone are placed independently of each other.
        if (tags_.dxcc != std::string::npos)
            placeIn(ImportTable::Entities, readAreaNumber(record_, tags_.dxcc, kDxccTag.size()));
        else
            ++counts_.entities.notPlaced[static_cast<int>(NotPlaced::NoField)];
        if (tags_.cqz != std::string::npos)
            placeIn(ImportTable::Zones, readAreaNumber(record_, tags_.cqz, kCqzTag.size()));
        else
            ++counts_.zones.notPlaced[static_cast<int>(NotPlaced::NoField)];
    }
    record_.clear();
}

// Listed once, shortened, whatever it holds; it counts as confirmed when what
// was kept of it says so.
void AdifImporter::applyOverlongRecord() {
    overlong_ = false;
    const RecordTags head = scanRecord(record_);
    if (head.qsl || head.lotw) {
        ++counts_.confirmed;
        ++counts_.entities.notPlaced[static_cast<int>(NotPlaced::Unreadable)];
        ++counts_.zones.notPlaced[static_cast<int>(NotPlaced::Unreadable)];
    }
    record_.resize(std::min(record_.size(), kShownOfOverlong));
    record_ += " ...";
    reportPlacement();
}

bool AdifImporter::madeByOtherOwnCall() {
    const auto own = readOwnCall(record_);
    const bool other = !own || std::find(options_.ownCalls.begin(), options_.ownCalls.end(),
                                         *own) == options_.ownCalls.end();
    if (other)
        ++counts_.otherOwnCall;
    return other;
}

void AdifImporter::placeIn(ImportTable table, std::optional<long long> number) {
    const auto& index = table == ImportTable::Entities ? entityRows_ : zoneRows_;
    TableTally& tally = table == ImportTable::Entities ? counts_.entities : counts_.zones;
    const auto found = number ? index.find(*number) : index.end();
    const std::optional<NotPlaced> problem =
        found == index.end() ? NotPlaced::UnknownNumber : placeInRow(table, found->second);
    if (problem)
        ++tally.notPlaced[static_cast<int>(*problem)];
    else
        ++tally.placed;
    if (problem == NotPlaced::UnknownNumber || problem == NotPlaced::Unreadable ||
        problem == NotPlaced::NotStorable)
        reportPlacement();
}

// The band is read only once the row is known: an unreadable band is
// reported once for each table that has the record's row.
std::optional<NotPlaced> AdifImporter::placeInRow(ImportTable table, int rowNumber) {
    const BandReading band = readBand(record_, tags_.band);
    switch (band.kind) {
    case BandReading::Absent:
    case BandReading::OtherNumber:
        return NotPlaced::Band;
    case BandReading::Unreadable:
        return NotPlaced::Unreadable;
    case BandReading::NotWhole:
        reportBand();
        return NotPlaced::Band;
    case BandReading::Slot:
        break;
    }
    if (const auto problem = readQso())
        return problem;
    Row& row = table == ImportTable::Entities
                   ? tables_.entities[static_cast<std::size_t>(rowNumber)]
                   : tables_.zones[static_cast<std::size_t>(rowNumber)];
    if (const SlotUpdate update = updateSlot(row, band.band, qso_, options_);
        update != SlotUpdate::Unchanged)
        counts_.noteChange(table, rowNumber, band.band, update == SlotUpdate::Filled);
    return std::nullopt;
}

std::optional<NotPlaced> AdifImporter::readQso() {
    if (!qsoRead_) {
        qsoRead_ = true;
        auto call = readCall(record_, tags_.call);
        auto date = readQsoDate(record_, tags_.qsoDate);
        if (!call || !date)
            qsoProblem_ = NotPlaced::Unreadable;
        else if (!storableCall(*call))
            qsoProblem_ = NotPlaced::NotStorable;
        else {
            qsoProblem_.reset();
            qso_ = ConfirmedQso{std::move(*call), std::move(*date), tags_.qsl, tags_.lotw};
        }
    }
    return qsoProblem_;
}

void AdifImporter::reportPlacement() {
    errors_.addPlacement(record_);
    ++errorEntries_;
}

void AdifImporter::reportBand() {
    errors_.addBand(record_);
    ++errorEntries_;
}

std::int64_t countAdifLines(const QString& adifPath) {
    InputFile file(adifPath);
    std::vector<char> buffer(1 << 16);
    std::int64_t lines = 0;
    bool openLine = false; // bytes after the last line feed
    for (;;) {
        const auto got = static_cast<std::ptrdiff_t>(file.read(buffer.data(), buffer.size()));
        if (got == 0)
            break;
        const auto end = buffer.begin() + got;
        lines += std::count(buffer.begin(), end, '\n');
        openLine = *(end - 1) != '\n';
    }
    return std::max<std::int64_t>(1, lines + (openLine ? 1 : 0));
}

namespace {

std::array<int, 3> pointsInEachMode(const AwardTables& tables) {
    std::array<int, 3> points{};
    for (const SummaryMode mode :
         {SummaryMode::AllConfirmed, SummaryMode::Verified, SummaryMode::ToVerify})
        points[static_cast<std::size_t>(mode)] = summaryCounts(tables, mode).totals.total;
    return points;
}

// A run whose lines come from `feed`, which hands each to the importer.
template <typename Feed>
ImportResult runImport(AwardTables& tables, const QString& errorListPath,
                       const ImportOptions& options, Feed feed) {
    ImportResult result;
    result.pointsBefore = pointsInEachMode(tables);
    std::optional<AdifImporter> importer;
    try {
        importer.emplace(tables, errorListPath, options);
        feed(*importer);
        importer->finish();
    } catch (const FileError& error) {
        result.cutShort = true;
        result.errorText = error.text();
        if (importer)
            closeAfterError(*importer, result);
    }
    if (importer) {
        result.errorEntries = importer->errorEntries();
        result.counts = importer->counts();
    }
    result.pointsAfter = pointsInEachMode(tables);
    return result;
}

} // namespace

ImportResult importAdif(AwardTables& tables, const QString& adifPath, const QString& errorListPath,
                        const ImportOptions& options, const ImportProgress& progress) {
    return runImport(tables, errorListPath, options, [&](AdifImporter& importer) {
        LineReader reader(adifPath, AdifImporter::kRecordLimit);
        std::string_view line;
        std::int64_t linesRead = 0;
        while (reader.next(line)) {
            importer.addLine(line);
            if (++linesRead % kProgressLines == 0 && progress)
                progress(linesRead);
        }
        if (linesRead % kProgressLines != 0 && progress)
            progress(linesRead);
    });
}

ImportResult importAdifBytes(AwardTables& tables, std::string_view adif,
                             const QString& errorListPath, const ImportOptions& options) {
    return runImport(tables, errorListPath, options, [&](AdifImporter& importer) {
        forEachLine(adif, LineEnds::LfOnly, [&](std::string_view line) { importer.addLine(line); });
    });
}

QString importDoneMessage() {
    return QStringLiteral("Dane zostały zaimportowane.");
}

QString importDoneWithErrorsMessage(const QString& errorList) {
    return QStringLiteral("Dane zostały zaimportowane.\n"
                          "\n"
                          "Rekordy nie zawierające informacji o podmiocie DXCC\n"
                          "lub o niezidentyfikowanym numerze podmiotu/strefy zostały\n"
                          "zapisane w pliku ") +
           errorList + u'.';
}

QString importFinishedMessage(const ImportResult& result, const QString& errorList) {
    return result.errorEntries > 0 ? importDoneWithErrorsMessage(errorList) : importDoneMessage();
}

QString importCutShortMessage(const ImportResult& result) {
    return result.errorText +
           QStringLiteral("\n\nImport danych został przerwany. "
                          "Dane zaimportowane do tego miejsca zostały zachowane.");
}

} // namespace zef
