// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/entity_editor_command.h"

#include "core/reference_files.h"
#include "platform/reference_check.h"
#include "reference/entity_editor.h"

namespace zef {

void Zarzdzaniebazpodmiotw1Click(Context& context, TFPodmioty& editor) {
    if (!stationDataLoaded(context.state.station.tables()))
        return;
    editor.loadLines({});
    if (missingReferenceFile(context, kEntityFileName))
        return;
    // Each opening starts from the file as it stands now.
    editor.loadLines(readEntityFileLines(context.files.deliveredFile(kEntityFileName)));
    editor.FormActivate();
    context.dialogs.runModal(editor);
}

} // namespace zef
