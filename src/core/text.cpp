// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>

namespace zef {

namespace {
bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
} // namespace

std::string mid(std::string_view s, std::size_t from, std::size_t to) {
    if (from < 1 || from > s.size() || to < from)
        return {};
    return std::string(s.substr(from - 1, std::min(to, s.size()) - from + 1));
}

std::string tail(std::string_view s, std::size_t from) {
    if (from < 1 || from > s.size())
        return {};
    return std::string(s.substr(from - 1));
}

char charAt(std::string_view s, std::size_t position) {
    return position >= 1 && position <= s.size() ? s[position - 1] : '\0';
}

std::string trimLeft(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && isBlank(s[b]))
        ++b;
    return std::string(s.substr(b));
}

std::string trimRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && isBlank(s[e - 1]))
        --e;
    return std::string(s.substr(0, e));
}

std::string_view trimmedView(std::string_view s) {
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string trim(std::string_view s) {
    return std::string(trimmedView(s));
}

std::string upperAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::string lowerAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string padRight(std::string_view s, std::size_t width) {
    std::string r(s.substr(0, std::min(width, s.size())));
    r.resize(width, ' ');
    return r;
}

std::string alignRight(std::string_view s, std::size_t width) {
    std::string r = std::string(width, ' ') + std::string(s);
    return r.substr(r.size() - width);
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool isAllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool holdsControlByte(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::optional<long long> parseInteger(std::string_view s) {
    if (s.empty())
        return std::nullopt;
    const char* first = s.data();
    if (*first == '+')
        ++first;
    long long value = 0;
    auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || first == s.data() + s.size())
        return std::nullopt;
    return value;
}

QString toQt(std::string_view cp1250) {
    QStringDecoder decoder("windows-1250");
    return decoder.decode(QByteArrayView(cp1250.data(), static_cast<qsizetype>(cp1250.size())));
}

std::string fromQt(const QString& text) {
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString shownText(std::string_view cp1250) {
    return toQt(cp1250.substr(0, static_cast<std::size_t>(kShownCharacters)));
}

QString shownPart(const QString& text) {
    return text.left(kShownCharacters);
}

bool codePageAvailable() {
    return QStringDecoder("windows-1250").isValid() && QStringEncoder("windows-1250").isValid();
}

} // namespace zef
