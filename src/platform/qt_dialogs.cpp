// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_dialogs.h"

#include "platform/filter.h"
#include "platform/message_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <algorithm>

namespace zef {

namespace {

QWidget* owner() {
    return QApplication::activeWindow();
}

// The file dialogs match patterns without regard to case, as users of the
// program's files expect ("*.CSV" shows stacja.csv).
std::optional<QString> runFileDialog(QFileDialog::AcceptMode mode, const QString& filter,
                                     const QString& initialPath) {
    QFileDialog dialog(owner());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    // Open accepts a name that does not exist: the program answers it itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setNameFilter(qtFilter(filter));
    dialog.selectNameFilter(firstQtFilter(filter));
    if (!initialPath.isEmpty())
        dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

QString boundedMessageText(const QString& text) {
    constexpr qsizetype kLineCharacters = 1000;
    constexpr qsizetype kLines = 2000;
    constexpr qsizetype kCharacters = 100'000;
    const QChar cut(0x2026);
    QString shown;
    qsizetype lines = 0;
    for (qsizetype start = 0; start <= text.size(); ++lines) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (lines == kLines || shown.size() >= kCharacters) {
            shown += u'\n';
            shown += cut;
            break;
        }
        if (lines > 0)
            shown += u'\n';
        const qsizetype length = std::min(end - start, kLineCharacters);
        shown += QStringView(text).mid(start, length);
        if (length < end - start)
            shown += cut;
        start = end + 1;
    }
    return shown;
}

Answer QtDialogs::messageBox(const QString& text, const QString& caption, Buttons buttons,
                             Icon icon, bool defaultNo) {
    MessageDialog box(boundedMessageText(text), caption, buttons, icon, defaultNo, owner());
    box.exec();
    return box.answer();
}

std::optional<QString> QtDialogs::inputBox(const QString& caption, const QString& prompt,
                                           const QString& initial) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Anuluj"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::openFile(const QString& filter, const QString& initialPath) {
    return runFileDialog(QFileDialog::AcceptOpen, filter, initialPath);
}

std::optional<QString> QtDialogs::saveFile(const QString& filter, const QString& initialPath) {
    return runFileDialog(QFileDialog::AcceptSave, filter, initialPath);
}

std::optional<QColor> QtDialogs::chooseColour(const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, owner());
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& initial) {
    QFontDialog dialog(initial, owner());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // No effects: the program's fonts carry no underline or strike-out. Qt
    // offers no option for it; the effects are the group with check boxes,
    // and the sample beside it keeps the height it had next to them.
    const auto groups = dialog.findChildren<QGroupBox*>();
    for (auto* effects : groups) {
        if (effects->findChildren<QCheckBox*>().isEmpty())
            continue;
        for (auto* sample : groups)
            if (sample != effects)
                sample->setMinimumHeight(effects->sizeHint().height());
        effects->hide();
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

bool QtDialogs::print(QPrinter& printer, const QString& proposedFile) {
    QPrintDialog dialog(&printer, owner());
    // Qt proposes a name of its own in the home folder, and naming an output
    // file beforehand would choose the file over the user's printer; the
    // dialog's file name field is set instead.
    if (auto* fileName = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        fileName->setText(proposedFile);
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::runModal(QDialog& dialog) {
    return dialog.exec();
}

} // namespace zef
