// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/entity_editor.h"

#include "core/file_attributes.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "platform/command_guard.h"
#include "platform/named_widget.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

namespace zef {

namespace {

const QColor kNavy(0, 0, 128);
// 15266815 = 0x00E8F3FF as the colour value (0x00BBGGRR) of the list's background.
const QColor kListBackground(255, 243, 232);

// The ";" would split the reference line, which the station data file
// carries in its first field, into two fields; a pasted line break would
// split the line itself, in that file and in the entity reference file.
class EntryTextValidator : public QValidator {
public:
    EntryTextValidator(bool upperCase, QObject* parent)
        : QValidator(parent), upperCase_(upperCase) {}

    State validate(QString& input, int& pos) const override {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (input.at(i) == u';' || input.at(i) == u'\n' || input.at(i) == u'\r') {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            } else if (upperCase_ && input.at(i) >= u'a' && input.at(i) <= u'z') {
                input[i] = QChar(input.at(i).unicode() - 'a' + 'A');
            }
        }
        return Acceptable;
    }

private:
    bool upperCase_;
};

// Pasted text passes no key filter; the number field takes digits only.
class DigitsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (c < u'0' || c > u'9')
                return Invalid;
        return Acceptable;
    }
};

QFont fixedFont() {
    QFont font(QStringLiteral("Fixedsys"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(13);
    return font;
}

QLineEdit* entryEdit(QWidget* parent, const QString& name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setFont(fixedFont());
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, kNavy);
    edit->setPalette(palette);
    // Room for every character the field takes, and the frame around them.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(maxLength, u'W')) + 14);
    return edit;
}

} // namespace

TFPodmioty::TFPodmioty(Context& context, QWidget* parent) : QDialog(parent), ctx_(context) {
    setObjectName(QStringLiteral("TFPodmioty"));
    setWindowTitle(QStringLiteral("Zarządzanie bazą podmiotów"));
    setModal(true);
    buildControls();
    layOutControls();

    connect(ListBox1, &QListWidget::itemClicked, this,
            guarded(ctx_.dialogs, [this] { ListBox1Click(); }));
    // A selection by the keys counts as a click; the current line the list
    // sets itself on getting the focus is no choice.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this,
            guarded(ctx_.dialogs, [this] { ListBox1Click(); }));
    connect(Button1, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button1Click(); }));
    connect(Button3, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button3Click(); }));
    connect(Button4, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button4Click(); }));
    connect(Button5, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button5Click(); }));
    Edit1->installEventFilter(this);
}

void TFPodmioty::buildControls() {
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(fixedFont());
    ListBox1->setUniformItemSizes(true);
    QPalette listPalette = ListBox1->palette();
    listPalette.setColor(QPalette::Base, kListBackground);
    ListBox1->setPalette(listPalette);

    GroupBox1 = new QGroupBox(QStringLiteral("Dane Podmiotu"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label1 = named<QLabel>(QStringLiteral("Label1"), QStringLiteral("ADIF"), GroupBox1);
    Label2 = named<QLabel>(QStringLiteral("Label2"), QStringLiteral("Prefix"), GroupBox1);
    Label3 = named<QLabel>(QStringLiteral("Label3"), QStringLiteral("Nazwa podmiotu"), GroupBox1);
    Edit1 = entryEdit(GroupBox1, QStringLiteral("Edit1"), 3);
    Edit1->setValidator(new DigitsValidator(Edit1));
    Edit2 = entryEdit(GroupBox1, QStringLiteral("Edit2"), 5);
    Edit2->setValidator(new EntryTextValidator(true, Edit2));
    Edit3 = entryEdit(GroupBox1, QStringLiteral("Edit3"), 24);
    Edit3->setValidator(new EntryTextValidator(false, Edit3));
    CheckBox1 = new QCheckBox(QStringLiteral("Deleted"), GroupBox1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    Button1 = commandButton(QStringLiteral("Button1"), QStringLiteral("Szukaj wg ADIF"), this);
    Label4 = named<QLabel>(QStringLiteral("Label4"), QStringLiteral("Stan podmiotów:"), this);
    Label5 = named<QLabel>(QStringLiteral("Label5"), QString(), this);
    QFont counterFont(QStringLiteral("Arial"));
    counterFont.setBold(true);
    Label5->setFont(counterFont);
    QPalette counterPalette = Label5->palette();
    counterPalette.setColor(QPalette::WindowText, kNavy);
    Label5->setPalette(counterPalette);
    Button3 = commandButton(QStringLiteral("Button3"), QStringLiteral("Nowy podmiot"), this);
    Button4 = commandButton(QStringLiteral("Button4"), QStringLiteral("Zapisz zmiany"), this);
    Button5 = commandButton(QStringLiteral("Button5"), QStringLiteral("Powrót"), this);
}

void TFPodmioty::layOutControls() {
    auto* fields = new QGridLayout(GroupBox1);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(Label2, 0, 1);
    fields->addWidget(Label3, 0, 2);
    fields->addWidget(Edit1, 1, 0);
    fields->addWidget(Edit2, 1, 1);
    fields->addWidget(Edit3, 1, 2);
    fields->addWidget(CheckBox1, 2, 0, 1, 2);
    fields->setColumnStretch(3, 1);

    auto* search = new QHBoxLayout;
    search->addWidget(Button1);
    search->addSpacing(12);
    search->addWidget(Label4);
    search->addWidget(Label5);
    search->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    buttons->addWidget(Button5);

    auto* all = new QVBoxLayout(this);
    all->addWidget(ListBox1, 1);
    all->addWidget(GroupBox1);
    all->addLayout(search);
    all->addLayout(buttons);

    // The list shows whole lines: 37 characters and the scroll bar beside them.
    const int lineWidth = ListBox1->fontMetrics().horizontalAdvance(QString(37, u'W'));
    ListBox1->setMinimumWidth(lineWidth + 40);
    resize(sizeHint().width(), 520);
}

void TFPodmioty::loadLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    showLines();
    Label5->setText(counterText(countOnOpening(lines_)));
}

void TFPodmioty::showLines() {
    const QSignalBlocker blocker(ListBox1);
    ListBox1->clear();
    for (const auto& line : lines_)
        ListBox1->addItem(shownText(line));
}

bool TFPodmioty::newEntityMode() const {
    return Label1->isEnabled();
}

void TFPodmioty::setNewEntityMode(bool on) {
    Label1->setEnabled(on);
    Edit1->setReadOnly(!on);
}

void TFPodmioty::clearEdits() {
    // Cleared fields hold no change: clear() alone leaves them marked modified.
    for (QLineEdit* edit : {Edit1, Edit2, Edit3}) {
        edit->clear();
        edit->setModified(false);
    }
}

void TFPodmioty::FormActivate() {
    clearEdits();
    CheckBox1->setChecked(false);
    setNewEntityMode(false);
    setResult(QDialog::Rejected);
}

void TFPodmioty::selectLine(std::size_t index) {
    const QSignalBlocker blocker(ListBox1);
    ListBox1->setCurrentRow(static_cast<int>(index));
    ListBox1->scrollToItem(ListBox1->currentItem());
}

void TFPodmioty::loadFields(std::size_t index) {
    const EntityEntry entry = entryOfLine(lines_[index]);
    Edit1->setText(toQt(entry.number));
    Edit2->setText(toQt(entry.prefix));
    Edit3->setText(toQt(entry.name));
    CheckBox1->setChecked(entry.deleted);
}

void TFPodmioty::showError(const QString& text) {
    ctx_.dialogs.messageBox(text, QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
}

void TFPodmioty::ListBox1Click() {
    const QListWidgetItem* item = ListBox1->currentItem();
    const int row = item != nullptr && item->isSelected() ? ListBox1->currentRow() : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= lines_.size()) {
        showError(QStringLiteral("Wybierz podmiot DXCC do aktualizacji!"));
        return;
    }
    loadFields(static_cast<std::size_t>(row));
}

bool TFPodmioty::Edit1KeyPress(QChar key) {
    return !(key.isNull() || key.category() == QChar::Other_Control ||
             (key >= u'0' && key <= u'9'));
}

void TFPodmioty::Edit1Exit() {
    if (!newEntityMode())
        return;
    const auto same = findByNumberText(lines_, fromQt(Edit1->text()));
    if (!same)
        return;
    selectLine(*same);
    showError(QStringLiteral("Podmiot o takim numerze już istnieje w bazie!"));
    Edit1->setFocus();
}

void TFPodmioty::Button1Click() {
    for (;;) {
        const auto answer = ctx_.dialogs.inputBox(QStringLiteral("Szukanie Podmiotu wg ADIF"),
                                                  QStringLiteral("Numer ADIF"), QString());
        if (!answer)
            return;
        const std::string wanted = trim(fromQt(*answer));
        if (wanted.empty())
            return;
        if (!isAllDigits(wanted)) {
            showError(QStringLiteral("Można wprowadzać tylko cyfry!"));
            continue;
        }
        if (const auto found = findByNumberText(lines_, wanted)) {
            selectLine(*found);
            loadFields(*found);
        } else {
            ctx_.dialogs.messageBox(QStringLiteral("Szukany podmiot nie został znaleziony!"),
                                    QStringLiteral("Koniec szukania"), Buttons::Ok, Icon::Warning);
        }
        return;
    }
}

void TFPodmioty::Button3Click() {
    clearEdits();
    setNewEntityMode(true);
    Edit1->setFocus();
}

EntityEntry TFPodmioty::currentEntry() const {
    return {fromQt(Edit1->text()), fromQt(Edit2->text()), fromQt(Edit3->text()),
            CheckBox1->isChecked()};
}

void TFPodmioty::refuse(const SaveRefusal& refusal) {
    if (refusal.line)
        selectLine(*refusal.line);
    showError(refusal.text);
    switch (refusal.focus) {
    case EntryField::List:
        ListBox1->setFocus();
        break;
    case EntryField::Number:
        Edit1->setFocus();
        break;
    case EntryField::Prefix:
        Edit2->setFocus();
        break;
    case EntryField::Name:
        Edit3->setFocus();
        break;
    }
}

void TFPodmioty::writeEntityFile(const std::vector<std::string>& lines) {
    const QString folder = ctx_.files.editableFolder(kEntityFileName);
    const QString path = folder + kEntityFileName;
    try {
        replaceEntityFileWithBackup(folder, lines);
    } catch (...) {
        // The old file survives a failed write; it stays read-only as before.
        if (fileExists(path))
            setReadOnly(path);
        throw;
    }
    setReadOnly(path);
}

bool TFPodmioty::Button4Click() {
    const bool adding = newEntityMode();
    const EntityEntry entry = currentEntry();
    if (const auto refusal = refuseSave(entry, adding, lines_, ctx_.state.station.tables())) {
        refuse(*refusal);
        return false;
    }
    // The list takes the change only once the file holds it, so that a failed
    // write leaves list, file and table alike.
    std::vector<std::string> lines = lines_;
    const std::size_t place = placeInList(lines, entry, adding);
    writeEntityFile(lines);
    lines_ = std::move(lines);
    showLines();
    selectLine(place);
    Edit1->setReadOnly(true);

    clearEdits();
    Label5->setText(counterText(countAfterSave(lines_)));
    Station& station = ctx_.state.station;
    station.setUnsaved(true);
    station.changeTables([&](AwardTables& tables) {
        if (adding)
            addEntityToTable(tables, entry);
        else
            updateEntityInTable(tables, entry);
    });
    ctx_.dialogs.messageBox(adding ? QStringLiteral("Podmiot został dodany do bazy!")
                                   : QStringLiteral("Dane o Podmiocie zostały zmodyfikowane!"),
                            QStringLiteral("Informacja"), Buttons::Ok, Icon::Information);
    setNewEntityMode(false);
    return true;
}

void TFPodmioty::Button5Click() {
    if (Edit1->isModified() || Edit2->isModified() || Edit3->isModified()) {
        const Answer answer = ctx_.dialogs.messageBox(
            QStringLiteral("Zmiany  nie  zostały  zapisane.\nCzy zapisać dokonane zmiany?"),
            QStringLiteral("Ostrzeżenie"), Buttons::YesNoCancel, Icon::Warning);
        if (answer == Answer::Cancel)
            return;
        // A refused save keeps the dialog open with what the user typed.
        if (answer == Answer::Yes && !Button4Click())
            return;
    }
    accept();
}

void TFPodmioty::reject() {
    runCommand(ctx_.dialogs, [this] { Button5Click(); });
}

bool TFPodmioty::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && runCommand(ctx_.dialogs, [&] { return Edit1KeyPress(text.at(0)); }))
            return true;
    }
    if (watched == Edit1 && event->type() == QEvent::FocusOut) {
        // Only a move to another control of this dialog leaves the field;
        // a message box or another window taking the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            runCommand(ctx_.dialogs, [this] { Edit1Exit(); });
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zef
