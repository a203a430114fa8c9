// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"

#include "core/text.h"

#include <cstdint>

namespace zef {

namespace {

constexpr std::string_view kConfig = "Konfiguracja";
constexpr std::string_view kTable = "Tabela";
constexpr std::string_view kWindow = "Widok";
constexpr std::string_view kSummary = "Zestawienie";
constexpr std::string_view kDisplay = "Wyswietlanie";

constexpr std::array<std::string_view, 8> kWidthKeys{
    "Szerokosc ADIF",  "Szerokosc Deleted",  "Szerokosc prefiksu", "Szerokosc nazwy",
    "Szerokosc znaku", "Szerokosc daty QSO", "Szerokosc QSL",      "Szerokosc daty weryfikacji"};

// The five views that have a key, in reading order; "Niepotwierdzone" has none.
constexpr std::array<std::pair<std::string_view, View>, 5> kViewKeys{{
    {"Wszystkie", View::All},
    {"Wszystkie bez zweryfikowanych", View::AllWithoutVerified},
    {"Do weryfikacji", View::ToVerify},
    {"Potwierdzone", View::Confirmed},
    {"Zweryfikowane", View::Verified},
}};

// The two keys with Polish letters, in windows-1250.
const std::string& summaryWidthKey() {
    static const std::string key = fromQt(QStringLiteral("Szerokość"));
    return key;
}
const std::string& summaryHeightKey() {
    static const std::string key = fromQt(QStringLiteral("Wysokość"));
    return key;
}

// A colour is read as a signed whole number (a negative one, as a hand-edited
// file may hold, wraps into the colour value); it is written back as that same
// number, since its unsigned form would exceed the range the reader accepts.
std::int32_t storedColour(ColourValue value) {
    return static_cast<std::int32_t>(value);
}

// A path the code page cannot spell (a folder named in Cyrillic) is kept in
// UTF-8 behind a byte order mark, which no path spelt in the code page
// begins with, so that it reads back instead of naming no file.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string storedPath(const QString& path) {
    std::string bytes = fromQt(path);
    if (toQt(bytes) == path)
        return bytes;
    return std::string(kUtf8Mark) + path.toUtf8().toStdString();
}

QString pathFromStored(const std::string& value) {
    if (startsWith(value, kUtf8Mark))
        return QString::fromUtf8(value.substr(kUtf8Mark.size()));
    return toQt(value);
}

} // namespace

Settings readSettings(const ProfileFile& file, const Settings& current) {
    const ProfileValues ini(file);
    Settings s = current;
    s.callsign = ini.readString(kConfig, "Znak", current.callsign);
    s.stationPath =
        pathFromStored(ini.readString(kConfig, "Plik", storedPath(current.stationPath)));
    s.fontName = ini.readString(kTable, "Czcionka", current.fontName);
    s.fontSize = ini.readInt(kTable, "Wielkosc czcionki", current.fontSize);
    s.fontBold = ini.readString(kTable, "Grubosc czcionki", "") == "1";
    s.colours.confirmed = static_cast<ColourValue>(
        ini.readInt(kTable, "Kolor potwierdzonych", static_cast<int>(current.colours.confirmed)));
    s.colours.verified = static_cast<ColourValue>(
        ini.readInt(kTable, "Kolor zweryfikowanych", static_cast<int>(current.colours.verified)));
    s.colours.deleted = static_cast<ColourValue>(
        ini.readInt(kTable, "Kolor usunietych", static_cast<int>(current.colours.deleted)));
    s.colours.other = static_cast<ColourValue>(
        ini.readInt(kTable, "Kolor pozostalych", static_cast<int>(current.colours.other)));
    for (std::size_t c = 0; c < kWidthKeys.size(); ++c)
        s.columnWidths[c] = ini.readInt(kTable, kWidthKeys[c], current.columnWidths[c]);
    s.rowHeight = ini.readInt(kTable, "Wysokosc wierszy", current.rowHeight);
    s.left = ini.readInt(kTable, "X", current.left);
    s.top = ini.readInt(kTable, "Y", current.top);
    s.height = ini.readInt(kWindow, "Wysokosc okna", current.height);
    s.width = ini.readInt(kWindow, "Szerokosc okna", current.width);
    s.widthCorrection = ini.readInt(kWindow, "Korekta", current.widthCorrection);
    s.hideDeleted = ini.readBool(kDisplay, "Usuniete", current.hideDeleted);

    // One radio group: checking an item unchecks the others, unchecking one
    // checks none, so the last key that is yes wins.
    std::optional<View> checked;
    if (current.view != View::Unconfirmed)
        checked = current.view;
    for (const auto& [key, view] : kViewKeys) {
        if (ini.readBool(kDisplay, key, checked == view))
            checked = view;
        else if (checked == view)
            checked.reset();
    }
    s.view = checked.value_or(View::Unconfirmed);
    return s;
}

void readSummaryGeometry(const ProfileFile& file, Settings& s) {
    const ProfileValues ini(file);
    s.summaryLeft = ini.readInt(kSummary, "X", s.summaryLeft);
    s.summaryTop = ini.readInt(kSummary, "Y", s.summaryTop);
    s.summaryWidth = ini.readInt(kSummary, summaryWidthKey(), s.summaryWidth);
    s.summaryHeight = ini.readInt(kSummary, summaryHeightKey(), s.summaryHeight);
}

void writeSettings(const ProfileFile& file, const Settings& s, bool parameterMode,
                   const std::string& email) {
    ProfileEdit ini(file);
    ini.writeString(kConfig, "Znak", s.callsign);
    if (!parameterMode)
        ini.writeString(kConfig, "Plik", storedPath(s.stationPath));
    ini.writeString(kConfig, "E-mail", email);
    ini.writeInt(kWindow, "Wysokosc okna", s.height);
    ini.writeInt(kWindow, "Szerokosc okna", s.width);
    ini.writeInt(kWindow, "Korekta", s.widthCorrection);
    ini.writeInt(kTable, "X", s.left);
    ini.writeInt(kTable, "Y", s.top);
    for (std::size_t c = 0; c < kWidthKeys.size(); ++c)
        ini.writeInt(kTable, kWidthKeys[c], s.columnWidths[c]);
    ini.writeInt(kTable, "Wysokosc wierszy", s.rowHeight);
    ini.writeString(kTable, "Czcionka", s.fontName);
    ini.writeInt(kTable, "Wielkosc czcionki", s.fontSize);
    ini.writeString(kTable, "Grubosc czcionki", s.fontBold ? "1" : "0");
    ini.writeInt(kTable, "Kolor potwierdzonych", storedColour(s.colours.confirmed));
    ini.writeInt(kTable, "Kolor zweryfikowanych", storedColour(s.colours.verified));
    ini.writeInt(kTable, "Kolor usunietych", storedColour(s.colours.deleted));
    ini.writeInt(kTable, "Kolor pozostalych", storedColour(s.colours.other));
    ini.writeInt(kSummary, "X", s.summaryLeft);
    ini.writeInt(kSummary, "Y", s.summaryTop);
    ini.writeInt(kSummary, summaryWidthKey(), s.summaryWidth);
    ini.writeInt(kSummary, summaryHeightKey(), s.summaryHeight);
    ini.writeBool(kDisplay, "Usuniete", s.hideDeleted);
    for (const auto& [key, view] : kViewKeys)
        ini.writeBool(kDisplay, key, s.view == view);
    ini.commit();
}

} // namespace zef
