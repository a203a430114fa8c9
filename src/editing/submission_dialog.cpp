// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/submission_dialog.h"

#include "core/text.h"
#include "editing/field_validators.h"
#include "editing/mailto.h"
#include "platform/command_guard.h"
#include "platform/dialog_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zef {

namespace {
constexpr int kDesignLeft = 420;
constexpr int kDesignTop = 300;
} // namespace

TFEmail::TFEmail(Context& context, QWidget* parent) : QDialog(parent), ctx_(context) {
    setObjectName(QStringLiteral("TFEmail"));
    setWindowTitle(QStringLiteral("Wysyłanie danych do weryfikacji"));
    setDialogFrame(*this, FrameButtons::MenuAndClose);
    setModal(false);
    setFixedSize(304, 116);
    move(kDesignLeft, kDesignTop);

    Label1 = new QLabel(QStringLiteral("Adresat maila:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 196, 16);
    Edit1 = new QLineEdit(designedRecipient(), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 25, 196, 24);
    Label2 = new QLabel(QStringLiteral("Znak, którego dotyczy weryfikacja:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setGeometry(8, 55, 196, 28);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(8, 84, 196, 24);
    Edit2->setValidator(new TextFieldValidator(QString(), true, Edit2));
    Button1 = new QPushButton(QStringLiteral("Wyslij"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(214, 25, 82, 83);

    connect(Button1, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button1Click(); }));
}

QString TFEmail::designedRecipient() {
    return QStringLiteral("weryfikacja@zefirant.pl");
}

void TFEmail::showFor(const ProfileFile& ini) {
    if (ini.exists())
        Edit1->setText(toQt(ini.readString("Konfiguracja", "E-mail", fromQt(Edit1->text()))));
    Edit2->setText(toQt(upperAscii(ctx_.state.station.callsign())));
    openedThisRun_ = true;
    show();
    raise();
    activateWindow();
}

void TFEmail::Button1Click() {
    ctx_.system.shellOpen(mailtoUrl(Edit1->text(), Edit2->text(), ctx_.state.station.path()));
    hide();
}

std::string TFEmail::recipientForSettings(const ProfileFile& ini) const {
    if (openedThisRun_)
        return fromQt(Edit1->text());
    return ini.readString("Konfiguracja", "E-mail", fromQt(designedRecipient()));
}

} // namespace zef
