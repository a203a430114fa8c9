// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu's display settings, about and help commands.

#include "platform/context.h"

#include <QFont>
#include <optional>

class QWidget;

namespace zef {

class GridDisplay;
class TForm5;
class TFkorekcja;
class TFwysokosc_wierszy;

// `grid`: the main window's grid the settings change; `main`: the window
// the dialogs are placed over.
void Kolortadlapodmiotwpotwierdzonych1Click(Context& context, GridDisplay& grid);
void Kolortadlapodmiotwusunitych1Click(Context& context, GridDisplay& grid);
void Kolortadlapodmiotwzweryfikowanych1Click(Context& context, GridDisplay& grid);
void Kolortadlapodmiotwpozostaych1Click(Context& context, GridDisplay& grid);
// `lastChoice`: the font dialog's last confirmed choice in this run, if any.
void Czcionka1Click(Context& context, GridDisplay& grid, std::optional<QFont>& lastChoice);
void Korekcjaszerokocigwnegookna1Click(const QWidget& main, TFkorekcja& dialog);
void Wysoko1Click(Context& context, const QWidget& main, const GridDisplay& grid,
                  TFwysokosc_wierszy& dialog);
void Plikpomocy1Click(Context& context);
void Oprogramie1Click(Context& context, const QWidget& main, TForm5& about);

} // namespace zef
