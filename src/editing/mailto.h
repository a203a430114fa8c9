// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mailto link with which the user's mail program opens a message to the
// verifier: subject naming the station, body naming the data file to attach.

#include <QString>
#include <QUrl>

namespace zef {

// The link as composed from its parts, character for character: recipient,
// "?Subject=[Zefirant]%20Zgłoszenie ", callsign, "&body=Załącz%20do%20maila
// plik danych: ", path. Nothing is encoded beyond the "%20" written in it.
QString mailtoText(const QString& recipient, const QString& callsign, const QString& path);

// The same message as a valid URL for the desktop: recipient, callsign and
// path are percent-encoded (UTF-8), so no "&", "#", "?", "%" or blank in them
// can end a field early or be decoded into something else; the fixed parts
// are encoded to the same text the mail program shows for the link above.
QUrl mailtoUrl(const QString& recipient, const QString& callsign, const QString& path);

} // namespace zef
