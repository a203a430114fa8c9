// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress chart as a file: a PNG, SVG or PDF picture, or the series as
// CSV, drawn without any window so that it needs no display.

#include "chart/chart_files.h"
#include "chart/progress_chart.h"

#include <QByteArray>
#include <QSize>

namespace zef {

// What the picture shows: the window's choices, or all lines from the command line.
struct ChartPicture {
    const ProgressSeries& series;
    SummaryMode mode;
    QDate end;
    std::array<bool, kChartLines> visible{true, true, true, true, true, true};
};

// The picture's size in pixels (PNG) or points (SVG, and the PDF's page proportion).
constexpr QSize kChartFileSize(1200, 700);

// The file's whole content; throws FileError naming `path` when it cannot be drawn.
QByteArray chartFileBytes(const ChartPicture& picture, ChartFileKind kind, const QString& path);

} // namespace zef
