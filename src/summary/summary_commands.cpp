// The main window's summary mode and printout commands.
#include "mainwindow/main_window.h"

#include "summary/summary_window.h"

namespace zef {

void TForm1::Zestawieniewszystkiepodmioty1Click() {
    selectSummaryMode(SummaryMode::AllConfirmed);
}

void TForm1::Zestawieniepodmiotyzweryfikowane1Click() {
    selectSummaryMode(SummaryMode::Verified);
}

void TForm1::Zestawieniepodmiotydoweryfikacji1Click() {
    selectSummaryMode(SummaryMode::ToVerify);
}

// Without station data the check mark stays where it was.
void TForm1::selectSummaryMode(SummaryMode mode) {
    if (stationDataLoaded(ctx_.state.tables))
        ctx_.forms.form20->setMode(mode);
    const SummaryMode shown = ctx_.forms.form20->mode();
    Zestawieniewszystkiepodmioty1->setChecked(shown == SummaryMode::AllConfirmed);
    Zestawieniepodmiotyzweryfikowane1->setChecked(shown == SummaryMode::Verified);
    Zestawieniepodmiotydoweryfikacji1->setChecked(shown == SummaryMode::ToVerify);
}

void TForm1::Wydrukpodmiotw1Click() {}

} // namespace zef
