#pragma once
// What every window is handed: the shared store, the platform, where the
// program's files live, and the other windows of the program (filled in as
// they are created, in a fixed order).

#include "core/app_state.h"
#include "core/program_files.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace zef {

class TForm1;
class TForm20;
class TForm2;
class TForm5;
class TForm7;
class TForm3;
class TForm4;
class TFPodmioty;
class TFwysokosc_wierszy;
class TFEmail;
class TFkorekcja;

struct Forms {
    TForm1* form1 = nullptr;
    TForm20* form20 = nullptr;
    TForm2* form2 = nullptr;
    TForm5* form5 = nullptr;
    TForm7* form7 = nullptr;
    TForm3* form3 = nullptr;
    TForm4* form4 = nullptr;
    TFPodmioty* fPodmioty = nullptr;
    TFwysokosc_wierszy* fWysokoscWierszy = nullptr;
    TFEmail* fEmail = nullptr;
    TFkorekcja* fKorekcja = nullptr;
};

struct Context {
    AppState& state;
    Dialogs& dialogs;
    System& system;
    const ProgramFiles& files;
    Forms forms;
};

} // namespace zef
