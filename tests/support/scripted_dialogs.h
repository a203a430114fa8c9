// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialogs that answer from a queue of expectations and fail the test on any
// question it was not told to expect. Every message is also recorded.

#include "platform/dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zef::test {

struct RecordedMessage {
    QString caption;
    QString text;
    Buttons buttons;
    Icon icon;
    bool defaultNo;
};

class ScriptedDialogs : public Dialogs {
public:
    ~ScriptedDialogs() override;

    // Expectations, answered in the order given.
    void expectMessage(const QString& caption, const QString& text, Answer answer = Answer::Ok);
    void expectInput(const QString& caption, const QString& prompt, std::optional<QString> answer);
    void expectOpen(std::optional<QString> path);
    void expectSave(std::optional<QString> path);
    void expectColour(std::optional<QColor> colour);
    void expectFont(std::optional<QFont> font);
    // `setUp` configures the printer (e.g. a PDF file) and says whether to print.
    void expectPrint(std::function<bool(QPrinter&)> setUp);
    // `act` runs while the dialog would be shown; its result is the dialog's.
    void expectModal(std::function<int(QDialog&)> act);

    // From now on a message that is not the next one expected is recorded and
    // answered so (OK where that is the only button) instead of failing the
    // test: for input whose messages depend on what the bytes happen to hold.
    void answerUnexpectedMessages(Answer answer) { unexpectedAnswer_ = answer; }

    bool allAnswered() const { return expected_.empty(); }

    std::vector<RecordedMessage> messages;
    // What the last call of each kind was shown.
    QString lastInputInitial;
    QString lastFileFilter;
    QString lastFileInitial;
    QColor lastColourInitial;
    QFont lastFontInitial;
    QString lastPrintProposal;

    Answer messageBox(const QString& text, const QString& caption, Buttons buttons, Icon icon,
                      bool defaultNo = false) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    std::optional<QString> openFile(const QString& filter, const QString& initialPath) override;
    std::optional<QString> saveFile(const QString& filter, const QString& initialPath) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    bool print(QPrinter& printer, const QString& proposedFile) override;
    int runModal(QDialog& dialog) override;

private:
    enum class Kind { Message, Input, Open, Save, Colour, Font, Print, Modal };
    struct Expectation {
        Kind kind;
        QString caption;
        QString text;
        Answer answer = Answer::Ok;
        std::optional<QString> textAnswer;
        std::optional<QColor> colour;
        std::optional<QFont> font;
        std::function<bool(QPrinter&)> print;
        std::function<int(QDialog&)> modal;
    };
    std::optional<Expectation> next(Kind kind, const QString& what);

    std::deque<Expectation> expected_;
    std::optional<Answer> unexpectedAnswer_;
};

} // namespace zef::test
