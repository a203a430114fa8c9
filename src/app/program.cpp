#include "app/program.h"

#include "appearance/about_window.h"
#include "appearance/row_height_dialog.h"
#include "appearance/width_correction_dialog.h"
#include "editing/entry_dialog.h"
#include "editing/submission_dialog.h"
#include "editing/verification_dialog.h"
#include "import/import_dialog.h"
#include "mainwindow/main_window.h"
#include "mainwindow/search_dialog.h"
#include "reference/entity_editor.h"
#include "summary/summary_window.h"

#include <QWidget>

namespace zef {

namespace {
template <typename Window>
Window* create(std::vector<std::unique_ptr<QObject>>& windows, Context& context) {
    auto window = std::make_unique<Window>(context);
    Window* raw = window.get();
    windows.push_back(std::move(window));
    return raw;
}
} // namespace

Program::Program(Dialogs& dialogs, System& system, ProgramFiles files,
                 std::optional<QString> parameter)
    : files(std::move(files)), context{state, dialogs, system, this->files, {}},
      parameter_(std::move(parameter)) {}

// Windows are hidden first, so none of them closes (and asks or writes
// settings) while the others are already gone; then they go in reverse order
// of creation, the dialogs owned by the main window before it.
Program::~Program() {
    for (auto& window : windows_)
        if (auto* widget = qobject_cast<QWidget*>(window.get()))
            widget->hide();
    while (!windows_.empty())
        windows_.pop_back();
}

bool Program::start() {
    Forms& f = context.forms;
    f.form1 = create<TForm1>(windows_, context);
    if (parameter_)
        f.form1->setParameter(*parameter_);
    if (!f.form1->FormCreate())
        return false;
    f.form20 = create<TForm20>(windows_, context);
    f.form20->FormCreate();
    f.form1->focusGrid();
    f.form2 = create<TForm2>(windows_, context);
    f.form5 = create<TForm5>(windows_, context);
    f.form7 = create<TForm7>(windows_, context);
    f.form3 = create<TForm3>(windows_, context);
    f.form4 = create<TForm4>(windows_, context);
    f.fPodmioty = create<TFPodmioty>(windows_, context);
    f.fWysokoscWierszy = create<TFwysokosc_wierszy>(windows_, context);
    f.fEmail = create<TFEmail>(windows_, context);
    f.fKorekcja = create<TFkorekcja>(windows_, context);
    f.form1->storeSummaryGeometry = [summary = f.form20](Settings& s) {
        summary->storeGeometry(s);
    };
    f.form1->recipientForSettings = [email = f.fEmail](const ProfileFile& ini) {
        return email->recipientForSettings(ini);
    };
    return true;
}

} // namespace zef
