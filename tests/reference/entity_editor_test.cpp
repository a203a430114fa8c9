// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/entity_editor.h"

#include "core/file_attributes.h"
#include "core/file_error.h"
#include "core/reference_files.h"
#include "mainwindow/main_window.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::entityFileLine;
using test::referenceLine;
using test::TestProgram;

const QString kError = QStringLiteral("Błąd");
const QString kInformation = QStringLiteral("Informacja");
const QString kAdded = QStringLiteral("Podmiot został dodany do bazy!");
const QString kModified = QStringLiteral("Dane o Podmiocie zostały zmodyfikowane!");

// Replaces the text as a user does, so that the field counts as changed.
void type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insert(text);
}

// The sample file in prefix order: 1A0 246, 1B 2 (D), EA 281, K 291, SP 269, ZA 7.
class EntityEditor : public ::testing::Test {
protected:
    void SetUp() override { app.startWithNewStation(); }

    TFPodmioty& open() {
        app.dialogs.expectModal([](QDialog&) { return 0; });
        test::control<QAction>(app.main(), "Zarzdzaniebazpodmiotw1")->trigger();
        return app.program().entityEditor();
    }
    TFPodmioty& editor() const { return app.program().entityEditor(); }
    Row& row(int r) const { return app.tables().entities[r]; }
    std::string file() const { return app.folder.readBytes(kEntityFileName); }
    std::vector<std::string> fileLines() const { return app.folder.readUtf8Lines(kEntityFileName); }

    bool save(const QString& message) {
        app.dialogs.expectMessage(kInformation, message);
        return editor().Button4Click();
    }
    // A click on a line, also on the one already selected.
    void choose(int line) const {
        editor().ListBox1->setCurrentRow(line);
        editor().ListBox1Click();
    }

    TestProgram app;
};

TEST(EntityEditorCommand, DoesNothingWithoutStationData) {
    TestProgram app;
    ASSERT_TRUE(app.start());
    test::control<QAction>(app.main(), "Zarzdzaniebazpodmiotw1")
        ->trigger(); // no dialog, no message
    EXPECT_TRUE(app.dialogs.allAnswered());
}

TEST_F(EntityEditor, MissingFileIsReportedAndTheDialogStaysClosed) {
    QFile::remove(app.folder.path(kEntityFileName));
    app.dialogs.expectMessage(kError,
                              missingReferenceFileMessage(app.folder.path(kEntityFileName)));
    test::control<QAction>(app.main(), "Zarzdzaniebazpodmiotw1")->trigger();
    EXPECT_TRUE(app.dialogs.allAnswered());
}

TEST_F(EntityEditor, OpeningReadsTheFileAndStartsInEditMode) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 401; ++i) {
        lines.push_back(entityFileLine(i, i <= 61, "P" + std::to_string(i), "N"));
        if (i == 200)
            lines.push_back(""); // skipped
    }
    app.folder.write(kEntityFileName, lines);
    TFPodmioty& dialog = open();
    EXPECT_EQ(dialog.ListBox1->count(), 401);
    EXPECT_EQ(dialog.Label5->text(), QStringLiteral("340/401"));
    EXPECT_FALSE(dialog.newEntityMode());
    EXPECT_TRUE(dialog.Edit1->isReadOnly());

    // The current line the list takes with the focus is no choice; a click
    // with nothing selected asks for one.
    dialog.ListBox1->selectionModel()->setCurrentIndex(dialog.ListBox1->model()->index(0, 0),
                                                       QItemSelectionModel::NoUpdate);
    EXPECT_TRUE(dialog.Edit1->text().isEmpty());
    app.dialogs.expectMessage(kError, QStringLiteral("Wybierz podmiot DXCC do aktualizacji!"));
    dialog.ListBox1Click();
}

TEST_F(EntityEditor, SearchByNumber) {
    app.folder.write(kEntityFileName, {entityFileLine(112, false, "A", "Sto"),
                                       entityFileLine(12, true, "B", "Dwa")});
    TFPodmioty& dialog = open();
    const QString caption = QStringLiteral("Szukanie Podmiotu wg ADIF");
    const QString prompt = QStringLiteral("Numer ADIF");

    app.dialogs.expectInput(caption, prompt, QStringLiteral(" 12 "));
    dialog.Button1Click();
    EXPECT_EQ(dialog.ListBox1->currentRow(), 1);
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral(" 12"));
    EXPECT_EQ(dialog.Edit2->text(), QStringLiteral("B"));
    EXPECT_EQ(dialog.Edit3->text(), QStringLiteral("Dwa"));
    EXPECT_TRUE(dialog.CheckBox1->isChecked());

    app.dialogs.expectInput(caption, prompt, QStringLiteral("012"));
    app.dialogs.expectMessage(QStringLiteral("Koniec szukania"),
                              QStringLiteral("Szukany podmiot nie został znaleziony!"));
    dialog.Button1Click();

    app.dialogs.expectInput(caption, prompt, QStringLiteral("1a"));
    app.dialogs.expectMessage(kError, QStringLiteral("Można wprowadzać tylko cyfry!"));
    app.dialogs.expectInput(caption, prompt, std::nullopt);
    dialog.Button1Click();
    EXPECT_TRUE(app.dialogs.allAnswered());
    EXPECT_FALSE(dialog.newEntityMode()); // searching does not change the mode
}

TEST_F(EntityEditor, NewEntityIsAddedToFileTableAndDisplay) {
    TFPodmioty& dialog = open();
    dialog.Button3Click();
    EXPECT_TRUE(dialog.newEntityMode());
    EXPECT_FALSE(dialog.Edit1->isReadOnly());
    type(dialog.Edit1, QStringLiteral("5"));
    type(dialog.Edit2, QStringLiteral("zz9"));
    EXPECT_EQ(dialog.Edit2->text(), QStringLiteral("ZZ9"));
    type(dialog.Edit3, QStringLiteral("Test"));
    ASSERT_TRUE(save(kAdded));

    const auto lines = fileLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[6], "  5| |ZZ9  |Test                    |");
    EXPECT_TRUE(isReadOnly(app.folder.path(kEntityFileName)));
    EXPECT_EQ(row(7)[0], "  5| |ZZ9  |Test");
    EXPECT_EQ(dialog.ListBox1->currentRow(), 6);
    EXPECT_EQ(dialog.Label5->text(), QStringLiteral("6/7"));
    EXPECT_TRUE(dialog.Edit1->text().isEmpty() && dialog.Edit3->text().isEmpty());
    EXPECT_FALSE(dialog.newEntityMode());
    EXPECT_TRUE(dialog.Edit1->isReadOnly());
    EXPECT_TRUE(app.station().unsaved());
    EXPECT_EQ(app.main().grid().model().rowCount(), 8); // the head row and seven entities
}

TEST_F(EntityEditor, EditsCarryTheBandSlotsAlong) {
    row(4)[callSlot(1)] = "K1ABC";
    row(4)[verificationSlot(1)] = "2026-01-02";
    TFPodmioty& dialog = open();

    choose(3);
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("291"));
    type(dialog.Edit3, QStringLiteral("USA"));
    ASSERT_TRUE(save(kModified));
    EXPECT_EQ(fileLines()[3], entityFileLine(291, false, "K", "USA"));
    EXPECT_EQ(row(4)[0], referenceLine(291, false, "K", "USA"));
    EXPECT_EQ(row(4)[callSlot(1)], "K1ABC");

    // A new prefix moves line and row, between 1B and EA.
    choose(3);
    type(dialog.Edit2, QStringLiteral("a"));
    ASSERT_TRUE(save(kModified));
    EXPECT_EQ(fileLines()[2], entityFileLine(291, false, "A", "USA"));
    EXPECT_EQ(dialog.ListBox1->currentRow(), 2);
    EXPECT_EQ(row(3)[0], referenceLine(291, false, "A", "USA"));
    EXPECT_EQ(row(3)[callSlot(1)], "K1ABC");
    EXPECT_EQ(row(3)[verificationSlot(1)], "2026-01-02");
    EXPECT_EQ(row(4)[0], referenceLine(281, false, "EA", "Spain"));
    EXPECT_TRUE(row(4)[callSlot(1)].empty());

    // "Deleted" marks line and row and lowers the active count.
    EXPECT_EQ(dialog.Label5->text(), QStringLiteral("5/6"));
    choose(3);
    dialog.CheckBox1->setChecked(true);
    ASSERT_TRUE(save(kModified));
    EXPECT_EQ(fileLines()[3], entityFileLine(281, true, "EA", "Spain"));
    EXPECT_EQ(dialog.Label5->text(), QStringLiteral("4/6"));
    EXPECT_TRUE(isDeleted(row(4)));
}

// After a save nothing counts as changed, so "Powrót" closes at once; typed
// edits are never dropped by Escape or the close button without the question.
TEST_F(EntityEditor, ClosingAsksOnlyAboutEditsNotSaved) {
    TFPodmioty& dialog = open();
    choose(3);
    type(dialog.Edit3, QStringLiteral("USA"));
    ASSERT_TRUE(save(kModified));
    dialog.setResult(QDialog::Rejected);
    dialog.Button5Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    choose(3);
    type(dialog.Edit3, QStringLiteral("United States"));
    app.dialogs.expectMessage(
        QStringLiteral("Ostrzeżenie"),
        QStringLiteral("Zmiany  nie  zostały  zapisane.\nCzy zapisać dokonane zmiany?"),
        Answer::Cancel);
    dialog.setResult(QDialog::Rejected);
    dialog.reject(); // Escape
    EXPECT_EQ(dialog.Edit3->text(), QStringLiteral("United States"));
}

TEST_F(EntityEditor, BackupChainOverThreeSaves) {
    const QString backup = app.folder.path(kEntityBackupName);
    const std::string delivered = file();
    TFPodmioty& dialog = open();
    const auto rename = [&](const char* name) {
        choose(5);
        type(dialog.Edit3, QString::fromLatin1(name));
        ASSERT_TRUE(save(kModified));
        EXPECT_TRUE(isReadOnly(app.folder.path(kEntityFileName)));
    };

    rename("Albania 1");
    EXPECT_EQ(app.folder.readBytes(kEntityBackupName), delivered);
    EXPECT_FALSE(isReadOnly(backup));
    const std::string first = file();

    rename("Albania 2");
    EXPECT_EQ(app.folder.readBytes(kEntityBackupName), first);
    EXPECT_TRUE(isReadOnly(backup));

    rename("Albania 3");
    EXPECT_EQ(app.folder.readBytes(kEntityBackupName), first);
    EXPECT_EQ(fileLines()[5], entityFileLine(7, false, "ZA", "Albania 3"));
}

TEST_F(EntityEditor, EntryFieldsTakeOnlyWhatTheFileCanHold) {
    TFPodmioty& dialog = open();
    EXPECT_TRUE(dialog.Edit1KeyPress(u'a'));
    EXPECT_FALSE(dialog.Edit1KeyPress(u'7'));
    EXPECT_FALSE(dialog.Edit1KeyPress(u'\b'));
    dialog.Button3Click();
    type(dialog.Edit1, QStringLiteral("1x"));
    EXPECT_TRUE(dialog.Edit1->text().isEmpty()); // a paste with a letter is refused

    // Twenty-four characters fill the name; a ";" would split the station file's field.
    type(dialog.Edit3, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_EQ(dialog.Edit3->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX"));
    type(dialog.Edit3, QStringLiteral("Wyspa; Św. Jana"));
    EXPECT_EQ(dialog.Edit3->text(), QStringLiteral("Wyspa Św. Jana"));
    type(dialog.Edit2, QStringLiteral("vp;2e"));
    EXPECT_EQ(dialog.Edit2->text(), QStringLiteral("VP2E"));
}

// Each refusal keeps file, table and the user's input as they were.
TEST_F(EntityEditor, RefusedSavesChangeNothing) {
    TFPodmioty& dialog = open();
    const std::string before = file();
    const QString duplicate = QStringLiteral("Podmiot o takim numerze już istnieje w bazie!");

    // Edit mode with no entity chosen would add a line with a blank number.
    type(dialog.Edit2, QStringLiteral("K"));
    type(dialog.Edit3, QStringLiteral("Nowhere"));
    app.dialogs.expectMessage(kError, QStringLiteral("Wybierz podmiot DXCC do aktualizacji!"));
    EXPECT_FALSE(dialog.Button4Click());

    // A listed number is refused on leaving the field, and again at the save,
    // which choosing a line after "Nowy podmiot" would otherwise reach, with
    // the number's blanks ("  2") as the line has them.
    dialog.Button3Click();
    type(dialog.Edit1, QStringLiteral("2"));
    app.dialogs.expectMessage(kError, duplicate);
    dialog.Edit1Exit();
    EXPECT_EQ(dialog.ListBox1->currentRow(), 1);
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("2"));
    for (const auto& [line, holder] :
         {std::pair{0, QStringLiteral("246 już istnieje w bazie: "
                                      "Military Order of Malta (1A0)")},
          std::pair{1, QStringLiteral("2 już istnieje w bazie: "
                                      "Abu Ail Is. (1B)")}}) {
        choose(line);
        EXPECT_TRUE(dialog.newEntityMode());
        app.dialogs.expectMessage(kError, QStringLiteral("Podmiot o numerze ") + holder +
                                              QStringLiteral("!\nNowy podmiot nie został "
                                                             "zapisany."));
        EXPECT_FALSE(dialog.Button4Click());
        EXPECT_EQ(dialog.ListBox1->currentRow(), line);
    }
    choose(0);

    // A full table takes no new entity: nothing is pushed out.
    for (int r = 7; r <= kEntityRows; ++r)
        row(r)[0] = referenceLine(500 + r, false, "ZZZ", "Filler");
    const auto tablesBefore = app.tables().entities;
    type(dialog.Edit1, QStringLiteral("5"));
    app.dialogs.expectMessage(kError, QStringLiteral("Baza podmiotów jest pełna (500 podmiotów)!\n"
                                                     "Nowego podmiotu nie można dodać."));
    EXPECT_FALSE(dialog.Button4Click());
    EXPECT_EQ(app.tables().entities, tablesBefore);
    EXPECT_EQ(file(), before);
    EXPECT_EQ(dialog.Edit3->text(), QStringLiteral("Military Order of Malta"));
    EXPECT_EQ(dialog.ListBox1->count(), 6);
}

TEST_F(EntityEditor, EntityWithoutRowChangesTheFileOnly) {
    removeEntityRow(app.tables(), 5); // SP, declined at the reconciliation
    row(5)[callSlot(0)] = "ZA1A";
    const auto tablesBefore = app.tables().entities;
    TFPodmioty& dialog = open();
    choose(4);
    type(dialog.Edit2, QStringLiteral("AAA"));
    ASSERT_TRUE(save(kModified));
    EXPECT_EQ(fileLines()[2], entityFileLine(269, false, "AAA", "Poland"));
    EXPECT_EQ(app.tables().entities, tablesBefore);
}

TEST_F(EntityEditor, ClosingAsksOnlyAboutTypedChanges) {
    TFPodmioty& dialog = open();
    const QString question =
        QStringLiteral("Zmiany  nie  zostały  zapisane.\nCzy zapisać dokonane zmiany?");
    const QString warning = QStringLiteral("Ostrzeżenie");

    // Set by the program or untouched: no question.
    choose(2);
    dialog.Button5Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // Cancel stays; a refused save on Yes stays too, with the user's input.
    dialog.FormActivate();
    choose(2);
    type(dialog.Edit2, QString());
    type(dialog.Edit3, QStringLiteral("Hiszpania"));
    app.dialogs.expectMessage(warning, question, Answer::Cancel);
    dialog.Button5Click();
    app.dialogs.expectMessage(warning, question, Answer::Yes);
    app.dialogs.expectMessage(kError, QStringLiteral("Pole prefiksu nie może być puste!"));
    dialog.Button5Click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Edit3->text(), QStringLiteral("Hiszpania"));

    // Yes with a valid entry saves and closes; No closes without saving.
    type(dialog.Edit2, QStringLiteral("EA"));
    app.dialogs.expectMessage(warning, question, Answer::Yes);
    app.dialogs.expectMessage(kInformation, kModified);
    dialog.Button5Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(row(3)[0], referenceLine(281, false, "EA", "Hiszpania"));

    dialog.FormActivate();
    const std::string before = file();
    choose(2);
    type(dialog.Edit3, QStringLiteral("Spain"));
    app.dialogs.expectMessage(warning, question, Answer::No);
    dialog.Button5Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(file(), before);
}

TEST_F(EntityEditor, FailedWriteLeavesListFileAndTableAlike) {
    TFPodmioty& dialog = open();
    const auto tablesBefore = app.tables().entities;
    const auto linesBefore = dialog.workingLines();
    // A folder in the file's place makes the write fail.
    QFile::remove(app.folder.path(kEntityFileName));
    ASSERT_TRUE(QDir(app.folder.dir()).mkdir(kEntityFileName));
    choose(2);
    type(dialog.Edit3, QStringLiteral("Hiszpania"));
    EXPECT_THROW(dialog.Button4Click(), FileError);
    EXPECT_EQ(dialog.workingLines(), linesBefore);
    EXPECT_EQ(app.tables().entities, tablesBefore);
    EXPECT_FALSE(app.station().unsaved());
}

// An installed program edits the user's copy of the delivered file and keeps
// the settings in the user's configuration folder; the delivered files stay.
TEST(InstalledProgram, WritesOnlyIntoTheUsersFolders) {
    TestProgram app;
    QDir(app.folder.dir()).mkpath(QStringLiteral("config"));
    QDir(app.folder.dir()).mkpath(QStringLiteral("data"));
    const QString data = QStringLiteral("data/");
    app.files = ProgramFiles::installed(
        app.folder.dir(), app.folder.path(QStringLiteral("config/")), app.folder.path(data));
    const std::string delivered = app.folder.readBytes(kEntityFileName);
    app.startWithNewStation();

    TFPodmioty& dialog = app.program().entityEditor();
    const auto renameFirst = [&](const char* name) {
        app.dialogs.expectModal([](QDialog&) { return 0; });
        test::control<QAction>(app.main(), "Zarzdzaniebazpodmiotw1")->trigger();
        dialog.ListBox1->setCurrentRow(0);
        dialog.ListBox1Click();
        type(dialog.Edit3, QString::fromLatin1(name));
        app.dialogs.expectMessage(kInformation, kModified);
        ASSERT_TRUE(dialog.Button4Click());
    };
    renameFirst("Pierwsza");
    const std::string first = app.folder.readBytes(data + kEntityFileName);
    EXPECT_NE(first.find("Pierwsza"), std::string::npos);
    EXPECT_EQ(app.folder.readBytes(data + kEntityBackupName), delivered);
    EXPECT_TRUE(isReadOnly(app.folder.path(data + kEntityFileName)));
    // The next opening reads the copy, and the chain goes on there.
    renameFirst("Druga");
    EXPECT_EQ(app.folder.readBytes(data + kEntityBackupName), first);
    EXPECT_EQ(app.folder.readBytes(kEntityFileName), delivered);

    app.dialogs.expectMessage(QStringLiteral("Ostrzeżenie"),
                              QStringLiteral("Dane nie zostały zapisane!\nZapisać?"), Answer::No);
    EXPECT_TRUE(app.main().FormCloseQuery());
    EXPECT_TRUE(QFile::exists(app.folder.path(QStringLiteral("config/zefirant.ini"))));
    EXPECT_FALSE(QFile::exists(app.folder.path(QStringLiteral("zefirant.ini"))));
}

} // namespace
} // namespace zef
