#pragma once
// The main menu's summary mode and printout commands.

#include "platform/context.h"

namespace zef {

class TForm1;
class TForm20;

void Zestawieniewszystkiepodmioty1Click(Context& context, TForm1& main, TForm20& summary);
void Zestawieniepodmiotyzweryfikowane1Click(Context& context, TForm1& main, TForm20& summary);
void Zestawieniepodmiotydoweryfikacji1Click(Context& context, TForm1& main, TForm20& summary);
void Wydrukpodmiotw1Click(Context& context);

} // namespace zef
