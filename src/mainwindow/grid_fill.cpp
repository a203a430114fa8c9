// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/grid_fill.h"

#include "core/text.h"

#include <algorithm>

namespace zef {

namespace {

GridRow entityCells(const Row& row, int band) {
    const std::string& line = row[0];
    return {referenceNumber(line),       trim(mid(line, 5, 5)),      referencePrefix(line),
            referenceName(line),         row[callSlot(band)],        row[qsoDateSlot(band)],
            row[confirmationSlot(band)], row[verificationSlot(band)]};
}

GridRow zoneCells(const Row& row, int band) {
    const std::string& line = row[0];
    return {std::string(),
            std::string(),
            zoneNumber(line),
            tail(line, 13),
            row[callSlot(band)],
            row[qsoDateSlot(band)],
            row[confirmationSlot(band)],
            row[verificationSlot(band)]};
}

} // namespace

void writeEntityHeaders(GridModel& grid) {
    grid.row(0) = {"ADIF", "D", "Prefiks", "Podmiot", "Znak", "Data QSO", "Potw.", "Data wer."};
}

void fillGridRows(const AwardTables& tables, int selectedView, GridModel& grid, GridCache& cache,
                  StatusCounters& counters) {
    counters = StatusCounters();
    cache.reset();
    grid.clearRows(1, kEntityRows);
    const bool zones = selectedView >= 5;
    const int band = std::clamp(zones ? selectedView - 5 : selectedView, 0, kBands - 1);

    if (zones) {
        // Headers 4-7 keep what the last entity fill wrote.
        static const std::string examplePrefixes = fromQt(QStringLiteral("Przykładowe prefiksy"));
        grid.setCell(0, 0, "");
        grid.setCell(1, 0, "");
        grid.setCell(2, 0, "Strefa");
        grid.setCell(3, 0, examplePrefixes);
    } else {
        writeEntityHeaders(grid);
    }

    const int rows = zones ? kZoneRows : kEntityRows;
    for (int r = 1; r <= rows; ++r) {
        const Row& row = zones ? tables.zones[r] : tables.entities[r];
        if (!isOccupied(row))
            continue;
        GridRow cells = zones ? zoneCells(row, band) : entityCells(row, band);
        counters.add(cells);
        cache.store(r, cells);
        grid.row(r) = std::move(cells);
    }
    if (zones)
        grid.setRowCount(kZoneRows + 1);
}

bool stationCallsignQuestionNeeded(const std::string& callsign, const GridCache& cache) {
    return callsign.empty() && cache.highestIndex() > 2;
}

QString stationCallsignQuestionCaption() {
    return QStringLiteral("Identyfikacja stacji");
}

QString stationCallsignQuestionPrompt() {
    return QStringLiteral("Podaj swój znak:");
}

QString stationCaption(const std::string& callsign) {
    const QString title = QStringLiteral("Zestawienie Podmiotów DXCC");
    return callsign.empty() ? title : title + QStringLiteral(" dla stacji ") + toQt(callsign);
}

QString acceptStationCallsign(Station& station) {
    if (!station.callsign().empty()) {
        station.setCallsign(upperAscii(station.callsign()));
        station.setUnsaved(true);
    }
    return stationCaption(station.callsign());
}

} // namespace zef
