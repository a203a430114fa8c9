// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's version as the about window and --version show it.

namespace zef {

struct Version {
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;
};

} // namespace zef
