// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotw/lotw_report.h"

#include "lotw/lotw_query.h"

namespace zef {

namespace {

qsizetype find(const QByteArray& body, QByteArrayView text, qsizetype from = 0) {
    for (qsizetype at = from; at + text.size() <= body.size(); ++at)
        if (QByteArrayView(body).sliced(at, text.size()).compare(text, Qt::CaseInsensitive) == 0)
            return at;
    return -1;
}

// The ADIF header: everything before <eoh>, the whole body without one.
QByteArray header(const QByteArray& body) {
    const qsizetype end = find(body, "<eoh>");
    return end < 0 ? body : body.left(end);
}

} // namespace

LotwReportProblem lotwReportProblem(const QByteArray& body) {
    if (find(body, "<eoh>") < 0 && find(body, "<html") >= 0)
        return LotwReportProblem::LoginPage;
    const QByteArray end = body.trimmed().right(14);
    if (end.compare("<APP_LoTW_EOF>", Qt::CaseInsensitive) != 0)
        return LotwReportProblem::Truncated;
    return LotwReportProblem::None;
}

std::optional<QString> lotwLastQsl(const QByteArray& body) {
    const QByteArray head = header(body);
    const QByteArrayView tag = "<APP_LoTW_LASTQSL:";
    const qsizetype at = find(head, tag);
    if (at < 0)
        return std::nullopt;
    const qsizetype close = head.indexOf('>', at);
    if (close < 0)
        return std::nullopt;
    // The length may carry a type indicator ("19:D").
    const QByteArray lengthField = head.mid(at + tag.size(), close - at - tag.size());
    bool number = false;
    const int length = lengthField.split(':').front().toInt(&number);
    if (!number || length <= 0 || close + 1 + length > head.size())
        return std::nullopt;
    const QString value = QString::fromLatin1(head.mid(close + 1, length)).trimmed();
    if (!isLotwDate(value))
        return std::nullopt;
    return value;
}

} // namespace zef
