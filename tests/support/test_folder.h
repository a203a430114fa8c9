// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh temporary folder per test, standing for the executable's folder,
// with builders for the program's files in windows-1250 with CR LF.

#include "core/award_tables.h"

#include <QTemporaryDir>
#include <string>
#include <vector>

namespace zef::test {

class TestFolder {
public:
    TestFolder();

    // Folder path ending with "/".
    QString dir() const;
    QString path(const QString& name) const;

    // Writes lines given in UTF-8, converted to windows-1250, each ended by CR LF.
    void write(const QString& name, const std::vector<std::string>& utf8Lines) const;
    // Writes the bytes exactly as given.
    void writeBytes(const QString& name, const std::string& bytes) const;
    std::string readBytes(const QString& name) const;
    // The file's lines converted to UTF-8 (CR LF removed).
    std::vector<std::string> readUtf8Lines(const QString& name) const;

    // A small entity reference file and the 40-line zone file.
    void writeReferenceFiles() const;

private:
    QTemporaryDir dir_;
};

// A 37-character entity reference file line.
std::string entityFileLine(int number, bool deleted, const std::string& prefix,
                           const std::string& name);
// The same without its closing bar and trailing blanks, as the tables hold it.
std::string referenceLine(int number, bool deleted, const std::string& prefix,
                          const std::string& name);
// Zone line of the zone reference file for zone n.
std::string zoneFileLine(int zone, const std::string& prefixes);

// Tables with entity rows 1..3 (Malta, the deleted Abu Ail, Poland) and all
// 40 zones occupied, no band slot filled.
AwardTables threeEntitiesAndAllZones();

// The entity lines written by writeReferenceFiles, in file order.
std::vector<std::string> sampleEntityFileLines();

// windows-1250 bytes of UTF-8 text, and back.
std::string cp(const std::string& utf8);
std::string utf8(const std::string& cp1250);

} // namespace zef::test
