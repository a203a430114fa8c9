// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/slot_update.h"

#include "core/text.h"

namespace zef {

namespace {

const std::string kQsl = "QSL";
const std::string kLotw = "LoTW";

// The confirmation a record gets in an empty slot.
const std::string& newConfirmation(const ConfirmedQso& qso, const ImportOptions& options) {
    if (options.source == ImportSource::Lotw)
        return kLotw;
    if (qso.qsl && qso.lotw)
        return options.priority == ImportPriority::Lotw ? kLotw : kQsl;
    return qso.qsl ? kQsl : kLotw;
}

// The confirmation that replaces a filled slot's, or nothing when it stays.
const std::string* replacement(std::string_view stored, const ConfirmedQso& qso,
                               const ImportOptions& options) {
    const std::string existing = lowerAscii(stored);
    const bool lotwSource = options.source == ImportSource::Lotw;
    if (options.priority == ImportPriority::Lotw && existing == "qsl") {
        // From a LoTW download the record must carry the card flag; that is
        // how the replacement has always been decided.
        if (lotwSource ? qso.qsl : qso.lotw)
            return &kLotw;
    } else if (!lotwSource && options.priority == ImportPriority::LogQsl && existing == "lotw") {
        if (qso.qsl)
            return &kQsl;
    }
    return nullptr;
}

} // namespace

SlotUpdate updateSlot(Row& row, int band, const ConfirmedQso& qso, const ImportOptions& options) {
    std::string& call = row[callSlot(band)];
    std::string& confirmation = row[confirmationSlot(band)];
    const bool empty = call.empty();
    const std::string* confirmed =
        empty ? &newConfirmation(qso, options) : replacement(confirmation, qso, options);
    if (confirmed == nullptr)
        return SlotUpdate::Unchanged;
    call = qso.call;
    row[qsoDateSlot(band)] = qso.date;
    confirmation = *confirmed;
    return empty ? SlotUpdate::Filled : SlotUpdate::Replaced;
}

} // namespace zef
