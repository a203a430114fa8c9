// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/award_tables.h"
#include "core/text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

// Guards the files the build copies beside the executable: a regenerated or
// hand-edited file that breaks the fixed layout would corrupt station data.
namespace zef {
namespace {

std::string deliveredBytes(const std::string& name) {
    std::ifstream in(std::string(ZEFIRANT_SOURCE_DIR) + "/data/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines split at CR LF; a bare LF or a missing final CR LF fails the test.
std::vector<std::string> deliveredLines(const std::string& name) {
    const std::string bytes = deliveredBytes(name);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << name << ": last line has no CR LF";
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        EXPECT_EQ(lines.back().find('\n'), std::string::npos) << name << ": bare LF";
        start = end + 2;
    }
    return lines;
}

TEST(DeliveredData, EntityFileHasEveryEntityInTheFixedLayoutAndPrefixOrder) {
    const auto lines = deliveredLines("dxcc_adif.mtb");
    ASSERT_EQ(lines.size(), 402u);
    EXPECT_EQ(lines.front(), "246| |1A0  |Military Order of Malta |");

    std::set<long long> numbers;
    int deleted = 0;
    std::string previousPrefix;
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), 37u) << line;
        EXPECT_TRUE(charAt(line, 4) == '|' && charAt(line, 6) == '|' && charAt(line, 12) == '|' &&
                    charAt(line, 37) == '|')
            << line;
        const auto number = parseInteger(trim(mid(line, 1, 3)));
        ASSERT_TRUE(number && *number >= 1) << line;
        EXPECT_TRUE(numbers.insert(*number).second) << "number twice: " << line;
        EXPECT_TRUE(charAt(line, 5) == 'D' || charAt(line, 5) == ' ') << line;
        deleted += charAt(line, 5) == 'D';
        const std::string prefix = referencePrefix(line);
        EXPECT_FALSE(prefix.empty()) << line;
        EXPECT_FALSE(prefixSortsAfter(previousPrefix, prefix)) << "out of order: " << line;
        EXPECT_FALSE(trim(mid(line, 13, 36)).empty()) << "no name: " << line;
        previousPrefix = prefix;
    }
    EXPECT_EQ(deleted, 62);
}

TEST(DeliveredData, ZoneFileListsTheFortyZonesInOrder) {
    const auto lines = deliveredLines("zefirant_zones.mtb");
    ASSERT_EQ(lines.size(), 40u);
    for (int zone = 1; zone <= 40; ++zone) {
        const std::string& line = lines[static_cast<std::size_t>(zone - 1)];
        EXPECT_EQ(parseInteger(trim(mid(line, 7, 11))), zone) << line;
        EXPECT_FALSE(trim(tail(line, 13)).empty()) << "no example prefixes: " << line;
    }
}

TEST(DeliveredData, AboutPictureIsAJpeg) {
    const std::string bytes = deliveredBytes("zefirant.jpg");
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9");
}

} // namespace
} // namespace zef
