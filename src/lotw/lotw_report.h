// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What LoTW's answer to the report query holds, read before anything is
// imported.

#include <QByteArray>
#include <QString>
#include <optional>

namespace zef {

enum class LotwReportProblem {
    None,
    LoginPage, // an HTML page instead of ADIF: LoTW refused the login or password
    Truncated, // the report does not end with its <APP_LoTW_EOF> marker
};

LotwReportProblem lotwReportProblem(const QByteArray& body);

// The header's APP_LoTW_LASTQSL: when the newest QSL of the report was
// received; nothing when the header lacks it or it is not a LoTW date.
std::optional<QString> lotwLastQsl(const QByteArray& body);

} // namespace zef
