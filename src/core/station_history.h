// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The copies of a station data file that the program keeps before it
// replaces the file (a save in the window, an import, a LoTW sync), each with
// what made the change, so that a wrong import can be taken back. The
// newest kKeptCopies per station data file are kept, in a folder of their
// own named after the file and its full path.

#include "core/program_files.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

// What replaced a copy's content.
struct StationChange {
    QString madeBy; // the log's file name, "LoTW", "zapis w oknie", ...
    int slotsChanged = 0;
    int pointsAfter = 0; // the summary's points of all confirmed slots
};

struct HistoryEntry {
    QString copyFile; // its file name in the station's folder of copies
    QDateTime when;
    StationChange change;
};

class StationHistory {
public:
    static constexpr int kKeptCopies = 20;

    // `copiesRoot`: the folder holding every station's folder of copies.
    StationHistory(const QString& copiesRoot, const QString& stationPath);

    // The station's folder of copies.
    const QString& folder() const { return folder_; }
    // Newest first; empty when none was kept. Throws FileError when the
    // index cannot be read.
    std::vector<HistoryEntry> entries() const;
    // The content of a copy. Throws FileError.
    std::string content(const HistoryEntry& entry) const;

    // Keeps `replaced`, the content the change is about to replace, as the
    // newest copy; the oldest beyond kKeptCopies go. The station data file's
    // lock must be held. Throws FileError.
    void keep(std::string_view replaced, const StationChange& change, const QDateTime& when) const;

private:
    void writeIndex(const std::vector<HistoryEntry>& entries) const;

    QString folder_;
};

// Where the program keeps its copies: the per-user data folder of an
// installed program, beside the program in a portable one.
StationHistory stationHistory(const ProgramFiles& files, const QString& stationPath);

// The station data file replaced by `bytes`, what it held kept first in
// `history` when it existed, with the change `describe` makes of it. Its
// lock must be held. Throws FileError.
void replaceStationFile(const QString& path, std::string_view bytes, const StationHistory& history,
                        const std::function<StationChange(std::string_view replaced)>& describe);

} // namespace zef
