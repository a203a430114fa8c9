// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialogs.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace zef::test {

namespace {
const char* kindName(int kind) {
    static const char* names[] = {"message",       "input box",   "open dialog",  "save dialog",
                                  "colour dialog", "font dialog", "print dialog", "modal dialog"};
    return names[kind];
}
} // namespace

ScriptedDialogs::~ScriptedDialogs() {
    for (const auto& e : expected_)
        ADD_FAILURE() << "expected " << kindName(static_cast<int>(e.kind))
                      << " never came: " << e.caption.toStdString() << " / "
                      << e.text.toStdString();
}

void ScriptedDialogs::expectMessage(const QString& caption, const QString& text, Answer answer) {
    Expectation e;
    e.kind = Kind::Message;
    e.caption = caption;
    e.text = text;
    e.answer = answer;
    expected_.push_back(std::move(e));
}

void ScriptedDialogs::expectInput(const QString& caption, const QString& prompt,
                                  std::optional<QString> answer) {
    Expectation e;
    e.kind = Kind::Input;
    e.caption = caption;
    e.text = prompt;
    e.textAnswer = std::move(answer);
    expected_.push_back(std::move(e));
}

void ScriptedDialogs::expectOpen(std::optional<QString> path) {
    Expectation e;
    e.kind = Kind::Open;
    e.textAnswer = std::move(path);
    expected_.push_back(std::move(e));
}

void ScriptedDialogs::expectSave(std::optional<QString> path) {
    Expectation e;
    e.kind = Kind::Save;
    e.textAnswer = std::move(path);
    expected_.push_back(std::move(e));
}

void ScriptedDialogs::expectColour(std::optional<QColor> colour) {
    Expectation e;
    e.kind = Kind::Colour;
    e.colour = colour;
    expected_.push_back(std::move(e));
}

void ScriptedDialogs::expectFont(std::optional<QFont> font) {
    Expectation e;
    e.kind = Kind::Font;
    e.font = std::move(font);
    expected_.push_back(std::move(e));
}

void ScriptedDialogs::expectPrint(std::function<bool(QPrinter&)> setUp) {
    Expectation e;
    e.kind = Kind::Print;
    e.print = std::move(setUp);
    expected_.push_back(std::move(e));
}

void ScriptedDialogs::expectModal(std::function<int(QDialog&)> act) {
    Expectation e;
    e.kind = Kind::Modal;
    e.modal = std::move(act);
    expected_.push_back(std::move(e));
}

std::optional<ScriptedDialogs::Expectation> ScriptedDialogs::next(Kind kind, const QString& what) {
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(static_cast<int>(kind)) << ": "
                      << what.toStdString();
        return std::nullopt;
    }
    Expectation e = std::move(expected_.front());
    expected_.pop_front();
    if (e.kind != kind) {
        ADD_FAILURE() << "expected " << kindName(static_cast<int>(e.kind)) << " ("
                      << e.text.toStdString() << "), got " << kindName(static_cast<int>(kind))
                      << ": " << what.toStdString();
        return std::nullopt;
    }
    return e;
}

Answer ScriptedDialogs::messageBox(const QString& text, const QString& caption, Buttons buttons,
                                   Icon icon, bool defaultNo) {
    messages.push_back({caption, text, buttons, icon, defaultNo});
    if (unexpectedAnswer_) {
        const bool isNext = !expected_.empty() && expected_.front().kind == Kind::Message &&
                            expected_.front().caption == caption && expected_.front().text == text;
        if (!isNext)
            return buttons == Buttons::Ok ? Answer::Ok : *unexpectedAnswer_;
    }
    auto e = next(Kind::Message, caption + " / " + text);
    if (!e)
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    EXPECT_EQ(caption.toStdString(), e->caption.toStdString());
    EXPECT_EQ(text.toStdString(), e->text.toStdString());
    return e->answer;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& caption, const QString& prompt,
                                                 const QString& initial) {
    lastInputInitial = initial;
    auto e = next(Kind::Input, caption + " / " + prompt);
    if (!e)
        return std::nullopt;
    EXPECT_EQ(caption.toStdString(), e->caption.toStdString());
    EXPECT_EQ(prompt.toStdString(), e->text.toStdString());
    return e->textAnswer;
}

std::optional<QString> ScriptedDialogs::openFile(const QString& filter,
                                                 const QString& initialPath) {
    lastFileFilter = filter;
    lastFileInitial = initialPath;
    auto e = next(Kind::Open, filter);
    return e ? e->textAnswer : std::nullopt;
}

std::optional<QString> ScriptedDialogs::saveFile(const QString& filter,
                                                 const QString& initialPath) {
    lastFileFilter = filter;
    lastFileInitial = initialPath;
    auto e = next(Kind::Save, filter);
    return e ? e->textAnswer : std::nullopt;
}

std::optional<QColor> ScriptedDialogs::chooseColour(const QColor& initial) {
    lastColourInitial = initial;
    auto e = next(Kind::Colour, initial.name());
    return e ? e->colour : std::nullopt;
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont& initial) {
    lastFontInitial = initial;
    auto e = next(Kind::Font, initial.family());
    return e ? e->font : std::nullopt;
}

bool ScriptedDialogs::print(QPrinter& printer, const QString& proposedFile) {
    lastPrintProposal = proposedFile;
    auto e = next(Kind::Print, QStringLiteral("print"));
    return e && e->print(printer);
}

int ScriptedDialogs::runModal(QDialog& dialog) {
    auto e = next(Kind::Modal, dialog.windowTitle());
    return e ? e->modal(dialog) : QDialog::Rejected;
}

} // namespace zef::test
