// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/award_tables.h"

#include <memory>

namespace zef::bench {

// A full station in a realistic mix, the same for every benchmark: 500
// entities in prefix order with varied names (some deleted), about half the
// band slots worked, a third of those verified, some verification dates
// without a call, and 40 zones mostly worked. QSO dates spread over 1998 to
// 2025 (a few missing), verifications in rounds twice a year.
std::unique_ptr<AwardTables> fullStation();

} // namespace zef::bench
