// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/entry_dialog.h"

#include "core/text.h"
#include "editing/field_validators.h"
#include "editing/verification.h"
#include "platform/command_guard.h"
#include "platform/dialog_frame.h"
#include "platform/named_widget.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zef {

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 188;

// The modified-data text this dialog writes, blanks as the users know it.

// A ";" would split the station data file's line: the call refuses it.
const QString kRefusedInCall = QStringLiteral(";");

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QFont editFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

} // namespace

TForm2::TForm2(Context& context, QWidget& main) : QDialog(&main), ctx_(context) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Wprowadzanie danych"));
    setDialogFrame(*this, FrameButtons::MenuMinimiseAndClose);
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    buildControls();

    connect(MaskEdit1, &QLineEdit::textChanged, this,
            guarded(ctx_.dialogs, [this] { MaskEdit1Change(); }));
    connect(Button1, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button3Click(); }));
    for (QObject* watched :
         {static_cast<QObject*>(MaskEdit2), static_cast<QObject*>(MaskEdit1),
          static_cast<QObject*>(RadioButton1), static_cast<QObject*>(RadioButton2)})
        watched->installEventFilter(this);
}

void TForm2::buildControls() {
    Panel1 = named<QFrame>(QStringLiteral("Panel1"), this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(8, 8, 284, 28);
    QFont panelFont = font();
    panelFont.setBold(true);
    QPalette blue = Panel1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    const std::pair<QLabel**, std::pair<const char*, QRect>> panelLabels[] = {
        {&Label5, {"Label5", QRect(6, 5, 30, 18)}},
        {&Label6, {"Label6", QRect(38, 5, 14, 18)}},
        {&Label3, {"Label3", QRect(54, 5, 48, 18)}},
        {&Label4, {"Label4", QRect(104, 5, 176, 18)}},
    };
    for (const auto& [label, place] : panelLabels) {
        *label = named<QLabel>(QLatin1String(place.first), Panel1);
        (*label)->setGeometry(place.second);
        (*label)->setFont(panelFont);
        (*label)->setPalette(blue);
    }

    QPalette maroon = palette();
    maroon.setColor(QPalette::Text, QColor(128, 0, 0));
    Label1 = named<QLabel>(QStringLiteral("Label1"), QStringLiteral("Znak"), this);
    Label1->setGeometry(8, 44, 158, 16);
    MaskEdit2 = named<QLineEdit>(QStringLiteral("MaskEdit2"), this);
    MaskEdit2->setGeometry(8, 61, 158, 24);
    MaskEdit2->setMaxLength(kCallFieldLength);
    callValidator_ = new TextFieldValidator(kRefusedInCall, true, MaskEdit2);
    MaskEdit2->setValidator(callValidator_);
    Label2 = named<QLabel>(QStringLiteral("Label2"), QStringLiteral("Data (rrrr-mm-dd)"), this);
    Label2->setGeometry(180, 44, 112, 16);
    MaskEdit1 = named<QLineEdit>(QStringLiteral("MaskEdit1"), this);
    MaskEdit1->setGeometry(180, 61, 112, 24);
    // Digits may be left out, as in "9999-99-99": the checks of "Zatwierdź"
    // name what is missing.
    MaskEdit1->setInputMask(QStringLiteral("0000-00-00;_"));
    for (QLineEdit* edit : {MaskEdit2, MaskEdit1}) {
        edit->setFont(editFont());
        edit->setPalette(maroon);
    }

    GroupBox1 =
        named<QGroupBox>(QStringLiteral("GroupBox1"), QStringLiteral("Sposób potwierdzenia"), this);
    GroupBox1->setGeometry(8, 98, 158, 82);
    RadioButton1 =
        named<QRadioButton>(QStringLiteral("RadioButton1"), QStringLiteral("QSL"), GroupBox1);
    RadioButton1->setGeometry(14, 24, 120, 20);
    RadioButton2 =
        named<QRadioButton>(QStringLiteral("RadioButton2"), QStringLiteral("LoTW"), GroupBox1);
    RadioButton2->setGeometry(14, 48, 120, 20);

    Button1 = named<QPushButton>(QStringLiteral("Button1"), QStringLiteral("Zatwierdź"), this);
    Button1->setGeometry(180, 102, 112, 25);
    Button2 = named<QPushButton>(QStringLiteral("Button2"), QStringLiteral("Anuluj"), this);
    Button2->setGeometry(180, 130, 112, 25);
    Button3 = named<QPushButton>(QStringLiteral("Button3"), QStringLiteral("Weryfikuj"), this);
    Button3->setGeometry(180, 158, 112, 25);

    setTabOrder(MaskEdit2, MaskEdit1);
    setTabOrder(MaskEdit1, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
}

void TForm2::FormCreate() {}

void TForm2::restoreDesignedState() {
    const QSignalBlocker quiet(MaskEdit1);
    MaskEdit2->clear();
    MaskEdit1->clear();
    for (QLabel* label : {Label5, Label6, Label3, Label4})
        label->clear();
    RadioButton1->setChecked(true);
    Button3->setEnabled(true);
    MaskEdit2->setFocus();
    FormCreate();
}

void TForm2::showForHighlightedRow(const std::optional<HighlightedRow>& highlighted) {
    if (!stationDataLoaded(ctx_.state.station.tables()) || !highlighted)
        return;
    editedRow_ = highlighted->row;
    target_ = targetOf(highlighted->cells);
    // A line the grid shows empty (a view with nothing to show) holds no
    // entity or zone to edit.
    if (!target_.valid())
        return;
    restoreDesignedState();
    const GridRow& row = highlighted->cells;
    if (!row[kVerificationColumn].empty()) {
        ctx_.dialogs.messageBox(QStringLiteral("Nie można zmieniać zweryfikowanych danych!"),
                                QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
        return;
    }
    fillFrom(row);
    centreOver(*this, *parentWidget());
    ctx_.dialogs.runModal(*this);
}

void TForm2::fillFrom(const GridRow& row) {
    Label3->setText(toQt(row[kPrefixColumn]));
    Label4->setText(toQt(row[kNameColumn]));
    Label5->setText(toQt(row[kNumberColumn]));
    Label6->setText(toQt(row[kDeletedColumn]));
    MaskEdit2->setText(callValidator_->cleaned(toQt(row[kCallColumn])));
    // Filling the date counts as a change of it, as it always has.
    MaskEdit1->setText(toQt(row[kQsoDateColumn]));
    (row[kConfirmationColumn] == "LoTW" ? RadioButton2 : RadioButton1)->setChecked(true);
    Button3->setEnabled(!trim(callFieldText()).empty());
    MaskEdit1->setCursorPosition(0);
}

// Typing then overwrites the date from its first digit on.
void TForm2::focusDateField() {
    MaskEdit1->setFocus();
    MaskEdit1->setCursorPosition(0);
}

EntryTarget TForm2::targetOf(const GridRow& row) const {
    const bool zones = ctx_.state.zoneView();
    return {zones, ctx_.state.band(), zones ? row[kPrefixColumn] : row[kNumberColumn]};
}

std::string TForm2::callFieldText() const {
    return padRight(fromQt(MaskEdit2->text()), kCallFieldLength);
}

std::string TForm2::dateFieldText() const {
    return fromQt(maskedFieldText(*MaskEdit1));
}

void TForm2::Button1Click() {
    const std::string callField = callFieldText();
    const std::string dateField = dateFieldText();
    const EntryVerdict verdict = checkEntry(callField, dateField);
    if (verdict.check != EntryCheck::Accepted) {
        ctx_.dialogs.messageBox(verdict.message, QStringLiteral("Błąd"), Buttons::Ok, Icon::Error);
        if (verdict.focusDate)
            focusDateField();
        return;
    }
    const Entry entry = entryFromFields(callField, dateField, RadioButton1->isChecked());
    // Every store is a change to save, whether or not a counter moved.
    Station& station = ctx_.state.station;
    station.setUnsaved(true, true);
    if (const auto change = entryChange(station.tables(), target_, entry))
        station.changeSlot(*change);
    accept();
}

void TForm2::Button2Click() {
    reject();
}

void TForm2::reject() {
    if (editedRow_ >= 1)
        emit selectRowRequested(editedRow_);
    QDialog::reject();
}

void TForm2::Button3Click() {
    const std::string today = verificationDateText(ctx_.system.today());
    // A stamped date must not be lost on closing without a question.
    Station& station = ctx_.state.station;
    station.setUnsaved(true, true);
    station.changeTables([&](AwardTables& tables) { stampVerification(tables, target_, today); });
    accept();
}

void TForm2::MaskEdit1Change() {
    ctx_.state.station.setUnsaved(true, true);
}

bool TForm2::MaskEdit2KeyPress(int key) {
    if (isEnter(key)) {
        focusDateField();
        return true;
    }
    if (key == Qt::Key_Escape) {
        Button2Click();
        return true;
    }
    return false;
}

bool TForm2::MaskEdit1KeyPress(int key) {
    if (!isEnter(key))
        return false;
    (RadioButton2->isChecked() ? RadioButton2 : RadioButton1)->setFocus();
    return true;
}

bool TForm2::RadioButtonKeyPress(int key) {
    if (isEnter(key)) {
        Button1Click();
        return true;
    }
    if (key == Qt::Key_Escape) {
        Button2Click();
        return true;
    }
    return false;
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == MaskEdit2 && MaskEdit2KeyPress(key))
            return true;
        if (watched == MaskEdit1 && MaskEdit1KeyPress(key))
            return true;
        if ((watched == RadioButton1 || watched == RadioButton2) && RadioButtonKeyPress(key))
            return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick && watched == RadioButton1) {
        Button1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zef
