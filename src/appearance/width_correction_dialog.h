// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFkorekcja, "Korekta wyświetlania": the width correction of the main
// window, shown beside it without blocking it; every change applies at once.

#include "platform/context.h"

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace zef {

class GridDisplay;

class TFkorekcja : public QDialog {
    Q_OBJECT
public:
    TFkorekcja(Context& context, GridDisplay& grid);

    // Shows the dialog over `owner` (where it stands when already shown).
    void showOver(const QWidget& owner);

    void SpinEdit1Change();
    void Button1Click();

    QSpinBox* SpinEdit1 = nullptr;
    QPushButton* Button1 = nullptr;

private:
    Context& ctx_;
    GridDisplay& grid_;
    QString handledText_ = QStringLiteral("0");
};

} // namespace zef
