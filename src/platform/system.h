// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program asks of the operating system apart from dialogs: today's
// date and its short form, the caption font, the program's version, the
// shell's "open" and letting pending events run.

#include "core/version.h"

#include <QDate>
#include <QString>
#include <QUrl>

namespace zef {

class System {
public:
    virtual ~System() = default;

    virtual QDate today() = 0;
    // The date in the system's short date format.
    virtual QString shortDate(const QDate& date) = 0;
    // Point size of the system's window-caption font.
    virtual int captionFontPointSize() = 0;
    virtual Version version() = 0;
    // Hands a link to the desktop; failures are not reported.
    virtual void shellOpen(const QUrl& url) = 0;
    virtual void processEvents() = 0;
    // A mouse button is held down now: a click is under way, which Qt may
    // not have delivered yet.
    virtual bool mouseButtonHeld() = 0;
};

} // namespace zef
