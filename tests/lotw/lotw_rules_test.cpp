// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the LoTW sync that need no server: the query, what counts as
// a whole report, its date, and which password files are refused.

#include "lotw/lotw_credentials.h"
#include "lotw/lotw_query.h"
#include "lotw/lotw_report.h"

#include <QUrlQuery>
#include <gtest/gtest.h>

namespace zef {
namespace {

TEST(LotwQuery, EncodesEveryValueAndShowsNoPassword) {
    const QString password = QStringLiteral("a+b&c=d e%ł");
    const QUrl url =
        lotwReportUrl(QUrl(QStringLiteral("https://127.0.0.1:8443/x/lotwreport.adi")),
                      {QStringLiteral("SP9XYZ"), password, QStringLiteral("2026-11-30 18:22:05"),
                       QStringLiteral("SP9XYZ/P")});
    EXPECT_EQ(url.toString(QUrl::RemoveQuery),
              QStringLiteral("https://127.0.0.1:8443/x/lotwreport.adi"));
    const QString query = url.query(QUrl::FullyEncoded);
    EXPECT_TRUE(query.contains(QStringLiteral("password=a%2Bb%26c%3Dd%20e%25%C5%82")))
        << query.toStdString();
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("qso_qslsince"), QUrl::FullyDecoded),
              QStringLiteral("2026-11-30 18:22:05"));
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("qso_owncall"), QUrl::FullyDecoded),
              QStringLiteral("SP9XYZ/P"));

    const QString shown = shownUrl(url);
    EXPECT_TRUE(shown.contains(QStringLiteral("?login=SP9XYZ&password=***&qso_query=1&qso_qsl=yes"
                                              "&qso_qsldetail=yes&qso_qslsince=")))
        << shown.toStdString();
    const QString message = QStringLiteral("Error transferring ") + url.toString() +
                            QStringLiteral(" (") + password + u')';
    EXPECT_FALSE(hidePassword(message, url).contains(QStringLiteral("c=d")));
}

TEST(LotwQuery, DatesAreRealDaysWithAnOptionalTime) {
    for (const char* good : {"2026-02-28", "1900-01-01", "2026-11-30 18:22:05"})
        EXPECT_TRUE(isLotwDate(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", "2026-02-30", "2026-2-28", "2026-11-30 25:00:00",
                            "2026-11-30T18:22:05", "2026-11-30 18:22"})
        EXPECT_FALSE(isLotwDate(QString::fromLatin1(bad))) << bad;
}

TEST(LotwReport, OnlyAWholeAdifReportPasses) {
    const QByteArray header = "Status Report\n<APP_LoTW_LASTQSL:19>2026-11-30 18:22:05\n<eoh>\n";
    const QByteArray record = "<CALL:4>W1AW\n<QSL_RCVD:1>Y\n<eor>\n";
    const std::vector<std::pair<QByteArray, LotwReportProblem>> cases{
        {header + record + "<APP_LoTW_EOF>\n", LotwReportProblem::None},
        {header + record + "<app_lotw_eof>\r\n\r\n", LotwReportProblem::None},
        {header + "<APP_LoTW_EOF>", LotwReportProblem::None}, // no new QSL
        {header + record.left(10), LotwReportProblem::Truncated},
        {header + "<APP_LoTW_EOF>\n" + record, LotwReportProblem::Truncated},
        {"", LotwReportProblem::Truncated},
        {"<!DOCTYPE html>\n<HTML><body>Username/password incorrect</body></HTML>\n",
         LotwReportProblem::LoginPage},
        {"\n<html><body>...</body></html><APP_LoTW_EOF>", LotwReportProblem::LoginPage},
    };
    for (const auto& [body, problem] : cases)
        EXPECT_EQ(lotwReportProblem(body), problem) << body.toStdString();
}

TEST(LotwReport, LastQslComesFromTheHeaderOnly) {
    const std::vector<std::pair<QByteArray, std::optional<QString>>> cases{
        {"<PROGRAMID:4>LoTW\n<APP_LoTW_LASTQSL:19>2026-11-30 18:22:05\n<eoh>\n",
         QStringLiteral("2026-11-30 18:22:05")},
        {"<app_lotw_lastqsl:10:D>2026-11-30\n<EOH>\n", QStringLiteral("2026-11-30")},
        {"<eoh>\n<APP_LoTW_LASTQSL:19>2026-11-30 18:22:05\n<eor>\n", std::nullopt},
        {"<APP_LoTW_LASTQSL:19>2026-11-31 18:22:05\n<eoh>\n", std::nullopt},
        {"<APP_LoTW_LASTQSL:99>2026-11-30\n<eoh>\n", std::nullopt},
        {"<APP_LoTW_LASTQSL:x>2026-11-30\n<eoh>\n", std::nullopt},
        {"<APP_LoTW_LASTQSL:19>2026", std::nullopt},
    };
    for (const auto& [body, date] : cases)
        EXPECT_EQ(lotwLastQsl(body), date) << body.toStdString();
}

TEST(LotwPassword, FileReadableByGroupOrOthersIsRefused) {
    using P = QFileDevice;
    const P::Permissions owner = P::ReadOwner | P::WriteOwner | P::ReadUser | P::WriteUser;
    EXPECT_TRUE(passwordFileProblem(QStringLiteral("h"), owner).isEmpty());
    EXPECT_TRUE(passwordFileProblem(QStringLiteral("h"), owner | P::WriteGroup).isEmpty());
    for (const P::Permissions shared : {owner | P::ReadGroup, owner | P::ReadOther})
        EXPECT_EQ(passwordFileProblem(QStringLiteral("h"), shared),
                  QStringLiteral("Plik hasła \"h\" mogą czytać inni użytkownicy; hasło nie zostało "
                                 "użyte.\nOdbierz im to prawo: chmod 600 \"h\""));
}

} // namespace
} // namespace zef
