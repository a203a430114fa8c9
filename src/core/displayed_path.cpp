#include "core/displayed_path.h"

namespace zef {

namespace {

// Index of the k-th "/" (1-based) in p, or -1.
qsizetype nthSeparator(const QString& p, qsizetype k) {
    qsizetype at = -1;
    for (qsizetype i = 0; i < k; ++i) {
        at = p.indexOf(u'/', at + 1);
        if (at < 0)
            return -1;
    }
    return at;
}

} // namespace

QString displayedPath(const QString& path, int limit) {
    QString p = path;
    qsizetype n = p.count(u'/');
    while (p.size() > limit && n > 2) {
        const qsizetype h = n / 2;
        const qsizetype keepEnd = nthSeparator(p, h) + 1;
        const qsizetype dropEnd = nthSeparator(p, h + 2) + 1;
        if (keepEnd <= 0 || dropEnd <= 0)
            break;
        p = p.left(keepEnd) + QStringLiteral(".../") + p.mid(dropEnd);
        --n;
    }
    return p;
}

} // namespace zef
