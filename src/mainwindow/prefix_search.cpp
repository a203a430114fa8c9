// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/prefix_search.h"

#include "core/text.h"

namespace zef {

namespace {
constexpr char kEnter = '\r';
constexpr char kEscape = 27;
constexpr std::size_t kLongestPrefix = 4;

bool searchCharacter(char key) {
    const auto c = static_cast<unsigned char>(key);
    return c >= '0' && c <= 'z';
}

// First row whose prefix is not less than `wanted` in byte order, else the last row.
int firstRowNotBefore(const GridModel& grid, const std::string& wanted) {
    for (int r = 1; r < grid.lastRow(); ++r)
        if (grid.cell(kPrefixColumn, r).compare(wanted) >= 0)
            return r;
    return grid.lastRow();
}
} // namespace

QString PrefixSearch::promptText() {
    return QStringLiteral("Wprowadź prefiks szukanego podmiotu");
}

QString PrefixSearch::nextText() {
    return QStringLiteral("ESC - szukanie następnego podmiotu");
}

QString PrefixSearch::label3Text() const {
    return toQt(label3_);
}

void PrefixSearch::sortChanged(bool prefixAscending) {
    if (prefixAscending)
        return;
    label3_.clear();
    label1_ = promptText();
    buffer_.clear();
}

KeyPressResult PrefixSearch::keyPress(char key, GridModel& grid, const GridCache& cache,
                                      bool prefixAscending) {
    KeyPressResult result;
    if (key == kEnter) {
        result.swallow = true;
        result.openDataEntry = true;
        buffer_.clear();
    }
    if (!cache.hasDataRows()) {
        result.swallow = true;
        return result;
    }
    label1_ = buffer_.empty() ? promptText() : nextText();

    if (searchCharacter(key) && prefixAscending) {
        buffer_ = upperAscii(buffer_ + key);
        label1_ = nextText();
        grid.select(firstRowNotBefore(grid, buffer_));
        result.swallow = true;
        if (buffer_.size() > kLongestPrefix) {
            buffer_.clear();
            label1_ = promptText();
        }
        label3_ = buffer_;
    } else if (key == kEscape) {
        result.swallow = true;
        buffer_.clear();
        label3_.clear();
        label1_ = promptText();
    }
    return result;
}

} // namespace zef
