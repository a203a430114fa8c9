// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lotw_sync.h"

#include "core/settings.h"
#include "core/text.h"
#include "import/adif_origin.h"
#include "lotw/lotw_credentials.h"
#include "lotw/lotw_download.h"
#include "lotw/lotw_error.h"
#include "lotw/lotw_query.h"
#include "lotw/lotw_report.h"
#include "lotw/lotw_state.h"

#include <QDateTime>
#include <QStringList>

namespace zef {

namespace {

// The user of LoTW is the station's own callsign unless told otherwise:
// the one in the station data file's header, else the settings'.
QString lotwLogin(const CommandLine& command, const BatchEnvironment& env,
                  const std::string& headerCallsign) {
    if (!command.lotwSync.login.isEmpty())
        return command.lotwSync.login;
    QString login = toQt(headerCallsign).trimmed();
    if (login.isEmpty())
        login = toQt(ProfileFile(env.files.settingsFile(kSettingsFileName))
                         .readString("Konfiguracja", "Znak", ""))
                    .trimmed();
    if (login.isEmpty())
        throw LotwError(QStringLiteral("Brak nazwy użytkownika LoTW: podaj ją opcją --login albo "
                                       "zapisz znak stacji w pliku danych stacji lub w "
                                       "ustawieniach programu (%1).")
                            .arg(kSettingsFileName));
    return login;
}

// Which of the account's calls the report holds, and a warning when the
// station's own is not among them: the report may be another station's.
void showOwnCalls(const QByteArray& report, const QString& stationCall, std::ostream& out,
                  std::ostream& err) {
    const auto calls = ownCallsOf(std::string_view(report.constData(), report.size()));
    if (calls.empty())
        return;
    QStringList shown;
    bool stationsOwn = false;
    for (const auto& [call, records] : calls) {
        shown << QStringLiteral("%1 (%2)").arg(toQt(call)).arg(records);
        stationsOwn = stationsOwn || toQt(call).compare(stationCall, Qt::CaseInsensitive) == 0;
    }
    put(out, QStringLiteral("Znaki własne w raporcie (rekordów): %1\n")
                 .arg(shown.join(QStringLiteral(", "))));
    if (!stationsOwn && !stationCall.isEmpty())
        put(err, QStringLiteral("Uwaga: żaden z nich nie jest znakiem pliku danych stacji (%1); "
                                "czy to na pewno konto LoTW tej stacji? Opcja --own-call "
                                "ogranicza import do wybranych znaków.\n")
                     .arg(stationCall));
}

// A date past the present would make every later sync ask for nothing.
void recordLastQsl(const LotwState& state, const QString& stationPath, const QByteArray& report,
                   std::ostream& err) {
    const auto last = lotwLastQsl(report);
    if (!last)
        return;
    const QString now =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (*last > now) {
        put(err, QStringLiteral("Uwaga: data ostatniego QSL w raporcie (%1) jest w przyszłości; "
                                "nie została zapamiętana, następna synchronizacja zapyta o to "
                                "samo co ta.\n")
                     .arg(*last));
        return;
    }
    state.setLastQsl(stationPath, *last);
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
    const LotwSyncOptions& options = command.lotwSync;
    // A wrong station data file is found before LoTW is asked.
    const LoadedStation station = readStationData(stationPath, nullptr, err);
    const LotwState state(LotwState::userFolder());
    const QString login = lotwLogin(command, env, station.headerCallsign);
    const QString password = lotwPassword(options.passwordFile);
    QString since = options.since;
    if (since.isEmpty())
        since = state.lastQsl(stationPath).value_or(kLotwEverything);

    LotwDownload download;
    // LoTW takes one own call; several are sorted out by the import.
    const QString ownCall = options.ownCalls.size() == 1 ? options.ownCalls.front() : QString();
    download.url = lotwReportUrl(reportBase(), {login, password, since, ownCall});
    download.caFile = qEnvironmentVariable(kLotwCaVariable);
    download.inactivitySeconds = options.timeoutSeconds;
    download.totalSeconds = options.maxSeconds;
    put(out, QStringLiteral("Pobieranie raportu LoTW: %1\n").arg(shownUrl(download.url)));
    const QByteArray report = [&] {
        ProgressLine line{err};
        if (showProgress)
            download.progress = [&line](qint64 bytes) { line.show(bytes); };
        return downloadLotwReport(download);
    }();
    refuseIncomplete(report);

    const QString kept = state.keepReport(report, QDateTime::currentDateTime());
    put(out,
        QStringLiteral("Raport LoTW (%1 B) zachowano w pliku %2\n").arg(report.size()).arg(kept));
    showOwnCalls(report, toQt(station.headerCallsign).trimmed(), out, err);

    // What this run downloaded, not a file read back by name: another run
    // may have written its own report meanwhile.
    ImportOptions importOptions = command.importOptions;
    for (const QString& call : options.ownCalls)
        importOptions.ownCalls.push_back(fromQt(call));
    const BatchImport import{[&](AwardTables& tables, const QString& errorList) {
                                 return importAdifBytes(
                                     tables, std::string_view(report.constData(), report.size()),
                                     errorList, importOptions);
                             },
                             QStringLiteral("LoTW"), true};
    const int status = importInto(stationPath, env, import, out, err);
    if (status == kExitSuccess)
        recordLastQsl(state, stationPath, report, err);
    return status;
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
