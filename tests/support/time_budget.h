#pragma once

#include <chrono>

namespace zef::test {

// A sanitized build runs several times slower than a plain one; budgets that
// only guard against hangs and quadratic work grow with it.
inline std::chrono::milliseconds timeBudget(std::chrono::milliseconds plain) {
#if defined(ZEFIRANT_TESTS_SANITIZED)
    return plain * 8;
#else
    return plain;
#endif
}

} // namespace zef::test
