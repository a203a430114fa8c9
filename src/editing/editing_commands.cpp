// The main window's commands that open the editing windows.
#include "core/text.h"
#include "editing/entry_dialog.h"
#include "editing/submission_dialog.h"
#include "editing/verification.h"
#include "editing/verification_dialog.h"
#include "mainwindow/main_window.h"

namespace zef {

void TForm1::Edycja1Click() {
    ctx_.forms.form2->showForHighlightedRow();
}

void TForm1::Weryfikacjadanych1Click() {
    if (!stationDataLoaded(ctx_.state.station.tables()))
        return;
    if (!anyWaitingForVerification(ctx_.state.station.tables())) {
        ctx_.dialogs.messageBox(QStringLiteral("Brak danych do weryfikacji!"),
                                QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
        return;
    }
    const QString question =
        QStringLiteral("Weryfikacja spowoduje przesunięcie nowych podmiotów/sterf\n"
                       "do grupy podmiotów/stref zweryfikowanych. \n\nCzy kontynuowac?");
    if (ctx_.dialogs.messageBox(question, QStringLiteral("Ostrzeżenie"), Buttons::YesNo,
                                Icon::Warning, true) != Answer::Yes)
        return;
    update();
    ctx_.forms.form4->propose(toQt(verificationDateText(ctx_.system.today())));
}

void TForm1::Wyslij_daneClick() {
    if (!stationDataLoaded(ctx_.state.station.tables()))
        return;
    if (ctx_.state.station.unsaved()) {
        ctx_.dialogs.messageBox(QStringLiteral("Musisz najpierw zapisać zmiany!"),
                                QStringLiteral("Niezapisane dane"), Buttons::Ok, Icon::Warning);
        return;
    }
    ctx_.forms.fEmail->showFor(settingsFile());
}

} // namespace zef
