// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How work grows, measured in the processor time of the calling thread: time
// the thread waits for a busy processor is not counted, so two sizes' times
// can be compared on any machine.

#include <chrono>
#include <functional>
#include <string>

namespace zef::test {

// The least processor time of `runs` runs of `work`.
std::chrono::nanoseconds leastCpuTime(const std::function<void()>& work, int runs = 3);

// Checks that `larger` took less than `limit` times `smaller`, and writes
// both times into the test's output.
void expectGrowthBelow(std::chrono::nanoseconds smaller, std::chrono::nanoseconds larger, int limit,
                       const std::string& what);

} // namespace zef::test
