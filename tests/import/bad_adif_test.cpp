// SPDX-License-Identifier: GPL-3.0-or-later
// Spoilt ADIF files imported through the import dialog as a user would: the
// run ends with the program's own message, takes what it can place without
// hanging, and the station data file saved afterwards is sound.

#include "import/import_dialog.h"

#include "import/import_fixture.h"
#include "mainwindow/main_window.h"
#include "support/bad_input.h"
#include "support/main_window_controls.h"
#include "support/test_program.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <iostream>

namespace zef {
namespace {

using test::adifField;
using test::TestProgram;

const QString kSaved = QStringLiteral("Dane zostały zapisane.");

// A log with a header, confirmed records that the sample tables place,
// Polish letters in a comment and a call, and one record cut short.
std::vector<std::string> validAdifLines() {
    return {
        "Dziennik stacji SP9XYZ – eksport",
        "<PROGRAMID:4>Test <ADIF_VER:5>3.1.6",
        "<EOH>",
        adifField("CALL", "K1ABC") + adifField("QSO_DATE", "20210130") + adifField("BAND", "80M") +
            adifField("DXCC", "291") + adifField("CQZ", "5") + adifField("QSL_RCVD", "Y") + "<EOR>",
        adifField("CALL", "ZA1A") + adifField("QSO_DATE", "20190704") + adifField("BAND", "20m") +
            adifField("DXCC", "7") + adifField("CQZ", "15") + adifField("LOTW_QSL_RCVD", "Y") +
            "<COMMENT:10>Łódź, żółw<EOR>", // lengths count windows-1250 bytes
        "<CALL:6>SP9ŻÓŁ" + adifField("QSO_DATE", "20200101") + adifField("BAND", "40M") +
            adifField("DXCC", "269") + adifField("CQZ", "15") + adifField("QSL_RCVD", "Y") +
            "<EOR>",
        adifField("CALL", "EA8XX") + adifField("QSO_DATE", "2020"),
    };
}

// Bad inputs plus what only an ADIF file can bring: a record of 10 MB on
// one line, a log whose records never end, a call with ";", and a record
// whose lengths run past its end.
std::vector<test::BadInput> badAdifFiles() {
    auto inputs = test::badInputs(validAdifLines(), 4);
    std::string record;
    while (record.size() < test::kLongLineBytes)
        record += adifField("CALL", "K1ABC") + adifField("BAND", "20M") + adifField("DXCC", "291") +
                  adifField("CQZ", "5") + adifField("QSL_RCVD", "Y") +
                  adifField("QSO_DATE", "20200101");
    inputs.push_back({"10 MB record on one line", "<EOH>\r\n" + record + "<EOR>\r\n"});
    std::string endless = "<EOH>\r\n";
    while (endless.size() < test::kLongLineBytes)
        endless += adifField("CALL", "W1AW") + adifField("QSL_RCVD", "Y") + "\r\n";
    inputs.push_back({"10 MB of lines without a record end", endless});
    inputs.push_back({"';' in a call, lengths past the end",
                      "<EOH>\r\n" + adifField("CALL", "K1;AB") + adifField("QSO_DATE", "20200101") +
                          adifField("BAND", "20M") + adifField("DXCC", "291") +
                          adifField("CQZ", "5") + adifField("QSL_RCVD", "Y") +
                          "<EOR>\r\n<CALL:99>K1 <BAND:9>2 <DXCC:9>2<QSL_RCVD:1>Y"});
    return inputs;
}

int filledSlots(const AwardTables& tables) {
    int filled = 0;
    for (int b = 0; b < kBands; ++b) {
        for (const Row& row : tables.entities)
            filled += hasCall(row, b) ? 1 : 0;
        for (const Row& row : tables.zones)
            filled += hasCall(row, b) ? 1 : 0;
    }
    return filled;
}

// Runs the import command on `path` with the dialog's defaults.
void runImport(TestProgram& app, const QString& path, const test::BadInput& input) {
    app.dialogs.expectModal([&](QDialog& dialog) {
        auto& form = static_cast<TForm7&>(dialog);
        form.Edit1->setText(path);
        QElapsedTimer clock;
        clock.start();
        form.Button2Click();
        test::expectNoHang(clock.elapsed(), "import run", input);
        return dialog.result();
    });
    test::control<QAction>(app.main(), "Importdanych1")->trigger();
}

TEST(BadAdifFile, TheImportTakesWhatItCanPlaceAndASaveWritesASoundFile) {
    for (const auto& input : badAdifFiles()) {
        SCOPED_TRACE(input.name);
        TestProgram app;
        app.startWithNewStation();
        app.folder.writeBytes(QStringLiteral("log.adi"), input.bytes);
        app.dialogs.answerUnexpectedMessages(Answer::Ok);
        runImport(app, app.folder.path(QStringLiteral("log.adi")), input);
        test::reportMessages(app.dialogs.messages, "import", input);
        std::cout << "[ imported ] " << input.name << ": " << filledSlots(app.tables())
                  << " band slots filled, error list "
                  << app.folder.readBytes(QStringLiteral("bledy_dxcc.txt")).size() << " bytes\n";
        // Every completed run ends with its own message.
        ASSERT_FALSE(app.dialogs.messages.empty());
        EXPECT_EQ(app.dialogs.messages.back().caption, QStringLiteral("Komunikat"));
        test::expectStorableTables(app.tables());

        const QString saved = app.folder.path(QStringLiteral("zapisany.csv"));
        app.dialogs.expectSave(saved);
        app.dialogs.expectMessage(QStringLiteral("Informacja"), kSaved);
        app.main().Zapiszjako1Click();
        test::expectSoundStationFile(app.folder.readBytes(QStringLiteral("zapisany.csv")),
                                     app.tables());
    }
}

} // namespace
} // namespace zef
