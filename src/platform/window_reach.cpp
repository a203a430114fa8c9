// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_reach.h"

#include "core/display_rules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zef {

void keepWithinReach(QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QPoint place =
        reachablePosition(frame.topLeft(), frame.size(), screen->availableGeometry());
    if (place != frame.topLeft())
        window.move(place);
}

} // namespace zef
