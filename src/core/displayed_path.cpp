// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/displayed_path.h"

#include <vector>

namespace zef {

// Each step keeps the path up to its h-th separator (h = half the
// separators), drops the two folders after it and puts ".../" in their
// place. The dropped folders always border the ".../" of the step before,
// so the result is a kept head, ".../" and a kept tail of the path. Only the
// borders are followed here, never the path rebuilt at each step: a path of
// thousands of folders, as a damaged settings file can hold, would otherwise
// take time quadratic in its length.
QString displayedPath(const QString& path, int limit) {
    std::vector<qsizetype> separators;
    for (qsizetype i = 0; i < path.size(); ++i)
        if (path.at(i) == u'/')
            separators.push_back(i);
    // Where folder k of the path (0-based, k <= number of separators) begins.
    auto folderStart = [&separators](std::size_t k) {
        return k == 0 ? qsizetype(0) : separators[k - 1] + 1;
    };
    auto folderLength = [&](std::size_t k) { return folderStart(k + 1) - folderStart(k) - 1; };

    constexpr qsizetype kDots = 3; // "..."
    std::size_t n = separators.size();
    qsizetype length = path.size();
    bool shortened = false;
    std::size_t head = 0; // folders 0..head-1 are kept in front of the dots
    std::size_t tail = 0; // folders from tail on are kept after them
    while (length > limit && n > 2) {
        const std::size_t h = n / 2;
        if (!shortened) { // folders h and h+1 go
            length -= folderLength(h) + folderLength(h + 1) + 2 - (kDots + 1);
            head = h;
            tail = h + 2;
            shortened = true;
        } else if (h == head) { // the dots and the folder after them go
            length -= folderLength(tail) + 1;
            ++tail;
        } else { // h + 1 == head: the folder before the dots and the dots go
            length -= folderLength(head - 1) + 1;
            --head;
        }
        --n;
    }
    if (!shortened)
        return path;
    return path.left(folderStart(head)) + QStringLiteral(".../") + path.mid(folderStart(tail));
}

} // namespace zef
