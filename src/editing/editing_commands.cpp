// The main window's commands that open the editing windows.
#include "mainwindow/main_window.h"

namespace zef {

void TForm1::Edycja1Click() {}

void TForm1::Weryfikacjadanych1Click() {}

void TForm1::Wyslij_daneClick() {}

} // namespace zef
