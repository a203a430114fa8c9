// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/slot_update.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

constexpr int kBand = 3; // 15 m

// The whole table of when a filled slot is replaced, from every stored
// confirmation and every flag combination under the four choices.
TEST(SlotUpdate, FilledSlotIsReplacedOnlyWhereTheTableSays) {
    using S = ImportSource;
    using P = ImportPriority;
    struct Case {
        S source;
        P priority;
        const char* stored;
        bool qsl;
        bool lotw;
        const char* after; // nullptr: unchanged
    };
    const Case cases[] = {
        {S::Lotw, P::Lotw, "QSL", true, false, "LoTW"},
        {S::Lotw, P::Lotw, "qsl", true, true, "LoTW"},
        {S::Lotw, P::Lotw, "QSL", false, true, nullptr},
        {S::Lotw, P::Lotw, "LoTW", true, true, nullptr},
        {S::Log, P::Lotw, "Qsl", false, true, "LoTW"},
        {S::Log, P::Lotw, "QSL", true, false, nullptr},
        {S::Log, P::Lotw, "LoTW", true, true, nullptr},
        {S::Log, P::LogQsl, "LOTW", true, false, "QSL"},
        {S::Log, P::LogQsl, "LoTW", false, true, nullptr},
        {S::Log, P::LogQsl, "QSL", true, true, nullptr},
        {S::Lotw, P::LogQsl, "QSL", true, true, nullptr},
        {S::Lotw, P::LogQsl, "LoTW", true, true, nullptr},
        {S::Log, P::LogQsl, "", true, true, nullptr},
        {S::Log, P::Lotw, "eQSL", true, true, nullptr},
        {S::Lotw, P::Lotw, "QSL ", true, true, nullptr},
    };
    for (const auto& c : cases) {
        Row row;
        row[callSlot(kBand)] = "OLD";
        row[qsoDateSlot(kBand)] = "2000-01-01";
        row[confirmationSlot(kBand)] = c.stored;
        row[verificationSlot(kBand)] = "2001-01-01";
        ImportOptions options;
        options.source = c.source;
        options.priority = c.priority;
        updateSlot(row, kBand, ConfirmedQso{"NEW", "2020-02-02", c.qsl, c.lotw}, options);
        const Row expected = [&] {
            Row r = row;
            r[callSlot(kBand)] = c.after ? "NEW" : "OLD";
            r[qsoDateSlot(kBand)] = c.after ? "2020-02-02" : "2000-01-01";
            r[confirmationSlot(kBand)] = c.after ? c.after : c.stored;
            r[verificationSlot(kBand)] = "2001-01-01";
            return r;
        }();
        EXPECT_EQ(row, expected) << static_cast<int>(c.source) << static_cast<int>(c.priority)
                                 << " '" << c.stored << "' " << c.qsl << c.lotw;
    }
}

TEST(SlotUpdate, EmptySlotTakesTheRecordsOwnType) {
    struct Case {
        ImportSource source;
        ImportPriority priority;
        bool qsl;
        bool lotw;
        const char* confirmation;
    };
    const Case cases[] = {
        {ImportSource::Log, ImportPriority::Lotw, true, false, "QSL"},
        {ImportSource::Log, ImportPriority::LogQsl, false, true, "LoTW"},
        {ImportSource::Log, ImportPriority::LogQsl, true, true, "QSL"},
        {ImportSource::Log, ImportPriority::Lotw, true, true, "LoTW"},
        {ImportSource::Lotw, ImportPriority::LogQsl, true, false, "LoTW"},
    };
    for (const auto& c : cases) {
        Row row;
        row[confirmationSlot(kBand)] = "QSL"; // only the call makes a slot filled
        row[verificationSlot(kBand)] = "2001-01-01";
        ImportOptions options;
        options.source = c.source;
        options.priority = c.priority;
        updateSlot(row, kBand, ConfirmedQso{"NEW", "2020-02-02", c.qsl, c.lotw}, options);
        EXPECT_EQ(row[callSlot(kBand)], "NEW");
        EXPECT_EQ(row[confirmationSlot(kBand)], c.confirmation);
        EXPECT_EQ(row[verificationSlot(kBand)], "2001-01-01");
    }
}

} // namespace
} // namespace zef
