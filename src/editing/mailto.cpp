// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/mailto.h"

namespace zef {

QString mailtoText(const QString& recipient, const QString& callsign, const QString& path) {
    return QStringLiteral("mailto:") + recipient +
           QStringLiteral("?Subject=[Zefirant]%20Zgłoszenie ") + callsign +
           QStringLiteral("&body=Załącz%20do%20maila plik danych: ") + path;
}

namespace {

// Everything but the unreserved characters and `keep` is encoded. Mail
// programs on Linux decode the octets as UTF-8, so the text goes as UTF-8.
QByteArray encoded(const QString& text, const QByteArray& keep = {}) {
    return QUrl::toPercentEncoding(text, keep);
}

} // namespace

QUrl mailtoUrl(const QString& recipient, const QString& callsign, const QString& path) {
    // The fixed parts are written as the text they stand for: "%20" is a blank.
    // "@" and "," stay so that address lists keep working.
    const QByteArray url =
        "mailto:" + encoded(recipient, "@,") +
        "?Subject=" + encoded(QStringLiteral("[Zefirant] Zgłoszenie ")) + encoded(callsign) +
        "&body=" + encoded(QStringLiteral("Załącz do maila plik danych: ")) + encoded(path);
    return QUrl::fromEncoded(url, QUrl::StrictMode);
}

} // namespace zef
