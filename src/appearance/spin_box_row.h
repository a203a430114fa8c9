// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout the row height and width correction dialogs share: the spin
// field and its one button side by side, the dialog as small as they allow.

class QDialog;
class QPushButton;
class QSpinBox;

namespace zef {

void layOutSpinBoxRow(QDialog& dialog, QSpinBox& spinBox, QPushButton& button);

} // namespace zef
