// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fetching LoTW's report over HTTPS, certificates always verified.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>

namespace zef {

// A report larger than this is refused rather than held in memory.
inline constexpr qint64 kLotwReportLimit = qint64{256} * 1024 * 1024;

struct LotwDownload {
    QUrl url;
    QString caFile;             // PEM certificates trusted besides the system's; may be empty
    int inactivitySeconds = 60; // the transfer ends when no data comes for this long
    int totalSeconds = 1800;    // ... and when it takes longer than this as a whole
    qint64 maxBytes = kLotwReportLimit;
    std::function<void(qint64 bytesSoFar)> progress; // may be empty
};

// The body of a successful (2xx) answer, redirects followed. Runs an event
// loop until the transfer ends. Throws LotwError with the Polish reason (name
// not resolved, connection refused or closed, no data for a while or too
// long a transfer, a certificate not trusted or of another host, an HTTP
// error status, too large), naming the redirect's target when that failed;
// the reason never holds the password.
QByteArray downloadLotwReport(const LotwDownload& download);

} // namespace zef
