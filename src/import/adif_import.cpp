#include "import/adif_import.h"

#include "core/file_error.h"
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
    if (record_.size() + line.size() > kRecordLimit)
        overlong_ = true;
    else
        appendLowered(record_, line);
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
        overlong_ = false;
        record_.resize(std::min(record_.size(), kShownOfOverlong));
        record_ += " ...";
        reportPlacement();
        record_.clear();
        return;
    }
    tags_ = scanRecord(record_);
    if (tags_.qsl || tags_.lotw) {
        qsoState_ = QsoState::Unread;
        // Entity and zone are placed independently of each other.
        if (tags_.dxcc != std::string::npos)
            placeIn(Table::Entities, readAreaNumber(record_, tags_.dxcc, kDxccTag.size()));
        if (tags_.cqz != std::string::npos)
            placeIn(Table::Zones, readAreaNumber(record_, tags_.cqz, kCqzTag.size()));
    }
    record_.clear();
}

void AdifImporter::placeIn(Table table, std::optional<long long> number) {
    const auto& index = table == Table::Entities ? entityRows_ : zoneRows_;
    const auto found = number ? index.find(*number) : index.end();
    if (found == index.end()) {
        reportPlacement();
        return;
    }
    // The band is read only once the row is known: an unreadable band is
    // reported once for each table that has the record's row.
    const BandReading band = readBand(record_, tags_.band);
    switch (band.kind) {
    case BandReading::Absent:
    case BandReading::OtherNumber:
        return;
    case BandReading::Unreadable:
        reportPlacement();
        return;
    case BandReading::NotWhole:
        reportBand();
        return;
    case BandReading::Slot:
        break;
    }
    const ConfirmedQso* qso = confirmedQso();
    if (qso == nullptr) {
        reportPlacement();
        return;
    }
    Row& row = table == Table::Entities ? tables_.entities[static_cast<std::size_t>(found->second)]
                                        : tables_.zones[static_cast<std::size_t>(found->second)];
    updateSlot(row, band.band, *qso, options_);
}

const ConfirmedQso* AdifImporter::confirmedQso() {
    if (qsoState_ == QsoState::Unread) {
        auto call = readCall(record_, tags_.call);
        auto date = readQsoDate(record_, tags_.qsoDate);
        qsoState_ =
            call && date && storableCall(*call) ? QsoState::Placeable : QsoState::Unplaceable;
        if (qsoState_ == QsoState::Placeable)
            qso_ = ConfirmedQso{std::move(*call), std::move(*date), tags_.qsl, tags_.lotw};
    }
    return qsoState_ == QsoState::Placeable ? &qso_ : nullptr;
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

ImportResult importAdif(AwardTables& tables, const QString& adifPath, const QString& errorListPath,
                        const ImportOptions& options, const ImportProgress& progress) {
    ImportResult result;
    std::optional<AdifImporter> importer;
    try {
        importer.emplace(tables, errorListPath, options);
        LineReader reader(adifPath, AdifImporter::kRecordLimit);
        std::string_view line;
        std::int64_t linesRead = 0;
        while (reader.next(line)) {
            importer->addLine(line);
            if (++linesRead % kProgressLines == 0 && progress)
                progress(linesRead);
        }
        if (linesRead % kProgressLines != 0 && progress)
            progress(linesRead);
        importer->finish();
    } catch (const FileError& error) {
        result.cutShort = true;
        result.errorText = error.text();
        if (importer)
            closeAfterError(*importer, result);
    }
    if (importer)
        result.errorEntries = importer->errorEntries();
    return result;
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
