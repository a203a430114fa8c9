// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's message box: its text exactly as given, line for line (no
// wrapping of its own), in a scrolling pane no larger than the screen allows,
// so that a question listing hundreds of entities keeps its buttons in view.

#include "platform/dialogs.h"

#include <QDialog>

class QAbstractButton;
class QDialogButtonBox;

namespace zef {

class MessageDialog : public QDialog {
    Q_OBJECT
public:
    MessageDialog(const QString& text, const QString& caption, Buttons buttons, Icon icon,
                  bool defaultNo, QWidget* parent);

    // The button clicked; closing the box otherwise answers as its escape
    // button would (No, Cancel, or OK where it is the only one).
    Answer answer() const { return answer_; }

private:
    void addButton(const QString& text, Answer answer, bool isDefault);

    QDialogButtonBox* buttonBox_;
    Answer answer_;
};

} // namespace zef
