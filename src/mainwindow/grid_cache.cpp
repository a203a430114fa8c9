// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/grid_cache.h"

namespace zef {

void GridCache::store(int r, const GridRow& cells) {
    if (r < 1)
        return;
    if (r > highestIndex())
        entries_.resize(static_cast<std::size_t>(r) + 1);
    entries_[r] = cells;
}

void StatusCounters::add(const GridRow& cells) {
    const std::string& marker = cells[kDeletedColumn];
    const bool call = !cells[kCallColumn].empty();
    const bool verified = !cells[kVerificationColumn].empty();
    if (marker.empty()) {
        if (verified) {
            ++verifiedCurrent;
            ++verifiedAll;
        } else if (call) {
            ++toVerifyCurrent;
            ++toVerifyAll;
        }
    } else if (marker == "D" && call) {
        ++(verified ? verifiedAll : toVerifyAll);
    }
    if (cells[kConfirmationColumn] == "QSL")
        ++qsl;
    else if (cells[kConfirmationColumn] == "LoTW")
        ++lotw;
}

std::array<QString, 4> statusPanelTexts(const StatusCounters& c) {
    const auto pair = [](int current, int all) {
        return QString::number(current) + u'/' + QString::number(all);
    };
    return {QStringLiteral("Razem:       ") +
                pair(c.verifiedCurrent + c.toVerifyCurrent, c.verifiedAll + c.toVerifyAll),
            QStringLiteral("Zweryfikowane:   ") + pair(c.verifiedCurrent, c.verifiedAll),
            QStringLiteral("Do weryfikacji:  ") + pair(c.toVerifyCurrent, c.toVerifyAll),
            QStringLiteral("QSL/LoTW:  ") + pair(c.qsl, c.lotw)};
}

} // namespace zef
