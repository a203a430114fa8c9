// SPDX-License-Identifier: GPL-3.0-or-later
// --import where the station data file could be lost: a full disk, lines
// ended by CR alone, another writer, inputs that are no regular files.
#include "app/batch_fixture.h"
#include "app/batch_program.h"
#include "core/file_guard.h"
#include "core/text_file.h"
#include "import/import_fixture.h"
#include "support/small_disk.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace zef {
namespace {

using namespace std::chrono_literals;
using test::BatchFixture;

const std::string kLog = test::adifFile({test::Qso{}});

int importWith(const BatchEnvironment& env, const QString& log, const QString& station,
               std::string& err) {
    std::ostringstream out;
    std::ostringstream errors;
    const int status = runBatchCommand(parseCommandLine({QStringLiteral("--import"), log, station}),
                                       env, out, errors);
    err = errors.str();
    return status;
}

TEST(BatchImportSafety, AFullDiskLeavesTheStationFileAsItWas) {
    BatchFixture fixture;
    test::SmallDisk disk;
    SKIP_WITHOUT_SMALL_DISK(disk);
    for (const QString& name : {QStringLiteral("dxcc_adif.mtb"),
                                QStringLiteral("zefirant_zones.mtb"), QStringLiteral("stacja.csv")})
        disk.copyHere(fixture.folder.path(name));
    fixture.folder.writeBytes(QStringLiteral("log.adi"), kLog);
    const QString station = disk.path(QStringLiteral("stacja.csv"));
    const std::string before = readFileBytes(station);
    disk.fill();

    BatchEnvironment env = fixture.environment();
    env.files = ProgramFiles::portable(disk.dir());
    std::string err;
    EXPECT_EQ(importWith(env, fixture.folder.path(QStringLiteral("log.adi")), station, err), 1);
    EXPECT_NE(err.find("brak miejsca na dysku"), std::string::npos) << err;
    EXPECT_EQ(readFileBytes(station), before);
}

// A spreadsheet's export for another system ends its lines with CR alone;
// a file in which no entity line is found is never saved over.
TEST(BatchImportSafety, LinesEndedByCrAloneAreReadAndAFileWithoutEntitiesIsKept) {
    BatchFixture fixture;
    fixture.folder.writeBytes(QStringLiteral("log.adi"), kLog);
    const QString log = fixture.folder.path(QStringLiteral("log.adi"));
    std::string crOnly = fixture.folder.readBytes(QStringLiteral("stacja.csv"));
    const auto lines = splitLines(crOnly, LineEnds::LfOnly);
    crOnly.clear();
    for (const auto& line : lines)
        crOnly += line + "\r";
    fixture.folder.writeBytes(QStringLiteral("stacja.csv"), crOnly);
    EXPECT_EQ(fixture.run({QStringLiteral("--import"), log, fixture.stationPath()}), 0)
        << fixture.err;
    const auto saved = readLines(fixture.stationPath());
    ASSERT_EQ(saved.size(), lines.size());
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(saved[i].substr(0, saved[i].find(';')), lines[i].substr(0, lines[i].find(';')));
    EXPECT_NE(
        fixture.folder.readBytes(QStringLiteral("stacja.csv")).find(";SP1ABC;2021-01-30;QSL;"),
        std::string::npos);

    const std::string headerOnly = lines.front() + "\r\n";
    fixture.folder.writeBytes(QStringLiteral("stacja.csv"), headerOnly);
    EXPECT_EQ(fixture.run({QStringLiteral("--import"), log, fixture.stationPath()}), 1);
    EXPECT_NE(fixture.err.find("nie zawiera żadnego wiersza podmiotu"), std::string::npos);
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), headerOnly);
}

// A row cut in two by a CR within a field (written by an earlier import) is
// named as what it is, and the file is left for the user to mend.
TEST(BatchImportSafety, AStationFileCutByACrWithinARowIsNamedAndLeftAlone) {
    BatchFixture fixture;
    fixture.folder.writeBytes(QStringLiteral("log.adi"), kLog);
    std::string damaged = fixture.folder.readBytes(QStringLiteral("stacja.csv"));
    const std::size_t thirdLine = damaged.find('\n', damaged.find('\n') + 1) + 1;
    damaged.insert(damaged.find(';', thirdLine) + 1, "SP1\r\x1b;");
    fixture.folder.writeBytes(QStringLiteral("stacja.csv"), damaged);
    EXPECT_EQ(fixture.run({QStringLiteral("--import"),
                           fixture.folder.path(QStringLiteral("log.adi")), fixture.stationPath()}),
              1);
    EXPECT_NE(fixture.err.find("jest uszkodzony: wiersz 3 przerywa w środku pola znak CR"),
              std::string::npos)
        << fixture.err;
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), damaged);
}

TEST(BatchImportSafety, AStationFileLockedByAnotherWriterIsLeftAlone) {
    BatchFixture fixture;
    fixture.folder.writeBytes(QStringLiteral("log.adi"), kLog);
    const std::string before = fixture.folder.readBytes(QStringLiteral("stacja.csv"));
    const FileLock other(fixture.stationPath(), 0ms);
    BatchEnvironment env = fixture.environment();
    env.lockWait = 100ms;
    std::string err;
    EXPECT_EQ(
        importWith(env, fixture.folder.path(QStringLiteral("log.adi")), fixture.stationPath(), err),
        1);
    EXPECT_NE(err.find("jest właśnie zmieniany przez inną kopię programu"), std::string::npos);
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), before);
}

TEST(BatchImportSafety, InputsThatAreNoRegularFilesEndTheCommandAtOnce) {
    BatchFixture fixture;
    const QString fifo = fixture.folder.path(QStringLiteral("log.adi"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = fixture.folder.path(QStringLiteral("zero.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const std::string before = fixture.folder.readBytes(QStringLiteral("stacja.csv"));

    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--import"), fifo, fixture.stationPath()},
          QStringList{QStringLiteral("--import"), fifo, zero},
          QStringList{QStringLiteral("--summary"), zero},
          QStringList{QStringLiteral("--print-pdf"), fixture.folder.path(QStringLiteral("a.pdf")),
                      fifo}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_EQ(fixture.run(arguments), 1);
        EXPECT_NE(fixture.err.find("to nie jest zwykły plik"), std::string::npos) << fixture.err;
    }
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), before);
}

} // namespace
} // namespace zef
