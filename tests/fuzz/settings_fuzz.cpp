// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file read at start-up, then written at close into the same
// file (which keeps its other lines) and read again at the next start.

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

#include "core/settings.h"

#include <string>

namespace zef::fuzz {

namespace {

// The values that must come back exactly. Texts are left out: a read
// trims and unquotes, and file names pass through the code page.
std::string numbers(const Settings& s) {
    std::string text;
    auto add = [&text](const char* name, long long value) {
        text += name;
        text += '=';
        text += std::to_string(value);
        text += ' ';
    };
    add("size", s.fontSize);
    add("bold", s.fontBold);
    add("confirmed", s.colours.confirmed);
    add("verified", s.colours.verified);
    add("deleted", s.colours.deleted);
    add("other", s.colours.other);
    for (int width : s.columnWidths)
        add("width", width);
    add("rowHeight", s.rowHeight);
    add("left", s.left);
    add("top", s.top);
    add("height", s.height);
    add("windowWidth", s.width);
    add("correction", s.widthCorrection);
    add("summaryLeft", s.summaryLeft);
    add("summaryTop", s.summaryTop);
    add("summaryWidth", s.summaryWidth);
    add("summaryHeight", s.summaryHeight);
    add("hideDeleted", s.hideDeleted);
    add("view", static_cast<int>(s.view));
    return text;
}

Settings startUp(const ProfileFile& ini) {
    Settings s = readSettings(ini, Settings{});
    readSummaryGeometry(ini, s);
    return s;
}

} // namespace

void settings(std::string_view bytes) {
    const ProfileFile ini(writeScratchFile(QStringLiteral("zefirant.ini"), bytes));
    const Settings first = startUp(ini);
    // Parameter mode (no "Plik") follows from the length, so the bytes stay the file.
    writeSettings(ini, first, bytes.size() % 2 == 1, "sp9xyz@example.org");
    const Settings next = startUp(ini);
    if (numbers(first) != numbers(next))
        fail("settings written at close read back differently",
             "read: " + numbers(first) + "\nback: " + numbers(next));
}

} // namespace zef::fuzz
