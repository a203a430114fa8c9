// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFwysokosc_wierszy, "Wysokość wierszy": the entity grid's row height,
// changed with the spin buttons or the arrow keys only and shown at once.

#include "platform/context.h"

#include <QDialog>
#include <QSpinBox>

class QPushButton;

namespace zef {

class GridDisplay;

// A spin field whose value moves only by single steps of its buttons or of
// the up and down keys: typed characters, Delete, pasting and page steps
// have no effect.
class StepOnlySpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit StepOnlySpinBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TFwysokosc_wierszy : public QDialog {
    Q_OBJECT
public:
    TFwysokosc_wierszy(Context& context, GridDisplay& grid);

    // Sets the field to the grid's row height, kept within its bounds.
    void showRowHeight(int height);

    void FormActivate();
    void SpinEdit1Change();
    void Button1Click();

    StepOnlySpinBox* SpinEdit1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Context& ctx_;
    GridDisplay& grid_;
};

} // namespace zef
