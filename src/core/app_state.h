// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one shared store: the station document and the program-wide display
// values beside it. Owned by the program and handed by reference to every window.

#include "core/station.h"

#include <QString>
#include <cstdint>
#include <string>

namespace zef {

// Colour values as the settings file stores them: 0x00BBGGRR.
using ColourValue = std::uint32_t;

struct RowColours {
    ColourValue confirmed = 11195903;
    ColourValue verified = 12910532;
    ColourValue other = 16777215;
    ColourValue deleted = 12632256;
};

struct AppState {
    Station station;
    int selectedView = 0; // ComboBox1 index: 0..4 entities, 5..9 zones
    RowColours colours;
    int widthCorrection = 0;
    int captionFontMargin = 0;
    bool parameterMode = false; // started with a station data file parameter

    bool zoneView() const { return selectedView >= 5; }
    int band() const { return zoneView() ? selectedView - 5 : selectedView; }
};

} // namespace zef
