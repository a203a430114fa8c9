// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/progress_chart.h"

#include "chart/date_ticks.h"

#include <QCategoryAxis>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

namespace zef {

namespace {

constexpr qreal kDay = 24 * 3600 * 1000.0;

qreal xOf(QDate date, QTime time) {
    return static_cast<qreal>(QDateTime(date, time).toMSecsSinceEpoch());
}

// Days at noon: a day's point stays on its day in any time zone.
qreal xOf(QDate date) {
    return xOf(date, QTime(12, 0));
}

// A pointer up to half a day beside a step still names the step's day.
QDate dateAt(qreal x) {
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(x)).date();
}

int figure(const ProgressPoint& point, int line) {
    return line == kTotalLine ? point.total : point.bands[static_cast<std::size_t>(line)];
}

// A cumulative figure holds until the next change: drawn as steps.
QList<QPointF> steps(const ProgressSeries& series, int line, QDate end) {
    QList<QPointF> points;
    if (series.points.empty())
        return points;
    points.reserve(static_cast<qsizetype>(2 * series.points.size() + 1));
    qreal previous = 0;
    for (const ProgressPoint& point : series.points) {
        const qreal x = xOf(point.date.isValid() ? point.date : end);
        const qreal y = figure(point, line);
        points.append({x, previous});
        points.append({x, y});
        previous = y;
    }
    points.append({xOf(end), previous});
    return points;
}

} // namespace

QString progressModeCaption(SummaryMode mode) {
    switch (mode) {
    case SummaryMode::AllConfirmed:
        return QStringLiteral("potwierdzone (wg daty QSO)");
    case SummaryMode::Verified:
        return QStringLiteral("zweryfikowane (wg daty weryfikacji)");
    case SummaryMode::ToVerify:
        return QStringLiteral("czekające na weryfikację");
    }
    return {};
}

QString chartLineCaption(int line) {
    if (line == kTotalLine)
        return QStringLiteral("Razem");
    return QString::fromLatin1(kBandNames[static_cast<std::size_t>(line)]) + QStringLiteral(" m");
}

ProgressChart::ProgressChart() {
    // Redrawn whole on every change of the station: animation would lag behind.
    setAnimationOptions(QChart::NoAnimation);
    legend()->setAlignment(Qt::AlignBottom);
    QFont titleFont = font();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    setTitleFont(titleFont);
    dates_ = new QCategoryAxis(this);
    dates_->setTitleText(QStringLiteral("Data"));
    // Whole years or months under their ticks, not evenly spaced moments.
    dates_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    values_ = new QValueAxis(this);
    values_->setTitleText(QStringLiteral("Punkty"));
    values_->setLabelFormat(QStringLiteral("%d"));
    addAxis(dates_, Qt::AlignBottom);
    addAxis(values_, Qt::AlignLeft);
    for (int l = 0; l < kChartLines; ++l) {
        auto* series = new QLineSeries(this);
        series->setName(chartLineCaption(l));
        addSeries(series);
        series->attachAxis(dates_);
        series->attachAxis(values_);
        lines_[static_cast<std::size_t>(l)] = series;
    }
    QPen total(Qt::black);
    total.setWidth(3);
    line(kTotalLine)->setPen(total);
}

void ProgressChart::showSeries(const ProgressSeries& series, SummaryMode mode, QDate end) {
    series_ = series;
    QDate first = end;
    for (const ProgressPoint& point : series.points) {
        if (point.date.isValid()) {
            first = std::min(first, point.date);
            end = std::max(end, point.date);
        }
    }
    end_ = end;
    // A month at least, so that a new station's first days show as days.
    first = std::min(first, end.addDays(-30));
    setTitle(QStringLiteral("Punkty dyplomu: ") + progressModeCaption(mode));
    for (int l = 0; l < kChartLines; ++l)
        line(l)->replace(steps(series, l, end));
    fitDateAxis(first, end);
    fitValueAxis();
}

void ProgressChart::fitDateAxis(QDate first, QDate last) {
    for (const QString& label : dates_->categoriesLabels())
        dates_->remove(label);
    // A margin of a fortieth of the time, a month at least, on both sides.
    const qreal margin = std::max<qreal>(xOf(last) - xOf(first), 30 * kDay) / 40;
    const qreal from = xOf(first) - margin;
    const qreal to = xOf(last) + margin;
    dates_->setStartValue(from);
    for (const DateTick& tick : dateTicks(first, last)) {
        const qreal x = xOf(tick.date, QTime(0, 0));
        if (x > from && x < to)
            dates_->append(tick.label, x);
    }
    dates_->setRange(from, to);
}

void ProgressChart::setLineVisible(int l, bool visible) {
    line(l)->setVisible(visible);
    fitValueAxis();
}

bool ProgressChart::lineVisible(int l) const {
    return line(l)->isVisible();
}

// The visible lines fill the height: hiding the total shows the bands larger.
void ProgressChart::fitValueAxis() {
    int highest = 0;
    for (const ProgressPoint& point : series_.points)
        for (int l = 0; l < kChartLines; ++l)
            if (lineVisible(l))
                highest = std::max(highest, figure(point, l));
    values_->setRange(0, std::max(highest, 10));
    values_->applyNiceNumbers();
}

QString ProgressChart::pointText(int l, const QPointF& point) const {
    const QDate date = dateAt(point.x());
    int value = 0;
    for (const ProgressPoint& p : series_.points)
        if (!p.date.isValid() ? date >= end_ : p.date <= date)
            value = figure(p, l);
    return date.toString(Qt::ISODate) + u'\n' + chartLineCaption(l) + QStringLiteral(": ") +
           QString::number(value) + QStringLiteral(" pkt");
}

} // namespace zef
