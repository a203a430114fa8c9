// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules behind the display settings that need no widget: colour values,
// the main window's allowed width, the status bar panel widths, the bounds of
// the row height and width correction, and the about window's version line.

#include "core/app_state.h"
#include "core/version.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <string_view>

namespace zef {

// The colour value (0x00BBGGRR) of a red, green and blue each 0..255.
ColourValue colourValue(int red, int green, int blue);
// The parts of a colour value; a high byte set in it is ignored.
int colourRed(ColourValue value);
int colourGreen(ColourValue value);
int colourBlue(ColourValue value);

// The narrowest the main window may be, whatever its columns.
inline constexpr int kMainWindowMinimumWidth = 425;
// What the window adds to its grid's columns: frame, scroll bar and margins.
inline constexpr int kMainWindowWidthAllowance = 36;

// The one width the main window may take: the grid's column sum + 36 + the
// width correction, kept within what a window can be (the narrowest width
// above, the widest a window system takes) so no correction can break it.
int allowedMainWindowWidth(long long columnSum, long long widthCorrection);

// A window position read from the settings file, kept within the widest
// window's size of the origin: any position a screen uses is, and no
// geometry computed from it (an edge, a centre) can overflow an int.
int boundedWindowPosition(int position);

// How much of a window stays over the screen, at the least, across.
inline constexpr int kReachableWidth = 100;

// Where a window of `size` (its frame) that would stand at `wanted` is put
// so that the user can reach it on the screen area `screen`: its top edge on
// the screen and at least kReachableWidth of it over the screen across,
// moved no more than that needs. A hand-edited settings file, or one carried
// over from a larger display, must not put a window out of reach.
QPoint reachablePosition(QPoint wanted, QSize size, const QRect& screen);

// A width computed in a wider type, brought into the range of an int, so a
// request of present width + correction cannot overflow.
int saturatedWidth(long long width);

// Panel widths of the two status bars laid out for a window `widthBefore`
// wide: the four upper panels a quarter each; the lower bar's first panel
// as wide as the first three upper ones, its other two an eighth each.
struct StatusPanelWidths {
    std::array<int, 4> upper{};
    std::array<int, 3> lower{};
};
StatusPanelWidths statusPanelWidths(int widthBefore);

inline constexpr int kMinimumRowHeight = 1;
inline constexpr int kMaximumRowHeight = 99;
// A row height within the bounds the row height dialog offers.
int boundedRowHeight(int height);

// The correction a text of the correction field stands for: a whole number
// that fits an int, anything else 0.
int widthCorrectionFromText(std::string_view text);

// "Wersja " + major.minor.release; the build number is not shown.
QString versionLine(const Version& version);

} // namespace zef
