// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading one ADIF record the import's way: a fixed set of substring searches
// over the record text (the record's lines lower-cased and joined), not a
// general ADIF parser. The quirks (one-digit lengths, first occurrence only,
// exact confirmation substrings) are what stored logs have always been read
// with. No reader here ever looks past the end of the text.

#include <optional>
#include <string>
#include <string_view>

namespace zef {

inline constexpr std::string_view kDxccTag = "<dxcc:";
inline constexpr std::string_view kCqzTag = "<cqz:";

// True when the three characters before the line's last one are `tag`
// ("eoh" or "eor") in any case; a line shorter than four characters is
// tested on its first three. So the tag must close its line.
bool closesWithTag(std::string_view line, std::string_view tag);

// Appends `line` to `text` with ASCII letters lower-cased.
void appendLowered(std::string& text, std::string_view line);

// Positions (0-based) of the first occurrence of each tag the import reads,
// npos when absent, and the two confirmation flags.
struct RecordTags {
    std::size_t band = std::string_view::npos;
    std::size_t dxcc = std::string_view::npos;
    std::size_t cqz = std::string_view::npos;
    std::size_t call = std::string_view::npos;
    std::size_t qsoDate = std::string_view::npos;
    bool qsl = false;  // "<qsl_rcvd:1>" followed by y, s, v, e, b or m
    bool lotw = false; // "<lotw_qsl_rcvd:1>" followed by y, s or v
};

// One pass over a lower-cased record text.
RecordTags scanRecord(std::string_view text);

// The entity or zone number of the tag at `tag` (kDxccTag or kCqzTag, of
// `tagLength` characters): one-digit length, value right after the bracket.
// Nothing when unusable: length or value not a number, value cut short by
// the end of the text, or the value 0.
std::optional<long long> readAreaNumber(std::string_view text, std::size_t tag,
                                        std::size_t tagLength);

struct BandReading {
    enum Kind {
        Absent,      // no "<band:" tag: the record is silently not placed
        Unreadable,  // the length is not a digit or the text ends within the
                     // value: the record cannot be placed
        NotWhole,    // the value is not a whole number: a band entry
        OtherNumber, // a whole number other than the five bands: ignored
        Slot,        // one of the five bands, in `band` (0 = 80 m ... 4 = 10 m)
    };
    Kind kind = Absent;
    int band = -1;
};

// The band of the "<band:" tag at `tag` (npos for none). The first "cm" of the
// value is removed, else its first "m", and the rest read as a whole number.
BandReading readBand(std::string_view text, std::size_t tag);

// The call of the "<call:" tag at `tag`, upper-cased. Length of one digit when
// the bracket follows it, else of two digits. Nothing when the tag is absent,
// the length is not a number, the text ends within the call, or the call is
// empty. A length that runs past the value takes what follows, tags and
// control bytes included: storableCall tells whether a slot can hold it.
std::optional<std::string> readCall(std::string_view text, std::size_t tag);

// The own call a record was made under: its STATION_CALLSIGN, else its
// APP_LOTW_OWNCALL (a LoTW report's), upper-cased; read as ADIF writes any
// field, with a length of any number of digits and an optional type.
std::optional<std::string> readOwnCall(std::string_view text);

// True when a slot can hold the call: no ";" (it separates the station data
// file's fields) and no control byte (a CR or LF would split its line when
// the file is read again, a NUL cut it).
bool storableCall(std::string_view call);

// The QSO date of the "<qso_date:" tag at `tag` as "yyyy-mm-dd": the eight
// characters after the first closing bracket. Nothing when the tag or the
// bracket is absent or those characters are not eight digits.
std::optional<std::string> readQsoDate(std::string_view text, std::size_t tag);

} // namespace zef
