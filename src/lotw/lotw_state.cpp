#include "lotw/lotw_state.h"

#include "core/file_error.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace zef {

namespace {

const QString kReportsFolder = QStringLiteral("raporty");
const QString kStateFile = QStringLiteral("synchronizacja.ini");

// One group per station data file, however it was named on the command line.
QString stationGroup(const QString& stationPath) {
    const QFileInfo info(stationPath);
    const QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex());
}

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        throw FileError::writing(path, QStringLiteral("nie można utworzyć folderu"));
}

} // namespace

QString LotwState::userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/lotw");
}

std::optional<QString> LotwState::lastQsl(const QString& stationPath) const {
    const QSettings state(folder_ + u'/' + kStateFile, QSettings::IniFormat);
    const QString date =
        state.value(stationGroup(stationPath) + QStringLiteral("/ostatnie_qsl")).toString();
    if (date.isEmpty())
        return std::nullopt;
    return date;
}

void LotwState::setLastQsl(const QString& stationPath, const QString& date) const {
    // LoTW dates compare as text.
    if (const auto known = lastQsl(stationPath); known && *known > date)
        return;
    makeFolder(folder_);
    const QString path = folder_ + u'/' + kStateFile;
    QSettings state(path, QSettings::IniFormat);
    state.beginGroup(stationGroup(stationPath));
    state.setValue(QStringLiteral("plik"), QFileInfo(stationPath).absoluteFilePath());
    state.setValue(QStringLiteral("ostatnie_qsl"), date);
    state.endGroup();
    state.sync();
    if (state.status() != QSettings::NoError)
        throw FileError::writing(path, QStringLiteral("zapis nie powiódł się"));
}

QString LotwState::keepReport(const QByteArray& report, const QDateTime& received) const {
    const QString folder = folder_ + u'/' + kReportsFolder;
    makeFolder(folder);
    const QString path = folder + QStringLiteral("/lotw_") +
                         received.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) +
                         QStringLiteral(".adi");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(report) != report.size() || !file.flush() ||
        !file.commit())
        throw FileError::writing(path, file.errorString());

    // Dated names sort in time order.
    const QDir reports(folder, QStringLiteral("lotw_*.adi"), QDir::Name, QDir::Files);
    const QStringList kept = reports.entryList();
    for (qsizetype i = 0; i + kKeptReports < kept.size(); ++i)
        QFile::remove(reports.filePath(kept[i]));
    return path;
}

} // namespace zef
