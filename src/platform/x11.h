// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The X server's connection, for the few things Qt does not ask of it.

struct xcb_connection_t;

namespace zef {

// The connection when the program runs on an X server, else null (the
// offscreen platform, Wayland).
xcb_connection_t* x11Connection();

} // namespace zef
