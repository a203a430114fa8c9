// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotw/lotw_query.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <QUrlQuery>

namespace zef {

QUrl lotwReportUrl(const QUrl& base, const LotwQuery& query) {
    const std::pair<const char*, QString> items[] = {
        {"login", query.login}, {"password", query.password}, {"qso_query", "1"},
        {"qso_qsl", "yes"},     {"qso_qsldetail", "yes"},     {"qso_qslsince", query.since},
    };
    QStringList pairs;
    for (const auto& [name, value] : items)
        pairs.push_back(QString::fromLatin1(name) + u'=' +
                        QString::fromLatin1(QUrl::toPercentEncoding(value)));
    if (!query.ownCall.isEmpty())
        pairs.push_back(QStringLiteral("qso_owncall=") +
                        QString::fromLatin1(QUrl::toPercentEncoding(query.ownCall)));
    QUrl url = base;
    // QUrlQuery would leave "+" as it is, which the server reads as a blank.
    url.setQuery(pairs.join(u'&'), QUrl::StrictMode);
    return url;
}

QString shownUrl(const QUrl& url) {
    static const QRegularExpression password(QStringLiteral("([?&]password=)[^&#]*"));
    return url.toString(QUrl::FullyEncoded).replace(password, QStringLiteral("\\1***"));
}

QString hidePassword(QString text, const QUrl& url) {
    const QString encoded =
        QUrlQuery(url).queryItemValue(QStringLiteral("password"), QUrl::FullyEncoded);
    for (const QString& password : {QUrl::fromPercentEncoding(encoded.toLatin1()), encoded})
        if (!password.isEmpty())
            text.replace(password, QStringLiteral("***"));
    return text;
}

bool isLotwDate(const QString& text) {
    if (text.size() == 10)
        return QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).isValid();
    return text.size() == 19 &&
           QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid();
}

} // namespace zef
