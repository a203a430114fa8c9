// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/fuzz_targets.h"

#include <array>

namespace zef::fuzz {

namespace {
constexpr std::array<Target, 5> kTargets{{
    {"adif_import", adifImport},
    {"station_file", stationFile},
    {"entity_reference", entityReference},
    {"zone_reference", zoneReference},
    {"settings", settings},
}};
} // namespace

std::span<const Target> targets() {
    return kTargets;
}

const Target* findTarget(std::string_view name) {
    for (const auto& target : kTargets)
        if (target.name == name)
            return &target;
    return nullptr;
}

} // namespace zef::fuzz
