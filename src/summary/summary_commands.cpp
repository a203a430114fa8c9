// The main window's summary mode and printout commands.
#include "mainwindow/main_window.h"

#include "core/file_attributes.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "summary/print_job.h"
#include "summary/printout_layout.h"
#include "summary/summary_window.h"

#include <QPrinter>

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
    if (stationDataLoaded(ctx_.state.station.tables()))
        ctx_.forms.form20->setMode(mode);
    const SummaryMode shown = ctx_.forms.form20->mode();
    Zestawieniewszystkiepodmioty1->setChecked(shown == SummaryMode::AllConfirmed);
    Zestawieniepodmiotyzweryfikowane1->setChecked(shown == SummaryMode::Verified);
    Zestawieniepodmiotydoweryfikacji1->setChecked(shown == SummaryMode::ToVerify);
}

void TForm1::Wydrukpodmiotw1Click() {
    AppState& state = ctx_.state;
    if (!stationDataLoaded(state.station.tables()))
        return;
    // Cancel keeps the callsign and still prints.
    if (const auto answer =
            ctx_.dialogs.inputBox(QStringLiteral("Identyfikacja stacji"),
                                  QStringLiteral("Podaj znak:"), toQt(state.station.callsign())))
        state.station.setCallsign(upperAscii(fromQt(*answer)));

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Zefirant"));
    if (!ctx_.dialogs.print(printer))
        return;
    if (printer.pageLayout().orientation() == QPageLayout::Landscape) {
        ctx_.dialogs.messageBox(QStringLiteral("Ustaw pionową orientację papieru w drukarce!"),
                                QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
        return;
    }
    const PrintoutHeader header{state.station.callsign(),
                                fromQt(ctx_.system.shortDate(ctx_.system.today())),
                                awardPoints(state.station.tables())};

    PrintoutJob job(printer);
    job.drawPage(printoutPageOne(state.station.tables(), header));
    job.endPage();
    ctx_.system.processEvents();

    const QString entityFile = ctx_.files.deliveredFile(kEntityFileName);
    if (!fileExists(entityFile)) {
        job.finish(); // page 1 stays printed
        ctx_.dialogs.messageBox(missingReferenceFileMessage(entityFile), QStringLiteral("Błąd"),
                                Buttons::Ok, Icon::Error);
        return;
    }
    const int entityFileLines = static_cast<int>(readEntityFileLines(entityFile).size());
    job.drawPage(printoutPageTwo(state.station.tables(), header, entityFileLines));
    ctx_.system.processEvents();
    job.finish();
    ctx_.system.processEvents();

    ctx_.dialogs.messageBox(QStringLiteral("Dane zostały wysłane do drukarki!"),
                            QStringLiteral("Komunikat"), Buttons::Ok, Icon::Information);
}

} // namespace zef
