// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a file again and again with the program's own save functions until
// it is killed; the crash tests kill it at random moments.
//
//   crash_saver station <file> <first version> [<saves>]
//   crash_saver entity <folder ending in "/"> <first version> [<saves>]
//
// Without a number of saves it goes on until it is killed.
// After each complete save it reports "saved <version>" on its output, one
// unbuffered write per line, so the report of a finished save is never lost.

#include "core/file_attributes.h"
#include "core/reference_files.h"
#include "core/text_file.h"
#include "crash/crash_content.h"

#include <QString>
#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

void report(const std::string& text) {
    const std::string line = text + "\n";
    if (::write(STDOUT_FILENO, line.data(), line.size()) < 0)
        std::_Exit(3);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5)
        return 2;
    const std::string mode = argv[1];
    const QString path = QString::fromLocal8Bit(argv[2]);
    int version = std::atoi(argv[3]);
    const int last = argc == 5 ? version + std::atoi(argv[4]) - 1 : INT_MAX;
    report("started");
    for (; version <= last; ++version) {
        if (mode == "station") {
            zef::writeLines(path, zef::crash::stationVersion(version));
        } else if (mode == "entity") {
            zef::replaceEntityFileWithBackup(path, zef::crash::entityVersion(version));
            zef::setReadOnly(path + zef::kEntityFileName);
        } else {
            return 2;
        }
        report("saved " + std::to_string(version));
    }
    return 0;
}
