// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu's "Import danych" command.

#include "platform/context.h"

#include <functional>

namespace zef {

class TForm7;

// `newStation`: the main window's "Nowy", run first when no station data are loaded.
void Importdanych1Click(Context& context, TForm7& dialog, const std::function<void()>& newStation);

} // namespace zef
