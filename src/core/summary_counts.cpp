// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/summary_counts.h"

namespace zef {

bool countsInMode(const Row& row, int band, SummaryMode mode) {
    switch (mode) {
    case SummaryMode::AllConfirmed:
        return hasCall(row, band);
    case SummaryMode::Verified:
        return hasVerification(row, band);
    case SummaryMode::ToVerify:
        return isToVerify(row, band);
    }
    return false;
}

void forEachScoredRow(const AwardTables& tables,
                      const std::function<void(const Row& row, int points)>& visit) {
    for (int r = 1; r <= kEntityRows; ++r)
        if (isOccupied(tables.entities[r]))
            visit(tables.entities[r], kEntityPoints);
    // Zone rows are counted without looking at the zone line.
    for (int r = 1; r <= kZoneRows; ++r)
        visit(tables.zones[r], kZonePoints);
}

AwardPoints awardPoints(const AwardTables& tables) {
    AwardPoints points;
    forEachScoredRow(tables, [&](const Row& row, int weight) {
        for (int b = 0; b < kBands; ++b) {
            if (hasVerification(row, b))
                points.verified += weight;
            else if (hasCall(row, b))
                points.pending += weight;
        }
    });
    return points;
}

SummaryCounts summaryCounts(const AwardTables& tables, SummaryMode mode) {
    SummaryCounts counts;
    counts.points = awardPoints(tables);
    forEachScoredRow(tables, [&](const Row& row, int weight) {
        for (int b = 0; b < kBands; ++b)
            if (countsInMode(row, b, mode))
                ++(weight == kZonePoints ? counts.bands[b].zones : counts.bands[b].entities);
    });
    for (BandCounts& band : counts.bands) {
        band.zonePoints = band.zones * kZonePoints;
        band.total = band.zonePoints + band.entities;
        counts.totals.zones += band.zones;
        counts.totals.zonePoints += band.zonePoints;
        counts.totals.entities += band.entities;
        counts.totals.total += band.total;
    }
    return counts;
}

QString countCellText(int value) {
    // 17 blanks in front and the last 9 characters kept, as the window always did.
    const QString padded = QString(17, u' ') + QString::number(value);
    return padded.right(9);
}

namespace {

// The leading blanks align the columns in the fixed-pitch font.
const std::array<QString, kSummaryColumns> kHeadRow{
    QStringLiteral("    Pasmo"), QStringLiteral("   Strefy"), QStringLiteral("Str/Punkty"),
    QStringLiteral(" Podmioty"), QStringLiteral("    Razem")};
const std::array<QString, kBands> kBandHeads{
    QStringLiteral("      80m"), QStringLiteral("      40m"), QStringLiteral("      20m"),
    QStringLiteral("      15m"), QStringLiteral("      10m")};

void putCounts(std::array<QString, kSummaryColumns>& cells, const BandCounts& c) {
    cells[1] = countCellText(c.zones);
    cells[2] = countCellText(c.zonePoints);
    cells[3] = countCellText(c.entities);
    cells[4] = countCellText(c.total);
}

} // namespace

SummaryTexts initialSummaryTexts() {
    SummaryTexts texts;
    texts.bandGrid[0] = kHeadRow;
    for (int b = 0; b < kBands; ++b)
        texts.bandGrid[b + 1][0] = kBandHeads[b];
    texts.totalsRow[0] = QStringLiteral("    Razem");
    texts.statusPanels = {QStringLiteral("Zweryfikowane"), QStringLiteral("Do weryfikacji"),
                          QStringLiteral("Suma punktów")};
    return texts;
}

SummaryTexts summaryTexts(const SummaryCounts& counts) {
    SummaryTexts texts = initialSummaryTexts();
    for (int b = 0; b < kBands; ++b)
        putCounts(texts.bandGrid[b + 1], counts.bands[b]);
    putCounts(texts.totalsRow, counts.totals);
    texts.statusPanels[0] =
        QStringLiteral("Zweryfikowane: ") + QString::number(counts.points.verified);
    texts.statusPanels[1] =
        QStringLiteral("Do weryfikacji: ") + QString::number(counts.points.pending);
    texts.statusPanels[2] = QStringLiteral("Suma punktów: ") + QString::number(counts.points.sum());
    return texts;
}

QString summaryWindowCaption(SummaryMode mode) {
    switch (mode) {
    case SummaryMode::AllConfirmed:
        return QStringLiteral("Zefirant - wszystkie potwierdzone podmioty/strefy");
    case SummaryMode::Verified:
        return QStringLiteral("Zefirant - zweryfikowane podmioty/strefy");
    case SummaryMode::ToVerify:
        return QStringLiteral("Zefirant - podmioty/strefy do weryfikacji");
    }
    return {};
}

QString summaryMenuCaption(SummaryMode mode) {
    switch (mode) {
    case SummaryMode::AllConfirmed:
        return QStringLiteral("Zestawienie - wszystkie potwierdzone podmioty/strefy");
    case SummaryMode::Verified:
        return QStringLiteral("Zestawienie - zweryfikowane podmioty/strefy");
    case SummaryMode::ToVerify:
        return QStringLiteral("Zestawienie - podmioty/strefy do weryfikacji");
    }
    return {};
}

} // namespace zef
