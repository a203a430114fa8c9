// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_report.h"

#include "core/summary_counts.h"
#include "core/text.h"

#include <QStringList>

namespace zef {

namespace {

QString reasonText(ImportTable table, NotPlaced reason) {
    const bool zones = table == ImportTable::Zones;
    switch (reason) {
    case NotPlaced::NoField:
        return zones ? QStringLiteral("brak pola CQZ") : QStringLiteral("brak pola DXCC");
    case NotPlaced::UnknownNumber:
        return zones ? QStringLiteral("numer strefy CQ spoza zakresu 1-40")
                     : QStringLiteral("numer DXCC spoza listy podmiotów");
    case NotPlaced::Band:
        return QStringLiteral("pasmo inne niż 80, 40, 20, 15, 10 m");
    case NotPlaced::Unreadable:
        return QStringLiteral("rekord ucięty lub nieczytelny");
    case NotPlaced::NotStorable:
        return QStringLiteral("znaki sterujące lub \";\" w znaku stacji");
    }
    return {};
}

QString tallyLine(const QString& title, ImportTable table, const TableTally& tally) {
    QString line = QStringLiteral("%1: umieszczono %2, nie umieszczono %3")
                       .arg(title)
                       .arg(tally.placed)
                       .arg(tally.notPlacedTotal());
    QStringList reasons;
    for (int r = 0; r < kNotPlacedReasons; ++r)
        if (tally.notPlaced[r] > 0)
            reasons << reasonText(table, static_cast<NotPlaced>(r)) + QStringLiteral(": ") +
                           QString::number(tally.notPlaced[r]);
    if (!reasons.isEmpty())
        line += QStringLiteral(" (") + reasons.join(QStringLiteral(", ")) + u')';
    return line + u'.';
}

QString pointsLines(const ImportResult& result) {
    const std::pair<SummaryMode, QString> modes[] = {
        {SummaryMode::AllConfirmed, QStringLiteral("wszystkie potwierdzone")},
        {SummaryMode::Verified, QStringLiteral("zweryfikowane")},
        {SummaryMode::ToVerify, QStringLiteral("do weryfikacji")}};
    QString lines;
    for (const auto& [mode, name] : modes) {
        const auto m = static_cast<std::size_t>(mode);
        lines += QStringLiteral("Punkty (%1): %2 → %3\n")
                     .arg(name)
                     .arg(result.pointsBefore[m])
                     .arg(result.pointsAfter[m]);
    }
    return lines;
}

// "20m  podmiot K United States of America  K1ABC  2021-01-30  QSL  nowy"
QString slotLine(const SlotChange& change, const AwardTables& tables) {
    const bool zone = change.table == ImportTable::Zones;
    const Row& row = zone ? tables.zones[static_cast<std::size_t>(change.row)]
                          : tables.entities[static_cast<std::size_t>(change.row)];
    const QString where = zone ? QStringLiteral("strefa ") + toQt(zoneNumber(row[0]))
                               : QStringLiteral("podmiot ") + toQt(referencePrefix(row[0])) + u' ' +
                                     toQt(trim(referenceName(row[0])));
    return QStringLiteral("  %1m  %2  %3  %4  %5  %6\n")
        .arg(QString::fromLatin1(kBandNames[static_cast<std::size_t>(change.band)]), 2)
        .arg(where, -36)
        .arg(toQt(row[callSlot(change.band)]), -12)
        .arg(toQt(row[qsoDateSlot(change.band)]), -10)
        .arg(toQt(row[confirmationSlot(change.band)]), -4)
        .arg(change.filled ? QStringLiteral("nowy") : QStringLiteral("zmieniony"));
}

} // namespace

QString missingFieldsSentence(const ImportCounts& counts, bool lotwReport) {
    const bool noDxcc = counts.entities.notPlaced[static_cast<int>(NotPlaced::NoField)] > 0;
    const bool noCqz = counts.zones.notPlaced[static_cast<int>(NotPlaced::NoField)] > 0;
    if (counts.confirmed == 0 || counts.entities.placed > 0 || counts.zones.placed > 0 ||
        (!noDxcc && !noCqz))
        return {};
    const QString fields = noDxcc && noCqz ? QStringLiteral("pól DXCC i CQZ")
                           : noDxcc        ? QStringLiteral("pola DXCC")
                                           : QStringLiteral("pola CQZ");
    QString sentence = QStringLiteral("Żaden z potwierdzonych rekordów (%1) nie został "
                                      "zaimportowany, bo brakuje w nich %2, których import "
                                      "potrzebuje")
                           .arg(counts.confirmed)
                           .arg(fields);
    if (lotwReport)
        sentence += QStringLiteral(": raport LoTW trzeba pobrać razem ze szczegółami QSL "
                                   "(qso_qsldetail=yes, w LoTW „Include QSL details”)");
    return sentence + u'.';
}

QString importReportText(const ImportResult& result, const AwardTables& tables, bool lotwReport) {
    const ImportCounts& counts = result.counts;
    QString text = QStringLiteral("Rekordy w pliku: %1, potwierdzone: %2.\n")
                       .arg(counts.records)
                       .arg(counts.confirmed + counts.otherOwnCall);
    if (counts.otherOwnCall > 0)
        text += QStringLiteral("Pominięto potwierdzone rekordy innych znaków własnych: %1.\n")
                    .arg(counts.otherOwnCall);
    text +=
        tallyLine(QStringLiteral("Podmioty DXCC"), ImportTable::Entities, counts.entities) + u'\n';
    text += tallyLine(QStringLiteral("Strefy CQ"), ImportTable::Zones, counts.zones) + u'\n';
    text += QStringLiteral("Sloty nowo wypełnione: %1, zmienione: %2.\n")
                .arg(counts.filledSlots())
                .arg(counts.changedSlots());
    text += pointsLines(result);
    if (counts.records > 0 && counts.confirmed + counts.otherOwnCall == 0)
        text += QStringLiteral("Żaden rekord nie jest potwierdzony (pola QSL_RCVD i "
                               "LOTW_QSL_RCVD), a import bierze tylko potwierdzone łączności.\n");
    if (const QString missing = missingFieldsSentence(counts, lotwReport); !missing.isEmpty())
        text += missing + u'\n';
    if (counts.changes.empty())
        return text;
    text += QStringLiteral("Nowe i zmienione sloty:\n");
    const std::size_t listed =
        std::min(counts.changes.size(), static_cast<std::size_t>(kListedSlotChanges));
    for (std::size_t i = 0; i < listed; ++i)
        text += slotLine(counts.changes[i], tables);
    if (listed < counts.changes.size())
        text += QStringLiteral("  … i %1 więcej\n").arg(counts.changes.size() - listed);
    return text;
}

} // namespace zef
