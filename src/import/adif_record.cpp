// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/adif_record.h"

#include "core/text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace zef {

namespace {

constexpr std::string_view kBandTag = "<band:";
constexpr std::string_view kCallTag = "<call:";
constexpr std::string_view kQsoDateTag = "<qso_date:";
constexpr std::string_view kQslTag = "<qsl_rcvd:1>";
constexpr std::string_view kLotwTag = "<lotw_qsl_rcvd:1>";
constexpr std::string_view kQslValues = "ysvebm";
constexpr std::string_view kLotwValues = "ysv";
// No own call comes near it; a longer length is a damaged field.
constexpr std::size_t kMaxFieldLength = 1 << 20;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// The `length` characters from `start`; nothing when the text ends before
// them, since a value cut short would be read as a different one.
std::optional<std::string_view> valueAt(std::string_view text, std::size_t start,
                                        std::size_t length) {
    if (start > text.size() || text.size() - start < length)
        return std::nullopt;
    return text.substr(start, length);
}

// A one-digit length at `at`, or -1 when there is no digit there.
int digitAt(std::string_view text, std::size_t at) {
    return at < text.size() && isDigit(text[at]) ? text[at] - '0' : -1;
}

// True when `tag` stands at `at` and is followed by one of `values`.
bool flagAt(std::string_view text, std::size_t at, std::string_view tag, std::string_view values) {
    const std::size_t valueAt = at + tag.size();
    return valueAt < text.size() && text.compare(at, tag.size(), tag) == 0 &&
           values.find(text[valueAt]) != std::string_view::npos;
}

void noteFirst(std::string_view text, std::size_t at, std::string_view tag, std::size_t& first) {
    if (first == std::string_view::npos && text.compare(at, tag.size(), tag) == 0)
        first = at;
}

} // namespace

bool closesWithTag(std::string_view line, std::string_view tag) {
    const std::string_view part =
        line.size() >= 4 ? line.substr(line.size() - 4, 3) : line.substr(0, 3);
    if (part.size() != tag.size())
        return false;
    for (std::size_t i = 0; i < part.size(); ++i)
        if (lowered(part[i]) != tag[i])
            return false;
    return true;
}

void appendLowered(std::string& text, std::string_view line) {
    const std::size_t old = text.size();
    text.resize(old + line.size());
    char* out = text.data() + old;
    const char* in = line.data();
    std::size_t left = line.size();
    // Eight bytes at a time: a byte is an upper-case ASCII letter when its top
    // bit is clear and its low seven bits lie in 'A'..'Z'; bytes of the code
    // page's upper half are left alone.
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highBits = 0x80 * ones;
    for (; left >= 8; left -= 8, in += 8, out += 8) {
        std::uint64_t word;
        std::memcpy(&word, in, 8);
        const std::uint64_t low = word & ~highBits;
        const std::uint64_t atLeastA = low + (0x80 - 'A') * ones;
        const std::uint64_t aboveZ = low + (0x7F - 'Z') * ones;
        const std::uint64_t upper = (atLeastA ^ aboveZ) & ~word & highBits;
        word |= upper >> 2;
        std::memcpy(out, &word, 8);
    }
    for (; left > 0; --left)
        *out++ = lowered(*in++);
}

RecordTags scanRecord(std::string_view text) {
    RecordTags tags;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    // Every tag starts with "<", so one look at each bracket finds them all.
    while ((p = static_cast<const char*>(std::memchr(p, '<', static_cast<std::size_t>(end - p))))) {
        const std::size_t at = static_cast<std::size_t>(p - begin);
        ++p;
        if (p == end)
            break;
        switch (*p) {
        case 'q':
            tags.qsl = tags.qsl || flagAt(text, at, kQslTag, kQslValues);
            noteFirst(text, at, kQsoDateTag, tags.qsoDate);
            break;
        case 'l':
            tags.lotw = tags.lotw || flagAt(text, at, kLotwTag, kLotwValues);
            break;
        case 'b':
            noteFirst(text, at, kBandTag, tags.band);
            break;
        case 'd':
            noteFirst(text, at, kDxccTag, tags.dxcc);
            break;
        case 'c':
            noteFirst(text, at, kCqzTag, tags.cqz);
            noteFirst(text, at, kCallTag, tags.call);
            break;
        default:
            break;
        }
    }
    return tags;
}

std::optional<long long> readAreaNumber(std::string_view text, std::size_t tag,
                                        std::size_t tagLength) {
    if (tag == std::string_view::npos)
        return std::nullopt;
    const int length = digitAt(text, tag + tagLength);
    if (length < 0)
        return std::nullopt;
    const auto value = valueAt(text, tag + tagLength + 2, static_cast<std::size_t>(length));
    if (!value)
        return std::nullopt;
    const auto number = parseInteger(*value);
    if (!number || *number == 0)
        return std::nullopt;
    return number;
}

BandReading readBand(std::string_view text, std::size_t tag) {
    if (tag == std::string_view::npos)
        return {BandReading::Absent, -1};
    const int length = digitAt(text, tag + kBandTag.size());
    const auto read =
        length < 0 ? std::nullopt
                   : valueAt(text, tag + kBandTag.size() + 2, static_cast<std::size_t>(length));
    if (!read)
        return {BandReading::Unreadable, -1};
    std::string value(*read);
    if (const auto cm = value.find("cm"); cm != std::string::npos)
        value.erase(cm, 2);
    else if (const auto m = value.find('m'); m != std::string::npos)
        value.erase(m, 1);
    const auto number = parseInteger(value);
    if (!number)
        return {BandReading::NotWhole, -1};
    switch (*number) {
    case 80:
        return {BandReading::Slot, 0};
    case 40:
        return {BandReading::Slot, 1};
    case 20:
        return {BandReading::Slot, 2};
    case 15:
        return {BandReading::Slot, 3};
    case 10:
        return {BandReading::Slot, 4};
    default:
        return {BandReading::OtherNumber, -1};
    }
}

std::optional<std::string> readCall(std::string_view text, std::size_t tag) {
    if (tag == std::string_view::npos)
        return std::nullopt;
    const std::size_t after = tag + kCallTag.size();
    std::size_t length = 0;
    std::size_t start = 0;
    if (after + 1 < text.size() && text[after + 1] == '>') {
        const int digit = digitAt(text, after);
        if (digit < 0)
            return std::nullopt;
        length = static_cast<std::size_t>(digit);
        start = after + 2;
    } else {
        const int tens = digitAt(text, after);
        const int units = digitAt(text, after + 1);
        if (tens < 0 || units < 0)
            return std::nullopt;
        length = static_cast<std::size_t>(tens * 10 + units);
        start = after + 3;
    }
    const auto call = valueAt(text, start, length);
    if (!call || call->empty())
        return std::nullopt;
    return upperAscii(*call);
}

namespace {

// The value of the first field `tag` ("<name:") in the lower-cased text.
std::optional<std::string_view> fieldValue(std::string_view text, std::string_view tag) {
    const std::size_t at = text.find(tag);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::size_t length = 0;
    std::size_t i = at + tag.size();
    for (; i < text.size() && isDigit(text[i]) && length < kMaxFieldLength; ++i)
        length = length * 10 + static_cast<std::size_t>(text[i] - '0');
    const std::size_t bracket = text.find('>', i);
    if (i == at + tag.size() || bracket == std::string_view::npos)
        return std::nullopt;
    return valueAt(text, bracket + 1, length);
}

} // namespace

std::optional<std::string> readOwnCall(std::string_view text) {
    auto own = fieldValue(text, "<station_callsign:");
    if (!own)
        own = fieldValue(text, "<app_lotw_owncall:");
    if (!own || own->empty())
        return std::nullopt;
    return upperAscii(*own);
}

bool storableCall(std::string_view call) {
    return std::none_of(call.begin(), call.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == ';';
    });
}

std::optional<std::string> readQsoDate(std::string_view text, std::size_t tag) {
    if (tag == std::string_view::npos)
        return std::nullopt;
    const std::size_t bracket = text.find('>', tag + kQsoDateTag.size());
    if (bracket == std::string_view::npos)
        return std::nullopt;
    const auto date = valueAt(text, bracket + 1, 8);
    if (!date || !isAllDigits(*date))
        return std::nullopt;
    // "yyyymmdd" -> "yyyy-mm-dd", built in place: this runs for every record.
    std::string result(10, '-');
    date->copy(result.data(), 4, 0);
    date->copy(result.data() + 5, 2, 4);
    date->copy(result.data() + 8, 2, 6);
    return result;
}

} // namespace zef
