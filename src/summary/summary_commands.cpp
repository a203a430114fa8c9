// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/summary_commands.h"

#include "core/file_attributes.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "summary/print_job.h"
#include "summary/printout_layout.h"
#include "summary/summary_window.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace zef {

namespace {

SummaryMode selectSummaryMode(Context& context, TForm20& summary, SummaryMode mode) {
    if (stationDataLoaded(context.state.station.tables()))
        summary.setMode(mode);
    return summary.mode();
}

// A printout to a file goes beside the station data file, named as it is
// (SP5ABC.csv gives SP5ABC.pdf); a station not saved yet prints to the home folder.
QString printoutFileProposal(const QString& stationPath) {
    if (stationPath.isEmpty())
        return QDir::home().filePath(QStringLiteral("Zefirant.pdf"));
    const QFileInfo station(stationPath);
    return station.dir().filePath(station.completeBaseName() + QStringLiteral(".pdf"));
}

} // namespace

SummaryMode Zestawieniewszystkiepodmioty1Click(Context& context, TForm20& summary) {
    return selectSummaryMode(context, summary, SummaryMode::AllConfirmed);
}

SummaryMode Zestawieniepodmiotyzweryfikowane1Click(Context& context, TForm20& summary) {
    return selectSummaryMode(context, summary, SummaryMode::Verified);
}

SummaryMode Zestawieniepodmiotydoweryfikacji1Click(Context& context, TForm20& summary) {
    return selectSummaryMode(context, summary, SummaryMode::ToVerify);
}

void Wydrukpodmiotw1Click(Context& context) {
    AppState& state = context.state;
    if (!stationDataLoaded(state.station.tables()))
        return;
    // Cancel keeps the callsign and still prints.
    if (const auto answer =
            context.dialogs.inputBox(QStringLiteral("Identyfikacja stacji"),
                                     QStringLiteral("Podaj znak:"), toQt(state.station.callsign())))
        state.station.setCallsign(upperAscii(fromQt(*answer)));

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Zefirant"));
    if (!context.dialogs.print(printer, printoutFileProposal(state.station.path())))
        return;
    if (printer.pageLayout().orientation() == QPageLayout::Landscape) {
        context.dialogs.messageBox(QStringLiteral("Ustaw pionową orientację papieru w drukarce!"),
                                   QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
        return;
    }
    const PrintoutHeader header{state.station.callsign(),
                                fromQt(context.system.shortDate(context.system.today())),
                                awardPoints(state.station.tables())};

    PrintoutJob job(printer);
    job.drawPage(printoutPageOne(state.station.tables(), header));
    job.endPage();
    context.system.processEvents();

    const QString entityFile = context.files.deliveredFile(kEntityFileName);
    if (!fileExists(entityFile)) {
        job.finish(); // page 1 stays printed
        context.dialogs.messageBox(missingReferenceFileMessage(entityFile), QStringLiteral("Błąd"),
                                   Buttons::Ok, Icon::Error);
        return;
    }
    const int entityFileLines = static_cast<int>(readEntityFileLines(entityFile).size());
    job.drawPage(printoutPageTwo(state.station.tables(), header, entityFileLines));
    context.system.processEvents();
    job.finish();
    context.system.processEvents();

    context.dialogs.messageBox(QStringLiteral("Dane zostały wysłane do drukarki!"),
                               QStringLiteral("Komunikat"), Buttons::Ok, Icon::Information);
}

} // namespace zef
