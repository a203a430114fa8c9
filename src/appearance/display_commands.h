#pragma once
// The main menu's display settings, about and help commands.

#include "platform/context.h"

#include <QFont>
#include <optional>

namespace zef {

class TForm1;
class TForm5;
class TFkorekcja;
class TFwysokosc_wierszy;

void Kolortadlapodmiotwpotwierdzonych1Click(Context& context, TForm1& main);
void Kolortadlapodmiotwusunitych1Click(Context& context, TForm1& main);
void Kolortadlapodmiotwzweryfikowanych1Click(Context& context, TForm1& main);
void Kolortadlapodmiotwpozostaych1Click(Context& context, TForm1& main);
// `lastChoice`: the font dialog's last confirmed choice in this run, if any.
void Czcionka1Click(Context& context, TForm1& main, std::optional<QFont>& lastChoice);
void Korekcjaszerokocigwnegookna1Click(TForm1& main, TFkorekcja& dialog);
void Wysoko1Click(Context& context, TForm1& main, TFwysokosc_wierszy& dialog);
void Plikpomocy1Click(Context& context);
void Oprogramie1Click(Context& context, TForm1& main, TForm5& about);

} // namespace zef
