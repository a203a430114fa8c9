// SPDX-License-Identifier: GPL-3.0-or-later
// --import end to end: the files it leaves equal what the import dialog's
// run leaves on the same input, and nothing is written when it must not be.

#include "app/batch_fixture.h"
#include "core/file_attributes.h"
#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/station_file.h"
#include "core/text.h"
#include "core/text_file.h"
#include "import/adif_import.h"
#include "import/error_list.h"
#include "import/import_dialog.h"
#include "import/import_fixture.h"
#include "import/import_report.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::adifFile;
using test::BatchFixture;
using test::Qso;

int rowOf(const AwardTables& tables, const std::string& number) {
    for (int r = 1; r <= kEntityRows; ++r)
        if (trim(referenceNumber(tables.entities[r][0])) == number)
            return r;
    return 0;
}

// Records that exercise the choices: a slot filled before, replaced or kept
// by the priority; records the error list gets; an unreadable band.
std::string sampleLog() {
    Qso usa;
    usa.call = "W1AW";
    Qso polandLotw;
    polandLotw.call = "SP2LOTW";
    polandLotw.dxcc = "269";
    polandLotw.cqz = "15";
    polandLotw.band = "80M";
    polandLotw.qsl = "N";
    polandLotw.lotw = "Y";
    Qso malta = usa;
    malta.call = "1A0KM";
    malta.dxcc = "246";
    malta.cqz = "15";
    malta.band = "10M";
    malta.lotw = "Y";
    Qso unknown = usa;
    unknown.dxcc = "999";
    unknown.cqz = "41";
    Qso badBand = usa;
    badBand.dxcc = "7";
    badBand.band = "1.25M";
    return adifFile({usa, polandLotw, malta, unknown, badBand});
}

// Poland's 80 m slot confirmed by card and verified before the import.
std::unique_ptr<AwardTables> stationWithCard(const BatchFixture& fixture) {
    auto tables = fixture.newStationTables();
    Row& poland = tables->entities[static_cast<std::size_t>(rowOf(*tables, "269"))];
    poland[callSlot(0)] = "SP1CARD";
    poland[qsoDateSlot(0)] = "2020-02-02";
    poland[confirmationSlot(0)] = "QSL";
    poland[verificationSlot(0)] = "2021-01-01";
    return tables;
}

QStringList importArguments(const BatchFixture& fixture, const char* source, const char* priority) {
    return {QStringLiteral("--import"),   fixture.folder.path(QStringLiteral("log.adi")),
            QStringLiteral("--source"),   QString::fromUtf8(source),
            QStringLiteral("--priority"), QString::fromUtf8(priority),
            fixture.stationPath()};
}

TEST(BatchImport, SavesWhatTheEngineMakesOfTheSameTablesUnderEachChoice) {
    const std::vector<std::pair<const char*, const char*>> choices{
        {"log", "qsl"}, {"log", "lotw"}, {"lotw", "qsl"}, {"lotw", "lotw"}};
    for (const auto& [source, priority] : choices) {
        SCOPED_TRACE(std::string(source) + "/" + priority);
        BatchFixture fixture;
        fixture.writeStation(*stationWithCard(fixture));
        fixture.folder.writeBytes(QStringLiteral("log.adi"), sampleLog());
        const auto before = readLines(fixture.stationPath());

        const int status = fixture.run(importArguments(fixture, source, priority));
        ASSERT_EQ(status, 0) << fixture.err;
        EXPECT_EQ(fixture.err, "");

        // The same engine on the same tables, with its own error list.
        test::TestFolder reference;
        auto expected = std::make_unique<AwardTables>();
        loadStationLines(before, *expected);
        createErrorList(reference.path(kErrorListFileName));
        const CommandLine command = parseCommandLine(importArguments(fixture, source, priority));
        const ImportResult result =
            importAdif(*expected, fixture.folder.path(QStringLiteral("log.adi")),
                       reference.path(kErrorListFileName), command.importOptions);
        EXPECT_EQ(result.errorEntries, 4); // unknown entity and zone, the band twice
        EXPECT_EQ(readLines(fixture.stationPath()),
                  stationFileLines(*expected, "SP9XYZ", "08.12.2026"));
        EXPECT_EQ(fixture.folder.readBytes(kErrorListFileName),
                  reference.readBytes(kErrorListFileName));

        const auto usa = expected->entities[static_cast<std::size_t>(rowOf(*expected, "291"))];
        EXPECT_EQ(usa[callSlot(2)], "W1AW"); // the import did happen
        // What the run did comes before the save and the summary.
        const QString report =
            importDoneWithErrorsMessage() + QStringLiteral("\n\n") +
            importReportText(result, *expected, false) +
            QStringLiteral("\nDane zostały zapisane.\n\n"
                           "Zefirant - wszystkie potwierdzone podmioty/strefy\n");
        EXPECT_EQ(fixture.out.rfind(report.toStdString(), 0), 0u) << fixture.out;
    }
}

const QString kRules = QStringLiteral(
    "Program uwzględnia przy imporcie tylko te QSO, które są potwierdzone (QSL lub LoTW) \n"
    "oraz mają podany numer DXCC oraz numer strefy CQ.\n"
    "Jeśli dane pochodzą z programu, który w pliku ADIF nie umieszcza informacji o DXCC/strefie "
    "CQ,\n"
    "nie zostaną one zaimportowane.");

TEST(BatchImport, LeavesTheFilesTheDialogLeavesAndListsItsUnansweredQuestions) {
    // A file that lacks Spain and holds an older name of Albania.
    BatchFixture fixture;
    auto tables = stationWithCard(fixture);
    removeEntityRow(*tables, rowOf(*tables, "281"));
    const int albania = rowOf(*tables, "7");
    tables->entities[static_cast<std::size_t>(albania)][0] =
        test::referenceLine(7, false, "ZA", "Albania (old)");
    const auto stationLines = stationFileLines(*tables, "SP9XYZ", "01.01.2026");

    test::TestProgram app;
    const QString parameter = app.folder.path(QStringLiteral("SP9XYZ_dane1.csv"));
    writeLines(parameter, stationLines);
    app.folder.writeBytes(QStringLiteral("log.adi"), sampleLog());
    const Reconciliation asked =
        compareWithReference(*tables, readReferenceLines(app.folder.path(kEntityFileName)));
    ASSERT_EQ(asked.missing.size(), 1u);
    ASSERT_EQ(asked.differing.size(), 1u);

    ASSERT_TRUE(app.start(parameter));
    app.dialogs.expectMessage(QStringLiteral("Uwaga"), missingQuestion(asked.missing), Answer::No);
    app.dialogs.expectMessage(QStringLiteral("Uwaga"), differingQuestion(asked.differing),
                              Answer::No);
    app.main().FormActivate();
    ASSERT_EQ(app.station().callsign(), "SP9XYZ");
    app.dialogs.expectMessage(QStringLiteral("Informacja"), kRules);
    app.dialogs.expectModal([&app](QDialog& shown) {
        auto& dialog = static_cast<TForm7&>(shown);
        dialog.Edit1->setText(app.folder.path(QStringLiteral("log.adi")));
        dialog.RadioButton3->setChecked(true); // priority LoTW
        app.dialogs.expectMessage(QStringLiteral("Komunikat"), importDoneWithErrorsMessage());
        dialog.Button2Click();
        return dialog.result();
    });
    test::control<QAction>(app.main(), "Importdanych1")->trigger();
    app.dialogs.expectMessage(QStringLiteral("Informacja"),
                              QStringLiteral("Dane zostały zapisane."));
    app.main().Zapisz1Click();

    writeLines(fixture.stationPath(), stationLines);
    fixture.folder.writeBytes(QStringLiteral("log.adi"), sampleLog());
    ASSERT_EQ(fixture.run(importArguments(fixture, "log", "lotw")), 0) << fixture.err;
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")),
              app.folder.readBytes(QStringLiteral("SP9XYZ_dane1.csv")));
    EXPECT_EQ(fixture.folder.readBytes(kErrorListFileName),
              app.folder.readBytes(kErrorListFileName));
    EXPECT_EQ(fixture.err, "Uwaga: " + missingQuestion(asked.missing).toStdString() + " Nie\n" +
                               "Uwaga: " + differingQuestion(asked.differing).toStdString() +
                               " Nie\n");
}

TEST(BatchImport, GoesOnWithoutTheEntityReferenceFileAndSaysSo) {
    BatchFixture fixture;
    fixture.folder.writeBytes(QStringLiteral("log.adi"), adifFile({Qso{}}));
    ASSERT_TRUE(QFile::remove(fixture.folder.path(kEntityFileName)));
    EXPECT_EQ(fixture.run(importArguments(fixture, "log", "qsl")), 0);
    EXPECT_EQ(fixture.err,
              missingReferenceFileMessage(fixture.folder.path(kEntityFileName)).toStdString() +
                  "\nPlik danych stacji nie został porównany z plikiem wzorcowym.\n");
    const auto saved = readLines(fixture.stationPath());
    EXPECT_EQ(saved.front().substr(0, 18), "SP9XYZ  08.12.2026");
    EXPECT_NE(std::find_if(saved.begin(), saved.end(),
                           [](const std::string& l) { return l.find(";SP1ABC;") != l.npos; }),
              saved.end());
}

TEST(BatchImport, AReadOnlyStationFileIsRefusedAndLeftAsItWas) {
    BatchFixture fixture;
    fixture.folder.writeBytes(QStringLiteral("log.adi"), adifFile({Qso{}}));
    const std::string before = fixture.folder.readBytes(QStringLiteral("stacja.csv"));
    setReadOnly(fixture.stationPath());
    EXPECT_EQ(fixture.run(importArguments(fixture, "log", "qsl")), 1);
    EXPECT_EQ(fixture.err, "Plik " + fixture.stationPath().toStdString() +
                               " przeznaczony jest tylko do odczytu (Read Only)!\n"
                               "Import nie został wykonany, plik nie został zmieniony.\n");
    EXPECT_EQ(fixture.out, "");
    EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), before);
    EXPECT_TRUE(isReadOnly(fixture.stationPath()));
    EXPECT_FALSE(fileExists(fixture.errorListPath()));
}

TEST(BatchImport, NothingIsWrittenWhenAnInputCannotBeRead) {
    BatchFixture fixture;
    fixture.folder.writeBytes(QStringLiteral("log.adi"), adifFile({Qso{}}));
    fixture.folder.writeBytes(kErrorListFileName, "an old list\r\n");
    const std::string station = fixture.folder.readBytes(QStringLiteral("stacja.csv"));
    const QString log = fixture.folder.path(QStringLiteral("log.adi"));
    const QString gone = fixture.folder.path(QStringLiteral("gone.adi"));
    ASSERT_TRUE(QDir(fixture.folder.dir()).mkdir(QStringLiteral("folder.adi")));
    const QString folderLog = fixture.folder.path(QStringLiteral("folder.adi"));

    const std::vector<std::pair<QStringList, std::string>> cases{
        {{QStringLiteral("--import"), gone, fixture.stationPath()},
         "Błąd odczytu pliku \"" + gone.toStdString() + "\": nie ma takiego pliku ani folderu\n"},
        {{QStringLiteral("--import"), folderLog, fixture.stationPath()},
         "Błąd odczytu pliku \"" + folderLog.toStdString() + "\": "},
        {{QStringLiteral("--import"), log, fixture.folder.path(QStringLiteral("gone.csv"))},
         "Błąd odczytu pliku \"" + fixture.folder.path(QStringLiteral("gone.csv")).toStdString() +
             "\": nie ma takiego pliku ani folderu\n"},
        // The arguments swapped: the log is no station data file and must not be overwritten.
        {{QStringLiteral("--import"), fixture.stationPath(), log},
         "Plik \"" + log.toStdString() + "\" nie jest plikiem danych stacji"},
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_EQ(fixture.run(arguments), 1);
        EXPECT_EQ(fixture.err.rfind(message, 0), 0u) << fixture.err;
        EXPECT_EQ(fixture.out, "");
        EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("stacja.csv")), station);
        EXPECT_EQ(fixture.folder.readBytes(QStringLiteral("log.adi")), adifFile({Qso{}}));
        EXPECT_EQ(fixture.folder.readBytes(kErrorListFileName), "an old list\r\n");
    }
}

TEST(BatchImport, AFileLargerThanTheTablesIsNotCutByASave) {
    BatchFixture fixture;
    fixture.folder.writeBytes(QStringLiteral("log.adi"), adifFile({Qso{}}));
    auto lines = readLines(fixture.stationPath());
    lines.push_back(std::string(20, ';')); // a 41st zone line
    writeLines(fixture.stationPath(), lines);
    EXPECT_EQ(fixture.run(importArguments(fixture, "log", "qsl")), 1);
    EXPECT_NE(fixture.err.find("wierszy stref: 1"), std::string::npos) << fixture.err;
    EXPECT_EQ(readLines(fixture.stationPath()), lines);
}

TEST(BatchImport, TheCallsignComesFromTheFilesOwnHeader) {
    EXPECT_EQ(headerCallsign("SP9XYZ  08.12.2026;Call-80m;Date-80m"), "SP9XYZ");
    EXPECT_EQ(headerCallsign("  08.12.2026;Call-80m"), ""); // saved without a callsign
    EXPECT_EQ(headerCallsign("sp9xyz;Call-80m"), "sp9xyz");
    EXPECT_EQ(headerCallsign("SP9XYZ   8.12.2026 r.;Call-80m"), "SP9XYZ");
}

} // namespace
} // namespace zef
