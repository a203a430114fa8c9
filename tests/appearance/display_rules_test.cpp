#include "appearance/display_rules.h"

#include <climits>
#include <gtest/gtest.h>

#include <limits>

namespace zef {
namespace {

TEST(DisplayRules, ColourValuesAreRedInTheLowByte) {
    EXPECT_EQ(colourValue(255, 213, 170), 11195903u);
    EXPECT_EQ(colourValue(196, 255, 196), 12910532u);
    const ColourValue deleted = RowColours{}.deleted;
    EXPECT_EQ(colourRed(deleted), 192);
    EXPECT_EQ(colourGreen(deleted), 192);
    EXPECT_EQ(colourBlue(deleted), 192);
    // A stored value with its high byte set still gives its colour.
    const ColourValue flagged = 0x80000000u | colourValue(1, 2, 3);
    EXPECT_EQ(colourValue(colourRed(flagged), colourGreen(flagged), colourBlue(flagged)),
              colourValue(1, 2, 3));
}

TEST(DisplayRules, AllowedWidthIsColumnsPlus36PlusCorrectionWithinWindowLimits) {
    const long long designed = 35 + 12 + 48 + 167 + 85 + 147 + 74 + 68;
    EXPECT_EQ(allowedMainWindowWidth(designed, 0), 672);
    EXPECT_EQ(allowedMainWindowWidth(designed, 10), 682);
    EXPECT_EQ(allowedMainWindowWidth(designed, -5), 667);
    // No correction can make the window narrower than its least width, or
    // wider than a window can be, or overflow on the way.
    EXPECT_EQ(allowedMainWindowWidth(designed, -1000), kMainWindowMinimumWidth);
    EXPECT_EQ(allowedMainWindowWidth(designed, std::numeric_limits<int>::max()), (1 << 24) - 1);
    EXPECT_EQ(allowedMainWindowWidth(designed, std::numeric_limits<int>::min()),
              kMainWindowMinimumWidth);
    EXPECT_EQ(saturatedWidth(672LL + std::numeric_limits<int>::max()),
              std::numeric_limits<int>::max());
}

TEST(DisplayRules, WindowPositionsStayWhereGeometryCannotOverflow) {
    EXPECT_EQ(boundedWindowPosition(322), 322);
    EXPECT_EQ(boundedWindowPosition(-1200), -1200);
    EXPECT_EQ(boundedWindowPosition(INT_MAX), 16777215);
    EXPECT_EQ(boundedWindowPosition(INT_MIN), -16777215);
}

TEST(DisplayRules, CorrectionTextThatIsNoWholeIntCountsAsZero) {
    EXPECT_EQ(widthCorrectionFromText("-12"), -12);
    EXPECT_EQ(widthCorrectionFromText("10"), 10);
    for (const char* notANumber : {"", "-", "1-", "abc", "99999999999"})
        EXPECT_EQ(widthCorrectionFromText(notANumber), 0) << notANumber;
}

TEST(DisplayRules, VersionLineLeavesOutTheBuild) {
    EXPECT_EQ(versionLine(Version{3, 0, 1, 0}), QStringLiteral("Wersja 3.0.1"));
    EXPECT_EQ(versionLine(Version{1, 12, 0, 44}), QStringLiteral("Wersja 1.12.0"));
}

} // namespace
} // namespace zef
