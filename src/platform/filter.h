// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File-dialog filters are kept as the program writes them,
// "Pliki CSV |*.csv|Wszystkie pliki|*.*"; Qt wants "Pliki CSV (*.csv);;...".

#include <QString>

namespace zef {

QString qtFilter(const QString& filter);
// The first entry of the filter in Qt's form, to select it initially.
QString firstQtFilter(const QString& filter);

} // namespace zef
