// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/chart_files.h"

#include <QFileInfo>

namespace zef {

std::optional<ChartFileKind> chartFileKind(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return ChartFileKind::Png;
    if (suffix == u"svg")
        return ChartFileKind::Svg;
    if (suffix == u"pdf")
        return ChartFileKind::Pdf;
    if (suffix == u"csv")
        return ChartFileKind::Csv;
    return std::nullopt;
}

std::string progressCsv(const ProgressSeries& series) {
    // Dates and numbers only: the text is UTF-8 and ASCII alike.
    std::string csv = "data;80m;40m;20m;15m;10m;razem\r\n";
    for (const ProgressPoint& point : series.points) {
        csv += point.date.isValid() ? point.date.toString(Qt::ISODate).toStdString() : "bez daty";
        for (const int points : point.bands)
            csv += ';' + std::to_string(points);
        csv += ';' + std::to_string(point.total) + "\r\n";
    }
    return csv;
}

} // namespace zef
