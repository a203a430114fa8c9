// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/adif_origin.h"

#include "core/file_io.h"
#include "core/text.h"
#include "core/text_file.h"
#include "import/adif_record.h"

#include <map>

#include <algorithm>

namespace zef {

namespace {
constexpr std::size_t kHeadBytes = 64 * 1024;
constexpr std::size_t kTailBytes = 256;
constexpr std::size_t kRecordBytes = 1 << 20;
} // namespace

bool looksLikeLotwReport(std::string_view text) {
    const std::string lowered = lowerAscii(text);
    return lowered.find("<app_lotw_") != std::string::npos ||
           lowered.find("arrl logbook of the world status report") != std::string::npos;
}

std::vector<std::pair<std::string, int>> ownCallsOf(std::string_view adif) {
    std::map<std::string, int> counts;
    std::string record;
    forEachLine(adif, LineEnds::LfOnly, [&](std::string_view line) {
        // What never ends as a record is not one; its own call is not wanted.
        if (record.size() < kRecordBytes)
            appendLowered(record, line);
        if (!closesWithTag(line, "eor"))
            return;
        if (const auto own = readOwnCall(record))
            ++counts[*own];
        record.clear();
    });
    std::vector<std::pair<std::string, int>> calls(counts.begin(), counts.end());
    std::stable_sort(calls.begin(), calls.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return calls;
}

bool isLotwReportFile(const QString& path) {
    InputFile file(path);
    std::string head(std::min(file.size(), kHeadBytes), '\0');
    head.resize(file.read(head.data(), head.size()));
    if (looksLikeLotwReport(head))
        return true;
    if (file.size() <= kHeadBytes)
        return false;
    // The end marker closes every whole report, however long.
    std::string tail(kTailBytes, '\0');
    tail.resize(file.readAt(file.size() - kTailBytes, tail.data(), tail.size()));
    return looksLikeLotwReport(tail);
}

} // namespace zef
