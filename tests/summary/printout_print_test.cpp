// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/print_job.h"

#include "core/file_error.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestFolder;
using test::TestProgram;

// Output of a poppler tool, or nothing when the tool is not installed.
std::optional<QString> runTool(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Runs of blanks as one: the text tool does not keep the count.
QString squeezed(QString text) {
    static const QRegularExpression blanks(QStringLiteral(" +"));
    return text.replace(blanks, QStringLiteral(" "));
}

// The text of each page of a PDF as laid out on the sheet, blanks squeezed.
std::optional<QStringList> pdfPages(const QString& pdf) {
    const auto text =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text)
        return std::nullopt;
    QStringList pages = text->split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages)
        page = squeezed(page);
    return pages;
}

#define PAGES_OR_SKIP(var, pdf)                                                                    \
    const auto var##Read = pdfPages(pdf);                                                          \
    if (!var##Read)                                                                                \
        GTEST_SKIP() << "pdftotext is not installed";                                              \
    const QStringList& var = *var##Read;

// A printed line as it reads back from the PDF.
QString q(const std::string& cp1250) {
    return squeezed(toQt(cp1250));
}

// A program with a new station: Poland verified on 80 m and confirmed on
// 20 m, zone 12 confirmed on 10 m.
struct PrintFixture {
    PrintFixture() {
        app.startWithNewStation(QStringLiteral("SP9XYZ"));
        AwardTables& t = app.tables();
        for (int r = 1; r <= kEntityRows; ++r)
            if (t.entities[r][0].find("Poland") != std::string::npos)
                poland = r;
        t.entities[poland][callSlot(0)] = "SP1AA";
        t.entities[poland][verificationSlot(0)] = "2026-01-01";
        t.entities[poland][callSlot(2)] = "SP2BB";
        t.zones[12][callSlot(4)] = "A41AA";
        pdf = app.folder.path(QStringLiteral("zestawienie.pdf"));
    }

    void expectPdf(std::optional<QString> callsignAnswer,
                   QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                                QStringLiteral("Podaj znak:"), std::move(callsignAnswer));
        app.dialogs.expectPrint([this, orientation](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageOrientation(orientation);
            return true;
        });
    }

    void expectSent() {
        app.dialogs.expectMessage(QStringLiteral("Komunikat"),
                                  QStringLiteral("Dane zostały wysłane do drukarki!"));
    }

    TestProgram app;
    int poland = 0;
    QString pdf;
};

TEST(SummaryPrintout, BothPagesReachTheChosenPdfFile) {
    PrintFixture f;
    f.expectPdf(QStringLiteral("SP9XYZ"));
    f.expectSent();
    test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
    ASSERT_TRUE(QFile::exists(f.pdf));
    EXPECT_EQ(f.app.dialogs.messages.back().icon, Icon::Information);
    PAGES_OR_SKIP(pages, f.pdf);
    ASSERT_EQ(pages.size(), 2);

    const QString polandLine = q(entityPrintLine(f.app.tables().entities[f.poland]));
    EXPECT_TRUE(polandLine.endsWith(QStringLiteral("|v| |c| | |")));
    EXPECT_TRUE(polandLine.contains(QStringLiteral("|269| |SP |Poland |")));
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains(QStringLiteral("Zefirant - zestawienie podmiotów DXCC dla:")));
        EXPECT_TRUE(page.contains(QStringLiteral("SP9XYZ")));
        EXPECT_TRUE(page.contains(QStringLiteral("Data: 08.12.2026")));
        EXPECT_TRUE(page.contains(QStringLiteral("Punkty zweryfikowowane: 1")));
        EXPECT_TRUE(page.contains(QStringLiteral("Punkty do zweryfikowowania: 16")));
        EXPECT_TRUE(page.contains(q("|ADI|  Pfx  | Podmiot                |8|4|2|1|1|")));
    }
    EXPECT_TRUE(pages[0].contains(polandLine)) << pages[0].toStdString();
    EXPECT_EQ(pages[0].count(QStringLiteral("|ADI|")), 3);
    EXPECT_FALSE(pages[0].contains(QStringLiteral("CQZ")));

    const QString zone12 = q(zonePrintLine(f.app.tables().zones[12]));
    EXPECT_TRUE(zone12.startsWith(QStringLiteral("| 12 |P12")));
    EXPECT_TRUE(zone12.endsWith(QStringLiteral("| | | | |c|")));
    EXPECT_TRUE(pages[1].contains(zone12)) << pages[1].toStdString();
    EXPECT_EQ(pages[1].count(QStringLiteral("| CQZ | Prefiksy")), 3);
    EXPECT_FALSE(pages[1].contains(polandLine));
}

TEST(SummaryPrintout, DrawsInCourierNewOrItsMetricTwin) {
    PrintFixture f;
    f.expectPdf(std::nullopt);
    f.expectSent();
    test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
    const auto fonts = runTool(QStringLiteral("pdffonts"), {f.pdf});
    if (!fonts)
        GTEST_SKIP() << "pdffonts is not installed";
    const QRegularExpression courier(QStringLiteral("CourierNew|LiberationMono"));
    const QStringList lines = fonts->split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines)
        EXPECT_TRUE(courier.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(fonts->contains(QStringLiteral("Bold"))); // the callsign
}

TEST(SummaryPrintout, CallsignAnswerIsUpperCasedAndCancelKeepsTheOldOne) {
    {
        PrintFixture f;
        f.expectPdf(QStringLiteral("sp5abc"));
        f.expectSent();
        test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
        EXPECT_EQ(f.app.dialogs.lastInputInitial, QStringLiteral("SP9XYZ"));
        EXPECT_EQ(f.app.station().callsign(), "SP5ABC");
        EXPECT_FALSE(f.app.station().unsaved());
        PAGES_OR_SKIP(pages, f.pdf);
        EXPECT_TRUE(pages[0].contains(QStringLiteral("SP5ABC")));
        EXPECT_FALSE(pages[0].contains(QStringLiteral("sp5abc")));
    }
    {
        PrintFixture f;
        f.expectPdf(std::nullopt);
        f.expectSent();
        test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
        EXPECT_EQ(f.app.station().callsign(), "SP9XYZ");
        PAGES_OR_SKIP(pages, f.pdf);
        ASSERT_EQ(pages.size(), 2);
        EXPECT_TRUE(pages[1].contains(QStringLiteral("SP9XYZ")));
    }
}

TEST(SummaryPrintout, LandscapeIsRefusedAndNothingPrinted) {
    PrintFixture f;
    f.expectPdf(QStringLiteral("sp5abc"), QPageLayout::Landscape);
    f.app.dialogs.expectMessage(QStringLiteral("Błąd"),
                                QStringLiteral("Ustaw pionową orientację papieru w drukarce!"));
    test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
    EXPECT_EQ(f.app.dialogs.messages.back().icon, Icon::Error);
    EXPECT_FALSE(QFile::exists(f.pdf));
    EXPECT_EQ(f.app.station().callsign(), "SP5ABC"); // the answer stays in force
}

TEST(SummaryPrintout, NothingWithoutDataOrAfterTheDialogIsCancelled) {
    TestProgram empty;
    ASSERT_TRUE(empty.start());
    test::control<QAction>(empty.main(), "Wydrukpodmiotw1")
        ->trigger(); // any question would fail the test

    PrintFixture f;
    f.app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"), QStringLiteral("Podaj znak:"),
                              QStringLiteral("sp5abc"));
    f.app.dialogs.expectPrint([](QPrinter&) { return false; });
    test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
    EXPECT_EQ(f.app.station().callsign(), "SP5ABC");
}

// Printing to a file proposes the station file's name beside it; a station
// not saved yet, the home folder.
TEST(SummaryPrintout, AFileProposedBesideTheStationFile) {
    PrintFixture f;
    const std::pair<QString, QString> cases[] = {
        {QString(), QDir::home().filePath(QStringLiteral("Zefirant.pdf"))},
        {f.app.folder.path(QStringLiteral("SP5ABC.v2.csv")),
         f.app.folder.path(QStringLiteral("SP5ABC.v2.pdf"))},
    };
    for (const auto& [station, proposal] : cases) {
        f.app.station().setPath(station);
        f.app.dialogs.expectInput(QStringLiteral("Identyfikacja stacji"),
                                  QStringLiteral("Podaj znak:"), std::nullopt);
        f.app.dialogs.expectPrint([](QPrinter&) { return false; });
        test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
        EXPECT_EQ(f.app.dialogs.lastPrintProposal, proposal);
    }
}

TEST(SummaryPrintout, MissingEntityFileStopsAfterPageOne) {
    PrintFixture f;
    const QString entityFile = f.app.folder.path(kEntityFileName);
    ASSERT_TRUE(QFile::remove(entityFile));
    f.expectPdf(std::nullopt);
    f.app.dialogs.expectMessage(QStringLiteral("Błąd"), missingReferenceFileMessage(entityFile));
    test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
    EXPECT_EQ(f.app.dialogs.messages.back().icon, Icon::Error);
    PAGES_OR_SKIP(pages, f.pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(q(entityPrintLine(f.app.tables().entities[f.poland]))));
}

TEST(SummaryPrintout, UnwritablePdfIsAnErrorNotASuccess) {
    PrintFixture f;
    f.pdf = f.app.folder.path(QStringLiteral("brak/zestawienie.pdf"));
    f.expectPdf(std::nullopt);
    f.app.dialogs.expectMessage(QStringLiteral("Zefirant"),
                                QStringLiteral("Błąd zapisu pliku \"") + f.pdf +
                                    QStringLiteral("\": nie ma takiego pliku ani folderu"));
    test::control<QAction>(f.app.main(), "Wydrukpodmiotw1")->trigger();
    ASSERT_EQ(f.app.dialogs.messages.size(), 1U); // no "Dane zostały wysłane do drukarki!"
    EXPECT_EQ(f.app.dialogs.messages.back().icon, Icon::Error);
}

// Where the text lands on the sheet, in points, read back from the PDF.
struct WordBox {
    double xMin = -1;
    double yMin = -1;
};

std::optional<WordBox> firstWordBox(const QString& pdf, const QString& word) {
    const auto html =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!html)
        return std::nullopt;
    const QRegularExpression re(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>") +
        QRegularExpression::escape(word) + u'<');
    const auto m = re.match(*html);
    if (!m.hasMatch())
        return WordBox{};
    return WordBox{m.captured(1).toDouble(), m.captured(2).toDouble()};
}

TEST(PrintJob, PlacesTextCellsInThePrintableAreaOfOneDocument) {
    TestFolder folder;
    const QString pdf = folder.path(QStringLiteral("wsadowo.pdf"));
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
    const DeviceFit fit = fitToDevice(writer);
    EXPECT_EQ(fit.scale, layoutScale(writer.width())); // A4 holds the layout as designed
    EXPECT_EQ(fit.fontFactor, 1.0);

    AwardTables tables;
    const PrintoutHeader header{"SP9XYZ", "08.12.2026", {}};
    ASSERT_TRUE(renderPrintout(
        writer, {printoutPageOne(tables, header), printoutPageTwo(tables, header, 400)}));
    PAGES_OR_SKIP(pages, pdf);
    EXPECT_EQ(pages.size(), 2);

    const auto data = firstWordBox(pdf, QStringLiteral("Data:"));
    ASSERT_TRUE(data);
    const double pointsPerPixel = 72.0 / writer.resolution();
    EXPECT_NEAR(data->xMin, 10 + toDevice(200, fit.scale) * pointsPerPixel, 0.5);
    // The layout gives the top of the text cell; the word box starts there.
    EXPECT_NEAR(data->yMin, 10 + toDevice(200, fit.scale) * pointsPerPixel, 1.0);
}

TEST(PrintJob, SmallPagesShrinkTheLayoutInsteadOfOverlapping) {
    TestFolder folder;
    QPdfWriter letter(folder.path(QStringLiteral("letter.pdf")));
    letter.setPageSize(QPageSize(QPageSize::Letter));
    letter.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
    const DeviceFit tall = fitToDevice(letter);
    EXPECT_LT(tall.scale, layoutScale(letter.width())); // 3225 units would pass the bottom
    EXPECT_LE(toDevice(kLayoutHeight, tall.scale), letter.height());

    QPdfWriter narrow(folder.path(QStringLiteral("a5.pdf")));
    narrow.setPageSize(QPageSize(QPageSize::A5));
    const DeviceFit fit = fitToDevice(narrow);
    EXPECT_LT(fit.fontFactor, 1.0);
    const QFontMetricsF table(printoutFont(kTablePointSize * fit.fontFactor, false), &narrow);
    EXPECT_LE(table.horizontalAdvance(QString(kTableLineChars, u'|')),
              toDevice(kTableSpacing, fit.scale));
}

} // namespace
} // namespace zef
