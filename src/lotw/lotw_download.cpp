#include "lotw/lotw_download.h"

#include "lotw/lotw_error.h"
#include "lotw/lotw_query.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QStringList>

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

// What went wrong, with nothing of the password in it.
QString failure(const QNetworkReply& reply, const LotwDownload& download,
                const QStringList& sslErrors) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        return QStringLiteral("serwer odpowiedział kodem HTTP %1 %2")
            .arg(status.toInt())
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    const QString host = download.url.host();
    switch (reply.error()) {
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("nie znaleziono serwera %1 (nazwa nie została rozwiązana)").arg(host);
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("serwer %1 odmówił połączenia").arg(host);
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("przekroczono czas oczekiwania: serwer %1 nie przysłał danych przez "
                              "%2 s")
            .arg(host)
            .arg(download.inactivitySeconds);
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("nie udało się nawiązać bezpiecznego połączenia (TLS) z %1: %2")
            .arg(host,
                 sslErrors.isEmpty() ? reply.errorString() : sslErrors.join(QStringLiteral("; ")));
    default:
        return QStringLiteral("brak połączenia z serwerem %1 (%2)").arg(host, reply.errorString());
    }
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
    QStringList sslErrors;
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
    QObject::connect(reply, &QNetworkReply::sslErrors, [&](const QList<QSslError>& errors) {
        for (const QSslError& error : errors)
            sslErrors.push_back(error.errorString());
    });
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
        throw LotwError(QStringLiteral("Nie udało się pobrać raportu LoTW: ") +
                        hidePassword(failure(*reply, download, sslErrors), download.url) + u'.');
    return body + reply->readAll();
}

} // namespace zef
