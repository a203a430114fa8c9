// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "appearance/about_window.h"
#include "appearance/display_commands.h"
#include "appearance/row_height_dialog.h"
#include "appearance/width_correction_dialog.h"
#include "chart/chart_command.h"
#include "chart/progress_window.h"
#include "editing/editing_commands.h"
#include "editing/entry_dialog.h"
#include "editing/submission_dialog.h"
#include "editing/verification_dialog.h"
#include "import/import_command.h"
#include "import/import_dialog.h"
#include "mainwindow/main_window.h"
#include "platform/command_guard.h"
#include "reference/entity_editor.h"
#include "reference/entity_editor_command.h"
#include "summary/summary_commands.h"
#include "summary/summary_window.h"

#include <QAction>
#include <functional>
#include <utility>

namespace zef {

Program::Program(Dialogs& dialogs, System& system, ProgramFiles where,
                 std::optional<QString> parameter)
    : files(std::move(where)), context{state, dialogs, system, files},
      parameter_(std::move(parameter)) {}

// Windows are hidden first, so none of them closes (and asks or writes
// settings) while the others are already gone.
Program::~Program() {
    QWidget* const windows[] = {
        form1_.get(),  form20_.get(),    form2_.get(),     form5_.get(),
        form7_.get(),  form4_.get(),     fPodmioty_.get(), fWysokoscWierszy_.get(),
        fEmail_.get(), fKorekcja_.get(), progress_.get()};
    for (QWidget* window : windows)
        if (window != nullptr)
            window->hide();
}

bool Program::start() {
    form1_ = std::make_unique<TForm1>(context);
    TForm1& main = *form1_;
    if (parameter_)
        main.setParameter(*parameter_);
    if (!main.FormCreate())
        return false;
    form20_ = std::make_unique<TForm20>(context);
    form20_->FormCreate();
    form20_->stayBeside(main);
    main.focusGrid();
    form2_ = std::make_unique<TForm2>(context, main);
    form5_ = std::make_unique<TForm5>(context);
    form7_ = std::make_unique<TForm7>(context, main);
    form4_ = std::make_unique<TForm4>(context, main);
    fPodmioty_ = std::make_unique<TFPodmioty>(context, &main);
    fWysokoscWierszy_ = std::make_unique<TFwysokosc_wierszy>(context, main);
    fEmail_ = std::make_unique<TFEmail>(context, &main);
    fKorekcja_ = std::make_unique<TFkorekcja>(context, main);
    main.setOtherWindowsSettings(
        [summary = form20_.get()](Settings& s) { summary->storeGeometry(s); },
        [email = fEmail_.get()](const ProfileFile& ini) {
            return email->recipientForSettings(ini);
        });
    wireCommands();
    wireRequests();
    return true;
}

void Program::wireCommands() {
    TForm1& m = *form1_;
    const auto checkMode = [this](SummaryMode shown) { form1_->checkSummaryMode(shown); };
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Zarzdzaniebazpodmiotw1", [this] { Zarzdzaniebazpodmiotw1Click(context, *fPodmioty_); }},
        {"Zestawieniewszystkiepodmioty1",
         [=, this] { checkMode(Zestawieniewszystkiepodmioty1Click(context, *form20_)); }},
        {"Zestawieniepodmiotyzweryfikowane1",
         [=, this] { checkMode(Zestawieniepodmiotyzweryfikowane1Click(context, *form20_)); }},
        {"Zestawieniepodmiotydoweryfikacji1",
         [=, this] { checkMode(Zestawieniepodmiotydoweryfikacji1Click(context, *form20_)); }},
        {"Wykrespostpu1", [this] { Wykrespostpu1Click(context, progress_, form20_->mode()); }},
        {"Wydrukpodmiotw1", [this] { Wydrukpodmiotw1Click(context); }},
        {"Importdanych1",
         [this] { Importdanych1Click(context, *form7_, [this] { form1_->Nowy1Click(); }); }},
        {"Wyslij_dane", [this] { Wyslij_daneClick(context, *fEmail_); }},
        {"Weryfikacjadanych1", [this] { Weryfikacjadanych1Click(context, *form1_, *form4_); }},
        {"Edycja1", [this] { Edycja1Click(*form2_, form1_->highlightedRow()); }},
        {"Kolortadlapodmiotwpotwierdzonych1",
         [this] { Kolortadlapodmiotwpotwierdzonych1Click(context, *form1_); }},
        {"Kolortadlapodmiotwusunitych1",
         [this] { Kolortadlapodmiotwusunitych1Click(context, *form1_); }},
        {"Kolortadlapodmiotwzweryfikowanych1",
         [this] { Kolortadlapodmiotwzweryfikowanych1Click(context, *form1_); }},
        {"Kolortadlapodmiotwpozostaych1",
         [this] { Kolortadlapodmiotwpozostaych1Click(context, *form1_); }},
        {"Czcionka1", [this] { Czcionka1Click(context, *form1_, fontChoice_); }},
        {"Korekcjaszerokocigwnegookna1",
         [this] { Korekcjaszerokocigwnegookna1Click(*form1_, *fKorekcja_); }},
        {"Wysoko1", [this] { Wysoko1Click(context, *form1_, *form1_, *fWysokoscWierszy_); }},
        {"Plikpomocy1", [this] { Plikpomocy1Click(context); }},
        {"Oprogramie1", [this] { Oprogramie1Click(context, *form1_, *form5_); }},
    };
    for (const auto& command : commands)
        QObject::connect(&m.menuItem(QLatin1String(command.first)), &QAction::triggered, &m,
                         guarded(context.dialogs, command.second));
}

// What the dialogs ask of the main window after they changed the station.
void Program::wireRequests() {
    TForm1& m = *form1_;
    QObject::connect(form2_.get(), &TForm2::selectRowRequested, &m,
                     [&m](int row) { m.selectRow(row); });
    QObject::connect(form4_.get(), &TForm4::clearPrefixSearchRequested, &m,
                     [&m] { m.clearPrefixSearch(); });
    QObject::connect(form7_.get(), &TForm7::showAllEntitiesRequested, &m,
                     guarded(context.dialogs, [&m] { m.Wszystkiepodmioty1Click(); }));
}

} // namespace zef
