// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_folder.h"

#include "core/text.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace zef::test {

TestFolder::TestFolder() {
    EXPECT_TRUE(dir_.isValid());
}

QString TestFolder::dir() const {
    return dir_.path() + u'/';
}

QString TestFolder::path(const QString& name) const {
    return dir() + name;
}

void TestFolder::write(const QString& name, const std::vector<std::string>& utf8Lines) const {
    std::string bytes;
    for (const auto& line : utf8Lines)
        bytes += cp(line) + "\r\n";
    writeBytes(name, bytes);
}

void TestFolder::writeBytes(const QString& name, const std::string& bytes) const {
    QFile file(path(name));
    if (file.exists())
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string TestFolder::readBytes(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = file.readAll();
    return std::string(all.constData(), static_cast<std::size_t>(all.size()));
}

std::vector<std::string> TestFolder::readUtf8Lines(const QString& name) const {
    std::vector<std::string> lines;
    const std::string bytes = readBytes(name);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(utf8(line));
        start = end + 1;
    }
    return lines;
}

std::string entityFileLine(int number, bool deleted, const std::string& prefix,
                           const std::string& name) {
    return alignRight(std::to_string(number), 3) + "|" + (deleted ? "D" : " ") + "|" +
           padRight(prefix, 5) + "|" + padRight(name, 24) + "|";
}

std::string referenceLine(int number, bool deleted, const std::string& prefix,
                          const std::string& name) {
    std::string line = entityFileLine(number, deleted, prefix, name);
    line.pop_back();
    return trimRight(line);
}

std::string zoneFileLine(int zone, const std::string& prefixes) {
    return "     |" + padRight(std::to_string(zone), 5) + "|" + prefixes;
}

AwardTables threeEntitiesAndAllZones() {
    AwardTables t;
    t.entities[1][0] = referenceLine(246, false, "1A0", "Military Order of Malta");
    t.entities[2][0] = referenceLine(2, true, "1B", "Abu Ail Is.");
    t.entities[3][0] = referenceLine(269, false, "SP", "Poland");
    for (int z = 1; z <= kZoneRows; ++z)
        t.zones[z][0] = zoneFileLine(z, "P");
    return t;
}

std::vector<std::string> sampleEntityFileLines() {
    return {
        entityFileLine(246, false, "1A0", "Military Order of Malta"),
        entityFileLine(2, true, "1B", "Abu Ail Is."),
        entityFileLine(291, false, "K", "United States of America"),
        entityFileLine(7, false, "ZA", "Albania"),
        entityFileLine(269, false, "SP", "Poland"),
        entityFileLine(281, false, "EA", "Spain"),
    };
}

void TestFolder::writeReferenceFiles() const {
    std::vector<std::string> lines = sampleEntityFileLines();
    // Prefix order, as the delivered file and the editor keep it.
    std::sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return trim(mid(a, 7, 11)) < trim(mid(b, 7, 11));
    });
    write(QStringLiteral("dxcc_adif.mtb"), lines);
    std::vector<std::string> zones;
    for (int z = 1; z <= 40; ++z)
        zones.push_back(zoneFileLine(z, "P" + std::to_string(z)));
    write(QStringLiteral("zefirant_zones.mtb"), zones);
}

std::string cp(const std::string& utf8Text) {
    return fromQt(QString::fromStdString(utf8Text));
}

std::string utf8(const std::string& cp1250) {
    return toQt(cp1250).toStdString();
}

} // namespace zef::test
