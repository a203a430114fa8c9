// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/fuzz_support.h"

#include "core/text_file.h"

#include "core/reference_files.h"
#include "core/station_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zef::fuzz {

namespace {

QString deliveredFile(const QString& name) {
    return QStringLiteral(ZEFIRANT_SOURCE_DIR "/data/") + name;
}

std::vector<const Row*> occupiedEntityRows(const AwardTables& tables) {
    std::vector<const Row*> rows;
    for (int r = 1; r <= kEntityRows; ++r)
        if (isOccupied(tables.entities[r]))
            rows.push_back(&tables.entities[r]);
    return rows;
}

} // namespace

QString scratchPath(const QString& name) {
    // Removed with its files when the process ends normally.
    static QTemporaryDir folder;
    if (!folder.isValid())
        fail("no scratch folder", folder.errorString().toStdString());
    return folder.filePath(name);
}

QString writeScratchFile(const QString& name, std::string_view bytes) {
    const QString path = scratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        fail("cannot write scratch file", path.toStdString());
    return path;
}

void fail(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "fuzz target: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

const std::vector<std::string>& deliveredReferenceLines() {
    static const auto lines = readReferenceLines(deliveredFile(kEntityFileName));
    return lines;
}

const AwardTables& deliveredStation() {
    static const auto station = [] {
        auto t = std::make_unique<AwardTables>();
        const auto entities = readReferenceLinesForNew(deliveredFile(kEntityFileName));
        for (std::size_t i = 0; i < entities.size() && i < kEntityRows; ++i)
            t->entities[i + 1][0] = entities[i];
        const auto zones = readZoneLines(deliveredFile(kZoneFileName));
        for (std::size_t i = 0; i < zones.size(); ++i)
            t->zones[i + 1][0] = zones[i];
        // Every third row gets one band filled, with each kind of stored
        // confirmation in turn, some verified.
        static const char* const confirmations[] = {"QSL", "LoTW", "qsl", "lotw", "card"};
        auto fill = [](Row& row, int n) {
            const int band = n % kBands;
            row[callSlot(band)] = "SP" + std::to_string(n) + "AA";
            row[qsoDateSlot(band)] = "2020-01-15";
            row[confirmationSlot(band)] = confirmations[n % 5];
            if (n % 4 == 0)
                row[verificationSlot(band)] = "2021-03-01";
        };
        for (int r = 1; r <= kEntityRows; r += 3)
            if (isOccupied(t->entities[r]))
                fill(t->entities[r], r);
        for (int z = 1; z <= kZoneRows; z += 3)
            fill(t->zones[z], z);
        return t;
    }();
    return *station;
}

const AwardTables& smallStation() {
    static const auto station = [] {
        auto t = std::make_unique<AwardTables>(deliveredStation());
        for (int r = 25; r <= kEntityRows; ++r)
            clearRow(t->entities[r]);
        return t;
    }();
    return *station;
}

void expectRowLoadsBack(const Row& row) {
    const std::string line = joinRow(row);
    const auto lines = splitLines(line + "\r\n", LineEnds::AlsoCrAlone);
    if (lines.size() != 1 || lines[0] != line || line.starts_with("===") || splitLine(line) != row)
        fail("saved row loads back changed", line);
}

void expectSaveLoadsBack(const AwardTables& tables) {
    std::string bytes;
    for (const auto& line : stationFileLines(tables, "SP9XYZ", "08.12.2026")) {
        bytes += line;
        bytes += "\r\n";
    }
    auto reloaded = std::make_unique<AwardTables>();
    if (loadStationLines(splitLines(bytes, LineEnds::AlsoCrAlone), *reloaded).any())
        fail("saved station data file overflows on loading");
    const auto before = occupiedEntityRows(tables);
    const auto after = occupiedEntityRows(*reloaded);
    if (before.size() != after.size())
        fail("saved station data file loads back with another number of entities");
    for (std::size_t i = 0; i < before.size(); ++i)
        if (*before[i] != *after[i])
            fail("saved entity row loads back changed", joinRow(*before[i]));
    for (int z = 1; z <= kZoneRows; ++z)
        if (tables.zones[z] != reloaded->zones[z])
            fail("saved zone row loads back changed", joinRow(tables.zones[z]));
}

} // namespace zef::fuzz
