// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/adif_record.h"

#include "core/text.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

TEST(AdifRecord, TagMustCloseItsLine) {
    EXPECT_TRUE(closesWithTag("<eoh>", "eoh"));
    EXPECT_TRUE(closesWithTag("<PROGRAMID:4>Test <EOH>", "eoh"));
    EXPECT_TRUE(closesWithTag("<EoR>", "eor"));
    EXPECT_TRUE(closesWithTag("eor>", "eor"));
    EXPECT_TRUE(closesWithTag("EOR", "eor")); // short lines: their first three
    EXPECT_FALSE(closesWithTag("<eor> ", "eor"));
    EXPECT_FALSE(closesWithTag("<eor>\t", "eor"));
    EXPECT_FALSE(closesWithTag("<eoh>", "eor"));
    for (const char* shortLine : {"", "e", "eo", "<e"})
        EXPECT_FALSE(closesWithTag(shortLine, "eor")) << shortLine;
}

TEST(AdifRecord, LowerCasingTouchesAsciiLettersOnly) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    for (std::size_t start = 0; start < 8; ++start) {
        std::string text = "<CALL:";
        appendLowered(text, std::string_view(all).substr(start));
        EXPECT_EQ(text, "<CALL:" + lowerAscii(all.substr(start)));
    }
}

// "cm" is taken off before "m", so 70cm reads 70 and is ignored while
// 1.25cm and the millimetre bands are not whole numbers.
TEST(AdifRecord, BandValues) {
    struct Case {
        const char* text;
        BandReading::Kind kind;
        int band;
    };
    const Case cases[] = {
        {"<band:3>80m", BandReading::Slot, 0},
        {"<band:3>10m<mode:2>cw", BandReading::Slot, 4},
        {"<band:4>160m", BandReading::OtherNumber, -1},
        {"<band:4>70cm", BandReading::OtherNumber, -1},
        {"<band:6>1.25cm", BandReading::NotWhole, -1},
        {"<band:5>1.25m", BandReading::NotWhole, -1},
        {"<band:3>4mm", BandReading::NotWhole, -1},
        {"<band:5>submm", BandReading::NotWhole, -1},
        {"<band:0>", BandReading::NotWhole, -1},
        {"<band:2>20", BandReading::Slot, 2},
        {"<band:3>20", BandReading::Unreadable, -1},
        {"<band:x>20m", BandReading::Unreadable, -1},
        {"<band:", BandReading::Unreadable, -1},
    };
    for (const auto& c : cases) {
        const BandReading reading = readBand(c.text, 0);
        EXPECT_EQ(reading.kind, c.kind) << c.text;
        EXPECT_EQ(reading.band, c.band) << c.text;
    }
    EXPECT_EQ(readBand("<call:3>k1a", std::string_view::npos).kind, BandReading::Absent);
}

TEST(AdifRecord, ScanFindsFirstOccurrences) {
    const std::string text = "<my_dxcc:3>291<call:4>sp1a<dxcc:3>269<dxcc:3>291<qso_date_off:8>"
                             "20200101<qso_date:8>20210101<band:3>20m<eqsl_qsl_rcvd:1>y";
    const RecordTags tags = scanRecord(text);
    EXPECT_EQ(tags.dxcc, text.find("<dxcc:3>269"));
    EXPECT_EQ(tags.qsoDate, text.find("<qso_date:8>2021"));
    EXPECT_EQ(tags.call, text.find("<call:"));
    EXPECT_EQ(tags.cqz, std::string_view::npos);
    EXPECT_FALSE(tags.qsl);
    EXPECT_FALSE(tags.lotw);
    EXPECT_EQ(readAreaNumber(text, tags.dxcc, kDxccTag.size()), 269);
    EXPECT_EQ(readQsoDate(text, tags.qsoDate), "2021-01-01");
}

} // namespace
} // namespace zef
