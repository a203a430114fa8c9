#include "app/lotw_sync.h"

#include "core/settings.h"
#include "core/text.h"
#include "lotw/lotw_credentials.h"
#include "lotw/lotw_download.h"
#include "lotw/lotw_error.h"
#include "lotw/lotw_query.h"
#include "lotw/lotw_report.h"
#include "lotw/lotw_state.h"

#include <QDateTime>

namespace zef {

namespace {

// The user of LoTW is the station's callsign unless told otherwise.
QString lotwLogin(const CommandLine& command, const BatchEnvironment& env) {
    if (!command.lotwSync.login.isEmpty())
        return command.lotwSync.login;
    const QString login = toQt(ProfileFile(env.files.settingsFile(kSettingsFileName))
                                   .readString("Konfiguracja", "Znak", ""));
    if (login.trimmed().isEmpty())
        throw LotwError(QStringLiteral("Brak nazwy użytkownika LoTW: podaj ją opcją --login albo "
                                       "zapisz znak stacji w ustawieniach programu (%1).")
                            .arg(kSettingsFileName));
    return login.trimmed();
}

// Tests point the download at a server of their own; it must speak HTTPS too.
QUrl reportBase() {
    const QString configured = qEnvironmentVariable(kLotwUrlVariable);
    if (configured.isEmpty())
        return QUrl(kLotwReportUrl);
    const QUrl url(configured, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QStringLiteral("https") || url.host().isEmpty())
        throw LotwError(QStringLiteral("Zmienna %1 nie zawiera adresu https: %2")
                            .arg(QString::fromLatin1(kLotwUrlVariable), configured));
    return url;
}

void refuseIncomplete(const QByteArray& report) {
    switch (lotwReportProblem(report)) {
    case LotwReportProblem::None:
        return;
    case LotwReportProblem::LoginPage:
        throw LotwError(QStringLiteral("LoTW nie przyjął nazwy użytkownika lub hasła (zamiast "
                                       "raportu ADIF przysłał stronę HTML)."));
    case LotwReportProblem::Truncated:
        throw LotwError(QStringLiteral("Raport LoTW jest niepełny (brak znacznika <APP_LoTW_EOF> "
                                       "na końcu); połączenie zostało przerwane."));
    }
}

// Rewritten in place as the bytes come; ended however the download ends, so
// that a reason printed after it starts a line of its own.
struct ProgressLine {
    std::ostream& err;
    bool shown = false;

    void show(qint64 bytes) {
        err << "\rPobrano " << bytes << " B" << std::flush;
        shown = true;
    }
    ~ProgressLine() {
        if (shown)
            err << '\n';
    }
};

int sync(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
         std::ostream& err, bool showProgress) {
    const QString& stationPath = command.stationPath;
    // A wrong station data file is found before LoTW is asked.
    readStationData(stationPath, nullptr, err);
    const LotwState state(LotwState::userFolder());
    const QString login = lotwLogin(command, env);
    const QString password = lotwPassword(command.lotwSync.passwordFile);
    QString since = command.lotwSync.since;
    if (since.isEmpty())
        since = state.lastQsl(stationPath).value_or(kLotwEverything);

    LotwDownload download;
    download.url = lotwReportUrl(reportBase(), {login, password, since});
    download.caFile = qEnvironmentVariable(kLotwCaVariable);
    download.inactivitySeconds = command.lotwSync.timeoutSeconds;
    put(out, QStringLiteral("Pobieranie raportu LoTW: %1\n").arg(shownUrl(download.url)));
    const QByteArray report = [&] {
        ProgressLine line{err};
        if (showProgress)
            download.progress = [&line](qint64 bytes) { line.show(bytes); };
        return downloadLotwReport(download);
    }();
    refuseIncomplete(report);

    CommandLine import = command;
    import.kind = CommandKind::Import;
    import.adifPath = state.keepReport(report, QDateTime::currentDateTime());
    put(out, QStringLiteral("Raport LoTW (%1 B) zachowano w pliku %2\n")
                 .arg(report.size())
                 .arg(import.adifPath));
    const int status = runImport(import, env, out, err);
    if (status != kExitSuccess)
        return status;
    if (const auto last = lotwLastQsl(report))
        state.setLastQsl(stationPath, *last);
    return kExitSuccess;
}

} // namespace

int runLotwSync(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
                std::ostream& err, bool showProgress) {
    return withFileErrors(err, [&] {
        try {
            return sync(command, env, out, err, showProgress);
        } catch (const LotwError& error) {
            put(err,
                error.text() + QStringLiteral("\nSynchronizacja z LoTW nie została wykonana, plik "
                                              "danych stacji nie został zmieniony.\n"));
            return kExitFileError;
        }
    });
}

} // namespace zef
