// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display_rules.h"

#include <climits>
#include <gtest/gtest.h>

#include <limits>
#include <vector>

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

TEST(DisplayRules, AWindowIsKeptWithinReachOfTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(437, 225);
    const std::vector<std::pair<QPoint, QPoint>> cases{
        {{345, 211}, {345, 211}},       // where it was left: unchanged
        {{-300, 50}, {-300, 50}},       // partly off the left edge, still reachable
        {{32767, -32767}, {1820, 0}},   // an edited file
        {{-32767, 32767}, {-337, 980}}, // the other corner
    };
    for (const auto& [wanted, placed] : cases)
        EXPECT_EQ(reachablePosition(wanted, size, screen), placed)
            << wanted.x() << "," << wanted.y();
    // A second screen to the left keeps its own coordinates.
    EXPECT_EQ(reachablePosition({-5000, 10}, size, QRect(-1280, 0, 1280, 1024)), QPoint(-1617, 10));
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
