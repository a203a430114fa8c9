// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows placed from the settings file stay within the user's reach.

class QWidget;

namespace zef {

// Moves `window` onto the screen it stands on (the nearest, else the
// primary one) by reachablePosition.
void keepWithinReach(QWidget& window);

} // namespace zef
