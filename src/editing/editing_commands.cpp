// The main window's commands that open the editing windows.
#include "editing/entry_dialog.h"
#include "mainwindow/main_window.h"

namespace zef {

void TForm1::Edycja1Click() {
    ctx_.forms.form2->showForHighlightedRow();
}

void TForm1::Weryfikacjadanych1Click() {}

void TForm1::Wyslij_daneClick() {}

} // namespace zef
