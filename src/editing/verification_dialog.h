// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm4, "Data weryfikacji": proposes the verification date and, on "OK",
// stamps it on every slot that waits for verification. Modeless.

#include "platform/context.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zef {

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // `main`: the window it is centred on.
    TForm4(Context& context, QWidget& main);

    // Shows the dialog with `date` proposed and the focus on "OK".
    void propose(const QString& date);

    void Button1Click();
    void Button2Click();
    // Enter runs "OK"; true when the key was taken.
    bool Edit1KeyPress(int key);

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

signals:
    // Enter in the date field also empties the grid's prefix search.
    void clearPrefixSearchRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Context& ctx_;
};

} // namespace zef
