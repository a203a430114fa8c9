// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A system with a fixed date and recorded links.

#include "platform/system.h"

#include <functional>
#include <vector>

namespace zef::test {

class ScriptedSystem : public System {
public:
    QDate date{2026, 12, 8};
    int captionPoints = 9;
    Version programVersion{3, 0, 1, 7};
    std::vector<QUrl> opened;
    // A mouse button held down, as during a click that activates a window.
    bool buttonHeld = false;
    // Runs where the program lets pending events through, e.g. during a long task.
    std::function<void()> onProcessEvents;

    QDate today() override { return date; }
    QString shortDate(const QDate& d) override { return d.toString(QStringLiteral("dd.MM.yyyy")); }
    int captionFontPointSize() override { return captionPoints; }
    Version version() override { return programVersion; }
    void shellOpen(const QUrl& url) override { opened.push_back(url); }
    void processEvents() override {
        if (onProcessEvents)
            onProcessEvents();
    }
    bool mouseButtonHeld() override { return buttonHeld; }
};

} // namespace zef::test
