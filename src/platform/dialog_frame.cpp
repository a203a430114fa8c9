// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_frame.h"

#include <QWidget>

namespace zef {

void setDialogFrame(QWidget& dialog, FrameButtons buttons) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (buttons == FrameButtons::MenuAndClose || buttons == FrameButtons::MenuMinimiseAndClose)
        flags |= Qt::WindowSystemMenuHint;
    if (buttons == FrameButtons::MenuMinimiseAndClose)
        flags |= Qt::WindowMinimizeButtonHint;
    if (buttons != FrameButtons::None)
        flags |= Qt::WindowCloseButtonHint;
    dialog.setWindowFlags(flags);
}

void centreOver(QWidget& window, const QWidget& owner) {
    window.move(owner.frameGeometry().center() - window.rect().center());
}

} // namespace zef
