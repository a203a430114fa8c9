// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window asks of the window manager for its frame.

class QWidget;

namespace zef {

// Asks for a frame with a title bar and a border but no system menu and no
// buttons, on a shown window. Qt asks only that the window be not closed,
// minimised or maximised, which some window managers read for the buttons
// and others ignore; the decorations are asked for besides. A window
// manager may draw its buttons all the same.
void askForFrameWithoutButtons(QWidget& window);

} // namespace zef
