// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What LoTW synchronisation keeps per user, never in the station data file:
// the date of the last synchronised QSL of each station data file, and the
// latest downloaded reports, dated, for the user to see or import again.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace zef {

class LotwState {
public:
    static constexpr int kKeptReports = 10;

    explicit LotwState(QString folder) : folder_(std::move(folder)) {}
    // The folder in the user's data folder ("…/zefirant/lotw"), taking over
    // the one earlier versions kept ("…/Zefirant/lotw"). Throws FileError.
    static QString userFolder();

    // The APP_LoTW_LASTQSL of the last good sync of that station data file.
    std::optional<QString> lastQsl(const QString& stationPath) const;
    // Records it; a date older than the recorded one is ignored. Throws FileError.
    void setLastQsl(const QString& stationPath, const QString& date) const;

    // Writes the report as "raporty/lotw_rrrr-mm-dd_hhmmss.adi" (a name no
    // other run takes, never over another file), removes the oldest beyond
    // kKeptReports, and returns its path. Throws FileError.
    QString keepReport(const QByteArray& report, const QDateTime& received) const;

private:
    QString folder_;
};

} // namespace zef
