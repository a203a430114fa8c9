// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program's dialogs stand: the buttons their frame offers and their
// place over the window they belong to.

class QWidget;

namespace zef {

// The title bar's buttons of a dialog; the menu is the window menu.
enum class FrameButtons {
    None,
    Close,
    MenuAndClose,
    MenuMinimiseAndClose,
};

// A dialog frame with a title bar and just these buttons.
void setDialogFrame(QWidget& dialog, FrameButtons buttons);

// Centres `window` over `owner`'s frame.
void centreOver(QWidget& window, const QWidget& owner);

} // namespace zef
