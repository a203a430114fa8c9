// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/progress_window.h"

#include "chart/chart_export.h"
#include "core/file_attributes.h"
#include "core/file_io.h"
#include "platform/command_guard.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace zef {

namespace {

constexpr std::array kModes{SummaryMode::AllConfirmed, SummaryMode::Verified,
                            SummaryMode::ToVerify};

int indexOf(SummaryMode mode) {
    return static_cast<int>(std::find(kModes.begin(), kModes.end(), mode) - kModes.begin());
}

const QString kChartSaveFilter = QStringLiteral(
    "Obraz PNG|*.png|Obraz SVG|*.svg|Dokument PDF|*.pdf|Dane CSV|*.csv|Wszystkie pliki|*.*");

} // namespace

ProgressWindow::ProgressWindow(Context& context, SummaryMode mode) : ctx_(context) {
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowFlags(Qt::Window);
    setWindowTitle(QStringLiteral("Wykres postępu"));
    resize(960, 600);

    modeBox = new QComboBox(this);
    modeBox->setObjectName(QStringLiteral("modeBox"));
    for (const SummaryMode m : kModes)
        modeBox->addItem(progressModeCaption(m));
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Punkty:"), this));
    controls->addWidget(modeBox);
    controls->addSpacing(12);
    for (int l = 0; l < kChartLines; ++l) {
        auto* box = new QCheckBox(chartLineCaption(l), this);
        box->setObjectName(QStringLiteral("lineBox%1").arg(l));
        box->setChecked(true);
        controls->addWidget(box);
        lineBoxes[static_cast<std::size_t>(l)] = box;
    }
    controls->addStretch(1);
    undatedLabel = new QLabel(this);
    undatedLabel->setObjectName(QStringLiteral("undatedLabel"));
    undatedLabel->setToolTip(QStringLiteral("Sloty, których daty nie można odczytać, "
                                            "są policzone w ostatnim punkcie wykresu."));
    controls->addWidget(undatedLabel);
    saveButton = new QPushButton(QStringLiteral("Zapisz wykres..."), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    controls->addWidget(saveButton);

    chart_ = new ProgressChart;
    chartView = new QChartView(chart_, this); // takes the chart
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(chartView, 1);

    modeBox->setCurrentIndex(indexOf(mode));
    connect(modeBox, &QComboBox::currentIndexChanged, this, &ProgressWindow::refresh);
    for (int l = 0; l < kChartLines; ++l) {
        connect(lineBoxes[static_cast<std::size_t>(l)], &QCheckBox::toggled, this,
                [this, l](bool shown) { chart_->setLineVisible(l, shown); });
        // The scene answers the pointer's rest with the tooltip of the item under
        // it, the chart's, and hides any other one.
        connect(chart_->line(l), &QLineSeries::hovered, this,
                [this, l](const QPointF& point, bool entered) {
                    chart_->setToolTip(entered ? chart_->pointText(l, point) : QString());
                    if (entered)
                        QToolTip::showText(QCursor::pos(), chart_->toolTip(), chartView);
                });
    }
    connect(saveButton, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { saveClick(); }));
    // Whichever window changed the station; rebuilding the series is cheap.
    connect(&ctx_.state.station, &Station::tablesChanged, this, &ProgressWindow::refreshWhenShown);
    connect(&ctx_.state.station, &Station::slotChanged, this, &ProgressWindow::refreshWhenShown);
}

SummaryMode ProgressWindow::mode() const {
    return kModes[static_cast<std::size_t>(std::max(modeBox->currentIndex(), 0))];
}

void ProgressWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

// A hidden window catches up when shown again.
void ProgressWindow::refreshWhenShown() {
    if (isVisible())
        refresh();
}

void ProgressWindow::refresh() {
    series_ = progressSeries(ctx_.state.station.tables(), mode());
    chart_->showSeries(series_, mode(), ctx_.system.today());
    undatedLabel->setText(series_.undatedSlots > 0 ? undatedSlotsText(series_.undatedSlots)
                                                   : QString());
}

QString ProgressWindow::proposedFileName() const {
    const QString station = ctx_.state.station.path();
    if (station.isEmpty())
        return QStringLiteral("wykres.png");
    const QFileInfo info(station);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_wykres.png"));
}

void ProgressWindow::saveClick() {
    save(proposedFileName());
}

void ProgressWindow::save(const QString& proposedPath) {
    const auto chosen = ctx_.dialogs.saveFile(kChartSaveFilter, proposedPath);
    if (!chosen)
        return;
    const QString path =
        QFileInfo(*chosen).suffix().isEmpty() ? *chosen + QStringLiteral(".png") : *chosen;
    const auto kind = chartFileKind(path);
    if (!kind) {
        ctx_.dialogs.messageBox(
            QStringLiteral("Wykres można zapisać jako obraz PNG lub SVG, dokument PDF "
                           "albo dane CSV.\nPodaj nazwę pliku z jednym z tych rozszerzeń."),
            QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
        return;
    }
    if (fileExists(path)) {
        switch (ctx_.dialogs.messageBox(QStringLiteral("Plik o tej nazwie już istnieje!\n"
                                                       "Zastąpić go?"),
                                        QStringLiteral("Ostrzeżenie"), Buttons::YesNoCancel,
                                        Icon::Warning)) {
        case Answer::Yes:
            break;
        case Answer::No:
            return save(path);
        default:
            return;
        }
    }
    ChartPicture picture{series_, mode(), ctx_.system.today()};
    for (int l = 0; l < kChartLines; ++l)
        picture.visible[static_cast<std::size_t>(l)] = chart_->lineVisible(l);
    const QByteArray bytes = chartFileBytes(picture, *kind, path);
    replaceFile(path, bytes);
}

} // namespace zef
