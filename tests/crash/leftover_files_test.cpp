// SPDX-License-Identifier: GPL-3.0-or-later
// What a save killed at the wrong moment leaves beside its file: QSaveFile
// names its new file "<target>.XXXXXX" for the moment before the rename,
// and a temporary file may keep the name "qt_temp.XXXXXX" where the file
// system has no unnamed files. The program never opens them, and its own
// files go on being read and written around them.

#include "core/file_attributes.h"
#include "core/reference_files.h"
#include "mainwindow/main_window.h"
#include "reference/entity_editor.h"
#include "support/bad_input.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>
#include <map>

namespace zef {
namespace {

using test::TestProgram;

const QString kSaved = QStringLiteral("Dane zostały zapisane.");

TEST(LeftoverFiles, TheProgramNeverReadsOrTripsOverThem) {
    TestProgram app;
    app.startWithNewStation();
    const QString station = app.folder.path(QStringLiteral("stacja.csv"));
    app.dialogs.expectSave(station);
    app.dialogs.expectMessage(QStringLiteral("Informacja"), kSaved);
    app.main().Zapiszjako1Click();

    const std::map<QString, std::string> leftovers{
        {QStringLiteral("stacja.csv.pRYCEu"), "===\r\nnot;a;station;file\r\n"},
        {QStringLiteral("dxcc_adif.mtb.dzDysi"), "999| |JUNK |Leftover                |\r\n"},
        {QStringLiteral("zefirant.ini.Ab12Cd"), "[Konfiguracja]\r\nPlik=/nie/ma.csv\r\n"},
        {QStringLiteral("qt_temp.Qw56Er"), std::string(1000, '\0')},
    };
    for (const auto& [name, bytes] : leftovers)
        app.folder.writeBytes(name, bytes);
    // The open dialog's first filter, matched as the dialog matches it
    // (without regard to case), does not offer them.
    EXPECT_EQ(QDir(app.folder.dir()).entryList({QStringLiteral("*.CSV")}, QDir::Files),
              QStringList{QStringLiteral("stacja.csv")});

    // Open, an editor save, Save and the close write all work as without them.
    app.dialogs.expectOpen(station);
    app.main().Otwrz1Click();
    app.dialogs.expectModal([&](QDialog& dialog) {
        auto& editor = static_cast<TFPodmioty&>(dialog);
        editor.ListBox1->setCurrentRow(0);
        editor.ListBox1Click();
        editor.Edit3->selectAll();
        editor.Edit3->insert(QStringLiteral("Zakon Maltański"));
        app.dialogs.expectMessage(QStringLiteral("Informacja"),
                                  QStringLiteral("Dane o Podmiocie zostały zmodyfikowane!"));
        EXPECT_TRUE(editor.Button4Click());
        return 0;
    });
    test::control<QAction>(app.main(), "Zarzdzaniebazpodmiotw1")->trigger();
    app.dialogs.expectMessage(QStringLiteral("Informacja"), kSaved);
    app.main().Zapisz1Click();
    EXPECT_TRUE(app.main().FormCloseQuery());

    test::expectSoundStationFile(app.folder.readBytes(QStringLiteral("stacja.csv")), app.tables());
    EXPECT_EQ(app.tables().entities[1][0], test::cp("246| |1A0  |Zakon Maltański"));
    EXPECT_TRUE(isReadOnly(app.folder.path(kEntityFileName)));
    EXPECT_TRUE(fileExists(app.folder.path(kEntityBackupName)));
    EXPECT_EQ(app.main().settingsFile().readString("Konfiguracja", "Plik", ""),
              station.toStdString());
    for (const auto& [name, bytes] : leftovers)
        EXPECT_EQ(app.folder.readBytes(name), bytes) << name.toStdString();
}

} // namespace
} // namespace zef
