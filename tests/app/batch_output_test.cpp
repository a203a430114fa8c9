// SPDX-License-Identifier: GPL-3.0-or-later
// --summary and --print-pdf end to end on a station data file.

#include "app/batch_fixture.h"
#include "core/file_attributes.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "summary/printout_layout.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::BatchFixture;

int rowOf(const AwardTables& tables, const std::string& number) {
    for (int r = 1; r <= kEntityRows; ++r)
        if (trim(referenceNumber(tables.entities[r][0])) == number)
            return r;
    return 0;
}

// Poland verified on 80 m, USA confirmed on 20 m, zone 5 confirmed on 20 m,
// zone 12 verified on 10 m.
std::unique_ptr<AwardTables> scoredStation(const BatchFixture& fixture) {
    auto t = fixture.newStationTables();
    Row& poland = t->entities[static_cast<std::size_t>(rowOf(*t, "269"))];
    poland[callSlot(0)] = "SP1AA";
    poland[verificationSlot(0)] = "2026-01-01";
    t->entities[static_cast<std::size_t>(rowOf(*t, "291"))][callSlot(2)] = "W1AW";
    t->zones[5][callSlot(2)] = "K5ZZ";
    t->zones[12][callSlot(4)] = "A41AA";
    t->zones[12][verificationSlot(4)] = "2026-02-02";
    return t;
}

TEST(BatchSummary, PrintsTheWindowsTableAndPointsInTheChosenMode) {
    BatchFixture fixture;
    fixture.writeStation(*scoredStation(fixture));
    ASSERT_EQ(fixture.run({QStringLiteral("--summary"), fixture.stationPath()}), 0);
    EXPECT_EQ(fixture.err, "");
    EXPECT_EQ(fixture.out, "Zefirant - wszystkie potwierdzone podmioty/strefy\n"
                           "     Pasmo     Strefy Str/Punkty   Podmioty      Razem\n"
                           "       80m          0          0          1          1\n"
                           "       40m          0          0          0          0\n"
                           "       20m          1         15          1         16\n"
                           "       15m          0          0          0          0\n"
                           "       10m          1         15          0         15\n"
                           "     Razem          2         30          2         32\n"
                           "Zweryfikowane: 16\n"
                           "Do weryfikacji: 16\n"
                           "Suma punktów: 32\n");

    ASSERT_EQ(fixture.run({QStringLiteral("--summary"), QStringLiteral("--mode"),
                           QStringLiteral("verified"), fixture.stationPath()}),
              0);
    EXPECT_NE(fixture.out.find("Zefirant - zweryfikowane podmioty/strefy\n"), std::string::npos);
    EXPECT_NE(fixture.out.find("       80m          0          0          1          1\n"
                               "       40m          0          0          0          0\n"
                               "       20m          0          0          0          0\n"),
              std::string::npos)
        << fixture.out;
    EXPECT_NE(fixture.out.find("Suma punktów: 32\n"), std::string::npos); // points in any mode

    ASSERT_EQ(fixture.run({QStringLiteral("--summary"), QStringLiteral("--mode=pending"),
                           fixture.stationPath()}),
              0);
    EXPECT_NE(fixture.out.find("       20m          1         15          1         16\n"
                               "       15m          0          0          0          0\n"
                               "       10m          0          0          0          0\n"),
              std::string::npos)
        << fixture.out;
}

TEST(BatchSummary, AMissingFileGivesTheSystemsMessage) {
    BatchFixture fixture;
    const QString gone = fixture.folder.path(QStringLiteral("gone.csv"));
    EXPECT_EQ(fixture.run({QStringLiteral("--summary"), gone}), 1);
    EXPECT_EQ(fixture.err, "Błąd odczytu pliku \"" + gone.toStdString() +
                               "\": nie ma takiego pliku ani folderu\n");
    EXPECT_EQ(fixture.out, "");
}

// The text of each page of a PDF, runs of blanks squeezed; nothing when
// pdftotext is not installed.
std::optional<QStringList> pdfPages(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    static const QRegularExpression blanks(QStringLiteral(" +"));
    for (QString& page : pages)
        page.replace(blanks, QStringLiteral(" "));
    return pages;
}

QString squeezed(const std::string& cp1250) {
    static const QRegularExpression blanks(QStringLiteral(" +"));
    return toQt(cp1250).replace(blanks, QStringLiteral(" "));
}

TEST(BatchPrintout, BothPagesInOneDocumentWithTheHeadersCallsign) {
    BatchFixture fixture;
    const auto tables = scoredStation(fixture);
    fixture.writeStation(*tables);
    const QString pdf = fixture.folder.path(QStringLiteral("zestawienie.pdf"));
    ASSERT_EQ(fixture.run({QStringLiteral("--print-pdf"), pdf, fixture.stationPath()}), 0)
        << fixture.err;
    EXPECT_EQ(fixture.err, "");
    EXPECT_EQ(fixture.out, "Wydruk zestawienia zapisano w pliku " + pdf.toStdString() + ".\n");
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("zestawienie.pdf")).substr(0, 5), "%PDF-");

    const auto read = pdfPages(pdf);
    if (!read)
        GTEST_SKIP() << "pdftotext is not installed";
    const QStringList& pages = *read;
    ASSERT_EQ(pages.size(), 2);
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains(QStringLiteral("zestawienie podmiotów DXCC dla: SP9XYZ")));
        EXPECT_TRUE(page.contains(QStringLiteral("Data: 08.12.2026")));
        EXPECT_TRUE(page.contains(QStringLiteral("Punkty zweryfikowowane: 16")));
        EXPECT_TRUE(page.contains(QStringLiteral("Punkty do zweryfikowowania: 16")));
    }
    const Row& poland = tables->entities[static_cast<std::size_t>(rowOf(*tables, "269"))];
    EXPECT_TRUE(pages[0].contains(squeezed(entityPrintLine(poland)))) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains(squeezed(zonePrintLine(tables->zones[12]))));
}

TEST(BatchPrintout, WritesNoDocumentItCannotCompleteAndNeverOverTheStationFile) {
    BatchFixture fixture;
    const std::string station = fixture.folder.readBytes(QStringLiteral("stacja.csv"));
    const QString pdf = fixture.folder.path(QStringLiteral("zestawienie.pdf"));

    EXPECT_EQ(
        fixture.run({QStringLiteral("--print-pdf"), fixture.stationPath(), fixture.stationPath()}),
        2);
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), station);

    const QString nowhere = fixture.folder.path(QStringLiteral("brak/zestawienie.pdf"));
    EXPECT_EQ(fixture.run({QStringLiteral("--print-pdf"), nowhere, fixture.stationPath()}), 1);
    EXPECT_EQ(fixture.err.rfind("Błąd zapisu pliku \"" + nowhere.toStdString() + "\": ", 0), 0u)
        << fixture.err;

    // Page 2 is laid out for the entity reference file's length.
    ASSERT_TRUE(QFile::remove(fixture.folder.path(kEntityFileName)));
    EXPECT_EQ(fixture.run({QStringLiteral("--print-pdf"), pdf, fixture.stationPath()}), 1);
    EXPECT_EQ(fixture.err,
              missingReferenceFileMessage(fixture.folder.path(kEntityFileName)).toStdString() +
                  "\n");
    EXPECT_FALSE(fileExists(pdf));
}

} // namespace
} // namespace zef
