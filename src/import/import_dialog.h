// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm7, "Importowanie danych z pliku ADIF": the file to import, where it
// comes from and which confirmation wins, and the run itself with its
// progress bar. Created once; the file name and the choices stay for the
// whole session.

#include "import/import_options.h"
#include "platform/context.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace zef {

class ImportResultWindow;

struct ImportResult;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    // `main`: the window it is centred on and its result window belongs to.
    TForm7(Context& context, QWidget& main);

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    // The two choices as the run takes them.
    ImportOptions options() const;
    // True while a run reads the file.
    bool running() const { return running_; }

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

signals:
    // After a run the grid shows all entities, with what the run changed.
    void showAllEntitiesRequested();

public slots:
    // Escape and the frame's close button do nothing while a run goes on.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool refuseRun();
    bool chooseSourceOfLotwReport();
    void setRunning(bool running);
    void finishRun(const QString& path, const ImportResult& result, bool lotwReport);

    Context& ctx_;
    bool running_ = false;
    ImportResultWindow* result_ = nullptr;
};

} // namespace zef
