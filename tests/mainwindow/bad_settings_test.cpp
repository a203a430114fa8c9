// SPDX-License-Identifier: GPL-3.0-or-later
// A spoilt settings file met at start-up (the main window's read and the
// summary window's section), by the submission and by the close write: the
// program starts with what it can read, and neither the settings nor the
// station data file it writes afterwards are broken by what the file held.

#include "core/settings.h"
#include "core/station_file.h"
#include "core/text.h"
#include "core/text_file.h"
#include "editing/submission_dialog.h"
#include "mainwindow/main_window.h"
#include "summary/summary_window.h"

#include "support/bad_input.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestProgram;

const QString kSaved = QStringLiteral("Dane zostały zapisane.");
constexpr std::size_t kPathLine = 2;

// Every key as a close writes it, the station data file `station` in "Plik".
std::vector<std::string> validSettingsLines(const QString& station) {
    std::vector<std::string> lines{"[Konfiguracja]",
                                   "Znak=SP9XYZ",
                                   "Plik=" + station.toStdString(),
                                   "E-mail=weryfikacja@example.org",
                                   "[Widok]",
                                   "Wysokosc okna=300",
                                   "Szerokosc okna=700",
                                   "Korekta=3",
                                   "[Tabela]",
                                   "X=10",
                                   "Y=20"};
    for (const char* key :
         {"Szerokosc ADIF", "Szerokosc Deleted", "Szerokosc prefiksu", "Szerokosc nazwy",
          "Szerokosc znaku", "Szerokosc daty QSO", "Szerokosc QSL", "Szerokosc daty weryfikacji"})
        lines.push_back(std::string(key) + "=60");
    for (const char* line : {"Wysokosc wierszy=21",
                             "Czcionka=Arial",
                             "Wielkosc czcionki=10",
                             "Grubosc czcionki=1",
                             "Kolor potwierdzonych=11195903",
                             "Kolor zweryfikowanych=12910532",
                             "Kolor usunietych=12632256",
                             "Kolor pozostalych=16777215",
                             "[Zestawienie]",
                             "X=345",
                             "Y=211",
                             "Szerokość=437",
                             "Wysokość=225",
                             "[Wyswietlanie]",
                             "Usuniete=0",
                             "Wszystkie=1",
                             "Wszystkie bez zweryfikowanych=0",
                             "Do weryfikacji=0",
                             "Potwierdzone=0",
                             "Zweryfikowane=0"})
        lines.push_back(line);
    return lines;
}

// Bad inputs (their NUL and their long line in "Plik") plus values that are
// out of the ordinary for the keys that take them.
std::vector<test::BadInput> badSettingsFiles(const QString& station) {
    const auto valid = validSettingsLines(station);
    auto inputs = test::badInputs(valid, kPathLine);
    auto with = [&valid](const std::string& name, std::vector<std::string> replaced) {
        auto lines = valid;
        for (auto& line : lines)
            for (const auto& replacement : replaced)
                if (line.substr(0, line.find('=') + 1) ==
                    replacement.substr(0, replacement.find('=') + 1))
                    line = replacement;
        return test::BadInput{name, test::crlf(lines)};
    };
    std::string slashes;
    while (slashes.size() < test::kLongLineBytes)
        slashes += "kat/";
    inputs.push_back(with("10 MB path of folders", {"Plik=/" + slashes + "stacja.csv"}));
    inputs.push_back(with("10 MB font name, callsign, address",
                          {"Czcionka=" + std::string(test::kLongLineBytes, 'F'),
                           "Znak=" + std::string(test::kLongLineBytes, 'Z'),
                           "E-mail=" + std::string(test::kLongLineBytes, 'e')}));
    inputs.push_back(with("';' in the callsign", {"Znak=SP9;XYZ;;"}));
    std::vector<std::string> extremes;
    for (const auto& line : valid)
        if (const auto eq = line.find('='); eq != std::string::npos && line.rfind("Plik", 0) &&
                                            line.rfind("Znak", 0) && line.rfind("E-mail", 0) &&
                                            line.rfind("Czcionka", 0))
            extremes.push_back(line.substr(0, eq + 1) +
                               (extremes.size() % 3 == 0   ? std::to_string(INT_MAX)
                                : extremes.size() % 3 == 1 ? std::to_string(INT_MIN)
                                                           : "99999999999999999999999"));
    inputs.push_back(with("numbers at the ends of their range", extremes));
    return inputs;
}

void writeStation(const QString& path) {
    AwardTables tables;
    const auto lines = test::sampleEntityFileLines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        tables.entities[i + 1][0] = trimRight(lines[i].substr(0, lines[i].size() - 1));
    for (int z = 1; z <= kZoneRows; ++z)
        tables.zones[z][0] = test::zoneFileLine(z, "P" + std::to_string(z));
    writeLines(path, stationFileLines(tables, "SP9XYZ", "d"));
}

TEST(BadSettingsFile, StartUpReadsWhatItCanAndTheFilesWrittenAfterAreSound) {
    QTemporaryDir stations;
    const QString station = stations.filePath(QStringLiteral("stacja.csv"));
    for (const auto& input : badSettingsFiles(station)) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        writeStation(station);
        app.folder.writeBytes(QStringLiteral("zefirant.ini"), input.bytes);
        app.dialogs.answerUnexpectedMessages(Answer::Yes);

        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(app.start());
        app.main().show();
        app.main().grab();
        app.summary().grab();
        test::expectNoHang(clock.elapsed(), "start-up", input);

        clock.restart();
        test::control<QAction>(app.main(), "Wyslij_dane")->trigger();
        if (stationDataLoaded(app.tables())) {
            app.dialogs.expectMessage(QStringLiteral("Informacja"), kSaved);
            app.main().Zapisz1Click();
            QFile saved(station);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            test::expectSoundStationFile(saved.readAll().toStdString(), app.tables());
        }
        EXPECT_TRUE(app.main().FormCloseQuery());
        test::expectNoHang(clock.elapsed(), "submission, save and close", input);
        test::reportMessages(app.dialogs.messages, "start-up to close", input);

        // What the close wrote reads back as the values the program held.
        const ProfileFile ini = app.main().settingsFile();
        const Settings read = readSettings(ini, Settings{});
        EXPECT_EQ(read.callsign, app.station().callsign());
        EXPECT_EQ(read.stationPath, app.station().path());
        EXPECT_EQ(ini.readString("Konfiguracja", "E-mail", "?"),
                  app.program().submission().recipientForSettings(ini));
    }
}

} // namespace
} // namespace zef
