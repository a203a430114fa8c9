// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the display settings change in the main window: the grid's colours,
// font and row height, and the window's width. The main window answers; the
// display commands and dialogs are handed it, never the window itself.

class QFont;

namespace zef {

class GridDisplay {
public:
    virtual ~GridDisplay() = default;

    // Shows the grid again, in the row colours as they now stand.
    virtual void repaintGrid() = 0;
    virtual void setGridFont(const QFont& font) = 0;
    virtual int gridRowHeight() const = 0;
    virtual void setGridRowHeight(int height) = 0;
    // Asks for the window's present width plus `correction`, through the
    // resize rule.
    virtual void correctWidth(int correction) = 0;
};

} // namespace zef
