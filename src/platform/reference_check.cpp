// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reference_check.h"

#include "core/file_attributes.h"
#include "core/reference_files.h"

namespace zef {

bool missingReferenceFile(Context& context, const QString& name) {
    const QString path = context.files.deliveredFile(name);
    if (fileExists(path))
        return false;
    context.dialogs.messageBox(missingReferenceFileMessage(path), QStringLiteral("Błąd"),
                               Buttons::Ok, Icon::Error);
    return true;
}

} // namespace zef
