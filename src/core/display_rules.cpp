// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display_rules.h"

#include "core/text.h"

#include <algorithm>
#include <limits>

namespace zef {

namespace {

// The widest window X11 and Qt accept (QWIDGETSIZE_MAX).
constexpr long long kWidestWindow = (1 << 24) - 1;

} // namespace

ColourValue colourValue(int red, int green, int blue) {
    const auto part = [](int v) { return static_cast<ColourValue>(std::clamp(v, 0, 255)); };
    return part(red) | (part(green) << 8) | (part(blue) << 16);
}

int colourRed(ColourValue value) {
    return static_cast<int>(value & 0xFF);
}

int colourGreen(ColourValue value) {
    return static_cast<int>((value >> 8) & 0xFF);
}

int colourBlue(ColourValue value) {
    return static_cast<int>((value >> 16) & 0xFF);
}

int allowedMainWindowWidth(long long columnSum, long long widthCorrection) {
    const long long width = columnSum + kMainWindowWidthAllowance + widthCorrection;
    return static_cast<int>(std::clamp<long long>(width, kMainWindowMinimumWidth, kWidestWindow));
}

int boundedWindowPosition(int position) {
    return static_cast<int>(std::clamp<long long>(position, -kWidestWindow, kWidestWindow));
}

QPoint reachablePosition(QPoint wanted, QSize size, const QRect& screen) {
    const int across = std::min(kReachableWidth, size.width());
    const int left = std::clamp(wanted.x(), screen.left() - size.width() + across,
                                std::max(screen.left(), screen.right() + 1 - across));
    const int top = std::clamp(wanted.y(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - kReachableWidth));
    return {left, top};
}

int saturatedWidth(long long width) {
    return static_cast<int>(std::clamp<long long>(width, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

StatusPanelWidths statusPanelWidths(int widthBefore) {
    StatusPanelWidths widths;
    const int quarter = std::max(0, widthBefore) / 4;
    const int eighth = std::max(0, widthBefore) / 8;
    widths.upper = {quarter, quarter, quarter, quarter};
    widths.lower = {3 * quarter, eighth, eighth};
    return widths;
}

int boundedRowHeight(int height) {
    return std::clamp(height, kMinimumRowHeight, kMaximumRowHeight);
}

int widthCorrectionFromText(std::string_view text) {
    const auto value = parseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(*value);
}

QString versionLine(const Version& version) {
    return QStringLiteral("Wersja %1.%2.%3")
        .arg(version.major)
        .arg(version.minor)
        .arg(version.release);
}

} // namespace zef
