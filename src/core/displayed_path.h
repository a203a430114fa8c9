// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station data file's path as the status bar shows it: at most 75
// characters where possible, middle folders replaced by ".../".

#include <QString>

namespace zef {

QString displayedPath(const QString& path, int limit = 75);

} // namespace zef
