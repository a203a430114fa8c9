// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file system of its own, a few hundred kilobytes of tmpfs, to see what a
// full disk does to the program's writes. Mounting takes root (as CI runs);
// elsewhere a test skips and says why.

#include <QString>
#include <QTemporaryDir>
#include <cstddef>

namespace zef::test {

class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const QString& whyNotMounted() const { return whyNot_; }

    // Folder path ending with "/".
    QString dir() const;
    QString path(const QString& name) const;
    // Copies a file onto the disk under its own name; returns the new path.
    QString copyHere(const QString& file) const;
    // Takes the free space but about `keepBytes` of it.
    void fill(std::size_t keepBytes = 0) const;

private:
    QTemporaryDir mountPoint_;
    bool mounted_ = false;
    QString whyNot_;
};

} // namespace zef::test

#define SKIP_WITHOUT_SMALL_DISK(disk)                                                              \
    if (!(disk).mounted())                                                                         \
    GTEST_SKIP() << "no small file system: " << (disk).whyNotMounted().toStdString()
