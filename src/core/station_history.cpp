// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/station_history.h"

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/station_key.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zef {

namespace {

const QString kIndexName = QStringLiteral("historia.json");

QJsonObject toJson(const HistoryEntry& entry) {
    return {{QStringLiteral("kopia"), entry.copyFile},
            {QStringLiteral("kiedy"), entry.when.toString(Qt::ISODate)},
            {QStringLiteral("zmiana"), entry.change.madeBy},
            {QStringLiteral("sloty"), entry.change.slotsChanged},
            {QStringLiteral("punkty"), entry.change.pointsAfter}};
}

HistoryEntry fromJson(const QJsonObject& object) {
    HistoryEntry entry;
    entry.copyFile = object.value(QStringLiteral("kopia")).toString();
    entry.when =
        QDateTime::fromString(object.value(QStringLiteral("kiedy")).toString(), Qt::ISODate);
    entry.change.madeBy = object.value(QStringLiteral("zmiana")).toString();
    entry.change.slotsChanged = object.value(QStringLiteral("sloty")).toInt();
    entry.change.pointsAfter = object.value(QStringLiteral("punkty")).toInt();
    return entry;
}

// Only names the program gave its copies are ever read or removed.
bool isCopyName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && name.endsWith(QStringLiteral(".csv"));
}

} // namespace

StationHistory::StationHistory(const QString& copiesRoot, const QString& stationPath)
    : folder_(copiesRoot + u'/' + QFileInfo(stationPath).completeBaseName() + u'-' +
              stationKey(stationPath).left(12)) {}

std::vector<HistoryEntry> StationHistory::entries() const {
    const QString index = folder_ + u'/' + kIndexName;
    if (!QFile::exists(index))
        return {};
    const std::string bytes = readFileBytes(index);
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &error);
    if (!document.isArray())
        throw FileError::reading(index, error.errorString());
    std::vector<HistoryEntry> entries;
    for (const QJsonValue& value : document.array())
        if (HistoryEntry entry = fromJson(value.toObject()); isCopyName(entry.copyFile))
            entries.push_back(std::move(entry));
    return entries;
}

std::string StationHistory::content(const HistoryEntry& entry) const {
    return readFileBytes(folder_ + u'/' + entry.copyFile);
}

void StationHistory::keep(std::string_view replaced, const StationChange& change,
                          const QDateTime& when) const {
    makeFolders(folder_);
    std::vector<HistoryEntry> entries = this->entries();
    // A second change within the same second gets a name of its own.
    const QString stem = when.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    QString name = stem + QStringLiteral(".csv");
    for (int n = 2; !createFile(folder_ + u'/' + name, replaced, 0600); ++n)
        name = stem + u'_' + QString::number(n) + QStringLiteral(".csv");
    entries.insert(entries.begin(), HistoryEntry{name, when, change});
    const std::vector<HistoryEntry> dropped(
        entries.begin() + std::min<std::ptrdiff_t>(kKeptCopies, std::ssize(entries)),
        entries.end());
    entries.resize(std::min<std::size_t>(entries.size(), kKeptCopies));
    writeIndex(entries);
    for (const HistoryEntry& old : dropped)
        QFile::remove(folder_ + u'/' + old.copyFile);
}

void StationHistory::writeIndex(const std::vector<HistoryEntry>& entries) const {
    QJsonArray array;
    for (const HistoryEntry& entry : entries)
        array.append(toJson(entry));
    replaceFile(folder_ + u'/' + kIndexName, QJsonDocument(array).toJson(QJsonDocument::Indented));
}

StationHistory stationHistory(const ProgramFiles& files, const QString& stationPath) {
    return StationHistory(files.userFile(QStringLiteral("kopie")), stationPath);
}

void replaceStationFile(const QString& path, std::string_view bytes, const StationHistory& history,
                        const std::function<StationChange(std::string_view replaced)>& describe) {
    if (QFile::exists(path)) {
        const std::string replaced = readFileBytes(path);
        history.keep(replaced, describe(replaced), QDateTime::currentDateTime());
    }
    replaceFile(path, bytes);
}

} // namespace zef
