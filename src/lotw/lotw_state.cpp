// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotw/lotw_state.h"

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/station_key.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace zef {

namespace {

const QString kReportsFolder = QStringLiteral("raporty");
const QString kStateFile = QStringLiteral("synchronizacja.ini");

// The user's data folder ($XDG_DATA_HOME, else ~/.local/share). Without a
// home there is none: a job started without HOME must not write into
// "/.local/share".
QString userDataHome() {
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME") && qEnvironmentVariableIsEmpty("HOME"))
        throw FileError(QStringLiteral("Nie można ustalić folderu danych użytkownika: zmienne "
                                       "HOME i XDG_DATA_HOME nie są ustawione."));
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace

QString LotwState::userFolder() {
    const QString data = userDataHome();
    const QString folder = data + QStringLiteral("/zefirant/lotw");
    // Where earlier versions kept it: taken over once, as it is.
    const QString earlier = data + QStringLiteral("/Zefirant/lotw");
    if (!QFileInfo::exists(folder) && QFileInfo::exists(earlier)) {
        makeFolders(data + QStringLiteral("/zefirant"));
        moveOver(earlier, folder);
    }
    return folder;
}

std::optional<QString> LotwState::lastQsl(const QString& stationPath) const {
    const QSettings state(folder_ + u'/' + kStateFile, QSettings::IniFormat);
    const QString date =
        state.value(stationKey(stationPath) + QStringLiteral("/ostatnie_qsl")).toString();
    if (date.isEmpty())
        return std::nullopt;
    return date;
}

void LotwState::setLastQsl(const QString& stationPath, const QString& date) const {
    // LoTW dates compare as text.
    if (const auto known = lastQsl(stationPath); known && *known > date)
        return;
    makeFolders(folder_);
    const QString path = folder_ + u'/' + kStateFile;
    QSettings state(path, QSettings::IniFormat);
    state.beginGroup(stationKey(stationPath));
    state.setValue(QStringLiteral("plik"), QFileInfo(stationPath).absoluteFilePath());
    state.setValue(QStringLiteral("ostatnie_qsl"), date);
    state.endGroup();
    state.sync();
    if (state.status() != QSettings::NoError)
        throw FileError::writing(path, QStringLiteral("zapis nie powiódł się"));
}

QString LotwState::keepReport(const QByteArray& report, const QDateTime& received) const {
    const QString folder = folder_ + u'/' + kReportsFolder;
    makeFolders(folder);
    // Never over another run's report: two syncs in one second each keep
    // their own. Dated names sort in time order.
    const QString stem =
        QStringLiteral("lotw_") + received.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    QString path = folder + u'/' + stem + QStringLiteral(".adi");
    for (int n = 2; !createFile(path, std::string_view(report.constData(), report.size()), 0600);
         ++n)
        path = folder + u'/' + stem + u'_' + QString::number(n) + QStringLiteral(".adi");

    const QDir reports(folder, QStringLiteral("lotw_*.adi"), QDir::Name, QDir::Files);
    const QStringList kept = reports.entryList();
    for (qsizetype i = 0; i + kKeptReports < kept.size(); ++i)
        if (reports.filePath(kept[i]) != path)
            QFile::remove(reports.filePath(kept[i]));
    return path;
}

} // namespace zef
