// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filter.h"

#include <QStringList>

namespace zef {

namespace {
QStringList entries(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        result << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns);
    }
    return result;
}
} // namespace

QString qtFilter(const QString& filter) {
    return entries(filter).join(QStringLiteral(";;"));
}

QString firstQtFilter(const QString& filter) {
    const QStringList e = entries(filter);
    return e.isEmpty() ? QString() : e.first();
}

} // namespace zef
