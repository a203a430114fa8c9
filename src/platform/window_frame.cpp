// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_frame.h"

#include "platform/x11.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <xcb/xcb.h>

namespace zef {

namespace {

// The Motif window manager hints, as window managers read them to this day.
constexpr std::uint32_t kFunctionsGiven = 1;
constexpr std::uint32_t kDecorationsGiven = 2;
constexpr std::uint32_t kResize = 2;
constexpr std::uint32_t kMove = 4;
constexpr std::uint32_t kBorder = 2;
constexpr std::uint32_t kResizeHandles = 4;
constexpr std::uint32_t kTitle = 8;
constexpr std::string_view kHintsName = "_MOTIF_WM_HINTS";

} // namespace

void askForFrameWithoutButtons(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr)
        return;
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(
        connection, 0, static_cast<std::uint16_t>(kHintsName.size()), kHintsName.data());
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (atom == nullptr)
        return;
    // Qt writes its own hints when the window is shown; these replace them.
    const std::array<std::uint32_t, 5> hints{kFunctionsGiven | kDecorationsGiven, kResize | kMove,
                                             kBorder | kResizeHandles | kTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), atom->atom, atom->atom, 32,
                        static_cast<std::uint32_t>(hints.size()), hints.data());
    xcb_flush(connection);
    std::free(atom);
}

} // namespace zef
