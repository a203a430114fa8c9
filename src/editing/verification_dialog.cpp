// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/verification_dialog.h"

#include "core/text.h"
#include "editing/field_validators.h"
#include "editing/verification.h"
#include "platform/command_guard.h"
#include "platform/dialog_frame.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace zef {

TForm4::TForm4(Context& context, QWidget& main) : QDialog(&main), ctx_(context) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Data weryfikacji"));
    setDialogFrame(*this, FrameButtons::None);
    setModal(false);
    setFixedSize(195, 24);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    QFont bold = Edit1->font();
    bold.setBold(true);
    Edit1->setFont(bold);
    Edit1->setGeometry(2, 2, 86, 20);
    // The date is stored as typed, but never with the data file's separator.
    Edit1->setValidator(new TextFieldValidator(QStringLiteral(";"), false, Edit1));
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(90, 0, 44, 24);
    Button2 = new QPushButton(QStringLiteral("Anuluj"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(136, 0, 58, 24);
    Edit1->installEventFilter(this);

    connect(Button1, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button2Click(); }));
}

void TForm4::propose(const QString& date) {
    Edit1->setText(date);
    centreOver(*this, *parentWidget());
    show();
    raise();
    Button1->setFocus();
}

void TForm4::Button1Click() {
    const std::string date = verificationDateFromBox(fromQt(Edit1->text()));
    hide();
    Station& station = ctx_.state.station;
    int marked = 0;
    station.changeTables(
        [&](AwardTables& tables) { marked = markWaitingAsVerified(tables, date); });
    // The marks are changed data: closing must ask to save them.
    if (marked > 0)
        station.setUnsaved(true);
}

void TForm4::Button2Click() {
    hide();
}

bool TForm4::Edit1KeyPress(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    emit clearPrefixSearchRequested();
    Button1Click();
    return true;
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress &&
        Edit1KeyPress(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace zef
