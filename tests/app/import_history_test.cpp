// SPDX-License-Identifier: GPL-3.0-or-later
// What a batch import leaves behind for the user to trust it: nothing
// rewritten when nothing changed, a copy of what it replaced and the way back
// to it, and a LoTW report never taken for paper cards.

#include "app/batch_fixture.h"
#include "core/text_file.h"
#include "import/import_fixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::adifFile;
using test::BatchFixture;
using test::Qso;

const std::string kLotwHeader = "ARRL Logbook of the World Status Report\n"
                                "<APP_LoTW_LASTQSL:19>2026-11-30 18:22:05\n<eoh>\n";

QStringList importOf(const BatchFixture& fixture, const QString& log,
                     const QStringList& options = {}) {
    return QStringList{QStringLiteral("--import"), fixture.folder.path(log)} + options +
           QStringList{fixture.stationPath()};
}

TEST(ImportHistory, AnImportThatChangesNothingRewritesNothingAndACopyTakesAChangeBack) {
    BatchFixture fixture;
    fixture.folder.writeBytes(QStringLiteral("log.adi"), adifFile({Qso{}}));
    const std::string original = fixture.folder.readBytes(QStringLiteral("stacja.csv"));

    ASSERT_EQ(fixture.run(importOf(fixture, QStringLiteral("log.adi"))), 0) << fixture.err;
    const std::string imported = fixture.folder.readBytes(QStringLiteral("stacja.csv"));
    ASSERT_NE(imported, original);

    // The same log again: the file byte for byte as it was, the list written anew.
    fixture.folder.writeBytes(QStringLiteral("bledy_dxcc.txt"), "old\r\n");
    ASSERT_EQ(fixture.run(importOf(fixture, QStringLiteral("log.adi"))), 0) << fixture.err;
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), imported);
    EXPECT_NE(fixture.out.find("Nic się nie zmieniło"), std::string::npos) << fixture.out;
    EXPECT_NE(fixture.folder.readBytes(QStringLiteral("bledy_dxcc.txt")), "old\r\n");

    ASSERT_EQ(fixture.run({QStringLiteral("--history"), fixture.stationPath()}), 0) << fixture.err;
    EXPECT_NE(fixture.out.find("\n  1  "), std::string::npos) << fixture.out;
    EXPECT_NE(fixture.out.find("log.adi"), std::string::npos) << fixture.out;
    EXPECT_EQ(fixture.out.find("\n  2  "), std::string::npos) << "one change, one copy";

    // Back to before the import, and forward again from the copy that made.
    ASSERT_EQ(fixture.run({QStringLiteral("--restore"), fixture.stationPath(), "1"}), 0)
        << fixture.err;
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), original);
    ASSERT_EQ(fixture.run({QStringLiteral("--restore"), fixture.stationPath(), "1"}), 0)
        << fixture.err;
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), imported);

    EXPECT_EQ(fixture.run({QStringLiteral("--restore"), fixture.stationPath(), "9"}), 1);
    EXPECT_NE(fixture.err.find("Nie ma kopii numer 9"), std::string::npos) << fixture.err;
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), imported);
}

// A LoTW report says QSL_RCVD:Y of every LoTW confirmation.
TEST(ImportHistory, ALotwReportIsImportedAsLotwUnlessTheSourceIsGiven) {
    Qso lotw;
    lotw.lotw = "Y";
    const std::string report = kLotwHeader + lotw.text() + "<EOR>\n<APP_LoTW_EOF>\n";
    struct Case {
        QStringList options;
        const char* confirmation;
        const char* said;
    };
    const Case cases[] = {
        {{}, ";SP1ABC;2021-01-30;LoTW;", "Plik jest raportem LoTW"},
        {{QStringLiteral("--source"), QStringLiteral("log")},
         ";SP1ABC;2021-01-30;QSL;",
         "Uwaga: plik jest raportem LoTW"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        BatchFixture fixture;
        fixture.folder.writeBytes(QStringLiteral("lotw.adi"), report);
        ASSERT_EQ(fixture.run(importOf(fixture, QStringLiteral("lotw.adi"), c.options)), 0)
            << fixture.err;
        EXPECT_NE(fixture.folder.readBytes(QStringLiteral("stacja.csv")).find(c.confirmation),
                  std::string::npos);
        EXPECT_NE((fixture.out + fixture.err).find(c.said), std::string::npos)
            << fixture.out << fixture.err;
    }
}

} // namespace
} // namespace zef
