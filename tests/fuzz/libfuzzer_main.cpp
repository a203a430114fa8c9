// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer entry of one target, chosen at build time by ZEFIRANT_FUZZ_TARGET.

#include "fuzz/fuzz_targets.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
const zef::fuzz::Target* target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    target = zef::fuzz::findTarget(ZEFIRANT_FUZZ_TARGET);
    if (target == nullptr) {
        std::fprintf(stderr, "unknown fuzz target %s\n", ZEFIRANT_FUZZ_TARGET);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    target->entry(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
