// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference_files.h"

#include "core/file_attributes.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestFolder;

TEST(ReferenceFiles, MissingFileMessageNamesTheFullPath) {
    EXPECT_EQ(missingReferenceFileMessage(QStringLiteral("/opt/z/dxcc_adif.mtb")),
              QStringLiteral("Plik wzorcowy \"/opt/z/dxcc_adif.mtb\" nie został znaleziony!\n"
                             "Musi on znajdować się w tym samym katalogu, co i VORTEL_BAZA.EXE."));
}

TEST(ReferenceFiles, TheTwoReadersDifferOnOddLines) {
    TestFolder folder;
    const std::string full = "246| |1A0  |Military Order of Malta |";
    const std::string noBar = "  7| |ZA   |ABCDEFGHIJKLMNOPQRSTUVWX"; // 36 characters
    const std::string longer = full + "xy";
    folder.write("dxcc_adif.mtb", {full, "", noBar, longer});

    EXPECT_EQ(readReferenceLines(folder.path("dxcc_adif.mtb")),
              (std::vector<std::string>{"246| |1A0  |Military Order of Malta",
                                        "  7| |ZA   |ABCDEFGHIJKLMNOPQRSTUVWX",
                                        "246| |1A0  |Military Order of Malta xy"}));
    EXPECT_EQ(readReferenceLinesForNew(folder.path("dxcc_adif.mtb")),
              (std::vector<std::string>{"246| |1A0  |Military Order of Malta", "",
                                        "  7| |ZA   |ABCDEFGHIJKLMNOPQRSTUVW",
                                        "246| |1A0  |Military Order of Malta |x"}));
}

TEST(ReferenceFiles, ZoneLinesAreKeptExactlyAndAtMostForty) {
    TestFolder folder;
    std::vector<std::string> lines;
    for (int z = 1; z <= 42; ++z)
        lines.push_back(test::zoneFileLine(z, "W" + std::to_string(z) + "  "));
    folder.write("zefirant_zones.mtb", lines);
    const auto zones = readZoneLines(folder.path("zefirant_zones.mtb"));
    ASSERT_EQ(zones.size(), 40u);
    EXPECT_EQ(zones[0], "     |1    |W1  ");
}

// A ";" in a line would split it in the station data file, and a line that
// begins as its separator would end the entity part when the file is read.
TEST(ReferenceFiles, LinesReachTheTablesOnlyInAFormTheStationFileKeeps) {
    TestFolder folder;
    const std::string semicolons = test::entityFileLine(12, false, "3A;X", "Monaco; Monte Carlo");
    const std::string separatorLike =
        "===" + test::entityFileLine(1, false, "ZZZ", "Separator look-alike").substr(3);
    folder.write("dxcc_adif.mtb", {semicolons, separatorLike, "=====", "==x"});
    EXPECT_EQ(readReferenceLines(folder.path("dxcc_adif.mtb")),
              (std::vector<std::string>{" 12| |3A,X |Monaco, Monte Carlo", "==x"}));
    EXPECT_EQ(readReferenceLinesForNew(folder.path("dxcc_adif.mtb")),
              (std::vector<std::string>{" 12| |3A,X |Monaco, Monte Carlo", "", "", "=="}));

    folder.write("zefirant_zones.mtb", {"     |3    |JA;HL;BV", "===== |4 |x"});
    EXPECT_EQ(readZoneLines(folder.path("zefirant_zones.mtb")),
              (std::vector<std::string>{"     |3    |JA,HL,BV", "===== |4 |x"}));
}

// The backup chain of three saves: the delivered version becomes the backup,
// the second save's backup is read-only, later saves rewrite in place.
TEST(ReferenceFiles, BackupChainOverThreeSaves) {
    TestFolder folder;
    const QString file = folder.path("dxcc_adif.mtb");
    const QString backup = folder.path("dxcc_adif.mtb~");
    folder.write("dxcc_adif.mtb", {"v0"});

    replaceEntityFileWithBackup(folder.dir(), {"v1"});
    setReadOnly(file);
    EXPECT_EQ(folder.readBytes("dxcc_adif.mtb"), "v1\r\n");
    EXPECT_EQ(folder.readBytes("dxcc_adif.mtb~"), "v0\r\n");
    EXPECT_FALSE(isReadOnly(backup));
    EXPECT_TRUE(isReadOnly(file));

    replaceEntityFileWithBackup(folder.dir(), {"v2"});
    setReadOnly(file);
    EXPECT_EQ(folder.readBytes("dxcc_adif.mtb"), "v2\r\n");
    EXPECT_EQ(folder.readBytes("dxcc_adif.mtb~"), "v1\r\n");
    EXPECT_TRUE(isReadOnly(backup));

    replaceEntityFileWithBackup(folder.dir(), {"v3"});
    setReadOnly(file);
    EXPECT_EQ(folder.readBytes("dxcc_adif.mtb"), "v3\r\n");
    EXPECT_EQ(folder.readBytes("dxcc_adif.mtb~"), "v1\r\n");
    EXPECT_TRUE(isReadOnly(file));
}

TEST(ReferenceFiles, ReadOnlyDeliveredFileGivesAReadOnlyBackupAtOnce) {
    TestFolder folder;
    folder.write("dxcc_adif.mtb", {"v0"});
    setReadOnly(folder.path("dxcc_adif.mtb"));
    replaceEntityFileWithBackup(folder.dir(), {"v1"});
    EXPECT_TRUE(isReadOnly(folder.path("dxcc_adif.mtb~")));
    replaceEntityFileWithBackup(folder.dir(), {"v2"});
    EXPECT_EQ(folder.readBytes("dxcc_adif.mtb~"), "v0\r\n");
    EXPECT_EQ(folder.readBytes("dxcc_adif.mtb"), "v2\r\n");
}

TEST(FileAttributes, WindowsSemantics) {
    TestFolder folder;
    folder.writeBytes("a", "1");
    folder.writeBytes("b", "2");
    EXPECT_FALSE(renameFile(folder.path("a"), folder.path("b")));
    setReadOnly(folder.path("a"));
    EXPECT_TRUE(isReadOnly(folder.path("a")));
    EXPECT_FALSE(deleteFile(folder.path("a")));
    EXPECT_TRUE(fileExists(folder.path("a")));
    clearReadOnly(folder.path("a"));
    EXPECT_FALSE(isReadOnly(folder.path("a")));
    EXPECT_TRUE(deleteFile(folder.path("a")));
    EXPECT_TRUE(renameFile(folder.path("b"), folder.path("a")));
    EXPECT_FALSE(isReadOnly(folder.path("missing")));
}

} // namespace
} // namespace zef
