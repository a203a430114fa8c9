// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_error.h"
#include "core/text.h"
#include "core/text_file.h"

#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

TEST(Text, PositionsNeverReachPastTheEnd) {
    EXPECT_EQ(mid("246| |1A0", 7, 11), "1A0");
    EXPECT_EQ(mid("abc", 5, 9), "");
    EXPECT_EQ(mid("abc", 0, 2), "");
    EXPECT_EQ(tail("abc", 4), "");
    EXPECT_EQ(charAt("abc", 4), '\0');
}

TEST(Text, TrimAndCaseAreAsciiOnly) {
    EXPECT_EQ(trim("  SP \t"), "SP");
    const std::string polish = test::cp("żółw Ab");
    EXPECT_EQ(upperAscii(polish), test::cp("żółW AB"));
    EXPECT_EQ(lowerAscii("<QSL_RCVD:1>Y"), "<qsl_rcvd:1>y");
}

TEST(Text, PaddingAndAlignment) {
    EXPECT_EQ(padRight("Military Order of Malta, SMOM", 24), "Military Order of Malta,");
    EXPECT_EQ(padRight("ZZ9", 5), "ZZ9  ");
    EXPECT_EQ(alignRight("5", 3), "  5");
    EXPECT_EQ(alignRight("1234", 3), "234");
    EXPECT_EQ(alignRight("12", 9), "       12");
}

TEST(Text, IntegersAreWholeOrNothing) {
    EXPECT_EQ(parseInteger("291"), 291);
    EXPECT_EQ(parseInteger("-5"), -5);
    EXPECT_EQ(parseInteger("007"), 7);
    EXPECT_FALSE(parseInteger(""));
    EXPECT_FALSE(parseInteger("1.25"));
    EXPECT_FALSE(parseInteger("12a"));
    EXPECT_FALSE(parseInteger("+"));
    EXPECT_FALSE(parseInteger("99999999999999999999999"));
}

TEST(Text, CodePageRoundTrip) {
    ASSERT_TRUE(codePageAvailable());
    EXPECT_EQ(fromQt(QStringLiteral("ś")), "\x9c");
    EXPECT_EQ(toQt(fromQt(QStringLiteral("Zażółć gęślą jaźń"))),
              QStringLiteral("Zażółć gęślą jaźń"));
}

TEST(TextFile, LinesEndWithCrLfOrLf) {
    test::TestFolder folder;
    folder.writeBytes("a.txt", "one\r\ntwo\nthree\r\n\r\nlast");
    EXPECT_EQ(readLines(folder.path("a.txt")),
              (std::vector<std::string>{"one", "two", "three", "", "last"}));
    folder.writeBytes("empty.txt", "");
    EXPECT_TRUE(readLines(folder.path("empty.txt")).empty());
}

TEST(TextFile, LongLinesCrossTheReadBuffer) {
    test::TestFolder folder;
    const std::string big(200000, 'x');
    folder.writeBytes("big.txt", big + "\r\n" + big + "y");
    const auto lines = readLines(folder.path("big.txt"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], big);
    EXPECT_EQ(lines[1], big + "y");
}

TEST(TextFile, WritesCrLfAndAppends) {
    test::TestFolder folder;
    writeLines(folder.path("w.txt"), {"a", "b"});
    AppendingFile appending(folder.path("w.txt"));
    appending.write("c\r\n");
    appending.close();
    EXPECT_EQ(folder.readBytes("w.txt"), "a\r\nb\r\nc\r\n");
}

// Whatever put a CR, LF or NUL into a field, the file is not written: read
// again, that line would come back split or cut.
TEST(TextFile, ALineThatWouldLoadBackSplitOrCutIsNeverWritten) {
    test::TestFolder folder;
    for (const std::string& bad : {std::string("\r"), std::string("\n"), std::string(1, '\0')}) {
        folder.writeBytes("w.txt", "old\r\n");
        try {
            writeLines(folder.path("w.txt"), {"a", "SP1" + bad + "AB;x", "c"});
            FAIL() << "written";
        } catch (const FileError& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("wiersz 2 zawiera znak sterujący")))
                << e.text().toStdString();
            EXPECT_TRUE(e.text().endsWith(QStringLiteral("\nSP1")));
        }
        EXPECT_EQ(folder.readBytes("w.txt"), "old\r\n");
    }
}

// A CR within a line of a file whose lines end at LF is damage, named by its
// line; CR alone as the line end, or before CR LF, is not.
TEST(TextFile, FindsTheLineThatACrWithinItCuts) {
    const std::pair<std::string, std::optional<std::size_t>> cases[] = {
        {"a\r\nb\r\nc\r\n", std::nullopt}, {"a\rb\rc\r", std::nullopt},
        {"a\r\r\nb\r\r\n", std::nullopt},  {"a\r\nb\r", std::nullopt},
        {"a\r\nb1\rb2\r\nc\r\n", 2},       {"a\nb\nc1\rc2\n", 3},
        {"a\r\nb\r\nc1\r", std::nullopt},
    };
    for (const auto& [bytes, line] : cases)
        EXPECT_EQ(lineCutByLoneCr(bytes), line) << bytes;
}

TEST(TextFile, MissingFolderRaisesAFileErrorWithThePath) {
    try {
        writeLines("/nonexistent-folder/x.csv", {"a"});
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.text().contains("/nonexistent-folder/x.csv"));
    }
    EXPECT_THROW(readLines("/nonexistent-folder/x.csv"), FileError);
}

} // namespace
} // namespace zef
