// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a scratch folder for targets that read through a path,
// fixed stations built from the delivered reference files, and the check
// that a station data file written from the tables loads back unchanged.

#include "core/award_tables.h"

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace zef::fuzz {

// Path of `name` in this process's scratch folder.
QString scratchPath(const QString& name);
// Writes `bytes` as the whole content of `name` in the scratch folder.
QString writeScratchFile(const QString& name, std::string_view bytes);

// Reports a broken promise on stderr and aborts, so the fuzzer keeps the input.
[[noreturn]] void fail(std::string_view what, std::string_view detail = {});

// The delivered entity list as the reconciliation reads it.
const std::vector<std::string>& deliveredReferenceLines();

// A station as New makes it from both delivered files, with band slots of
// every kind filled in a fixed pattern so that imports also meet filled slots.
const AwardTables& deliveredStation();
// The same with only its first 24 entity rows, for targets that insert rows.
const AwardTables& smallStation();

// Aborts unless the row, written as a line of the station data file, loads
// back as the same row.
void expectRowLoadsBack(const Row& row);

// Aborts unless the station data file written from `tables` loads back into
// the same occupied entity rows, in order, and the same 40 zone rows.
void expectSaveLoadsBack(const AwardTables& tables);

} // namespace zef::fuzz
