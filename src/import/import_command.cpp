// The main window's "Import danych" command.
#include "core/award_tables.h"
#include "import/error_list.h"
#include "import/import_dialog.h"
#include "mainwindow/main_window.h"

#include <QProgressBar>

namespace zef {

namespace {

QString importRulesText() {
    return QStringLiteral(
        "Program uwzględnia przy imporcie tylko te QSO, które są potwierdzone (QSL lub LoTW) \n"
        "oraz mają podany numer DXCC oraz numer strefy CQ.\n"
        "Jeśli dane pochodzą z programu, który w pliku ADIF nie umieszcza informacji o "
        "DXCC/strefie CQ,\n"
        "nie zostaną one zaimportowane.");
}

} // namespace

void TForm1::Importdanych1Click() {
    if (!stationDataLoaded(ctx_.state.station.tables())) {
        Nowy1Click();
        // New has said why it could not build the tables; with no entity
        // rows every record would only land in the error list.
        if (!stationDataLoaded(ctx_.state.station.tables()))
            return;
    }
    TForm7& dialog = *ctx_.forms.form7;
    dialog.ProgressBar1->hide();
    createErrorList(ctx_.files.userFile(kErrorListFileName));
    ctx_.dialogs.messageBox(importRulesText(), QStringLiteral("Informacja"), Buttons::Ok,
                            Icon::Information);
    ctx_.dialogs.runModal(dialog);
}

} // namespace zef
