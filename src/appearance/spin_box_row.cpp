// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/spin_box_row.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>

namespace zef {

void layOutSpinBoxRow(QDialog& dialog, QSpinBox& spinBox, QPushButton& button) {
    auto* row = new QHBoxLayout(&dialog);
    row->setContentsMargins(16, 14, 16, 14);
    row->setSpacing(16);
    row->addWidget(&spinBox);
    row->addWidget(&button);
    dialog.setFixedSize(dialog.sizeHint());
}

} // namespace zef
