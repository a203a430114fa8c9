// The main window's "Import danych" command.
#include "mainwindow/main_window.h"

namespace zef {

void TForm1::Importdanych1Click() {}

} // namespace zef
