// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/displayed_path.h"
#include "core/settings.h"

#include "support/hang_guard.h"
#include "support/test_folder.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <random>

namespace zef {
namespace {

using test::TestFolder;

TEST(DisplayedPath, ShortensMiddleFoldersToSeventyFive) {
    const QString path = QStringLiteral(
        "C:/Dokumenty/Krotkofalarstwo/Dyplomy/Dane stacji/Archiwum/Rok 2023/Grudzien/stacja.csv");
    ASSERT_EQ(path.size(), 86);
    const QString shown = displayedPath(path);
    EXPECT_EQ(shown, QStringLiteral(
                         "C:/Dokumenty/Krotkofalarstwo/Dyplomy/.../Rok 2023/Grudzien/stacja.csv"));
    EXPECT_EQ(shown.size(), 69);
}

TEST(DisplayedPath, FewSeparatorsNeverShorten) {
    const QString longName = QStringLiteral("/home/") + QString(90, u'x');
    EXPECT_EQ(displayedPath(longName), longName);
    EXPECT_EQ(displayedPath(QStringLiteral("/a/b.csv")), QStringLiteral("/a/b.csv"));
}

TEST(DisplayedPath, KeepsShorteningWhileTooLong) {
    QString path = QStringLiteral("/");
    for (int i = 0; i < 12; ++i)
        path += QStringLiteral("folder%1/").arg(i);
    path += QStringLiteral("stacja.csv");
    const QString shown = displayedPath(path);
    EXPECT_LE(shown.size(), 75);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/stacja.csv")));
    EXPECT_TRUE(shown.contains(QStringLiteral("...")));
}

// The steps as the rule states them, rebuilding the path at every step.
QString displayedPathStepByStep(QString p, int limit) {
    auto nthSeparator = [](const QString& text, qsizetype k) {
        qsizetype at = -1;
        for (qsizetype i = 0; i < k && (at = text.indexOf(u'/', at + 1)) >= 0; ++i) {
        }
        return at;
    };
    for (qsizetype n = p.count(u'/'); p.size() > limit && n > 2; --n) {
        const qsizetype h = n / 2;
        p = p.left(nthSeparator(p, h) + 1) + QStringLiteral(".../") +
            p.mid(nthSeparator(p, h + 2) + 1);
    }
    return p;
}

TEST(DisplayedPath, GivesWhatTheStepsGiveForAnyPath) {
    std::mt19937 random(75);
    for (int i = 0; i < 3000; ++i) {
        QString path;
        const int parts = static_cast<int>(random() % 40);
        for (int k = 0; k < parts; ++k)
            path += QString(static_cast<qsizetype>(random() % 12), QChar(u'a' + k % 26)) + u'/';
        path += QStringLiteral("stacja.csv");
        const int limit = static_cast<int>(random() % 120);
        ASSERT_EQ(displayedPath(path, limit), displayedPathStepByStep(path, limit))
            << path.toStdString() << " limit " << limit;
    }
}

// A damaged settings file can name a path of megabytes with as many folders.
// Work quadratic in its length would take hours: the hang guard catches it.
TEST(DisplayedPath, TimeGrowsWithThePathNotWithItsSquare) {
    QString path;
    while (path.size() < 10'000'000)
        path += QStringLiteral("kat/");
    QElapsedTimer clock;
    clock.start();
    const QString shown = displayedPath(path + QStringLiteral("stacja.csv"));
    EXPECT_LT(clock.elapsed(), test::kHangGuard.count());
    EXPECT_LE(shown.size(), 75);
    EXPECT_TRUE(shown.contains(QStringLiteral("/.../")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("kat/stacja.csv")));
}

TEST(Settings, FirstCloseWritesEveryKeyInOrder) {
    TestFolder folder;
    Settings s;
    s.callsign = "sp9xyz";
    s.stationPath = QStringLiteral("/home/u/stacja.csv");
    writeSettings(ProfileFile(folder.path("zefirant.ini")), s, false, "weryfikacja@example.org");
    EXPECT_EQ(folder.readUtf8Lines("zefirant.ini"),
              (std::vector<std::string>{"[Konfiguracja]",
                                        "Znak=sp9xyz",
                                        "Plik=/home/u/stacja.csv",
                                        "E-mail=weryfikacja@example.org",
                                        "[Widok]",
                                        "Wysokosc okna=292",
                                        "Szerokosc okna=673",
                                        "Korekta=0",
                                        "[Tabela]",
                                        "X=322",
                                        "Y=180",
                                        "Szerokosc ADIF=35",
                                        "Szerokosc Deleted=12",
                                        "Szerokosc prefiksu=48",
                                        "Szerokosc nazwy=167",
                                        "Szerokosc znaku=85",
                                        "Szerokosc daty QSO=147",
                                        "Szerokosc QSL=74",
                                        "Szerokosc daty weryfikacji=68",
                                        "Wysokosc wierszy=21",
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
                                        "Zweryfikowane=0"}));
    // The Polish keys are windows-1250 bytes in the file.
    EXPECT_NE(folder.readBytes("zefirant.ini").find("Szeroko\x9c\xe6=437"), std::string::npos);
}

TEST(Settings, ParameterModeLeavesThePathAsItWas) {
    TestFolder folder;
    folder.write("zefirant.ini", {"[Konfiguracja]", "Znak=A", "Plik=/mine.csv"});
    Settings s;
    s.callsign = "B";
    s.stationPath = QStringLiteral("/other.csv");
    writeSettings(ProfileFile(folder.path("zefirant.ini")), s, true, "");
    const ProfileFile ini(folder.path("zefirant.ini"));
    EXPECT_EQ(ini.readString("Konfiguracja", "Plik", ""), "/mine.csv");
    EXPECT_EQ(ini.readString("Konfiguracja", "Znak", ""), "B");
}

// A folder named in letters the code page lacks must not turn the path into
// one that names no file.
TEST(Settings, APathOutsideTheCodePageReadsBack) {
    TestFolder folder;
    const ProfileFile ini(folder.path("zefirant.ini"));
    for (const QString& path : {QStringLiteral("/home/ja/Łączności/stacja.csv"),
                                QStringLiteral("/home/ja/Данные/Σ stacja.csv")}) {
        Settings s;
        s.stationPath = path;
        writeSettings(ini, s, false, "");
        EXPECT_EQ(readSettings(ini, Settings{}).stationPath, path);
    }
    EXPECT_EQ(ini.readString("Konfiguracja", "Plik", "").substr(0, 3), "\xEF\xBB\xBF");
}

TEST(Settings, RoundTripAndTheBoldRule) {
    TestFolder folder;
    const ProfileFile ini(folder.path("zefirant.ini"));
    Settings s;
    s.colours.deleted = 0x123456;
    s.columnWidths[3] = 200;
    s.widthCorrection = -7;
    s.view = View::Verified;
    s.hideDeleted = true;
    writeSettings(ini, s, false, "");
    const Settings back = readSettings(ini, Settings{});
    EXPECT_EQ(back.colours.deleted, 0x123456u);
    EXPECT_EQ(back.columnWidths[3], 200);
    EXPECT_EQ(back.widthCorrection, -7);
    EXPECT_EQ(back.view, View::Verified);
    EXPECT_TRUE(back.hideDeleted);
    EXPECT_TRUE(back.fontBold);

    // A missing weight gives the regular font although the design is bold.
    folder.write("other.ini", {"[Tabela]", "X=1"});
    EXPECT_FALSE(readSettings(ProfileFile(folder.path("other.ini")), Settings{}).fontBold);
}

TEST(Settings, NegativeColourSurvivesTheCloseWrite) {
    TestFolder folder;
    folder.write("zefirant.ini", {"[Tabela]", "Kolor potwierdzonych=-16777211"});
    const ProfileFile ini(folder.path("zefirant.ini"));
    const Settings first = readSettings(ini, Settings{});
    writeSettings(ini, first, false, "");
    EXPECT_EQ(ini.readString("Tabela", "Kolor potwierdzonych", ""), "-16777211");
    EXPECT_EQ(readSettings(ini, Settings{}).colours.confirmed, first.colours.confirmed);
}

TEST(Settings, LastViewKeyThatIsYesWins) {
    TestFolder folder;
    folder.write("z.ini", {"[Wyswietlanie]", "Wszystkie=1", "Do weryfikacji=1", "Potwierdzone=0",
                           "Zweryfikowane=1"});
    EXPECT_EQ(readSettings(ProfileFile(folder.path("z.ini")), Settings{}).view, View::Verified);
    folder.write("none.ini", {"[Wyswietlanie]", "Wszystkie=0"});
    EXPECT_EQ(readSettings(ProfileFile(folder.path("none.ini")), Settings{}).view,
              View::Unconfirmed);
}

} // namespace
} // namespace zef
