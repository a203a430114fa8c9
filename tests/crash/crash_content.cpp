// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/crash_content.h"

#include "core/award_tables.h"
#include "core/station_file.h"
#include "core/text.h"

namespace zef::crash {

namespace {

std::string entityLine(int number, int version, bool forFile) {
    std::string line =
        alignRight(std::to_string(number), 3) + "| |" + padRight("P" + std::to_string(number), 5) +
        "|" + padRight("Entity " + std::to_string(number) + " v" + std::to_string(version), 24);
    return forFile ? line + "|" : trimRight(line);
}

} // namespace

std::vector<std::string> stationVersion(int version) {
    AwardTables tables;
    const std::string v = std::to_string(version);
    for (int r = 1; r <= kEntityRows; ++r) {
        Row& row = tables.entities[r];
        row[0] = entityLine(r, version, false);
        for (int b = 0; b < kBands; ++b) {
            row[callSlot(b)] = "V" + v + "R" + std::to_string(r) + "B" + std::to_string(b);
            row[qsoDateSlot(b)] = "2024-05-01";
            row[confirmationSlot(b)] = b % 2 == 0 ? "QSL" : "LoTW";
            row[verificationSlot(b)] = "2025-01-0" + std::to_string(1 + b);
        }
    }
    for (int z = 1; z <= kZoneRows; ++z) {
        Row& row = tables.zones[z];
        row[0] = "     |" + padRight(std::to_string(z), 5) + "|P" + std::to_string(z);
        for (int b = 0; b < kBands; ++b) {
            row[callSlot(b)] = "V" + v + "Z" + std::to_string(z) + "B" + std::to_string(b);
            row[qsoDateSlot(b)] = "2024-05-02";
            row[confirmationSlot(b)] = "QSL";
        }
    }
    return stationFileLines(tables, "sp9xyz", "08.12.2026");
}

std::vector<std::string> entityVersion(int version) {
    std::vector<std::string> lines;
    for (int number = 1; number <= 400; ++number)
        lines.push_back(entityLine(number, version, true));
    return lines;
}

std::string fileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace zef::crash
