// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11.h"

#include <QGuiApplication>

namespace zef {

xcb_connection_t* x11Connection() {
    // The offscreen platform offers the same interface without a connection.
    if (qGuiApp == nullptr || QGuiApplication::platformName() != QStringLiteral("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

} // namespace zef
