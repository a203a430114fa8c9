// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders of award tables for the grid tests: entities by their reference
// fields and band slots by their four values.

#include "core/award_tables.h"
#include "core/text.h"
#include "support/test_folder.h"

#include <string>

namespace zef::test {

// Entity row r; the name is given in UTF-8.
inline void putEntity(AwardTables& t, int r, int number, const std::string& prefix,
                      const std::string& name, bool deleted = false) {
    t.entities[r][0] = referenceLine(number, deleted, prefix, cp(name));
}

inline void putSlot(Row& row, int band, const std::string& call, const std::string& confirmation,
                    const std::string& verified) {
    row[callSlot(band)] = call;
    row[qsoDateSlot(band)] = call.empty() ? "" : "2023-05-01";
    row[confirmationSlot(band)] = confirmation;
    row[verificationSlot(band)] = verified;
}

// n entities in prefix order ("P001", "P002", ...), ADIF numbers 1..n.
inline AwardTables stationWithEntities(int n) {
    AwardTables t;
    for (int r = 1; r <= n; ++r) {
        const std::string digits = std::to_string(r);
        putEntity(t, r, r, "P" + std::string(3 - digits.size(), '0') + digits, "Entity " + digits);
    }
    return t;
}

// All 40 zones, zone z with example prefixes "Z<z>".
inline void putZones(AwardTables& t) {
    for (int z = 1; z <= kZoneRows; ++z)
        t.zones[z][0] = zoneFileLine(z, "Z" + std::to_string(z));
}

} // namespace zef::test
