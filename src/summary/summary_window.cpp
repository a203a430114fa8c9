// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/summary_window.h"

#include "core/display_rules.h"
#include "platform/status_panels.h"
#include "platform/window_frame.h"
#include "platform/window_reach.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zef {

namespace {

constexpr int kColumnWidth = 84;
constexpr int kRowHeight = 24;

QTableWidget* makeGrid(QWidget* parent, const QString& name, int rows) {
    auto* grid = new QTableWidget(rows, kSummaryColumns, parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setFixedSize(kColumnWidth * kSummaryColumns + 2, kRowHeight * rows + 2);
    QFont fixed(QStringLiteral("Fixedsys"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPixelSize(13);
    grid->setFont(fixed);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setWordWrap(false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kSummaryColumns; ++c)
            grid->setItem(r, c, new QTableWidgetItem);
    return grid;
}

// The fixed row and column of a grid look like buttons, as the design has them.
void paintFixedCells(QTableWidget* grid, bool fixedRow) {
    const QBrush face = grid->palette().button();
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (c == 0 || (fixedRow && r == 0))
                grid->item(r, c)->setBackground(face);
}

} // namespace

TForm20::TForm20(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("Form20"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(summaryWindowCaption(SummaryMode::AllConfirmed));
    setGeometry(345, 211, 437, 225);
    setMinimumSize(437, 225);
    setMaximumSize(500, 300);
    // The counts follow the station, whichever window changed it.
    connect(&ctx_.state.station, &Station::tablesChanged, this, &TForm20::summaryRefresh);
    connect(&ctx_.state.station, &Station::slotChanged, this, &TForm20::summaryRefresh);
    setCursor(Qt::PointingHandCursor);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(0);
    StringGrid1 = makeGrid(this, QStringLiteral("StringGrid1"), kSummaryGridRows);
    paintFixedCells(StringGrid1, true);
    StringGrid2 = makeGrid(this, QStringLiteral("StringGrid2"), 1);
    // Disabled in the design: it never takes the focus or shows a selection,
    // but its text keeps its colours.
    StringGrid2->setAttribute(Qt::WA_TransparentForMouseEvents);
    paintFixedCells(StringGrid2, false);
    for (int c = 1; c < kSummaryColumns; ++c) {
        StringGrid2->item(0, c)->setForeground(QColor(128, 0, 0));
        StringGrid2->item(0, c)->setBackground(QColor(Qt::lightGray));
    }
    StatusBar1 = new StatusPanels(QStringLiteral("StatusBar1"), 3, 20, this);
    QFont panelFont(QStringLiteral("Tahoma"));
    panelFont.setPointSize(8);
    panelFont.setBold(true);
    StatusBar1->setFont(panelFont);
    StatusBar1->setStyleSheet(QStringLiteral("color: navy"));
    layout->addWidget(StringGrid1);
    layout->addWidget(StringGrid2);
    layout->addStretch(1);
    layout->addWidget(StatusBar1);
}

void TForm20::FormCreate() {
    showTexts(initialSummaryTexts());
    StringGrid1->clearSelection();
    StringGrid2->clearSelection();
    // Placed before it is shown: a window manager takes a position given to a
    // shown window for its client area, while the one stored is its frame's,
    // and the window would creep at every start.
    placeFromSettings();
    show();
    askForFrameWithoutButtons(*this);
    // Every counted cell shows its number from the start, 0 at a first start.
    summaryRefresh();
}

void TForm20::placeFromSettings() {
    const ProfileFile ini(ctx_.files.settingsFile(kSettingsFileName));
    if (!ini.exists()) {
        move(0, 0);
        return;
    }
    Settings geometry;
    storeGeometry(geometry);
    readSummaryGeometry(ini, geometry);
    move(boundedWindowPosition(geometry.summaryLeft), boundedWindowPosition(geometry.summaryTop));
    resize(geometry.summaryWidth, geometry.summaryHeight);
    keepWithinReach(*this);
}

void TForm20::stayBeside(QWidget& mainWindow) {
    mainWindow_ = &mainWindow;
    mainWindow.installEventFilter(this);
}

// Iconified all the same by a window manager, the window comes back at
// once beside the main window, or together with it when that is iconified.
void TForm20::comeBack() {
    if (!isMinimized() || (mainWindow_ != nullptr && mainWindow_->isMinimized()))
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
}

void TForm20::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Queued: the window manager finishes the iconifying first.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QMetaObject::invokeMethod(this, &TForm20::comeBack, Qt::QueuedConnection);
}

bool TForm20::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_ &&
        (event->type() == QEvent::WindowStateChange || event->type() == QEvent::ActivationChange))
        comeBack();
    return QWidget::eventFilter(watched, event);
}

void TForm20::summaryRefresh() {
    showTexts(summaryTexts(summaryCounts(ctx_.state.station.tables(), mode_)));
}

void TForm20::setMode(SummaryMode mode) {
    mode_ = mode;
    setWindowTitle(summaryWindowCaption(mode));
    summaryRefresh();
}

void TForm20::showTexts(const SummaryTexts& texts) {
    for (int r = 0; r < kSummaryGridRows; ++r)
        for (int c = 0; c < kSummaryColumns; ++c)
            StringGrid1->item(r, c)->setText(texts.bandGrid[r][c]);
    for (int c = 0; c < kSummaryColumns; ++c)
        StringGrid2->item(0, c)->setText(texts.totalsRow[c]);
    for (int p = 0; p < 3; ++p)
        StatusBar1->setPanelText(p, texts.statusPanels[p]);
}

void TForm20::storeGeometry(Settings& settings) const {
    settings.summaryLeft = x();
    settings.summaryTop = y();
    settings.summaryWidth = width();
    settings.summaryHeight = height();
}

void TForm20::FormResize() {
    StatusBar1->setPanelWidth(0, width() / 3);
    StatusBar1->setPanelWidth(1, width() / 3);
}

void TForm20::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TForm20::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

} // namespace zef
