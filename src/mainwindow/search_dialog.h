// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm3, "Szukanie podmiotu": finds a text in the names of the shown rows,
// one hit after another. Modeless, beside the main window.

#include "platform/context.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zef {

class TForm1;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3(Context& context, TForm1& main);

    // Places the dialog beside the main window and shows it with the focus in Edit1.
    void openBeside(const QWidget& mainWindow);

    void FormCreate();
    void Edit1Change();
    // Enter and Escape in Edit1; true when the key was swallowed.
    bool Edit1KeyPress(int key);
    void Button1Click();
    void Button2Click();
    void Button3Click();

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Context& ctx_;
    TForm1& main_;
};

} // namespace zef
