// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu's command that opens the entity list editor.

#include "platform/context.h"

namespace zef {

class TFPodmioty;

void Zarzdzaniebazpodmiotw1Click(Context& context, TFPodmioty& editor);

} // namespace zef
