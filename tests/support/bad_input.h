// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spoilt files: valid content broken in the ways a file on disk can be, and
// the checks that what the program keeps and writes afterwards is sound.

#include "core/award_tables.h"
#include "support/scripted_dialogs.h"

#include <string>
#include <vector>

namespace zef::test {

struct BadInput {
    std::string name;
    std::string bytes;
};

inline constexpr std::size_t kLongLineBytes = 10'000'000;

// What the program may find instead of a file: empty, 256 KiB of random
// bytes, one 10 MB line of random bytes, and the valid `utf8Lines` (written
// in windows-1250 with CR LF) with LF alone, with CR alone, with a NUL byte
// in line `target`, in UTF-8 instead of windows-1250, and with line `target`
// 10 MB longer.
std::vector<BadInput> badInputs(const std::vector<std::string>& utf8Lines, std::size_t target);

// `utf8Lines` as a sound file: windows-1250, each line ended by CR LF.
std::string crlf(const std::vector<std::string>& utf8Lines);

// Random bytes without line breaks, the same for the same seed.
std::string randomLine(std::size_t size, unsigned seed);

// Checks that `what` done with `input` ended within the hang guard since the
// clock started (milliseconds), and writes the time into the test's output.
// Work quadratic in a 10 MB line would take hours, so the guard catches it too.
void expectNoHang(long long elapsedMs, const std::string& what, const BadInput& input);

// Writes into the test's output what the program told the user about
// `input` during `what`: each message's caption and first line.
void reportMessages(const std::vector<RecordedMessage>& messages, const std::string& what,
                    const BadInput& input);

// Nothing in the tables can break the station data file: no ";" in slots 0
// to 19 (slot 20 takes what follows the 20th), no line feed in any slot, and
// no entity reference line that begins like the separator line.
void expectStorableTables(const AwardTables& tables);
// True when a field of an occupied row holds a CR, LF or NUL, which the
// station data file's writer refuses.
bool holdsUnwritableField(const AwardTables& tables);

// What a save wrote: the header with the 20 column names, one line per
// occupied entity row, the separator, exactly 40 zone lines, every line with
// 20 ";" (more only where slot 20 holds them), every line ended by CR LF,
// and read back it gives the occupied entity rows and the zone rows of `tables`.
void expectSoundStationFile(const std::string& bytes, const AwardTables& tables);

} // namespace zef::test
