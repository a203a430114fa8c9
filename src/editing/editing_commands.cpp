// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/editing_commands.h"

#include "core/settings.h"
#include "core/text.h"
#include "editing/entry_dialog.h"
#include "editing/submission_dialog.h"
#include "editing/verification.h"
#include "editing/verification_dialog.h"

namespace zef {

void Edycja1Click(TForm2& entry, const std::optional<HighlightedRow>& highlighted) {
    entry.showForHighlightedRow(highlighted);
}

void Weryfikacjadanych1Click(Context& context, QWidget& main, TForm4& verification) {
    const AwardTables& tables = context.state.station.tables();
    if (!stationDataLoaded(tables))
        return;
    if (!anyWaitingForVerification(tables)) {
        context.dialogs.messageBox(QStringLiteral("Brak danych do weryfikacji!"),
                                   QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
        return;
    }
    const QString question =
        QStringLiteral("Weryfikacja spowoduje przesunięcie nowych podmiotów/sterf\n"
                       "do grupy podmiotów/stref zweryfikowanych. \n\nCzy kontynuowac?");
    if (context.dialogs.messageBox(question, QStringLiteral("Ostrzeżenie"), Buttons::YesNo,
                                   Icon::Warning, true) != Answer::Yes)
        return;
    main.update();
    verification.propose(toQt(verificationDateText(context.system.today())));
}

void Wyslij_daneClick(Context& context, TFEmail& submission) {
    if (!stationDataLoaded(context.state.station.tables()))
        return;
    if (context.state.station.unsaved()) {
        context.dialogs.messageBox(QStringLiteral("Musisz najpierw zapisać zmiany!"),
                                   QStringLiteral("Niezapisane dane"), Buttons::Ok, Icon::Warning);
        return;
    }
    submission.showFor(ProfileFile(context.files.settingsFile(kSettingsFileName)));
}

} // namespace zef
