// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ticks of a time axis on whole calendar units: years, months or days, a
// step that leaves no more than about ten labels.

#include <QDate>
#include <QString>
#include <vector>

namespace zef {

struct DateTick {
    QDate date;
    QString label;
};

// Ticks from one at or before `first` to one after `last`, in order.
std::vector<DateTick> dateTicks(QDate first, QDate last);

} // namespace zef
