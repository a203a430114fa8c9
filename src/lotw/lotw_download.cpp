// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotw/lotw_download.h"

#include "lotw/lotw_error.h"
#include "lotw/lotw_query.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTimer>

namespace zef {

namespace {

QSslConfiguration sslConfiguration(const QString& caFile) {
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (caFile.isEmpty())
        return ssl;
    const QList<QSslCertificate> extra = QSslCertificate::fromPath(caFile, QSsl::Pem);
    if (extra.isEmpty())
        throw LotwError(QStringLiteral("Plik \"%1\" nie zawiera certyfikatów PEM.").arg(caFile));
    ssl.setCaCertificates(QSslConfiguration::systemCaCertificates() + extra);
    return ssl;
}

QString certificateProblem(const QList<QSslError>& errors, const QString& host) {
    for (const QSslError& error : errors) {
        switch (error.error()) {
        case QSslError::HostNameMismatch:
            return QStringLiteral("certyfikat serwera wystawiono dla innej nazwy niż %1").arg(host);
        case QSslError::CertificateExpired:
            return QStringLiteral("certyfikat serwera %1 wygasł").arg(host);
        case QSslError::CertificateNotYetValid:
            return QStringLiteral("certyfikat serwera %1 nie jest jeszcze ważny").arg(host);
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToGetIssuerCertificate:
        case QSslError::UnableToVerifyFirstCertificate:
        case QSslError::CertificateUntrusted:
            return QStringLiteral("certyfikat serwera %1 nie pochodzi od zaufanego urzędu "
                                  "certyfikacji")
                .arg(host);
        default:
            break;
        }
    }
    return errors.isEmpty() ? QString() : errors.front().errorString();
}

// What went wrong, with nothing of the password in it. A redirect's
// target is the host that failed, and the reason is its failure.
QString failure(const QNetworkReply& reply, const LotwDownload& download,
                const QList<QSslError>& sslErrors, bool pastDeadline) {
    QString host = reply.url().host();
    if (reply.url().adjusted(QUrl::RemoveQuery) != download.url.adjusted(QUrl::RemoveQuery))
        host += QStringLiteral(" (%1, na który przekierował serwer %2)")
                    .arg(reply.url().toString(QUrl::RemoveQuery | QUrl::RemoveUserInfo),
                         download.url.host());
    switch (reply.error()) {
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("nie znaleziono serwera %1 (nazwa nie została rozwiązana)").arg(host);
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("serwer %1 odmówił połączenia").arg(host);
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("serwer %1 zamknął połączenie przed końcem odpowiedzi").arg(host);
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        if (pastDeadline)
            return QStringLiteral("pobieranie z serwera %1 trwało dłużej niż %2 s")
                .arg(host)
                .arg(download.totalSeconds);
        return QStringLiteral("przekroczono czas oczekiwania: serwer %1 nie przysłał danych przez "
                              "%2 s")
            .arg(host)
            .arg(download.inactivitySeconds);
    case QNetworkReply::SslHandshakeFailedError: {
        const QString certificate = certificateProblem(sslErrors, host);
        return QStringLiteral("nie udało się nawiązać bezpiecznego połączenia (TLS) z %1: %2")
            .arg(host, certificate.isEmpty() ? reply.errorString() : certificate);
    }
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("serwer %1 przekierowuje dalej, niż wolno (%2)")
            .arg(host, reply.errorString());
    default:
        break;
    }
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        return QStringLiteral("serwer %1 odpowiedział kodem HTTP %2 %3")
            .arg(host)
            .arg(status.toInt())
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    return QStringLiteral("brak połączenia z serwerem %1 (%2)").arg(host, reply.errorString());
}

} // namespace

QByteArray downloadLotwReport(const LotwDownload& download) {
    QNetworkAccessManager manager;
    QNetworkRequest request(download.url);
    request.setSslConfiguration(sslConfiguration(download.caFile));
    request.setTransferTimeout(download.inactivitySeconds * 1000);
    QNetworkReply* reply = manager.get(request);

    QByteArray body;
    bool tooLarge = false;
    bool pastDeadline = false;
    QList<QSslError> sslErrors;
    const auto refuseBeyondLimit = [&](qint64 size) {
        if (size <= download.maxBytes)
            return false;
        tooLarge = true;
        reply->abort();
        return true;
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, [&] {
        refuseBeyondLimit(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
    });
    QObject::connect(reply, &QNetworkReply::readyRead, [&] {
        if (refuseBeyondLimit(body.size() + reply->bytesAvailable()))
            return;
        body += reply->readAll();
        if (download.progress)
            download.progress(body.size());
    });
    QObject::connect(reply, &QNetworkReply::sslErrors,
                     [&](const QList<QSslError>& errors) { sslErrors += errors; });
    // A server that trickles a byte now and then never trips the inactivity
    // timeout; a scheduled job must still end.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&] {
        pastDeadline = true;
        reply->abort();
    });
    deadline.start(std::chrono::seconds(download.totalSeconds));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();

    if (tooLarge)
        throw LotwError(QStringLiteral("Raport LoTW jest większy niż %1 MB i nie został pobrany.")
                            .arg(download.maxBytes / (1024 * 1024)));
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool good = status.toInt() >= 200 && status.toInt() <= 299;
    if (reply->error() != QNetworkReply::NoError || !good)
        throw LotwError(
            QStringLiteral("Nie udało się pobrać raportu LoTW: ") +
            hidePassword(failure(*reply, download, sslErrors, pastDeadline), download.url) + u'.');
    return body + reply->readAll();
}

} // namespace zef
