// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The import benchmarks' input: a log as a LoTW download writes it, and the
// station it is imported into.

#include <QString>

namespace zef::bench {

inline constexpr int kLogRecords = 100'000;

// Writes `records` records: every tenth is unconfirmed, and another tenth
// names an entity that no station holds (listed as unplaceable).
void writeLotwLog(const QString& path, int records = kLogRecords);

// Writes the band slots of fullStation() as a station data file whose entity
// and zone lines are those of the reference files in `programDir`, so that
// the program finds nothing to reconcile.
void writeFullStation(const QString& path, const QString& programDir);

} // namespace zef::bench
