// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/chart_command.h"

#include "chart/progress_window.h"

namespace zef {

void Wykrespostpu1Click(Context& context, std::unique_ptr<ProgressWindow>& window,
                        SummaryMode summaryMode) {
    if (!stationDataLoaded(context.state.station.tables()))
        return;
    // Made when first asked for: most runs never open it, and start-up stays quick.
    if (!window)
        window = std::make_unique<ProgressWindow>(context, summaryMode);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace zef
