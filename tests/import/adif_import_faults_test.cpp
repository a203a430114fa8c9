// SPDX-License-Identifier: GPL-3.0-or-later
// Malformed records and failing files: the import never reads past a
// record's text, never writes a half-read value into the tables, and an
// input/output error stops the run without losing what it applied.

#include "import/adif_import.h"

#include "core/file_error.h"
#include "core/text.h"
#include "import/error_list.h"
#include "import/import_fixture.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::adifField;
using test::ImportFixture;
using test::k20;
using test::Qso;
using test::slot;
using Slot = std::vector<std::string>;

// Every filled slot of both tables, as "E<row>/<band>" or "Z<row>/<band>"
// followed by its fields.
std::vector<std::string> filledSlots(const AwardTables& tables) {
    std::vector<std::string> filled;
    const auto collect = [&filled](char table, int row, const Row& fields) {
        for (int b = 0; b < kBands; ++b)
            if (!fields[callSlot(b)].empty() || !fields[qsoDateSlot(b)].empty())
                filled.push_back(std::string(1, table) + std::to_string(row) + "/" +
                                 std::to_string(b) + " " + fields[callSlot(b)] + " " +
                                 fields[qsoDateSlot(b)] + " " + fields[confirmationSlot(b)]);
    };
    for (int r = 1; r <= kEntityRows; ++r)
        collect('E', r, tables.entities[static_cast<std::size_t>(r)]);
    for (int z = 1; z <= kZoneRows; ++z)
        collect('Z', z, tables.zones[static_cast<std::size_t>(z)]);
    return filled;
}

// A record cut anywhere (a damaged or truncated file) is either placed whole
// or not at all: "<DXCC:3>29" must not land on entity 29, "<CALL:6>SP1A" must
// not store SP1A, "<CQZ:2>1" must not land on zone 1.
TEST(AdifImportFaults, CutRecordsArePlacedWholeOrNotAtAll) {
    const std::vector<std::string> fields = {
        adifField("QSL_RCVD", "Y"), adifField("CALL", "SP1ABC"), adifField("QSO_DATE", "20210130"),
        adifField("BAND", "20M"),   adifField("DXCC", "291"),    adifField("CQZ", "15")};
    const std::vector<std::string> whole = {"E1/2 SP1ABC 2021-01-30 QSL",
                                            "Z15/2 SP1ABC 2021-01-30 QSL"};
    for (std::size_t last = 1; last < fields.size(); ++last) {
        // Each field but the flag in turn stands at the end of the record.
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (i != last)
                text += fields[i];
        text += fields[last];
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            ImportFixture f;
            const std::string record = text.substr(0, cut);
            f.import("<eoh>\n" + record);
            for (const auto& filled : filledSlots(*f.tables))
                EXPECT_TRUE(filled == whole[0] || filled == whole[1]) << record << " -> " << filled;
        }
    }
}

// A confirmed record whose call or date cannot be read or stored is listed
// once for each table it would have gone to, and nothing is written.
TEST(AdifImportFaults, RecordsWithoutAReadableCallOrDateAreListed) {
    const std::string date = adifField("QSO_DATE", "20210130");
    const std::string call = adifField("CALL", "SP1ABC");
    const std::string rest = adifField("BAND", "20M") + adifField("DXCC", "291") +
                             adifField("CQZ", "5") + adifField("QSL_RCVD", "Y");
    const std::string cases[] = {
        "<BAND:X>20M" + call + date + adifField("DXCC", "291") + adifField("CQZ", "5") +
            adifField("QSL_RCVD", "Y"),
        "<CALL:A>SP1ABC" + date + rest,
        "<CALL:6:S>SP1ABC" + date + rest,
        "<CALL:0>" + date + rest,
        adifField("CALL", "SP1;AB") + date + rest,
        // Control bytes: a CR or NUL in a slot splits or cuts its line in the saved file.
        adifField("CALL", "SP1\rAB") + date + rest,
        adifField("CALL", std::string("SP1\0AB", 6)) + date + rest,
        adifField("CALL", "SP1\x1b"
                          "AB") +
            date + rest,
        adifField("CALL", "SP1\x7f"
                          "AB") +
            date + rest,
        "<CALL:40>SP1ABC " + date + "<DXC\x01\r\x00" + rest,
        date + rest,
        call + rest,
        call + adifField("QSO_DATE", "2021-1-3") + rest,
        call + adifField("QSO_DATE", "2021013") + rest,
        call + rest + "<QSO_DATE:8",
        call + rest + "<QSO_DATE:8>2021013",
        rest + "<CALL:",
        rest + date + "<CALL:9>SP1",
    };
    for (const auto& text : cases) {
        ImportFixture f;
        const auto result = f.import("<eoh>\n" + text + "<eor>\n");
        EXPECT_TRUE(filledSlots(*f.tables).empty()) << text;
        const std::string entry = upperAscii(text + "<eor>") + "\r\n";
        EXPECT_EQ(f.entries(), entry + entry) << text;
        EXPECT_EQ(result.errorEntries, 2) << text;
    }
}

TEST(AdifImportFaults, LengthsAreReadAsWritten) {
    ImportFixture f;
    Qso q;
    q.call = "SP1ABC/QRP"; // two-digit length
    f.import(test::adifFile({q}));
    EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(k20)], "SP1ABC/QRP");
}

TEST(AdifImportFaults, UnreadableAdifFileStopsTheRunAndSaysSo) {
    ImportFixture f;
    QDir(f.folder.dir()).mkdir("log.adi"); // exists, cannot be read as a file
    const auto result = importAdif(*f.tables, f.adifPath(), f.errorListPath(), ImportOptions{}, {});
    EXPECT_TRUE(result.cutShort);
    EXPECT_TRUE(result.errorText.contains(f.adifPath())) << result.errorText.toStdString();
    EXPECT_TRUE(importCutShortMessage(result).startsWith(result.errorText));
    EXPECT_THROW(countAdifLines(f.adifPath()), FileError);
    EXPECT_THROW(countAdifLines(f.folder.path("missing.adi")), FileError);
}

// An error list that cannot be written stops the run before it changes anything.
TEST(AdifImportFaults, ErrorListFailureStopsTheRunBeforeItStarts) {
    ImportFixture f;
    Qso unknown;
    unknown.call = "SP2UNK";
    unknown.dxcc = "999";
    Qso later;
    later.call = "SP3LAT";
    later.band = "10M";
    f.folder.writeBytes("log.adi", test::adifFile({Qso{}, unknown, later}));
    const QString errorList = f.folder.path("no-such-folder/bledy_dxcc.txt");
    const auto result = importAdif(*f.tables, f.adifPath(), errorList, ImportOptions{}, {});
    EXPECT_TRUE(result.cutShort);
    EXPECT_TRUE(result.errorText.contains(errorList));
    EXPECT_EQ(result.errorEntries, 0);
    EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(k20)], "");
    EXPECT_EQ(f.zone(5)[callSlot(test::k10)], "");
}

// Progress comes now and then, not per line, and ends at the line count the
// bar was set up with.
TEST(AdifImportFaults, ProgressRisesToTheLineCountInBoundedSteps) {
    ImportFixture f;
    const std::string files[] = {"",
                                 "\n",
                                 "<eoh>",
                                 "<eoh>\r\n" + Qso{}.text() + "<eor>\r\n",
                                 test::adifFile({Qso{}, Qso{}}) + "\n\n",
                                 std::string(3 * kProgressLines + 5, '\n') + "<eoh>"};
    for (const auto& file : files) {
        f.folder.writeBytes("log.adi", file);
        std::vector<std::int64_t> seen;
        importAdif(*f.tables, f.adifPath(), f.errorListPath(), ImportOptions{},
                   [&seen](std::int64_t line) { seen.push_back(line); });
        const std::int64_t lines = countAdifLines(f.adifPath());
        EXPECT_EQ(lines, std::max<std::int64_t>(1, seen.empty() ? 0 : seen.back()));
        EXPECT_LE(static_cast<std::int64_t>(seen.size()), lines / kProgressLines + 1);
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    }
    f.folder.writeBytes("log.adi", "a\r\nb");
    EXPECT_EQ(countAdifLines(f.adifPath()), 2);
}

TEST(ErrorList, IsCreatedAnewWithItsHeaderInTheProgramsCodePage) {
    ImportFixture f;
    ErrorList(f.errorListPath()).addPlacement("old");
    createErrorList(f.errorListPath());
    EXPECT_EQ(f.folder.readBytes(kErrorListFileName),
              test::cp("Błędy związane z niewłaściwym numerem podmiotu DXCC/strefą CQ lub ich "
                       "brakiem:") +
                  "\r\n");
}

TEST(ErrorList, RecordBytesAreWrittenAsTheyCame) {
    ImportFixture f;
    Qso q;
    q.dxcc = "999";
    const std::string name = "<NAME:6>Claude Côt"; // UTF-8 in the file, length in characters
    f.import("<eoh>\n" + q.text() + name + "<eor>\n");
    EXPECT_EQ(f.entries(), upperAscii(q.text() + name + "<eor>") + "\r\n");
}

// A record far beyond any real one (a damaged or hostile file) is listed once,
// shortened, and the records after it are imported as usual.
TEST(AdifImportFaults, AnOverlongRecordIsListedShortAndTheImportGoesOn) {
    const std::string junk(3 << 20, 'j');
    const std::string manyLines = [] {
        std::string lines;
        for (int i = 0; i < 300'000; ++i)
            lines += "<comment:6>lines\n";
        return lines;
    }();
    for (const std::string& overlong : {junk, manyLines}) {
        ImportFixture f;
        const auto result = f.import("<eoh>\n" + overlong + "<eor>\n" + Qso{}.text() + "<eor>\n");
        EXPECT_FALSE(result.cutShort);
        EXPECT_EQ(result.errorEntries, 1);
        const std::string entries = f.entries();
        EXPECT_LT(entries.size(), 2 * AdifImporter::kShownOfOverlong);
        EXPECT_TRUE(entries.ends_with(" ...\r\n"));
        EXPECT_EQ(f.entity(test::kUsaRow)[callSlot(k20)], "SP1ABC");
    }
}

} // namespace
} // namespace zef
