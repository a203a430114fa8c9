// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/batch_fixture.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

QStringList args(const std::vector<const char*>& list) {
    QStringList result;
    for (const char* a : list)
        result.push_back(QString::fromUtf8(a));
    return result;
}

TEST(CommandLine, PlainArgumentsKeepTheWindowProgram) {
    EXPECT_EQ(parseCommandLine({}).kind, CommandKind::Window);
    EXPECT_FALSE(parseCommandLine({}).parameter);
    const CommandLine one = parseCommandLine(args({"dane/stacja.csv"}));
    EXPECT_EQ(one.kind, CommandKind::Window);
    EXPECT_EQ(one.parameter, QStringLiteral("dane/stacja.csv"));
    // As before: the first parameter counts, later ones are not looked at.
    const CommandLine two = parseCommandLine(args({"a.csv", "--summary"}));
    EXPECT_EQ(two.kind, CommandKind::Window);
    EXPECT_EQ(two.parameter, QStringLiteral("a.csv"));
}

TEST(CommandLine, ImportTakesTheLogTheStationAndBothChoicesInAnyOrder) {
    const CommandLine plain = parseCommandLine(args({"--import", "log.adi", "stacja.csv"}));
    ASSERT_EQ(plain.kind, CommandKind::Import);
    EXPECT_EQ(plain.adifPath, QStringLiteral("log.adi"));
    EXPECT_EQ(plain.stationPath, QStringLiteral("stacja.csv"));
    EXPECT_EQ(plain.importOptions.source, ImportSource::Log);
    EXPECT_EQ(plain.importOptions.priority, ImportPriority::LogQsl);

    const CommandLine chosen = parseCommandLine(
        args({"--import", "log.adi", "--priority=LoTW", "stacja.csv", "--source", "lotw"}));
    ASSERT_EQ(chosen.kind, CommandKind::Import) << chosen.problem.toStdString();
    EXPECT_EQ(chosen.stationPath, QStringLiteral("stacja.csv"));
    EXPECT_EQ(chosen.importOptions.source, ImportSource::Lotw);
    EXPECT_EQ(chosen.importOptions.priority, ImportPriority::Lotw);
}

TEST(CommandLine, SummaryModesAndPrintout) {
    EXPECT_EQ(parseCommandLine(args({"--summary", "s.csv"})).summaryMode,
              SummaryMode::AllConfirmed);
    EXPECT_EQ(parseCommandLine(args({"--summary", "--mode", "verified", "s.csv"})).summaryMode,
              SummaryMode::Verified);
    const CommandLine pending = parseCommandLine(args({"--summary", "s.csv", "--mode=pending"}));
    EXPECT_EQ(pending.kind, CommandKind::Summary);
    EXPECT_EQ(pending.summaryMode, SummaryMode::ToVerify);
    EXPECT_EQ(pending.stationPath, QStringLiteral("s.csv"));

    const CommandLine print = parseCommandLine(args({"--print-pdf", "out.pdf", "s.csv"}));
    EXPECT_EQ(print.kind, CommandKind::PrintPdf);
    EXPECT_EQ(print.pdfPath, QStringLiteral("out.pdf"));
    EXPECT_EQ(print.stationPath, QStringLiteral("s.csv"));
    EXPECT_EQ(parseCommandLine(args({"--help"})).kind, CommandKind::Help);
    EXPECT_EQ(parseCommandLine(args({"--version"})).kind, CommandKind::Version);
}

TEST(CommandLine, LotwSyncTakesTheStationAndItsOptions) {
    const CommandLine plain = parseCommandLine(args({"--lotw-sync", "s.csv"}));
    ASSERT_EQ(plain.kind, CommandKind::LotwSync);
    EXPECT_EQ(plain.stationPath, QStringLiteral("s.csv"));
    EXPECT_EQ(plain.importOptions.source, ImportSource::Lotw);
    EXPECT_EQ(plain.importOptions.priority, ImportPriority::LogQsl);
    EXPECT_TRUE(plain.lotwSync.since.isEmpty());
    EXPECT_EQ(plain.lotwSync.timeoutSeconds, 60);

    const CommandLine all =
        parseCommandLine(args({"--lotw-sync", "--login=sp9abc", "--priority", "lotw", "--since",
                               "2026-02-28", "--password-file", "/h", "--timeout", "5", "s.csv"}));
    ASSERT_EQ(all.kind, CommandKind::LotwSync) << all.problem.toStdString();
    EXPECT_EQ(all.lotwSync.login, QStringLiteral("sp9abc"));
    EXPECT_EQ(all.importOptions.priority, ImportPriority::Lotw);
    EXPECT_EQ(all.lotwSync.since, QStringLiteral("2026-02-28"));
    EXPECT_EQ(all.lotwSync.passwordFile, QStringLiteral("/h"));
    EXPECT_EQ(all.lotwSync.timeoutSeconds, 5);

    // A password typed on the command line is refused without being repeated.
    const CommandLine typed = parseCommandLine(args({"--lotw-sync", "--password=tajne", "s.csv"}));
    EXPECT_EQ(typed.kind, CommandKind::WrongUsage);
    EXPECT_FALSE(typed.problem.contains(QStringLiteral("tajne")));
}

TEST(CommandLine, EverythingElseIsWrongUsage) {
    const std::vector<std::vector<const char*>> wrong{
        {"-"},
        {"-platform", "offscreen"},
        {"--summry", "s.csv"},
        {"--help", "x"},
        {"--version", "--help"},
        {"--import", "log.adi"},
        {"--import", "log.adi", "a.csv", "b.csv"},
        {"--import", "log.adi", "s.csv", "--source"},
        {"--import", "log.adi", "s.csv", "--source", "qrz"},
        {"--import", "log.adi", "s.csv", "--source", "log", "--source", "lotw"},
        {"--import", "log.adi", "s.csv", "--mode", "verified"},
        {"--summary"},
        {"--summary", ""},
        {"--summary", "s.csv", "--mode", "all"},
        {"--summary", "s.csv", "-v"},
        {"--print-pdf", "s.csv"},
        {"--print-pdf", "out.pdf", "s.csv", "--mode", "verified"},
        {"--chart", "w.png"},
        {"--chart", "w.gif", "s.csv"},
        {"--chart", "wykres", "s.csv"},
        {"--chart", "w.csv", "s.csv", "--mode", "all"},
        {"--lotw-sync"},
        {"--lotw-sync", "a.csv", "b.csv"},
        {"--lotw-sync", "s.csv", "--source", "log"},
        {"--lotw-sync", "s.csv", "--since", "2026-02-30"},
        {"--lotw-sync", "s.csv", "--since", "28.02.2026"},
        {"--lotw-sync", "s.csv", "--timeout", "0"},
        {"--lotw-sync", "s.csv", "--timeout", "1m"},
    };
    for (const auto& arguments : wrong) {
        const CommandLine line = parseCommandLine(args(arguments));
        EXPECT_EQ(line.kind, CommandKind::WrongUsage) << args(arguments).join(u' ').toStdString();
        EXPECT_FALSE(line.problem.isEmpty());
    }
}

TEST(CommandLine, UsageHelpAndVersionReachTheirStreams) {
    test::BatchFixture fixture;
    EXPECT_EQ(fixture.run(args({"--import", "log.adi"})), 2);
    EXPECT_TRUE(fixture.out.empty());
    EXPECT_EQ(
        fixture.err.rfind("zefirant: --import: oczekiwano 2 nazw plików, podano 1\nUżycie:\n", 0),
        0u)
        << fixture.err;
    EXPECT_NE(fixture.err.find("zefirant --summary [--mode confirmed|verified|pending] "
                               "PLIK_STACJI\n"),
              std::string::npos);

    EXPECT_EQ(fixture.run(args({"--help"})), 0);
    EXPECT_TRUE(fixture.err.empty());
    EXPECT_NE(fixture.out.find(usageText().toStdString()), std::string::npos);
    EXPECT_NE(fixture.out.find("--print-pdf  zapisuje obie strony"), std::string::npos);

    EXPECT_EQ(fixture.run(args({"--version"})), 0);
    EXPECT_EQ(fixture.out, "Zefirant Wersja 3.0.1\n"); // as the about window shows it
}

// "oczekiwano" governs the genitive; a second command is named as one.
TEST(CommandLine, ShortHelpAndTheProblemsInPolish) {
    EXPECT_EQ(parseCommandLine({QStringLiteral("-h")}).kind, CommandKind::Help);
    const std::vector<std::pair<QStringList, QString>> cases{
        {{QStringLiteral("--summary")}, QStringLiteral("oczekiwano 1 nazwy pliku, podano 0")},
        {{QStringLiteral("--import"), QStringLiteral("a")},
         QStringLiteral("oczekiwano 2 nazw plików, podano 1")},
        {args({"--summary", "--import", "a.adi", "s.csv"}),
         QStringLiteral("nie można łączyć poleceń --summary i --import")},
        {args({"--print-pdf", "o.pdf", "s.csv", "--version"}),
         QStringLiteral("nie można łączyć poleceń --print-pdf i --version")},
    };
    for (const auto& [arguments, problem] : cases)
        EXPECT_TRUE(parseCommandLine(arguments).problem.endsWith(problem))
            << parseCommandLine(arguments).problem.toStdString();
}

} // namespace
} // namespace zef
