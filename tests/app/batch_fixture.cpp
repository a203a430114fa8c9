// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_fixture.h"

#include "app/batch_program.h"
#include "core/reference_files.h"
#include "core/station_file.h"
#include "core/text_file.h"
#include "import/error_list.h"

#include <sstream>

namespace zef::test {

BatchFixture::BatchFixture() {
    folder.writeReferenceFiles();
    writeStation(*newStationTables());
}

std::unique_ptr<AwardTables> BatchFixture::newStationTables() const {
    auto tables = std::make_unique<AwardTables>();
    const auto entities = readReferenceLinesForNew(folder.path(kEntityFileName));
    for (std::size_t i = 0; i < entities.size(); ++i)
        tables->entities[i + 1][0] = entities[i];
    const auto zones = readZoneLines(folder.path(kZoneFileName));
    for (std::size_t i = 0; i < zones.size(); ++i)
        tables->zones[i + 1][0] = zones[i];
    return tables;
}

void BatchFixture::writeStation(const AwardTables& tables) const {
    writeLines(stationPath(), stationFileLines(tables, "SP9XYZ", "01.01.2026"));
}

QString BatchFixture::errorListPath() const {
    return folder.path(kErrorListFileName);
}

BatchEnvironment BatchFixture::environment() const {
    return {ProgramFiles::portable(folder.dir()), QStringLiteral("08.12.2026"),
            Version{3, 0, 1, 7}};
}

int BatchFixture::run(const QStringList& arguments) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status =
        runBatchCommand(parseCommandLine(arguments), environment(), outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
}

} // namespace zef::test
