// The main window's command that opens the entity list editor.
#include "core/reference_files.h"
#include "mainwindow/main_window.h"
#include "reference/entity_editor.h"

namespace zef {

void TForm1::Zarzdzaniebazpodmiotw1Click() {
    if (!stationDataLoaded(ctx_.state.station.tables()))
        return;
    TFPodmioty& editor = *ctx_.forms.fPodmioty;
    editor.loadLines({});
    if (missingReferenceFile(kEntityFileName))
        return;
    // Each opening starts from the file as it stands now.
    editor.loadLines(readEntityFileLines(ctx_.files.deliveredFile(kEntityFileName)));
    editor.FormActivate();
    ctx_.dialogs.runModal(editor);
}

} // namespace zef
