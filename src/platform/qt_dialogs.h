// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs of the running program, built from Qt's standard dialogs.

#include "platform/dialogs.h"

namespace zef {

// The text a message box shows: at most 2000 lines of at most 1000
// characters, 100,000 characters in all, each cut marked by "…". The
// program's own texts are far shorter; a question that lists the lines of a
// damaged file would otherwise take minutes to lay out.
QString boundedMessageText(const QString& text);

class QtDialogs : public Dialogs {
public:
    Answer messageBox(const QString& text, const QString& caption, Buttons buttons, Icon icon,
                      bool defaultNo) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    std::optional<QString> openFile(const QString& filter, const QString& initialPath) override;
    std::optional<QString> saveFile(const QString& filter, const QString& initialPath) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    bool print(QPrinter& printer, const QString& proposedFile) override;
    int runModal(QDialog& dialog) override;
};

} // namespace zef
