#pragma once
// The rules of the data entry dialog without its widgets: checking the two
// fields, storing one band slot into the award tables, the grid row and the
// grid row cache, and keeping the status counters current by difference.

#include "core/award_tables.h"
#include "mainwindow/grid_cache.h"
#include "mainwindow/grid_model.h"

#include <QString>
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

// The band slot to store: call trimmed, date as read, "QSL" or "LoTW".
struct Entry {
    std::string call;
    std::string date;
    std::string confirmation;
};
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

// The grid row's call, date and confirmation; without a call the date and
// confirmation are emptied. The verification date is never touched.
void storeInGridRow(GridRow& row, const Entry& entry);

// The band slot of the first row whose number (entity) or trimmed zone
// number (zone) equals the key: with a call, call, date and confirmation
// are set; without one, all four fields are emptied. False when no row has
// the key; nothing changes then.
bool storeInTables(AwardTables& tables, const EntryTarget& target, const Entry& entry);

// The same for the cache entry of that row (matched on column 0 or 2).
bool storeInCache(GridCache& cache, const EntryTarget& target, const Entry& entry);

// Counters after a grid row changed from `before` to `after`: they end as
// a recount of all rows would leave them, without the recount.
void adjustCounters(StatusCounters& counters, const GridRow& before, const GridRow& after);

// Sets the verification date of the target's band slot. False when no row
// has the key.
bool stampVerification(AwardTables& tables, const EntryTarget& target, const std::string& date);

} // namespace zef
