// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profile_file.h"

#include "core/file_attributes.h"
#include "core/file_error.h"
#include "platform/filter.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using test::cp;
using test::TestFolder;

TEST(ProfileFile, MissingFileOrKeyGivesTheDefault) {
    TestFolder folder;
    ProfileFile ini(folder.path("zefirant.ini"));
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.readString("Konfiguracja", "Znak", "dflt"), "dflt");
    EXPECT_EQ(ini.readInt("Tabela", "X", 322), 322);
}

TEST(ProfileFile, ReadsCaseInsensitivelyAndFallsBackOnNonNumbers) {
    TestFolder folder;
    folder.write("z.ini", {"[Tabela]", " X = 17 ", "Y=abc", "[Widok]", "x=99", "Korekta=-5"});
    ProfileFile ini(folder.path("z.ini"));
    EXPECT_EQ(ini.readInt("tabela", "x", 0), 17);
    EXPECT_EQ(ini.readInt("Tabela", "Y", 180), 180);
    EXPECT_EQ(ini.readInt("Widok", "X", 0), 99);
    EXPECT_EQ(ini.readInt("Widok", "Korekta", 0), -5);
    EXPECT_TRUE(ini.readBool("Widok", "X", false));
}

TEST(ProfileFile, WritesCreateSectionsAndReplaceKeysInPlace) {
    TestFolder folder;
    ProfileFile ini(folder.path("z.ini"));
    ini.writeString("Konfiguracja", "Znak", "sp9xyz");
    ini.writeInt("Tabela", "X", 5);
    ini.writeString("Konfiguracja", "Plik", "/home/a.csv");
    ini.writeInt("Tabela", "X", 6);
    ini.writeInt("Zestawienie", cp("Szerokość"), 437);
    EXPECT_EQ(folder.readBytes("z.ini"), "[Konfiguracja]\r\nZnak=sp9xyz\r\nPlik=/home/a.csv\r\n"
                                         "[Tabela]\r\nX=6\r\n"
                                         "[Zestawienie]\r\nSzeroko\x9c\xe6=437\r\n");
    EXPECT_EQ(ini.readInt("Zestawienie", cp("Szerokość"), 0), 437);
}

TEST(ProfileFile, ReadOnlyFileRefusesWithThePath) {
    TestFolder folder;
    folder.write("z.ini", {"[A]", "b=1"});
    setReadOnly(folder.path("z.ini"));
    ProfileFile ini(folder.path("z.ini"));
    try {
        ini.writeString("A", "b", "2");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Unable to write to ") + folder.path("z.ini"));
    }
    EXPECT_THROW(ProfileFile("/nonexistent-folder/z.ini").writeInt("A", "b", 1), FileError);
}

TEST(Filter, ProgramFiltersBecomeQtFilters) {
    EXPECT_EQ(qtFilter(QStringLiteral("Pliki CSV |*.csv|Wszystkie pliki|*.*")),
              QStringLiteral("Pliki CSV (*.csv);;Wszystkie pliki (*.*)"));
    EXPECT_EQ(firstQtFilter(QStringLiteral("Pliki ADIF |*.ADI|Wszystkie pliki|*.*")),
              QStringLiteral("Pliki ADIF (*.ADI)"));
}

} // namespace
} // namespace zef
