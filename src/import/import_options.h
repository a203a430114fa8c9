#pragma once
// The two choices of the import dialog, kept for the whole run.

namespace zef {

// Where the ADIF file comes from.
enum class ImportSource { Log, Lotw };

// Which confirmation wins when both kinds compete for one slot.
enum class ImportPriority { LogQsl, Lotw };

struct ImportOptions {
    ImportSource source = ImportSource::Log;
    ImportPriority priority = ImportPriority::LogQsl;
};

} // namespace zef
