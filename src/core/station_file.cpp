// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/station_file.h"

#include "core/text.h"
#include "core/text_file.h"

#include <map>
#include <memory>

namespace zef {

std::string storableField(std::string_view text) {
    std::string field(text);
    for (char& c : field) {
        if (c == ';')
            c = ',';
        else if (c == '\n' || c == '\r' || c == '\0')
            c = ' ';
    }
    return field;
}

bool endsEntityPart(std::string_view line) {
    return startsWith(line, "===");
}

std::string stationHeaderLine(const std::string& callsign, const std::string& dateText) {
    // The callsign is typed or read from the settings; the header must keep
    // its 20 column names above the 20 band fields.
    std::string line = storableField(upperAscii(callsign)) + "  " + dateText;
    for (std::string_view band : kBandNames) {
        const std::string suffix = std::string(band) + "m";
        line += ";Call-" + suffix + ";Date-" + suffix + ";QSL-" + suffix + ";Weryf-" + suffix;
    }
    return line;
}

std::string joinRow(const Row& row) {
    std::string line = row[0];
    for (int s = 1; s < kSlots; ++s) {
        line += ';';
        line += row[s];
    }
    return line;
}

Row splitLine(const std::string& line) {
    Row row;
    std::size_t start = 0;
    for (int s = 0; s < kSlots - 1; ++s) {
        const std::size_t semicolon = line.find(';', start);
        if (semicolon == std::string::npos) {
            row[kSlots - 1] = line.substr(start);
            return row;
        }
        row[s] = line.substr(start, semicolon - start);
        start = semicolon + 1;
    }
    row[kSlots - 1] = line.substr(start);
    return row;
}

std::vector<std::string> stationFileLines(const AwardTables& tables, const std::string& callsign,
                                          const std::string& dateText) {
    std::vector<std::string> lines;
    lines.reserve(kEntityRows + kZoneRows + 2);
    lines.push_back(stationHeaderLine(callsign, dateText));
    for (int r = 1; r <= kEntityRows; ++r)
        if (isOccupied(tables.entities[r]))
            lines.push_back(joinRow(tables.entities[r]));
    lines.push_back(kSeparatorLine);
    for (int r = 1; r <= kZoneRows; ++r)
        lines.push_back(joinRow(tables.zones[r]));
    return lines;
}

LoadOverflow loadStationLines(const std::vector<std::string>& lines, AwardTables& tables) {
    tables.clear();
    LoadOverflow overflow;
    std::size_t i = 1; // the header carries nothing that is read back
    int entityRow = 1;
    for (; i < lines.size(); ++i) {
        if (endsEntityPart(lines[i])) {
            ++i;
            break;
        }
        if (entityRow <= kEntityRows)
            tables.entities[entityRow++] = splitLine(lines[i]);
        else
            ++overflow.entityLines;
    }
    int zoneRow = 1;
    for (; i < lines.size(); ++i) {
        if (zoneRow <= kZoneRows)
            tables.zones[zoneRow++] = splitLine(lines[i]);
        else
            ++overflow.zoneLines;
    }
    return overflow;
}

namespace {

int differingSlots(const Row* before, const Row* after) {
    static const Row empty;
    const Row& a = before ? *before : empty;
    const Row& b = after ? *after : empty;
    int differing = 0;
    for (int band = 0; band < kBands; ++band)
        for (int s = callSlot(band); s <= verificationSlot(band); ++s)
            if (a[s] != b[s]) {
                ++differing;
                break;
            }
    return differing;
}

std::map<std::string, const Row*> entitiesByNumber(const AwardTables& tables) {
    std::map<std::string, const Row*> rows;
    for (int r = 1; r <= kEntityRows; ++r)
        if (isOccupied(tables.entities[r]))
            rows.try_emplace(trim(referenceNumber(tables.entities[r][0])), &tables.entities[r]);
    return rows;
}

} // namespace

int changedSlots(std::string_view saved, const AwardTables& tables) {
    auto before = std::make_unique<AwardTables>();
    loadStationLines(splitLines(saved, LineEnds::AlsoCrAlone), *before);
    const auto old = entitiesByNumber(*before);
    const auto now = entitiesByNumber(tables);
    int changed = 0;
    for (const auto& [number, row] : old) {
        const auto found = now.find(number);
        changed += differingSlots(row, found == now.end() ? nullptr : found->second);
    }
    for (const auto& [number, row] : now)
        if (!old.contains(number))
            changed += differingSlots(nullptr, row);
    for (int z = 1; z <= kZoneRows; ++z)
        changed += differingSlots(&before->zones[z], &tables.zones[z]);
    return changed;
}

QString overflowMessage(const LoadOverflow& overflow) {
    return QStringLiteral("Plik zawiera więcej wierszy, niż mieszczą tabele (500 podmiotów, 40 "
                          "stref).\nPominięto wierszy podmiotów: %1, wierszy stref: %2.\n"
                          "Zapisanie danych usunie je z pliku.")
        .arg(overflow.entityLines)
        .arg(overflow.zoneLines);
}

} // namespace zef
