// SPDX-License-Identifier: GPL-3.0-or-later
// --chart end to end: the series as CSV, the pictures, and what is refused.
#include "app/batch_fixture.h"
#include "core/file_attributes.h"

#include <QImage>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::BatchFixture;

// Zone 5 on 80 m and 20 m, the first entity on 20 m without a date, the
// second verified on 40 m.
std::unique_ptr<AwardTables> datedStation(const BatchFixture& fixture) {
    auto t = fixture.newStationTables();
    t->zones[5][callSlot(0)] = "K5ZZ";
    t->zones[5][qsoDateSlot(0)] = "2019-04-02";
    t->zones[5][callSlot(2)] = "K5ZZ";
    t->zones[5][qsoDateSlot(2)] = "2021-11-30";
    t->entities[1][callSlot(2)] = "W1AW";
    t->entities[2][callSlot(1)] = "SP1AA";
    t->entities[2][qsoDateSlot(1)] = "2019-04-02";
    t->entities[2][verificationSlot(1)] = "2020-06-15";
    return t;
}

TEST(BatchChart, WritesTheSeriesAsCsvAndThePicturesWholeInTheirKind) {
    BatchFixture fixture;
    fixture.writeStation(*datedStation(fixture));
    const QString csv = fixture.folder.path(QStringLiteral("wykres.csv"));
    ASSERT_EQ(fixture.run({QStringLiteral("--chart"), csv, fixture.stationPath()}), 0)
        << fixture.err;
    EXPECT_EQ(fixture.out, "Wykres zapisano w pliku " + csv.toStdString() + ".\n");
    EXPECT_EQ(fixture.err, "Uwaga: 1 slot bez daty, policzone na końcu wykresu.\n");
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("wykres.csv")),
              "data;80m;40m;20m;15m;10m;razem\r\n"
              "2019-04-02;15;1;0;0;0;16\r\n"
              "2021-11-30;15;1;15;0;0;31\r\n"
              "bez daty;15;1;16;0;0;32\r\n");

    ASSERT_EQ(fixture.run({QStringLiteral("--chart"), csv, QStringLiteral("--mode=pending"),
                           fixture.stationPath()}),
              0);
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("wykres.csv")),
              "data;80m;40m;20m;15m;10m;razem\r\n"
              "2019-04-02;15;1;0;0;0;16\r\n"
              "2020-06-15;15;0;0;0;0;15\r\n"
              "2021-11-30;15;0;15;0;0;30\r\n"
              "bez daty;15;0;16;0;0;31\r\n");

    const QString png = fixture.folder.path(QStringLiteral("wykres.PNG"));
    ASSERT_EQ(fixture.run({QStringLiteral("--chart"), png, fixture.stationPath()}), 0);
    const QImage picture(png, "PNG");
    EXPECT_GE(picture.width(), 1200);
    EXPECT_GE(picture.height(), 700);
    for (const auto& [name, head] : {std::pair{"wykres.svg", "<?xml"}, {"wykres.pdf", "%PDF-"}}) {
        ASSERT_EQ(fixture.run({QStringLiteral("--chart"), fixture.folder.path(name),
                               fixture.stationPath()}),
                  0);
        EXPECT_EQ(fixture.folder.readBytes(name).substr(0, 5), head);
    }
}

TEST(BatchChart, WritesNothingItCannotCompleteAndNeverOverTheStationFile) {
    BatchFixture fixture;
    const std::string station = fixture.folder.readBytes(QStringLiteral("stacja.csv"));
    EXPECT_EQ(
        fixture.run({QStringLiteral("--chart"), fixture.stationPath(), fixture.stationPath()}), 2);
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), station);

    const QString nowhere = fixture.folder.path(QStringLiteral("brak/wykres.png"));
    EXPECT_EQ(fixture.run({QStringLiteral("--chart"), nowhere, fixture.stationPath()}), 1);
    EXPECT_EQ(fixture.err.rfind("Błąd zapisu pliku \"" + nowhere.toStdString() + "\": ", 0), 0u)
        << fixture.err;

    const QString csv = fixture.folder.path(QStringLiteral("wykres.csv"));
    EXPECT_EQ(fixture.run({QStringLiteral("--chart"), csv,
                           fixture.folder.path(QStringLiteral("brak.csv"))}),
              1);
    EXPECT_FALSE(fileExists(csv));
}

} // namespace
} // namespace zef
