// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the data entry dialog without its widgets: checking the two
// fields and finding the band slot they are stored in.

#include "core/award_tables.h"
#include "core/slot_edit.h"

#include <QString>
#include <optional>
#include <string>

namespace zef {

constexpr int kCallFieldLength = 15;
constexpr int kDateFieldLength = 10;

// What the fields read when nothing was typed.
inline const std::string kEmptyCallField(kCallFieldLength, ' ');
inline const std::string kEmptyDateField = "    -  -  ";

enum class EntryCheck {
    Accepted,
    MissingDate, // a call without any date
    MissingDay,
    MissingMonth,
    MissingYear,
    NotANumber, // a day or month with a blank after a digit
    ImpossibleDay,
    ImpossibleMonth,
};

struct EntryVerdict {
    EntryCheck check = EntryCheck::Accepted;
    QString message; // empty when accepted
    bool focusDate = false;
};

// Checks the call and date fields as read (15 and 10 characters) in the
// dialog's fixed order. A day of 00, a month of 00, a day its month lacks
// and any year pass; an empty call still needs a day, a month and a year.
EntryVerdict checkEntry(const std::string& callField, const std::string& dateField);

// The fields as the band slot to store.
Entry entryFromFields(const std::string& callField, const std::string& dateField, bool qsl);

// Which table row the dialog edits: the ADIF number (grid column 0) in an
// entity view, the zone number (column 2) in a zone view, and the band.
struct EntryTarget {
    bool zoneView = false;
    int band = 0;
    std::string key;

    // An empty key names no row: an empty grid line has nothing to edit.
    bool valid() const { return !key.empty(); }
};

// The change that stores the entry in the band slot of the first row whose
// number (entity) or trimmed zone number (zone) equals the key; none when
// no row has the key. Only the first row: two entities sharing a number must
// not both lose their slot.
std::optional<SlotEdit> entryChange(const AwardTables& tables, const EntryTarget& target,
                                    const Entry& entry);

// Sets the verification date of the target's band slot. False when no row
// has the key.
bool stampVerification(AwardTables& tables, const EntryTarget& target, const std::string& date);

} // namespace zef
