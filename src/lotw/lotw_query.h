// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The address of LoTW's report of the user's QSL records.

#include <QString>
#include <QUrl>

namespace zef {

inline const QString kLotwReportUrl =
    QStringLiteral("https://lotw.arrl.org/lotwuser/lotwreport.adi");

// Early enough for every QSL record LoTW holds: the first sync fetches them all.
inline const QString kLotwEverything = QStringLiteral("1900-01-01");

struct LotwQuery {
    QString login;
    QString password;
    QString since;   // "rrrr-mm-dd", optionally followed by " hh:mm:ss"
    QString ownCall; // only the QSOs of this own call; empty: of every own call
};

// `base` with the report's query (QSL records with DXCC and CQ zone, received
// on or after `since`); every value is percent-encoded, "+" and "&" included.
QUrl lotwReportUrl(const QUrl& base, const LotwQuery& query);

// The address to show: the password's value replaced by "***".
QString shownUrl(const QUrl& url);
// `text` (a message of the network library, say) with the password of `url`
// replaced by "***" wherever it appears, encoded or not.
QString hidePassword(QString text, const QUrl& url);

// A date as the report's query takes it: "rrrr-mm-dd" or "rrrr-mm-dd hh:mm:ss",
// a real day and time.
bool isLotwDate(const QString& text);

} // namespace zef
