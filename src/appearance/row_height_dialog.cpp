// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/row_height_dialog.h"

#include "appearance/spin_box_row.h"
#include "core/display_rules.h"
#include "platform/command_guard.h"
#include "platform/dialog_frame.h"
#include "platform/grid_display.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace zef {

StepOnlySpinBox::StepOnlySpinBox(QWidget* parent) : QSpinBox(parent) {
    // A read-only editor refuses typing, Delete, Backspace, pasting and
    // dropping alike, while the buttons and arrow keys still step.
    lineEdit()->setReadOnly(true);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
}

void StepOnlySpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

TFwysokosc_wierszy::TFwysokosc_wierszy(Context& context, GridDisplay& grid)
    : ctx_(context), grid_(grid) {
    setObjectName(QStringLiteral("TFwysokosc_wierszy"));
    setWindowTitle(QStringLiteral("Wysokość wierszy"));
    setDialogFrame(*this, FrameButtons::Close);

    SpinEdit1 = new StepOnlySpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(kMinimumRowHeight, kMaximumRowHeight);
    SpinEdit1->findChild<QLineEdit*>()->setMaxLength(2);
    QFont digits = SpinEdit1->font();
    digits.setBold(true);
    SpinEdit1->setFont(digits);
    QPalette navy = SpinEdit1->palette();
    navy.setColor(QPalette::Text, QColor(0, 0, 128));
    SpinEdit1->setPalette(navy);
    SpinEdit1->setFixedWidth(56);

    Button1 = new QPushButton(QStringLiteral("Powrót"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    layOutSpinBoxRow(*this, *SpinEdit1, *Button1);

    connect(SpinEdit1, &QSpinBox::valueChanged, this,
            guarded(ctx_.dialogs, [this] { SpinEdit1Change(); }));
    connect(Button1, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button1Click(); }));
}

void TFwysokosc_wierszy::showRowHeight(int height) {
    SpinEdit1->setValue(boundedRowHeight(height));
}

void TFwysokosc_wierszy::FormActivate() {
    Button1->setFocus();
}

void TFwysokosc_wierszy::SpinEdit1Change() {
    grid_.setGridRowHeight(SpinEdit1->value());
}

void TFwysokosc_wierszy::Button1Click() {
    accept();
}

void TFwysokosc_wierszy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

} // namespace zef
