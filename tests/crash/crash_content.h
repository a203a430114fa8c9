// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contents the crash tests save again and again: every version differs
// in every line, so a file mixed from two versions or cut short is never
// taken for a whole one.

#include <string>
#include <vector>

namespace zef::crash {

// Lines of the station data file at save number `version`: all 500 entity
// rows and 40 zones with every band slot filled, as the program writes them.
std::vector<std::string> stationVersion(int version);

// Lines of the entity reference file at save number `version`.
std::vector<std::string> entityVersion(int version);

// The bytes the program's writer makes of `lines`.
std::string fileBytes(const std::vector<std::string>& lines);

} // namespace zef::crash
