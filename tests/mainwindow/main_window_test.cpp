// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven through its handlers: start-up, the band/zone
// selector, closing and the command-line parameter.
#include "mainwindow/main_window.h"

#include "core/file_attributes.h"
#include "core/profile_file.h"
#include "core/reconciliation.h"
#include "core/reference_files.h"
#include "core/station_file.h"
#include "editing/entry_dialog.h"
#include "mainwindow/grid_widget.h"
#include "platform/status_panels.h"
#include "summary/summary_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zef {
namespace {

using test::TestProgram;

void selectView(TForm1& main, int index) {
    test::control<QComboBox>(main, "ComboBox1")->setCurrentIndex(index);
    main.ComboBox1Change();
}

TEST(MainWindow, StartWithoutEntityFileShowsThePathAndEnds) {
    TestProgram app(false);
    app.dialogs.expectMessage(
        QStringLiteral("Błąd"),
        QStringLiteral("Plik wzorcowy \"") + app.folder.path(QStringLiteral("dxcc_adif.mtb")) +
            QStringLiteral("\" nie został znaleziony!\nMusi on znajdować się w tym samym "
                           "katalogu, co i VORTEL_BAZA.EXE."));
    EXPECT_FALSE(app.start());
    EXPECT_EQ(app.dialogs.messages.at(0).icon, Icon::Error);
}

TEST(MainWindow, EmptyStartState) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    TForm1& m = app.main();
    EXPECT_EQ(m.pos(), QPoint(0, 226));
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar1")->panelText(0),
              QStringLiteral("Razem:       0/0"));
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar1")->panelText(1),
              QStringLiteral("Zweryfikowane:   0/0"));
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar1")->panelText(2),
              QStringLiteral("Do weryfikacji:  0/0"));
    EXPECT_EQ(test::control<StatusPanels>(m, "StatusBar2")->panelText(2),
              QStringLiteral("  Rosnąco"));
    EXPECT_FALSE(test::control<QComboBox>(m, "ComboBox1")->isEnabled());
    EXPECT_TRUE(test::control<QAction>(m, "Nowy1")->isEnabled());
    EXPECT_TRUE(test::control<QAction>(m, "Importdanych1")->isEnabled());
    EXPECT_EQ(test::control<QLabel>(m, "Label5")->text(), QStringLiteral("Wszystkie podmioty"));
    EXPECT_EQ(test::control<QLabel>(m, "Label1")->text(),
              QStringLiteral("Wprowadź prefiks szukanego podmiotu"));
    const char* headers[] = {"ADIF", "D",        "Prefiks", "Podmiot",
                             "Znak", "Data QSO", "Potw.",   "Data wer."};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(m.grid().model().cell(c, 0), headers[c]);
}

TEST(MainWindow, SelectorSetsTheCaptionAndTheBand) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    app.tables().zones[15][callSlot(3)] = "JA1AA";
    selectView(m, 8);
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Aktualizacja stref - pasmo 15M"));
    EXPECT_EQ(m.grid().model().rowCount(), 41);
    EXPECT_EQ(m.grid().model().cell(2, 0), "Strefa");
    EXPECT_EQ(m.grid().model().cell(4, 15), "JA1AA");
    selectView(m, 1);
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Aktualizacja podmiotów - pasmo 40M"));
    EXPECT_EQ(m.grid().model().cell(3, 0), "Podmiot");
}

TEST(MainWindow, CaptionFontMargin) {
    for (auto [points, margin] : {std::pair{8, 0}, {9, 9}, {15, 15}, {16, 20}, {30, 20}}) {
        TestProgram app;
        app.system.captionPoints = points;
        ASSERT_TRUE(app.start());
        EXPECT_EQ(app.state().captionFontMargin, margin) << points;
    }
}

TEST(MainWindow, FirstCloseWritesTheSettingsAndEnds) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    EXPECT_TRUE(app.main().FormCloseQuery());
    const ProfileFile ini(app.folder.path(QStringLiteral("zefirant.ini")));
    EXPECT_EQ(ini.readInt("Tabela", "Szerokosc nazwy", 0), 167);
    EXPECT_EQ(ini.readString("Tabela", "Czcionka", ""), "Arial");
    EXPECT_EQ(ini.readInt("Tabela", "Wielkosc czcionki", 0), 10);
    EXPECT_EQ(ini.readString("Tabela", "Grubosc czcionki", ""), "1");
    EXPECT_EQ(ini.readInt("Tabela", "X", -1), 0);
    EXPECT_EQ(ini.readInt("Tabela", "Y", -1), 226);
    EXPECT_EQ(ini.readString("Konfiguracja", "E-mail", ""), "weryfikacja@zefirant.pl");
}

TEST(MainWindow, CancelledCloseHasWrittenTheSettingsAlready) {
    TestProgram app;
    app.startWithNewStation();
    app.station().setUnsaved(true);
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"),
                              QStringLiteral("Dane nie zostały zapisane!\nZapisać?"),
                              Answer::Cancel);
    EXPECT_FALSE(app.main().FormCloseQuery());
    EXPECT_TRUE(app.folder.readBytes(QStringLiteral("zefirant.ini")).find("Znak=SP9XYZ") !=
                std::string::npos);
}

// Answering Yes and then cancelling Save as must not lose the data.
TEST(MainWindow, CloseStaysOpenWhenTheWantedSaveDidNotHappen) {
    TestProgram app;
    app.startWithNewStation();
    app.station().setUnsaved(true);
    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"),
                              QStringLiteral("Dane nie zostały zapisane!\nZapisać?"), Answer::Yes);
    app.dialogs.expectSave(std::nullopt);
    EXPECT_FALSE(app.main().FormCloseQuery());
}

// A settings file that can never be written must not keep the program open:
// the station data are asked about first, then whether to end without the
// settings, the reason on a line of its own.
TEST(MainWindow, UnwritableSettingsAskWhetherToEndWithoutThem) {
    const auto readOnly = [](const QString& ini) {
        QFile(ini).open(QIODevice::WriteOnly);
        setReadOnly(ini);
    };
    const auto folder = [](const QString& ini) { QDir().mkdir(ini); };
    const auto pipe = [](const QString& ini) {
        ::mkfifo(QFile::encodeName(ini).constData(), 0600);
    };
    const auto device = [](const QString& ini) { QFile::link(QStringLiteral("/dev/null"), ini); };
    const std::pair<std::function<void(const QString&)>, QString> cases[] = {
        {readOnly, QStringLiteral("plik jest tylko do odczytu")},
        {folder, QStringLiteral("to jest folder, a nie plik")},
        {pipe, QStringLiteral("to nie jest zwykły plik")},
        {device, QStringLiteral("to nie jest zwykły plik")},
    };
    for (const auto& [make, reason] : cases) {
        SCOPED_TRACE(reason.toStdString());
        TestProgram app;
        app.startWithNewStation();
        const QString ini = app.folder.path(QStringLiteral("zefirant.ini"));
        make(ini);
        const QString question = QStringLiteral("Unable to write to ") + ini + u'\n' + reason +
                                 QStringLiteral("\n\nZakończyć program bez zapisania ustawień?");
        app.station().setUnsaved(true);
        app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"),
                                  QStringLiteral("Dane nie zostały zapisane!\nZapisać?"),
                                  Answer::No);
        app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), question, Answer::No);
        EXPECT_FALSE(app.main().FormCloseQuery());
        EXPECT_TRUE(app.station().unsaved());
        app.station().setUnsaved(false);
        app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"), question, Answer::Yes);
        EXPECT_TRUE(app.main().FormCloseQuery());
        ASSERT_TRUE(app.dialogs.allAnswered());
        EXPECT_TRUE(app.dialogs.messages.back().defaultNo);
    }
}

TEST(MainWindow, SettingsNameTheLastFileWhichIsLoadedAtStart) {
    TestProgram first;
    first.startWithNewStation();
    first.tables().entities[2][callSlot(0)] = "K1ABC";
    first.dialogs.expectSave(first.folder.path(QStringLiteral("stacja.csv")));
    first.dialogs.expectMessage(QStringLiteral("Informacja"),
                                QStringLiteral("Dane zostały zapisane."));
    first.main().Zapiszjako1Click();
    ASSERT_TRUE(first.main().FormCloseQuery());

    TestProgram second(false);
    for (const QString& name :
         {QStringLiteral("dxcc_adif.mtb"), QStringLiteral("zefirant_zones.mtb"),
          QStringLiteral("zefirant.ini")})
        second.folder.writeBytes(name, first.folder.readBytes(name));
    // The settings name the first folder's file, which is where it stays.
    ASSERT_TRUE(second.start());
    EXPECT_EQ(second.station().path(), first.folder.path(QStringLiteral("stacja.csv")));
    EXPECT_EQ(second.station().callsign(), "SP9XYZ");
    EXPECT_EQ(second.tables().entities[2][callSlot(0)], "K1ABC");
    EXPECT_EQ(second.main().windowTitle(), QStringLiteral("Zestawienie podmiotów - pasmo 80M"));
    EXPECT_TRUE(test::control<QComboBox>(second.main(), "ComboBox1")->isEnabled());
}

TEST(MainWindow, SettingsNamingAMissingFileShowThePathAndLoadNothing) {
    TestProgram app;
    app.folder.write(QStringLiteral("zefirant.ini"),
                     {"[Konfiguracja]", "Plik=" + app.folder.path("gone.csv").toStdString()});
    ASSERT_TRUE(app.start());
    EXPECT_FALSE(stationDataLoaded(app.tables()));
    EXPECT_EQ(test::control<StatusPanels>(app.main(), "StatusBar2")->toolTip(),
              app.folder.path(QStringLiteral("gone.csv")));
}

// The file's header names its station; the file name only when it does not.
TEST(MainWindow, ParameterModeTakesTheCallsignFromTheHeaderOrTheNameAndKeepsPlik) {
    for (const std::string& inHeader : {std::string("sp9xyz"), std::string()}) {
        const std::string expected = inHeader.empty() ? "SP9AB" : "SP9XYZ";
        TestProgram app;
        app.folder.write(QStringLiteral("zefirant.ini"), {"[Konfiguracja]", "Plik=/home/mine.csv"});
        AwardTables t;
        t.entities[1][0] = test::referenceLine(246, false, "1A0", "Military Order of Malta");
        app.folder.write(QStringLiteral("SP9ABC_2026.csv"), stationFileLines(t, inHeader, "d"));
        const QString parameter = app.folder.path(QStringLiteral("SP9ABC_2026.csv"));
        ASSERT_TRUE(app.start(parameter));
        // The reconciliation asks about the entities the file lacks.
        auto missing = readReferenceLines(app.folder.path(QStringLiteral("dxcc_adif.mtb")));
        std::erase(missing, t.entities[1][0]);
        app.dialogs.expectMessage(QStringLiteral("Uwaga"), missingQuestion(missing), Answer::No);
        app.main().FormActivate();
        // By the name: the last 10 characters go, then the folder.
        EXPECT_EQ(app.station().callsign(), expected);
        EXPECT_EQ(app.station().path(), parameter);
        app.main().FormActivate(); // no second load
        EXPECT_TRUE(app.main().FormCloseQuery());
        const ProfileFile ini(app.folder.path(QStringLiteral("zefirant.ini")));
        EXPECT_EQ(ini.readString("Konfiguracja", "Plik", ""), "/home/mine.csv");
        EXPECT_EQ(ini.readString("Konfiguracja", "Znak", ""), expected);
    }
}

// Started with a parameter and no file of its own, the program had the
// selector disabled by the start-up; the load at the first activation makes
// it usable as after a normal start. A name that gives no callsign
// ("SP5ABC.csv" loses all of it) does not ask when the header names one.
TEST(MainWindow, ParameterModeLoadEnablesTheSelector) {
    TestProgram app;
    app.folder.write(QStringLiteral("zefirant.ini"), {"[Konfiguracja]", "Plik="});
    AwardTables t;
    const auto reference = readReferenceLines(app.folder.path(QStringLiteral("dxcc_adif.mtb")));
    for (std::size_t i = 0; i < reference.size(); ++i)
        t.entities[static_cast<int>(i) + 1][0] = reference[i];
    app.folder.write(QStringLiteral("SP5ABC.csv"), stationFileLines(t, "SP5ABC", "d"));
    ASSERT_TRUE(app.start(app.folder.path(QStringLiteral("SP5ABC.csv"))));
    EXPECT_FALSE(test::control<QComboBox>(app.main(), "ComboBox1")->isEnabled());
    app.main().FormActivate();
    EXPECT_TRUE(stationDataLoaded(app.tables()));
    EXPECT_TRUE(test::control<QComboBox>(app.main(), "ComboBox1")->isEnabled());
    EXPECT_EQ(app.station().callsign(), "SP5ABC");
    selectView(app.main(), 7);
    EXPECT_EQ(app.main().windowTitle(), QStringLiteral("Aktualizacja stref - pasmo 20M"));
}

// The search hint is never cut unseen: beside the longest view name it shows
// whole at the window's usual width; at the narrowest, what is cut of it or
// of the view name shows whole as a tooltip.
TEST(MainWindow, TheSearchHintShowsWholeBesideTheLongestViewName) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    m.show();
    app.dialogs.expectMessage(QStringLiteral("Informacja"),
                              QStringLiteral("Brak elementów do wyświetlenia!"));
    m.Podmiotypotwierdzone1Click();
    ASSERT_EQ(test::control<QLabel>(m, "Label5")->text(),
              QStringLiteral("Potwierdzone (zwer. i do weryf.)"));
    const auto shownWhole = [](const QLabel* label) {
        return label->contentsRect().width() >=
               label->fontMetrics().horizontalAdvance(label->text());
    };
    const auto toolTipShown = [](QLabel* label) {
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &help);
        return help.isAccepted() && QToolTip::text() == label->text();
    };
    for (const bool searching : {false, true}) {
        if (searching)
            m.StringGrid1KeyPress(u's');
        QApplication::processEvents();
        SCOPED_TRACE(test::control<QLabel>(m, "Label1")->text().toStdString());
        EXPECT_TRUE(shownWhole(test::control<QLabel>(m, "Label1")))
            << test::control<QLabel>(m, "Label1")->width();
        EXPECT_FALSE(toolTipShown(test::control<QLabel>(m, "Label1")));
        // A typed prefix may take the view name's room; an empty one not.
        EXPECT_TRUE(searching || shownWhole(test::control<QLabel>(m, "Label5")))
            << test::control<QLabel>(m, "Label5")->width();
    }

    app.state().widthCorrection = -1000;
    m.StringGrid1MouseUp();
    QApplication::processEvents();
    ASSERT_EQ(m.width(), 425);
    for (QLabel* label : {test::control<QLabel>(m, "Label5"), test::control<QLabel>(m, "Label1")}) {
        if (!shownWhole(label)) {
            EXPECT_TRUE(toolTipShown(label)) << label->objectName().toStdString();
        }
    }
    EXPECT_FALSE(shownWhole(test::control<QLabel>(m, "Label5")));
}

// The row goes back to 1 when the main window becomes the program's active
// window again after another of its windows, not on a return from another
// program.
TEST(MainWindow, ActivationFromAnotherOfTheProgramsWindowsOnly) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    m.show();
    app.summary().show();
    QApplication::setActiveWindow(&m);
    test::control<GridWidget>(m, "StringGrid1")->selectCell(5, 1);
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&m);
    EXPECT_EQ(m.grid().model().currentRow(), 5);
    QApplication::setActiveWindow(&app.summary());
    QApplication::setActiveWindow(&m);
    EXPECT_EQ(m.grid().model().currentRow(), 1);
}

// The activation's "row 1" gives way to a row chosen while the window was
// away: the one the data entry dialog leaves current, whichever way it
// closes, and the one under a click that activates the window, which on a
// bare X server is pressed before the activation arrives and under a window
// manager just after it.
TEST(MainWindow, ActivationKeepsTheEditedRowAndTheClickedOne) {
    TestProgram app;
    app.startWithNewStation();
    TForm1& m = app.main();
    m.show();
    app.summary().show();
    QApplication::setActiveWindow(&m);
    const int last = m.grid().model().lastRow();
    ASSERT_GT(last, 2);
    const std::function<void(TForm2&)> exits[] = {
        [](TForm2& dialog) { dialog.Button2Click(); },
        [](TForm2& dialog) {
            dialog.MaskEdit2->setText(QStringLiteral("SP1AA"));
            dialog.MaskEdit1->setText(QStringLiteral("2024-05-01"));
            dialog.Button1Click();
        },
    };
    for (const auto& leave : exits) {
        m.StringGrid1MouseDown(Qt::LeftButton, last, 1);
        test::control<GridWidget>(m, "StringGrid1")->selectCell(last, 1);
        app.dialogs.expectModal([&](QDialog& dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            leave(static_cast<TForm2&>(dialog));
            QApplication::setActiveWindow(&m);
            return dialog.result();
        });
        test::control<QAction>(m, "Edycja1")->trigger();
        EXPECT_EQ(m.grid().model().currentRow(), last);
    }

    // Among the 40 zones, scrolled to the last: moving to row 1 first would
    // put another row under the pointer.
    selectView(m, 5);
    QAbstractItemView& view = *test::control<GridWidget>(m, "StringGrid1");
    for (const bool pressFirst : {true, false}) {
        test::control<GridWidget>(m, "StringGrid1")->selectCell(kZoneRows, 1);
        const int clicked = kZoneRows - 2;
        const QPoint at = view.visualRect(view.model()->index(clicked - 1, 3)).center();
        const auto mouse = [&](QEvent::Type type) {
            QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view.viewport(), &event);
        };
        QApplication::setActiveWindow(&app.summary());
        if (pressFirst) {
            mouse(QEvent::MouseButtonPress);
            mouse(QEvent::MouseButtonRelease);
            QApplication::setActiveWindow(&m);
        } else {
            // The window manager holds the press back; the X server knows of it.
            app.system.buttonHeld = true;
            QApplication::setActiveWindow(&m);
            mouse(QEvent::MouseButtonPress);
            mouse(QEvent::MouseButtonRelease);
            app.system.buttonHeld = false;
        }
        app.dialogs.expectModal([&](QDialog& dialog) {
            EXPECT_EQ(static_cast<TForm2&>(dialog).Label3->text(), QString::number(clicked));
            return 0;
        });
        mouse(QEvent::MouseButtonDblClick);
        EXPECT_TRUE(app.dialogs.allAnswered()) << pressFirst;
    }
}

} // namespace
} // namespace zef
