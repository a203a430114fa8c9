// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/search_dialog.h"

#include "mainwindow/main_window.h"
#include "mainwindow/name_search.h"
#include "platform/command_guard.h"
#include "platform/dialog_frame.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace zef {

TForm3::TForm3(Context& context, TForm1& main) : QDialog(&main), ctx_(context), main_(main) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Szukanie podmiotu"));
    setDialogFrame(*this, FrameButtons::MenuAndClose);
    setModal(false);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Button1 = new QPushButton(QStringLiteral("Znajdź"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Wyczyść"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Powrót"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    for (auto* button : {Button1, Button2, Button3})
        button->setAutoDefault(false);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Edit1, 0, 0, 1, 3);
    layout->addWidget(Button1, 1, 0);
    layout->addWidget(Button2, 1, 1);
    layout->addWidget(Button3, 1, 2);
    setFixedSize(247, 65);
    Edit1->installEventFilter(this);

    connect(Edit1, &QLineEdit::textChanged, this, guarded(ctx_.dialogs, [this] { Edit1Change(); }));
    connect(Button1, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button3Click(); }));
    FormCreate();
}

void TForm3::FormCreate() {
    move(main_.x() + kSearchDialogLeftOffset, main_.y() + kSearchDialogTopOffset);
    Edit1->clear();
}

void TForm3::openBeside(const QWidget& mainWindow) {
    move(mainWindow.x() + kSearchDialogLeftOffset, mainWindow.y() + kSearchDialogTopOffset);
    show();
    raise();
    Edit1->setFocus();
}

void TForm3::Edit1Change() {
    main_.grid().nameSearch().textChanged();
}

bool TForm3::Edit1KeyPress(int key) {
    EntityGrid& grid = main_.grid();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        grid.prefixSearch().clearBuffer();
        Button1Click();
        return true;
    }
    if (key == Qt::Key_Escape) {
        grid.prefixSearch().clearBuffer();
        if (grid.nameSearch().escapeClosesDialog(Edit1->text().isEmpty()))
            hide();
        else
            Edit1->clear();
        return true;
    }
    return false;
}

void TForm3::Button1Click() {
    const FindOutcome outcome = main_.grid().findNext(Edit1->text());
    main_.repaintGrid();
    if (outcome == FindOutcome::Finished || outcome == FindOutcome::NotFound)
        ctx_.dialogs.messageBox(findMessageText(outcome), findMessageCaption(), Buttons::Ok,
                                Icon::Information);
    if (outcome == FindOutcome::Finished)
        Edit1->setFocus();
}

void TForm3::Button2Click() {
    Edit1->clear();
    main_.grid().nameSearch().textChanged();
}

void TForm3::Button3Click() {
    hide();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress &&
        Edit1KeyPress(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace zef
