// The main window's command that opens the entity list editor.
#include "mainwindow/main_window.h"

namespace zef {

void TForm1::Zarzdzaniebazpodmiotw1Click() {}

} // namespace zef
