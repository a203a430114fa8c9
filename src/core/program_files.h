#pragma once
// Where the program's own files are read and written. A program whose folder
// it may write to (a build folder, an unpacked archive) keeps them all beside
// the executable; an installed one reads what it delivers from its data
// folder and keeps what it writes in the user's folders.

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
    // Portable when the folder of the executable is writable, otherwise
    // installed below `configHome` and `dataHome`, the user's folders of
    // that kind.
    static ProgramFiles choose(const QString& programDir, bool programDirWritable,
                               const QString& configHome, const QString& dataHome);
    // The choice for the running program; the user's folders are made when needed.
    static ProgramFiles ofRunningProgram();

    bool isInstalled() const { return dataDir_ != sharedDir_; }
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
    ProgramFiles(QString sharedDir, QString configDir, QString dataDir);

    QString sharedDir_;
    QString configDir_;
    QString dataDir_;
};

} // namespace zef
