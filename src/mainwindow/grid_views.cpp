// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/grid_views.h"

#include <algorithm>

namespace zef {

QString viewCaption(View view) {
    switch (view) {
    case View::All:
        return QStringLiteral("Wszystkie podmioty");
    case View::AllWithoutVerified:
        return QStringLiteral("Bez zweryfikowanych");
    case View::ToVerify:
        return QStringLiteral("Do weryfikacji");
    case View::Verified:
        return QStringLiteral("Zweryfikowane");
    case View::Confirmed:
        return QStringLiteral("Potwierdzone (zwer. i do weryf.)");
    case View::Unconfirmed:
        return QStringLiteral("Niepotwierdzone");
    }
    return {};
}

bool viewShows(View view, const GridRow& entry, bool hideDeleted) {
    if (hideDeleted && !entry[kDeletedColumn].empty())
        return false;
    const bool call = !entry[kCallColumn].empty();
    const bool verified = !entry[kVerificationColumn].empty();
    switch (view) {
    case View::All:
        return true;
    case View::AllWithoutVerified:
        return !verified;
    case View::ToVerify:
        return call && !verified;
    case View::Verified:
        return verified;
    case View::Confirmed:
        return call;
    case View::Unconfirmed:
        return !call;
    }
    return false;
}

int copyViewRows(View view, bool hideDeleted, const GridCache& cache, GridModel& grid) {
    int copied = 0;
    for (int r = 1; r <= cache.highestIndex() && copied < kGridMaxRows - 1; ++r) {
        const GridRow& entry = cache.entry(r);
        if (viewShows(view, entry, hideDeleted))
            grid.row(++copied) = entry;
    }
    return copied;
}

int rowOfKeyIgnoringCase(const GridModel& grid, const std::string& key) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    const auto same = [&](const std::string& text) {
        return text.size() == key.size() &&
               std::equal(text.begin(), text.end(), key.begin(),
                          [&](char a, char b) { return lower(a) == lower(b); });
    };
    for (int r = 1; r <= grid.lastRow(); ++r)
        if (same(grid.cell(kNumberColumn, r)))
            return r;
    return 1;
}

QString nothingToShowText() {
    return QStringLiteral("Brak elementów do wyświetlenia!");
}

QString nothingToShowCaption() {
    return QStringLiteral("Informacja");
}

} // namespace zef
