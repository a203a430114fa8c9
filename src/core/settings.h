// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values the settings file carries from one run to the next, and their
// reading at start-up and writing at close in the file's fixed key order.

#include "core/app_state.h"
#include "core/profile_file.h"
#include "core/views.h"

#include <array>
#include <optional>
#include <string>

namespace zef {

// The settings file beside the executable.
inline const QString kSettingsFileName = QStringLiteral("zefirant.ini");

struct Settings {
    std::string callsign;
    QString stationPath;
    std::string fontName = "Arial";
    int fontSize = 10;
    bool fontBold = true;
    RowColours colours;
    std::array<int, 8> columnWidths{35, 12, 48, 167, 85, 147, 74, 68};
    int rowHeight = 21;
    int left = 322;
    int top = 180;
    int height = 292;
    int width = 673;
    int widthCorrection = 0;
    int summaryLeft = 345;
    int summaryTop = 211;
    int summaryWidth = 437;
    int summaryHeight = 225;
    bool hideDeleted = false;
    View view = View::All;
};

// Every key of the start-up read, each defaulting to the value in `current`.
// A missing "Grubosc czcionki" gives the regular font; of the view keys the
// last one that is yes wins; none yes keeps the current view unless the
// current view's own key says no.
Settings readSettings(const ProfileFile& ini, const Settings& current);

// The summary window's section only.
void readSummaryGeometry(const ProfileFile& ini, Settings& settings);

// Every key in the close order. "Plik" is left out in parameter mode; "E-mail"
// is written as given. Throws FileError at the first key that cannot be written.
void writeSettings(const ProfileFile& ini, const Settings& settings, bool parameterMode,
                   const std::string& email);

} // namespace zef
