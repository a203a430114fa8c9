// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/width_correction_dialog.h"

#include "appearance/spin_box_row.h"
#include "core/display_rules.h"
#include "core/text.h"
#include "platform/command_guard.h"
#include "platform/dialog_frame.h"
#include "platform/grid_display.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

namespace zef {

TFkorekcja::TFkorekcja(Context& context, GridDisplay& grid) : ctx_(context), grid_(grid) {
    setObjectName(QStringLiteral("TFkorekcja"));
    setWindowTitle(QStringLiteral("Korekta wyświetlania"));

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    // Plain digits and "-" in every locale, as the correction is read back.
    SpinEdit1->setLocale(QLocale::c());
    // No limits: a correction may be any whole number, negative too.
    SpinEdit1->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SpinEdit1->setValue(0);
    QFont digits(QStringLiteral("Arial"));
    digits.setPixelSize(26);
    digits.setBold(true);
    SpinEdit1->setFont(digits);
    SpinEdit1->setFixedWidth(130);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    layOutSpinBoxRow(*this, *SpinEdit1, *Button1);

    // The spin box reports its steps; its editor also the texts that are no
    // number yet ("-", empty), which count as a correction of 0.
    connect(SpinEdit1, &QSpinBox::textChanged, this,
            guarded(ctx_.dialogs, [this] { SpinEdit1Change(); }));
    connect(SpinEdit1->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
            guarded(ctx_.dialogs, [this] { SpinEdit1Change(); }));
    connect(Button1, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button1Click(); }));
}

void TFkorekcja::showOver(const QWidget& owner) {
    if (!isVisible())
        centreOver(*this, owner);
    show();
    raise();
    activateWindow();
}

void TFkorekcja::SpinEdit1Change() {
    // Both signals report a typed number; it is one change.
    if (SpinEdit1->text() == handledText_)
        return;
    handledText_ = SpinEdit1->text();
    const int correction = widthCorrectionFromText(fromQt(handledText_));
    ctx_.state.widthCorrection = correction;
    grid_.correctWidth(correction);
}

void TFkorekcja::Button1Click() {
    close();
}

} // namespace zef
