#pragma once
// The main menu's "Import danych" command.

#include "platform/context.h"

namespace zef {

class TForm1;
class TForm7;

void Importdanych1Click(Context& context, TForm1& main, TForm7& dialog);

} // namespace zef
