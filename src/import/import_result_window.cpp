// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_result_window.h"

#include "platform/dialog_frame.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zef {

ImportResultWindow::ImportResultWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ImportResult"));
    setDialogFrame(*this, FrameButtons::Close);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The slot lines are columns.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Zamknij"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
    resize(720, 420);
}

void ImportResultWindow::showResult(const QString& adifPath, const QString& report) {
    setWindowTitle(QStringLiteral("Wynik importu - ") + QFileInfo(adifPath).fileName());
    text_->setPlainText(report);
    show();
    raise();
    activateWindow();
}

QString ImportResultWindow::text() const {
    return text_->toPlainText();
}

} // namespace zef
