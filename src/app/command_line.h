// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: one plain argument opens the window program on
// that station data file; the options run a command without any window.

#include "core/summary_counts.h"
#include "import/import_options.h"
#include "platform/system.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zef {

enum class CommandKind {
    Window,     // the windows, with or without a station data file
    Import,     // --import LOG.adi [--source ...] [--priority ...] STATION.csv
    Summary,    // --summary [--mode ...] STATION.csv
    PrintPdf,   // --print-pdf OUT.pdf STATION.csv
    Chart,      // --chart OUT.png|OUT.svg|OUT.pdf|OUT.csv [--mode ...] STATION.csv
    LotwSync,   // --lotw-sync STATION.csv [--login ...] [--priority ...] [--since ...] ...
    History,    // --history STATION.csv
    Restore,    // --restore STATION.csv N
    Help,       // --help
    Version,    // --version
    WrongUsage, // anything else
};

struct LotwSyncOptions {
    QString login;           // empty: the station data file's callsign, else the settings'
    QString passwordFile;    // empty: the password comes from the environment
    QString since;           // "rrrr-mm-dd"; empty: the date of the last sync
    int timeoutSeconds = 60; // without data for this long, the download fails
    int maxSeconds = 1800;   // the download fails when it takes longer as a whole
    QStringList ownCalls;    // upper case; empty: the records of every own call
};

struct CommandLine {
    CommandKind kind = CommandKind::Window;
    std::optional<QString> parameter; // Window: the station data file, as given
    QString stationPath;
    QString adifPath;            // Import
    QString pdfPath;             // PrintPdf
    QString chartPath;           // Chart
    ImportOptions importOptions; // Import; LotwSync: the priority
    bool sourceChosen = false;   // Import: --source was given
    int copyNumber = 0;          // Restore: as --history numbers the copies, 1 the newest
    LotwSyncOptions lotwSync;
    SummaryMode summaryMode = SummaryMode::AllConfirmed; // Summary, Chart
    QString problem;                                     // WrongUsage: what was wrong, one line
};

// Reads the arguments after the program's name. A first argument that is not
// an option keeps the window program's parameter mode as it always was (the
// first parameter counts, later ones are ignored).
CommandLine parseCommandLine(const QStringList& arguments);

// The forms of the command line, for standard error after wrong usage.
QString usageText();
// The usage with what each command does, for --help.
QString helpText();
// "Zefirant Wersja 1.0.0": the about window's version line.
QString versionText(const Version& version);

} // namespace zef
