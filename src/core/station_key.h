// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One name for a station data file however the command line or a dialog
// named it (relative, through a link), for what the program keeps about the
// file elsewhere.

#include <QString>

namespace zef {

// The file's full path with links resolved (when it exists).
QString canonicalStationPath(const QString& stationPath);
// A hash of that path in hexadecimal, fit for a folder or group name.
QString stationKey(const QString& stationPath);

} // namespace zef
