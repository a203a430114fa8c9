// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm2, "Wprowadzanie danych": records, changes or removes the call, QSO
// date and confirmation of the highlighted grid row on the selected band,
// or stamps today's verification date on it. Modal; every opening starts
// from the designed state. It changes the station only: the windows follow.

#include "core/grid_row.h"
#include "editing/entry_rules.h"
#include "platform/context.h"

#include <QDialog>
#include <optional>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zef {

class TextFieldValidator;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // `main`: the window it is centred on.
    TForm2(Context& context, QWidget& main);

    // Opens the dialog for the grid's highlighted row, when station data are
    // loaded and the grid has had a mouse press on a data row (else there is
    // no row).
    void showForHighlightedRow(const std::optional<HighlightedRow>& highlighted);

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    // Enter and Escape; true when the key was taken.
    bool MaskEdit2KeyPress(int key);
    bool MaskEdit1KeyPress(int key);
    bool RadioButtonKeyPress(int key);
    void MaskEdit1Change();

    // The fields as the handlers read them: 15 and 10 characters.
    std::string callFieldText() const;
    std::string dateFieldText() const;

    QFrame* Panel1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* MaskEdit2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

signals:
    // Leaving without a change puts the grid's selection back on the row.
    void selectRowRequested(int row);

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void restoreDesignedState();
    void fillFrom(const GridRow& row);
    EntryTarget targetOf(const GridRow& row) const;
    void focusDateField();

    Context& ctx_;
    TextFieldValidator* callValidator_ = nullptr;
    int editedRow_ = 0;
    EntryTarget target_;
};

} // namespace zef
