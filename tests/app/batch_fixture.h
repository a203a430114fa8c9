// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program folder with the sample reference files and a station data file
// "stacja.csv" as New builds it, and a way to run a batch command there with
// both streams captured.

#include "app/batch_commands.h"
#include "core/award_tables.h"
#include "support/test_folder.h"

#include <QStringList>
#include <memory>
#include <string>

namespace zef::test {

struct BatchFixture {
    BatchFixture();

    // Every entity of the reference file and all 40 zones, band slots empty.
    std::unique_ptr<AwardTables> newStationTables() const;
    // Writes `tables` as the station data file "stacja.csv" of SP9XYZ.
    void writeStation(const AwardTables& tables) const;

    QString stationPath() const { return folder.path(QStringLiteral("stacja.csv")); }
    QString errorListPath() const;
    // The executable's folder with the date 08.12.2026.
    BatchEnvironment environment() const;

    // Parses the arguments and runs the command; `out` and `err` hold its output.
    int run(const QStringList& arguments);

    TestFolder folder;
    std::string out;
    std::string err;
};

} // namespace zef::test
