// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operating system as the running program sees it.

#include "platform/system.h"

namespace zef {

class QtSystem : public System {
public:
    QDate today() override;
    QString shortDate(const QDate& date) override;
    int captionFontPointSize() override;
    Version version() override;
    void shellOpen(const QUrl& url) override;
    void processEvents() override;
    bool mouseButtonHeld() override;
};

} // namespace zef
