// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu's commands that open the editing windows.

#include "core/grid_row.h"
#include "platform/context.h"

#include <optional>

class QWidget;

namespace zef {

class TForm2;
class TForm4;
class TFEmail;

// `highlighted`: the main window's highlighted row, if any.
void Edycja1Click(TForm2& entry, const std::optional<HighlightedRow>& highlighted);
// `main`: the window repainted before the dialog shows.
void Weryfikacjadanych1Click(Context& context, QWidget& main, TForm4& verification);
void Wyslij_daneClick(Context& context, TFEmail& submission);

} // namespace zef
