// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm5, "Informacja o programie": the program's picture, name and version,
// and the author's e-mail address and web page as links.

#include "platform/context.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zef {

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(Context& context);

    void FormActivate();
    void Button2Click();
    void Label6Click();
    void Label9Click();
    void Label6MouseMove();
    void Label9MouseMove();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Context& ctx_;
};

} // namespace zef
