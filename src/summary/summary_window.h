// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm20, the summary window: per band the counted zones, zone points,
// entities and band total, a totals row, and the award points. Always
// visible; it has no buttons in its frame, so it cannot be closed.

#include "core/settings.h"
#include "core/summary_counts.h"
#include "platform/context.h"

#include <QPointer>
#include <QWidget>

class QTableWidget;

namespace zef {

class StatusPanels;

class TForm20 : public QWidget {
    Q_OBJECT
public:
    explicit TForm20(Context& context);

    void FormCreate();
    void summaryRefresh();
    // The three summary commands of the "Widok" menu: caption and counts by mode.
    void setMode(SummaryMode mode);
    SummaryMode mode() const { return mode_; }
    // Position and size as the settings file stores them.
    void storeGeometry(Settings& settings) const;
    // The main window it stays beside: iconified anyway by a window manager,
    // the summary comes back with it.
    void stayBeside(QWidget& mainWindow);

    QTableWidget* StringGrid1 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    StatusPanels* StatusBar1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window stays while the program runs: no command would bring it back.
    void closeEvent(QCloseEvent* event) override;

private:
    void FormResize();
    void showTexts(const SummaryTexts& texts);
    void placeFromSettings();
    void comeBack();

    Context& ctx_;
    SummaryMode mode_ = SummaryMode::AllConfirmed;
    QPointer<QWidget> mainWindow_;
};

} // namespace zef
