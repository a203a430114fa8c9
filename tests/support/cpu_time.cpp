// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cpu_time.h"

#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>
#include <iostream>

namespace zef::test {

namespace {

std::chrono::nanoseconds threadCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

} // namespace

std::chrono::nanoseconds leastCpuTime(const std::function<void()>& work, int runs) {
    auto least = std::chrono::nanoseconds::max();
    for (int i = 0; i < runs; ++i) {
        const auto start = threadCpuTime();
        work();
        least = std::min(least, threadCpuTime() - start);
    }
    return least;
}

void expectGrowthBelow(std::chrono::nanoseconds smaller, std::chrono::nanoseconds larger, int limit,
                       const std::string& what) {
    using Ms = std::chrono::duration<double, std::milli>;
    std::cout << "[   time   ] " << what << ": " << Ms(smaller).count() << " ms, then "
              << Ms(larger).count() << " ms\n";
    EXPECT_LT(larger, limit * smaller) << what;
}

} // namespace zef::test
