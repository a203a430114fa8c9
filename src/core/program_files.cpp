// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program_files.h"

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/reference_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zef {

namespace {

const QString kFolderName = QStringLiteral("zefirant/");

QString sharedDirOf(const QString& programDir) {
    return QDir::cleanPath(programDir + QStringLiteral(ZEFIRANT_SHARED_FROM_BIN)) + u'/';
}

} // namespace

ProgramFiles::ProgramFiles(bool installed, QString sharedDir, QString configDir, QString dataDir)
    : installed_(installed), sharedDir_(std::move(sharedDir)), configDir_(std::move(configDir)),
      dataDir_(std::move(dataDir)) {}

ProgramFiles ProgramFiles::portable(const QString& programDir) {
    return {false, programDir, programDir, programDir};
}

ProgramFiles ProgramFiles::installed(const QString& sharedDir, const QString& configDir,
                                     const QString& dataDir) {
    return {true, sharedDir, configDir, dataDir};
}

// Never the folder's permissions: root may write to /usr/bin, and a user to
// the ~/.local/bin he installed into, yet neither is a portable program.
bool ProgramFiles::isPortableLayout(const QString& programDir) {
    return QFileInfo::exists(programDir + kEntityFileName);
}

ProgramFiles ProgramFiles::choose(const QString& programDir, bool portableLayout,
                                  const QString& configHome, const QString& dataHome) {
    if (portableLayout)
        return portable(programDir);
    return installed(sharedDirOf(programDir), configHome + u'/' + kFolderName,
                     dataHome + u'/' + kFolderName);
}

ProgramFiles ProgramFiles::ofRunningProgram() {
    const QString programDir = QCoreApplication::applicationDirPath() + u'/';
    const ProgramFiles files =
        choose(programDir, isPortableLayout(programDir),
               QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
               QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    // A folder that cannot be made shows up as the first write's error, with its path.
    if (files.isInstalled()) {
        QDir().mkpath(files.configDir_);
        QDir().mkpath(files.dataDir_);
    }
    return files;
}

// Installed into the user's own data folder (a prefix of ~/.local), the
// delivered files lie where the user's copies would, and installing again
// would replace an edited entity list: the copies then have a folder of their own.
QString ProgramFiles::ownCopiesDir() const {
    return QDir(dataDir_) == QDir(sharedDir_) ? dataDir_ + QStringLiteral("edytowane/") : dataDir_;
}

QString ProgramFiles::deliveredFile(const QString& name) const {
    const QString own = ownCopiesDir() + name;
    return isInstalled() && QFileInfo::exists(own) ? own : sharedDir_ + name;
}

QString ProgramFiles::editableFolder(const QString& name) const {
    if (!isInstalled())
        return dataDir_;
    const QString folder = ownCopiesDir();
    const QString own = folder + name;
    if (!QFileInfo::exists(own)) {
        if (folder != dataDir_)
            makeFolders(folder);
        QFile delivered(sharedDir_ + name);
        if (!delivered.copy(own))
            throw FileError::writing(own, delivered.errorString());
    }
    return folder;
}

} // namespace zef
