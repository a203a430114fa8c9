// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotw_log.h"

#include "full_station.h"

#include "core/reference_files.h"
#include "core/station_file.h"
#include "core/text_file.h"

#include <QFile>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zef::bench {

namespace {

std::string field(std::string_view name, std::string_view value) {
    return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + std::string(value);
}

// Entities that every station holds, whether built by fullStation() or from
// the delivered reference file.
constexpr int kEntities[] = {1,   6,   15,  27,  54,  100, 108, 110, 150, 170, 202, 209, 212, 214,
                             221, 223, 224, 227, 230, 236, 239, 245, 248, 254, 263, 266, 269, 272,
                             275, 279, 281, 284, 287, 291, 294, 339, 379, 390, 497, 499};

std::string lotwRecord(int i) {
    static const char* const bands[] = {"160M", "80M", "40M", "30M", "20M",
                                        "17M",  "15M", "12M", "10M", "6M"};
    const int dxcc = i % 10 == 3 ? 999 : kEntities[(i * 7) % std::size(kEntities)];
    const int month = 1 + i % 12;
    const std::string date =
        "2022" + std::string(month < 10 ? "0" : "") + std::to_string(month) + "15";
    std::string call =
        "DL" + std::to_string(i % 10) + "A" + std::string(1, char('A' + i % 26)) + "C";
    std::string r;
    r += field("CALL", call) + "\n";
    r += field("BAND", bands[i % 10]) + "\n";
    r += field("FREQ", "14.07400") + "\n";
    r += field("MODE", "FT8") + "\n";
    r += field("QSO_DATE", date) + "\n";
    r += field("TIME_ON", "182054") + "\n";
    r += field("QSL_RCVD", i % 10 == 9 ? "N" : "Y") + "\n";
    r += field("DXCC", std::to_string(dxcc)) + "\n";
    r += field("CQZ", std::to_string(1 + i % 40)) + "\n";
    r += "<eor>\n\n";
    return r;
}

} // namespace

// Written piece by piece, so that the writer's own memory stays small.
void writeLotwLog(const QString& path, int records) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the benchmark log");
    std::string chunk = "ARRL Logbook of the World Status Report\n<PROGRAMID:4>LoTW\n"
                        "<APP_LoTW_NUMREC:" +
                        std::to_string(std::to_string(records).size()) + ">" +
                        std::to_string(records) + "\n\n<eoh>\n\n";
    for (int i = 0; i < records; ++i) {
        chunk += lotwRecord(i);
        if (chunk.size() > (1 << 20) || i + 1 == records) {
            if (file.write(chunk.data(), static_cast<qint64>(chunk.size())) !=
                static_cast<qint64>(chunk.size()))
                throw std::runtime_error("cannot write the benchmark log");
            chunk.clear();
        }
    }
}

void writeFullStation(const QString& path, const QString& programDir) {
    const auto station = fullStation();
    const auto entities = readReferenceLinesForNew(programDir + kEntityFileName);
    const auto zones = readZoneLines(programDir + kZoneFileName);
    for (int r = 1; r <= kEntityRows; ++r) {
        const auto line = static_cast<std::size_t>(r - 1);
        if (line < entities.size())
            station->entities[r][0] = entities[line];
        else
            clearRow(station->entities[r]);
    }
    for (int z = 1; z <= kZoneRows; ++z)
        station->zones[z][0] = zones.at(static_cast<std::size_t>(z - 1));
    writeLines(path, stationFileLines(*station, "SP9XYZ", "2026-12-09"));
}

} // namespace zef::bench
