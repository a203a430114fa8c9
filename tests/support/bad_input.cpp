// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/bad_input.h"

#include "core/station_file.h"
#include "core/text.h"
#include "core/text_file.h"
#include "support/hang_guard.h"
#include "support/test_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

namespace zef::test {

namespace {

std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::string joined(const std::vector<std::string>& lines, const std::string& end) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + end;
    return bytes;
}

std::vector<std::string> cp1250(const std::vector<std::string>& utf8Lines) {
    std::vector<std::string> lines;
    for (const auto& line : utf8Lines)
        lines.push_back(cp(line));
    return lines;
}

// The occupied entity rows in table order.
std::vector<Row> occupiedEntities(const AwardTables& tables) {
    std::vector<Row> rows;
    for (int r = 1; r <= kEntityRows; ++r)
        if (isOccupied(tables.entities[r]))
            rows.push_back(tables.entities[r]);
    return rows;
}

std::string shown(const std::string& text) {
    return text.size() <= 60
               ? text
               : text.substr(0, 60) + "... (" + std::to_string(text.size()) + " bytes)";
}

} // namespace

std::string crlf(const std::vector<std::string>& utf8Lines) {
    return joined(cp1250(utf8Lines), "\r\n");
}

std::string randomLine(std::size_t size, unsigned seed) {
    std::string bytes = randomBytes(size, seed);
    for (char& c : bytes)
        if (c == '\n' || c == '\r')
            c = 'x';
    return bytes;
}

std::vector<BadInput> badInputs(const std::vector<std::string>& utf8Lines, std::size_t target) {
    const std::vector<std::string> lines = cp1250(utf8Lines);
    std::vector<BadInput> inputs;
    inputs.push_back({"empty file", ""});
    inputs.push_back({"binary junk", randomBytes(256 * 1024, 1)});
    inputs.push_back({"one 10 MB line", randomLine(kLongLineBytes, 2)});
    inputs.push_back({"LF alone", joined(lines, "\n")});
    inputs.push_back({"CR alone", joined(lines, "\r")});
    std::vector<std::string> withNul = lines;
    std::string& nulLine = withNul.at(target);
    nulLine.insert(nulLine.size() / 2, 1, '\0');
    inputs.push_back({"NUL byte", joined(withNul, "\r\n")});
    inputs.push_back({"UTF-8", joined(utf8Lines, "\r\n")});
    std::vector<std::string> longer = lines;
    longer.at(target) += randomLine(kLongLineBytes, 3);
    inputs.push_back({"line 10 MB longer", joined(longer, "\r\n")});
    return inputs;
}

void expectNoHang(long long elapsedMs, const std::string& what, const BadInput& input) {
    std::cout << "[   time   ] " << what << ", " << input.name << ": " << elapsedMs << " ms\n";
    EXPECT_LT(elapsedMs, kHangGuard.count()) << what << ", " << input.name;
}

void reportMessages(const std::vector<RecordedMessage>& messages, const std::string& what,
                    const BadInput& input) {
    std::cout << "[ messages ] " << what << ", " << input.name << ":";
    if (messages.empty())
        std::cout << " none";
    for (const auto& message : messages) {
        const QString first = message.text.section(u'\n', 0, 0);
        std::cout << " [" << message.caption.toStdString() << ": " << first.left(60).toStdString()
                  << (first.size() > 60 ? "..." : "") << "]";
    }
    std::cout << "\n";
}

void expectStorableTables(const AwardTables& tables) {
    std::vector<std::string> faults;
    auto check = [&faults](const Row& row, const std::string& where) {
        for (int s = 0; s < kSlots; ++s)
            if (row[s].find('\n') != std::string::npos ||
                (s < kSlots - 1 && row[s].find(';') != std::string::npos))
                faults.push_back(where + " slot " + std::to_string(s) + ": " + shown(row[s]));
    };
    for (int r = 1; r <= kEntityRows; ++r) {
        const Row& row = tables.entities[r];
        if (!isOccupied(row))
            continue;
        check(row, "entity row " + std::to_string(r));
        if (startsWith(row[0], "==="))
            faults.push_back("entity row " + std::to_string(r) + ": " + shown(row[0]));
    }
    for (int z = 1; z <= kZoneRows; ++z)
        check(tables.zones[z], "zone row " + std::to_string(z));
    EXPECT_TRUE(faults.empty()) << faults.size() << " fields would break the file, the first: "
                                << (faults.empty() ? "" : faults.front());
}

bool holdsUnwritableField(const AwardTables& tables) {
    const auto unwritable = [](const Row& row) {
        return std::any_of(row.begin(), row.end(),
                           [](const std::string& field) { return breaksLine(field); });
    };
    for (int r = 1; r <= kEntityRows; ++r)
        if (isOccupied(tables.entities[r]) && unwritable(tables.entities[r]))
            return true;
    return std::any_of(tables.zones.begin() + 1, tables.zones.end(), unwritable);
}

void expectSoundStationFile(const std::string& bytes, const AwardTables& tables) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t lf = bytes.find('\n', start);
        ASSERT_NE(lf, std::string::npos) << "the last line has no line end";
        ASSERT_TRUE(lf > start && bytes[lf - 1] == '\r')
            << "line " << lines.size() << " without CR";
        lines.push_back(bytes.substr(start, lf - 1 - start));
        start = lf + 1;
    }
    const std::vector<Row> entities = occupiedEntities(tables);
    ASSERT_EQ(lines.size(), 1 + entities.size() + 1 + kZoneRows);

    const std::string& header = lines.front();
    EXPECT_EQ(std::count(header.begin(), header.end(), ';'), 20) << shown(header);
    EXPECT_TRUE(header.ends_with(";Call-80m;Date-80m;QSL-80m;Weryf-80m;Call-40m;Date-40m;QSL-40m;"
                                 "Weryf-40m;Call-20m;Date-20m;QSL-20m;Weryf-20m;Call-15m;Date-15m;"
                                 "QSL-15m;Weryf-15m;Call-10m;Date-10m;QSL-10m;Weryf-10m"));
    EXPECT_EQ(lines[1 + entities.size()], kSeparatorLine);

    int wrongLines = 0;
    auto expectLine = [&wrongLines](const std::string& line, const Row& row,
                                    const std::string& where) {
        const auto extra = std::count(row[kSlots - 1].begin(), row[kSlots - 1].end(), ';');
        if (std::count(line.begin(), line.end(), ';') != 20 + extra && wrongLines++ == 0)
            ADD_FAILURE() << where << " has not 20 \";\": " << shown(line);
    };
    for (std::size_t i = 0; i < entities.size(); ++i)
        expectLine(lines[1 + i], entities[i], "entity line " + std::to_string(i + 1));
    for (int z = 1; z <= kZoneRows; ++z)
        expectLine(lines[entities.size() + 1 + static_cast<std::size_t>(z)], tables.zones[z],
                   "zone line " + std::to_string(z));

    AwardTables reloaded;
    const LoadOverflow overflow = loadStationLines(lines, reloaded);
    EXPECT_FALSE(overflow.any());
    EXPECT_TRUE(occupiedEntities(reloaded) == entities) << "entity rows differ when read back";
    int differingZones = 0;
    for (int z = 1; z <= kZoneRows; ++z)
        differingZones += reloaded.zones[z] == tables.zones[z] ? 0 : 1;
    EXPECT_EQ(differingZones, 0) << "zone rows differ when read back";
}

} // namespace zef::test
