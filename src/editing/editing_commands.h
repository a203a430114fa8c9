#pragma once
// The main menu's commands that open the editing windows.

#include "platform/context.h"

namespace zef {

class TForm1;
class TForm2;
class TForm4;
class TFEmail;

void Edycja1Click(TForm2& entry);
void Weryfikacjadanych1Click(Context& context, TForm1& main, TForm4& verification);
void Wyslij_daneClick(Context& context, TFEmail& submission);

} // namespace zef
