#include "core/program_files.h"

#include "core/file_error.h"
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

QString ProgramFiles::deliveredFile(const QString& name) const {
    const QString own = dataDir_ + name;
    return isInstalled() && QFileInfo::exists(own) ? own : sharedDir_ + name;
}

QString ProgramFiles::editableFolder(const QString& name) const {
    const QString own = dataDir_ + name;
    if (isInstalled() && !QFileInfo::exists(own)) {
        QFile delivered(sharedDir_ + name);
        if (!delivered.copy(own))
            throw FileError::writing(own, delivered.errorString());
    }
    return dataDir_;
}

} // namespace zef
