// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tests fail on time only to catch a hang. Speed is the benchmarks' business:
// a busy machine runs anything several times slower than an idle one, and a
// sanitized build slower again.

#include <chrono>

namespace zef::test {

inline constexpr std::chrono::milliseconds kHangGuard = std::chrono::seconds(60);

} // namespace zef::test
