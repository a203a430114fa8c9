// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program: the shared store and the eleven windows, created in their
// fixed order, each handed the same context and the windows it works with.
// It wires the main menu's items that belong to other subsystems to their
// commands.

#include "platform/context.h"

#include <QFont>
#include <QString>
#include <memory>
#include <optional>

namespace zef {

class TForm1;
class TForm20;
class TForm2;
class TForm5;
class TForm7;
class TForm4;
class TFPodmioty;
class TFwysokosc_wierszy;
class TFEmail;
class TFkorekcja;
class ProgressWindow;

class Program {
public:
    // `parameter`: the station data file named on the command line.
    Program(Dialogs& dialogs, System& system, ProgramFiles where,
            std::optional<QString> parameter = std::nullopt);
    ~Program();

    // Creates the windows and runs the main window's start-up; false when the
    // program must end at once (the entity reference file is missing).
    bool start();

    AppState state;
    const ProgramFiles files;
    Context context;

    TForm1& main() const { return *form1_; }
    TForm20& summary() const { return *form20_; }
    TForm2& entry() const { return *form2_; }
    TForm5& about() const { return *form5_; }
    TForm7& import() const { return *form7_; }
    TForm4& verification() const { return *form4_; }
    TFPodmioty& entityEditor() const { return *fPodmioty_; }
    TFwysokosc_wierszy& rowHeight() const { return *fWysokoscWierszy_; }
    TFEmail& submission() const { return *fEmail_; }
    TFkorekcja& widthCorrection() const { return *fKorekcja_; }
    // The progress window, once the menu has opened it.
    ProgressWindow* progress() const { return progress_.get(); }

private:
    void wireCommands();
    void wireRequests();

    std::optional<QString> parameter_;
    // The font dialog's last confirmed choice in this run, if any.
    std::optional<QFont> fontChoice_;
    // Destroyed in reverse order: the dialogs owned by the main window before it.
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm20> form20_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm7> form7_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TFPodmioty> fPodmioty_;
    std::unique_ptr<TFwysokosc_wierszy> fWysokoscWierszy_;
    std::unique_ptr<TFEmail> fEmail_;
    std::unique_ptr<TFkorekcja> fKorekcja_;
    std::unique_ptr<ProgressWindow> progress_;
};

} // namespace zef
