// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's own files are read and written. A program unpacked
// with its delivered files beside it (a build folder, a portable archive)
// keeps them all there; an installed one reads what it delivers from its
// data folder and keeps what it writes in the user's folders, whoever runs
// it and whatever the permissions of its folder.

#include <QString>

namespace zef {

class ProgramFiles {
public:
    // Every file in `programDir` (ending with "/").
    static ProgramFiles portable(const QString& programDir);
    // The delivered files in `sharedDir`, the settings in `configDir`, the
    // files the program writes in `dataDir`; each ends with "/".
    static ProgramFiles installed(const QString& sharedDir, const QString& configDir,
                                  const QString& dataDir);
    // Whether `programDir` holds the delivered entity reference file, as
    // only an unpacked portable program does.
    static bool isPortableLayout(const QString& programDir);
    // Portable for a portable layout, otherwise installed below `configHome`
    // and `dataHome`, the user's folders of that kind.
    static ProgramFiles choose(const QString& programDir, bool portableLayout,
                               const QString& configHome, const QString& dataHome);
    // The choice for the running program; the user's folders are made when needed.
    static ProgramFiles ofRunningProgram();

    bool isInstalled() const { return installed_; }
    // A delivered file (a reference file, the picture): the user's own copy
    // when there is one.
    QString deliveredFile(const QString& name) const;
    QString settingsFile(const QString& name) const { return configDir_ + name; }
    // A file the program writes (the error list of the import).
    QString userFile(const QString& name) const { return dataDir_ + name; }
    // The folder in which the delivered file `name` is edited: the user's own
    // copy, made from the delivered file when the user has none yet.
    // Throws FileError when the copy cannot be made.
    QString editableFolder(const QString& name) const;

private:
    ProgramFiles(bool installed, QString sharedDir, QString configDir, QString dataDir);
    QString ownCopiesDir() const;

    bool installed_;
    QString sharedDir_;
    QString configDir_;
    QString dataDir_;
};

} // namespace zef
