// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/station_key.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace zef {

QString canonicalStationPath(const QString& stationPath) {
    const QFileInfo info(stationPath);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

QString stationKey(const QString& stationPath) {
    return QString::fromLatin1(QCryptographicHash::hash(canonicalStationPath(stationPath).toUtf8(),
                                                        QCryptographicHash::Sha1)
                                   .toHex());
}

} // namespace zef
