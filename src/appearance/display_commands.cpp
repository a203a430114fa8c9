// The main window's display settings, about and help commands.
#include "mainwindow/main_window.h"

namespace zef {

void TForm1::Kolortadlapodmiotwpotwierdzonych1Click() {}

void TForm1::Kolortadlapodmiotwusunitych1Click() {}

void TForm1::Kolortadlapodmiotwzweryfikowanych1Click() {}

void TForm1::Kolortadlapodmiotwpozostaych1Click() {}

void TForm1::Czcionka1Click() {}

void TForm1::Korekcjaszerokocigwnegookna1Click() {}

void TForm1::Wysoko1Click() {}

void TForm1::StringGrid1MouseUp() {}

void TForm1::Plikpomocy1Click() {
    ctx_.dialogs.messageBox(QStringLiteral("Pewnie kiedyś powstanie..."),
                            QStringLiteral("Plik pomocy"), Buttons::Ok, Icon::Information);
}

void TForm1::Oprogramie1Click() {}

} // namespace zef
