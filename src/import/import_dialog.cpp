// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_dialog.h"

#include "core/file_attributes.h"
#include "core/system_reason.h"
#include "import/adif_import.h"
#include "import/adif_origin.h"
#include "import/error_list.h"
#include "import/import_report.h"
#include "import/import_result_window.h"
#include "platform/command_guard.h"
#include "platform/dialog_frame.h"
#include "platform/named_widget.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <functional>

namespace zef {

namespace {

const QString kAdifFilter = QStringLiteral("Pliki ADIF |*.ADI|Wszystkie pliki|*.*");

constexpr int kButtonWidth = 75;
// The bar and the window are brought up to date at most this often during a
// run: often enough to stay responsive, rarely enough to cost next to nothing.
constexpr qint64 kRepaintMs = 100;

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = commandButton(name, caption, parent);
    b->setFixedWidth(kButtonWidth);
    return b;
}

QGroupBox* group(const QString& name, const QString& caption, QRadioButton* first,
                 QRadioButton* second, QWidget* parent) {
    auto* box = named<QGroupBox>(name, caption, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 2, 8, 4);
    layout->setSpacing(2);
    layout->addWidget(first);
    layout->addWidget(second);
    return box;
}

int clampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, INT_MAX));
}

// Restores the dialog after a run however the run ends.
class RunScope {
public:
    explicit RunScope(std::function<void()> end) : end_(std::move(end)) {}
    ~RunScope() { end_(); }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    std::function<void()> end_;
};

} // namespace

TForm7::TForm7(Context& context, QWidget& main) : QDialog(&main), ctx_(context) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Importowanie danych z pliku ADIF"));
    setDialogFrame(*this, FrameButtons::MenuMinimiseAndClose);

    Label1 = named<QLabel>(QStringLiteral("Label1"), QStringLiteral("Nazwa pliku"), this);
    Edit1 = named<QLineEdit>(QStringLiteral("Edit1"), this);
    Label1->setBuddy(Edit1);
    Button1 = button(QStringLiteral("Button1"), QStringLiteral("Wybierz"), this);
    Button2 = button(QStringLiteral("Button2"), QStringLiteral("Importuj"), this);
    Button4 = button(QStringLiteral("Button4"), QStringLiteral("Info"), this);
    Button3 = button(QStringLiteral("Button3"), QStringLiteral("Powrót"), this);
    RadioButton1 = named<QRadioButton>(QStringLiteral("RadioButton1"), QStringLiteral("Log"));
    RadioButton2 = named<QRadioButton>(QStringLiteral("RadioButton2"), QStringLiteral("LoTW"));
    RadioButton4 = named<QRadioButton>(QStringLiteral("RadioButton4"), QStringLiteral("Log (QSL)"));
    RadioButton3 = named<QRadioButton>(QStringLiteral("RadioButton3"), QStringLiteral("LoTW"));
    RadioButton1->setChecked(true);
    RadioButton4->setChecked(true);
    GroupBox1 = group(QStringLiteral("GroupBox1"), QStringLiteral("Źródło danych"), RadioButton1,
                      RadioButton2, this);
    GroupBox2 = group(QStringLiteral("GroupBox2"), QStringLiteral("Priorytet danych"), RadioButton4,
                      RadioButton3, this);
    ProgressBar1 = named<QProgressBar>(QStringLiteral("ProgressBar1"), this);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(16);
    // The bar's place stays when it is hidden, so nothing jumps when a run starts.
    QSizePolicy barPolicy = ProgressBar1->sizePolicy();
    barPolicy.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(barPolicy);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Label1);
    fileRow->addWidget(Edit1, 1);
    fileRow->addWidget(Button1);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    buttons->addWidget(Button2);
    buttons->addWidget(Button4);
    buttons->addWidget(Button3);
    buttons->addStretch(1);
    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(GroupBox1, 1);
    choiceRow->addWidget(GroupBox2, 1);
    choiceRow->addLayout(buttons);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(8, 8, 8, 6);
    content->setSpacing(6);
    content->addLayout(fileRow);
    content->addLayout(choiceRow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(content, 1);
    layout->addWidget(ProgressBar1);
    setFixedSize(std::max(380, sizeHint().width()), std::max(151, sizeHint().height()));

    connect(Button1, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button3Click(); }));
    connect(Button4, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button4Click(); }));
    FormCreate();
}

void TForm7::FormCreate() {
    Edit1->clear();
    ProgressBar1->hide();
}

ImportOptions TForm7::options() const {
    ImportOptions chosen;
    chosen.source = RadioButton2->isChecked() ? ImportSource::Lotw : ImportSource::Log;
    chosen.priority = RadioButton3->isChecked() ? ImportPriority::Lotw : ImportPriority::LogQsl;
    return chosen;
}

void TForm7::Button1Click() {
    if (const auto chosen = ctx_.dialogs.openFile(kAdifFilter, Edit1->text()))
        Edit1->setText(*chosen);
}

bool TForm7::refuseRun() {
    const QString name = Edit1->text();
    QString refusal;
    if (name.isEmpty())
        refusal = QStringLiteral("Wybierz plik ADIF do importu!");
    else if (!fileExists(name))
        refusal = unreadableChoiceMessage(name);
    if (refusal.isEmpty())
        return false;
    ctx_.dialogs.messageBox(refusal, QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
    return true;
}

// A LoTW report carries QSL_RCVD:Y with every LoTW confirmation: imported
// from "Log" it would mark them all paper cards. False to stop.
bool TForm7::chooseSourceOfLotwReport() {
    switch (ctx_.dialogs.messageBox(
        QStringLiteral("Plik \"%1\" jest raportem LoTW.\n"
                       "Zaimportowany ze źródłem danych \"Log\" oznaczyłby wszystkie "
                       "potwierdzenia LoTW jako karty QSL.\n\n"
                       "Zaimportować go jako dane z LoTW?\n"
                       "Tak - źródło LoTW, Nie - źródło Log, Anuluj - bez importu.")
            .arg(Edit1->text()),
        QStringLiteral("Ostrzeżenie"), Buttons::YesNoCancel, Icon::Warning)) {
    case Answer::Yes:
        RadioButton2->setChecked(true);
        return true;
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void TForm7::Button2Click() {
    if (running_ || refuseRun())
        return;
    const QString path = Edit1->text();
    const bool lotwReport = isLotwReportFile(path);
    if (lotwReport && RadioButton1->isChecked() && !chooseSourceOfLotwReport())
        return;
    ImportResult result;
    {
        const RunScope scope([this] {
            ProgressBar1->hide();
            ProgressBar1->setValue(0);
            setRunning(false);
        });
        // Disabled before the count, which takes a moment on a large file.
        setRunning(true);
        ctx_.system.processEvents();
        const int last = clampToInt(countAdifLines(path) - 1);
        ProgressBar1->setRange(0, last);
        ProgressBar1->setValue(0);
        ProgressBar1->show();
        ctx_.system.processEvents();
        QElapsedTimer sinceRepaint;
        sinceRepaint.start();
        const auto progress = [&](std::int64_t linesRead) {
            if (sinceRepaint.elapsed() < kRepaintMs)
                return;
            ProgressBar1->setValue(std::min(clampToInt(linesRead), last));
            ctx_.system.processEvents();
            sinceRepaint.restart();
        };
        // What a run applied stays even when an input/output error cut it
        // short, so it is shown and marked changed either way.
        ctx_.state.station.changeTables([&](AwardTables& tables) {
            result = importAdif(tables, path, ctx_.files.userFile(kErrorListFileName), options(),
                                progress);
        });
        ctx_.state.station.setUnsaved(true);
    }
    finishRun(path, result, lotwReport);
}

void TForm7::finishRun(const QString& path, const ImportResult& result, bool lotwReport) {
    if (result.cutShort)
        ctx_.dialogs.messageBox(importCutShortMessage(result), QStringLiteral("Błąd"), Buttons::Ok,
                                Icon::Error);
    else
        ctx_.dialogs.messageBox(importFinishedMessage(result, errorListShownAs(ctx_.files)),
                                QStringLiteral("Komunikat"), Buttons::Ok, Icon::Information);
    emit showAllEntitiesRequested();
    accept();
    // What the run did stays in view beside the grid it changed.
    if (result_ == nullptr)
        result_ = new ImportResultWindow(parentWidget());
    result_->showResult(path, importReportText(result, ctx_.state.station.tables(), lotwReport));
}

void TForm7::Button3Click() {
    if (!running_)
        reject();
}

void TForm7::Button4Click() {
    ctx_.dialogs.messageBox(
        QStringLiteral("Import danych z pliku ADIF:\n"
                       "\n"
                       "Z dowolnego logu należy wyeksportować dane w formacie ADIF.\n"
                       "Jeśli do ADIF będzie wyeksportowany cały log, podczas importu\n"
                       "danych zostanie uwzględniona pierwsza potwierdzona łączność\n"
                       "ze stacją z danego podmiotu/strefy."),
        QStringLiteral("Informacja"), Buttons::Ok, Icon::Information);
}

// While a run goes on, nothing in the dialog can start another run, close
// it or open a nested dialog; the events processed for the progress bar
// would otherwise reach those controls.
void TForm7::setRunning(bool running) {
    running_ = running;
    for (QWidget* control : std::initializer_list<QWidget*>{Edit1, Button1, Button2, Button3,
                                                            Button4, GroupBox1, GroupBox2})
        control->setEnabled(!running);
}

void TForm7::reject() {
    if (!running_)
        QDialog::reject();
}

void TForm7::closeEvent(QCloseEvent* event) {
    if (running_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TForm7::showEvent(QShowEvent* event) {
    centreOver(*this, *parentWidget());
    QDialog::showEvent(event);
}

} // namespace zef
