// SPDX-License-Identifier: GPL-3.0-or-later
// The program's writes on a full disk, on paths that name no regular file,
// and with another copy of the program writing the same file.
#include "core/file_attributes.h"
#include "core/file_error.h"
#include "core/file_guard.h"
#include "core/file_io.h"
#include "core/settings.h"
#include "core/text_file.h"
#include "import/error_list.h"
#include "support/small_disk.h"
#include "support/test_folder.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <latch>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zef {
namespace {

using namespace std::chrono_literals;

const std::vector<std::string> kOldLines(100, "  1| |AAA  |An entity of the old file     |");
const std::string kBigText(200'000, 'x');

// Each write of the program on a disk with no room, or with room for a part
// of what it writes: none reports success, and each old file stays whole.
TEST(FullDisk, NoWriteSucceedsInPartAndTheOldFileStaysWhole) {
    Settings bigSettings;
    bigSettings.callsign = std::string(20'000, 'A');
    for (const std::size_t room : {std::size_t{0}, std::size_t{8192}}) {
        test::SmallDisk disk;
        SKIP_WITHOUT_SMALL_DISK(disk);
        SCOPED_TRACE(room);
        const QString old = disk.path(QStringLiteral("dxcc_adif.mtb"));
        writeLines(old, kOldLines);
        const std::string oldBytes = readFileBytes(old);
        disk.fill(room);

        const std::vector<std::pair<const char*, std::function<void()>>> writes{
            {"a program file replaced", [&] { writeLines(old, {kBigText}); }},
            {"the settings file",
             [&] { writeSettings(ProfileFile(old), bigSettings, false, "a@b.pl"); }},
            {"the error list", [&] {
                 ErrorList list(disk.path(QStringLiteral("bledy_dxcc.txt")));
                 list.addPlacement(kBigText);
                 list.close();
             }}};
        for (const auto& [what, write] : writes) {
            SCOPED_TRACE(what);
            try {
                write();
                ADD_FAILURE() << "the write reported success";
            } catch (const FileError& e) {
                EXPECT_TRUE(e.text().contains(QStringLiteral("brak miejsca na dysku")) ||
                            e.text() == QStringLiteral("Unable to write to ") + old)
                    << e.text().toStdString();
            }
            EXPECT_EQ(readFileBytes(old), oldBytes);
        }
        // A backup copy that does not fit is never given the backup's name.
        EXPECT_THROW(copyFile(disk.path(QStringLiteral("filler")),
                              disk.path(QStringLiteral("dxcc_adif.mtb~"))),
                     FileError);
        // Nothing half-written is left beside the files.
        EXPECT_EQ(QDir(disk.dir()).entryList(QDir::Files),
                  (QStringList{QStringLiteral("bledy_dxcc.txt"), QStringLiteral("dxcc_adif.mtb"),
                               QStringLiteral("filler")}));
    }
}

// A path that names a device, a pipe, a folder or a link to one of them is
// neither read (it could block or never end) nor replaced by a save.
TEST(NotARegularFile, IsRefusedWithItsReasonAndLeftAsItWas) {
    test::TestFolder folder;
    const QString fifo = folder.path(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString toNull = folder.path(QStringLiteral("null.ini"));
    const QString toZero = folder.path(QStringLiteral("zero.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), toNull));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), toZero));
    const QString folderPath = folder.path(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folderPath));

    for (const QString& path : {fifo, toNull, toZero, folderPath}) {
        SCOPED_TRACE(path.toStdString());
        struct stat before {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        EXPECT_THROW(readFileBytes(path), FileError);
        EXPECT_THROW(LineReader{path}, FileError);
        EXPECT_THROW(writeLines(path, {"a"}), FileError);
        EXPECT_THROW(AppendingFile{path}, FileError);
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_rdev, before.st_rdev);
    }
    try {
        writeLines(toNull, {"a"});
    } catch (const FileError& e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("Błąd zapisu pliku \"%1\": to nie jest zwykły plik").arg(toNull));
    }
}

// A link to a regular file goes on naming it: the file is replaced.
TEST(NotARegularFile, ALinkToAFileIsFollowed) {
    test::TestFolder folder;
    const QString file = folder.path(QStringLiteral("real.ini"));
    const QString link = folder.path(QStringLiteral("link.ini"));
    writeLines(file, {"old"});
    ASSERT_TRUE(QFile::link(file, link));
    writeLines(link, {"new"});
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(folder.readBytes(QStringLiteral("real.ini")), "new\r\n");
}

TEST(FileLock, KeepsASecondWriterWaitingAndFollowsAReplacedFile) {
    test::TestFolder folder;
    const QString path = folder.path(QStringLiteral("stacja.csv"));
    writeLines(path, {"v1"});
    auto first = std::make_unique<FileLock>(path, 0ms);
    try {
        FileLock second(path, 100ms);
        ADD_FAILURE() << "two holders of one lock";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("jest właśnie zmieniany")));
    }
    // The holder replaces the file and lets go; the waiting writer must hold
    // the file that now has the name, not the one replaced.
    std::latch waiterStarted(1);
    std::thread waiting([&] {
        waiterStarted.count_down();
        FileLock second(path, 10s);
        EXPECT_THROW(FileLock(path, 0ms), FileError);
    });
    waiterStarted.wait();
    writeLines(path, {"v2"});
    first.reset();
    waiting.join();
    EXPECT_NO_THROW(FileLock(path, 0ms));
}

} // namespace
} // namespace zef
