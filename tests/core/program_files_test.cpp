// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program_files.h"

#include "core/file_error.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestFolder;

const QString kName = QStringLiteral("dxcc_adif.mtb");

// Only the delivered reference file beside the executable makes it portable:
// a folder its user may write to (root's /usr/bin, a user's ~/.local/bin) is
// still an installation.
TEST(ProgramFiles, TheDeliveredFileBesideTheExecutableMakesItPortable) {
    TestFolder folder;
    EXPECT_FALSE(ProgramFiles::isPortableLayout(folder.dir()));
    folder.writeBytes(kName, "delivered");
    QFile::setPermissions(folder.dir(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(ProgramFiles::isPortableLayout(folder.dir()));
    QFile::setPermissions(folder.dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(ProgramFiles, TheModeDecidesEveryPath) {
    const QString bin = QStringLiteral("/opt/z/bin/");
    const ProgramFiles portable =
        ProgramFiles::choose(bin, true, QStringLiteral("/h/.config"), QStringLiteral("/h/.d"));
    EXPECT_FALSE(portable.isInstalled());
    for (const QString& path :
         {portable.deliveredFile(kName), portable.settingsFile(kName), portable.userFile(kName)})
        EXPECT_EQ(path, bin + kName);
    EXPECT_EQ(portable.editableFolder(kName), bin);

    const ProgramFiles installed =
        ProgramFiles::choose(bin, false, QStringLiteral("/h/.config"), QStringLiteral("/h/.d"));
    EXPECT_TRUE(installed.isInstalled());
    EXPECT_EQ(installed.deliveredFile(kName), QStringLiteral("/opt/z/share/zefirant/") + kName);
    EXPECT_EQ(installed.settingsFile(kName), QStringLiteral("/h/.config/zefirant/") + kName);
    EXPECT_EQ(installed.userFile(kName), QStringLiteral("/h/.d/zefirant/") + kName);

    // Installed into ~/.local, the delivered files share the user's data folder.
    const ProgramFiles local =
        ProgramFiles::choose(QStringLiteral("/h/.local/bin/"), false, QStringLiteral("/h/.config"),
                             QStringLiteral("/h/.local/share"));
    EXPECT_TRUE(local.isInstalled());
    EXPECT_EQ(local.deliveredFile(kName), QStringLiteral("/h/.local/share/zefirant/") + kName);
    EXPECT_EQ(local.userFile(kName), QStringLiteral("/h/.local/share/zefirant/") + kName);
}

// The delivered file is read until the user has a copy; an existing copy is
// never replaced by the delivered one.
TEST(ProgramFiles, TheUsersOwnCopyIsMadeOnceAndThenRead) {
    TestFolder folder;
    QDir(folder.dir()).mkpath(QStringLiteral("share"));
    QDir(folder.dir()).mkpath(QStringLiteral("data"));
    const QString shared = folder.path(QStringLiteral("share/"));
    const QString data = folder.path(QStringLiteral("data/"));
    const ProgramFiles files = ProgramFiles::installed(shared, folder.dir(), data);
    folder.writeBytes(QStringLiteral("share/") + kName, "delivered");
    EXPECT_EQ(files.deliveredFile(kName), shared + kName);

    EXPECT_EQ(files.editableFolder(kName), data);
    EXPECT_EQ(folder.readBytes(QStringLiteral("data/") + kName), "delivered");
    EXPECT_EQ(files.deliveredFile(kName), data + kName);

    folder.writeBytes(QStringLiteral("data/") + kName, "edited");
    folder.writeBytes(QStringLiteral("share/") + kName, "newer delivered");
    EXPECT_EQ(files.editableFolder(kName), data);
    EXPECT_EQ(folder.readBytes(QStringLiteral("data/") + kName), "edited");
}

// Installed into the user's own data folder (~/.local), an edited entity
// list must not be the delivered file that installing again replaces.
TEST(ProgramFiles, InstalledIntoTheUsersDataFolderTheCopyHasAFolderOfItsOwn) {
    TestFolder folder;
    const QString data = folder.path(QStringLiteral("share/zefirant/"));
    QDir().mkpath(data);
    folder.writeBytes(QStringLiteral("share/zefirant/") + kName, "delivered");
    const ProgramFiles files = ProgramFiles::installed(data, folder.dir(), data);

    const QString own = files.editableFolder(kName);
    EXPECT_EQ(own, data + QStringLiteral("edytowane/"));
    folder.writeBytes(QStringLiteral("share/zefirant/edytowane/") + kName, "edited");
    folder.writeBytes(QStringLiteral("share/zefirant/") + kName, "installed again");
    EXPECT_EQ(files.deliveredFile(kName), own + kName);
    EXPECT_EQ(folder.readBytes(QStringLiteral("share/zefirant/edytowane/") + kName), "edited");
}

TEST(ProgramFiles, ACopyThatCannotBeMadeNamesItsPath) {
    TestFolder folder;
    folder.writeBytes(kName, "delivered");
    const QString missing = folder.path(QStringLiteral("missing/"));
    const ProgramFiles files = ProgramFiles::installed(folder.dir(), folder.dir(), missing);
    try {
        files.editableFolder(kName);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.text().contains(missing + kName)) << error.text().toStdString();
    }
}

} // namespace
} // namespace zef
