// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check a command makes before it reads a delivered reference file.

#include "platform/context.h"

#include <QString>

namespace zef {

// True, after saying so in a message box, when the delivered file `name` is missing.
bool missingReferenceFile(Context& context, const QString& name);

} // namespace zef
