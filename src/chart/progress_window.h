// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress window: the award's points over time in the chosen mode, one
// line per band and the total, each of which can be hidden; it follows the
// station while open and saves the picture to a file.

#include "chart/progress_chart.h"
#include "platform/context.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;

namespace zef {

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    ProgressWindow(Context& context, SummaryMode mode);

    SummaryMode mode() const;
    const ProgressSeries& series() const { return series_; }
    ProgressChart& chart() const { return *chart_; }

    // Asks for a file and writes the chart as its extension says.
    void saveClick();

    QComboBox* modeBox = nullptr;
    std::array<QCheckBox*, kChartLines> lineBoxes{};
    QLabel* undatedLabel = nullptr;
    QPushButton* saveButton = nullptr;
    QChartView* chartView = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void refreshWhenShown();
    void save(const QString& proposedPath);
    QString proposedFileName() const;

    Context& ctx_;
    ProgressChart* chart_ = nullptr;
    ProgressSeries series_;
};

} // namespace zef
