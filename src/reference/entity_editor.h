// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFPodmioty, "Zarządzanie bazą podmiotów": the list of the entity reference
// file, the fields of one entity, the search by number, a new entity and the
// save that rewrites the file and changes the entity table alike. Modal.

#include "platform/context.h"
#include "reference/entity_list.h"

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zef {

class TFPodmioty : public QDialog {
    Q_OBJECT
public:
    TFPodmioty(Context& context, QWidget* parent);

    // The working list: the entity lines as read, shown in ListBox1, and the counter.
    void loadLines(std::vector<std::string> lines);
    const std::vector<std::string>& workingLines() const { return lines_; }
    // New-entity mode is held by the enabled state of the "ADIF" caption.
    bool newEntityMode() const;

    void FormActivate();
    void ListBox1Click();
    // True when the key is discarded: only digits and control keys pass.
    bool Edit1KeyPress(QChar key);
    void Edit1Exit();
    void Button1Click();
    void Button3Click();
    // True when the entry was saved, false when a check refused it.
    bool Button4Click();
    void Button5Click();

    QListWidget* ListBox1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;

    // Escape and the window's close button ask as "Powrót" does.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void layOutControls();
    void setNewEntityMode(bool on);
    void showLines();
    // Selects a line without treating it as the user's choice.
    void selectLine(std::size_t index);
    void loadFields(std::size_t index);
    void clearEdits();
    EntityEntry currentEntry() const;
    void refuse(const SaveRefusal& refusal);
    void writeEntityFile(const std::vector<std::string>& lines);
    void showError(const QString& text);

    Context& ctx_;
    std::vector<std::string> lines_;
};

} // namespace zef
