// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress chart: one line per band and one for the total, over a date
// axis, drawn the same in the window and in the files it is saved to.

#include "chart/progress_series.h"

#include <QChart>
#include <QDate>
#include <array>

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace zef {

// The five bands and the total.
constexpr int kChartLines = kBands + 1;
constexpr int kTotalLine = kBands;

// The chart's caption of each mode, also the window's choice of it.
QString progressModeCaption(SummaryMode mode);
// "80 m" ... "10 m", "Razem".
QString chartLineCaption(int line);

class ProgressChart : public QChart {
    Q_OBJECT
public:
    ProgressChart();

    // Draws `series`; the lines run on to `end` (today, or the last date when
    // later), where the points of the slots without a date are added too.
    void showSeries(const ProgressSeries& series, SummaryMode mode, QDate end);
    void setLineVisible(int line, bool visible);
    bool lineVisible(int line) const;
    QLineSeries* line(int line) const { return lines_[static_cast<std::size_t>(line)]; }

    // "2023-05-01\n40 m: 57 pkt": the line's figure on the day at `point`.
    QString pointText(int line, const QPointF& point) const;

private:
    void fitValueAxis();
    void fitDateAxis(QDate first, QDate last);

    std::array<QLineSeries*, kChartLines> lines_{};
    QCategoryAxis* dates_ = nullptr;
    QValueAxis* values_ = nullptr;
    ProgressSeries series_;
    QDate end_;
};

} // namespace zef
