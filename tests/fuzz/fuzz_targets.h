// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fuzz targets: each takes arbitrary bytes as the content of one file the
// program reads, runs them through the reading code and what the program
// does next with the result, and aborts on a broken promise. The libFuzzer
// executables and the corpus replay test call the same functions.

#include <span>
#include <string_view>

namespace zef::fuzz {

using Entry = void (*)(std::string_view bytes);

struct Target {
    std::string_view name; // also the name of its corpus folder
    Entry entry;
};

// An ADIF file imported into a station's tables.
void adifImport(std::string_view bytes);
// A station data file loaded, reconciled with the entity list and saved.
void stationFile(std::string_view bytes);
// An entity reference file as New, the reconciliation and the editor read it.
void entityReference(std::string_view bytes);
// A zone reference file as New reads it, then used by an import.
void zoneReference(std::string_view bytes);
// A settings file read at start-up and written at close.
void settings(std::string_view bytes);

// Every target.
std::span<const Target> targets();
// The target of that name, or nullptr.
const Target* findTarget(std::string_view name);

} // namespace zef::fuzz
