// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Byte-level helpers for windows-1250 text held in std::string. Positions are
// 1-based as in the fixed-column file layouts; nothing here ever reads past
// the end of a string.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace zef {

// Characters from..to (1-based, inclusive) of s; whatever part of that range exists.
std::string mid(std::string_view s, std::size_t from, std::size_t to);
// Everything of s from position `from` (1-based) to its end.
std::string tail(std::string_view s, std::size_t from);
// Character at 1-based position, or '\0' when s is shorter.
char charAt(std::string_view s, std::size_t position);

// Leading and trailing characters up to and including the blank are removed
// (control characters count as blanks, as in the line formats' origin).
std::string trim(std::string_view s);
// The same as a view into s.
std::string_view trimmedView(std::string_view s);
std::string trimRight(std::string_view s);
std::string trimLeft(std::string_view s);

std::string upperAscii(std::string_view s);
std::string lowerAscii(std::string_view s);

// s cut or filled with blanks on the right to exactly `width` characters.
std::string padRight(std::string_view s, std::size_t width);
// s filled with blanks on the left; only its last `width` characters kept.
std::string alignRight(std::string_view s, std::size_t width);

bool startsWith(std::string_view s, std::string_view prefix);
bool isAllDigits(std::string_view s); // false for empty
// True when s holds a control byte (below 0x20, or 0x7F): such text breaks a
// line of the program's files or shows as nothing.
bool holdsControlByte(std::string_view s);

// Whole decimal number with an optional sign and nothing else, or nothing.
std::optional<long long> parseInteger(std::string_view s);

// The one pair of conversions between windows-1250 bytes and Qt text.
QString toQt(std::string_view cp1250);
std::string fromQt(const QString& text);
// True when the windows-1250 converter is available (checked once at start).
bool codePageAvailable();

// A widget shows at most this many characters of one text: no screen holds
// more, and laying out the megabytes of one line a damaged file can bring
// would hold the program up for seconds at every repaint.
inline constexpr qsizetype kShownCharacters = 4096;
// windows-1250 text as a widget shows it: its first kShownCharacters.
QString shownText(std::string_view cp1250);
// The same for text that is already Qt's.
QString shownPart(const QString& text);

} // namespace zef
