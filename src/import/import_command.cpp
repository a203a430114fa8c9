// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_command.h"

#include "core/award_tables.h"
#include "import/error_list.h"
#include "import/import_dialog.h"

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

void Importdanych1Click(Context& context, TForm7& dialog, const std::function<void()>& newStation) {
    if (!stationDataLoaded(context.state.station.tables())) {
        newStation();
        // New has said why it could not build the tables; with no entity
        // rows every record would only land in the error list.
        if (!stationDataLoaded(context.state.station.tables()))
            return;
    }
    dialog.ProgressBar1->hide();
    createErrorList(context.files.userFile(kErrorListFileName));
    context.dialogs.messageBox(importRulesText(), QStringLiteral("Informacja"), Buttons::Ok,
                               Icon::Information);
    context.dialogs.runModal(dialog);
}

} // namespace zef
