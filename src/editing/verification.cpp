// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/verification.h"

#include "core/text.h"

namespace zef {

std::string verificationDateText(const QDate& date) {
    const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return std::to_string(date.year()) + "-" + twoDigits(date.month()) + "-" +
           twoDigits(date.day());
}

namespace {

bool anyWaiting(const Row& row) {
    for (int b = 0; b < kBands; ++b)
        if (isToVerify(row, b))
            return true;
    return false;
}

int stamp(Row& row, const std::string& date) {
    int stamped = 0;
    for (int b = 0; b < kBands; ++b) {
        if (isToVerify(row, b)) {
            row[verificationSlot(b)] = date;
            ++stamped;
        }
    }
    return stamped;
}

} // namespace

bool anyWaitingForVerification(const AwardTables& tables) {
    for (int r = 1; r <= kEntityRows; ++r)
        if (isOccupied(tables.entities[r]) && anyWaiting(tables.entities[r]))
            return true;
    for (int r = 1; r <= kZoneRows; ++r)
        if (anyWaiting(tables.zones[r]))
            return true;
    return false;
}

std::string verificationDateFromBox(const std::string& boxText) {
    return padRight(boxText, kVerificationDateLength);
}

// Entity rows are walked whole, reference line or not; only rows with a
// call can be stamped anyway.
int markWaitingAsVerified(AwardTables& tables, const std::string& date) {
    int stamped = 0;
    for (int r = 1; r <= kEntityRows; ++r)
        stamped += stamp(tables.entities[r], date);
    for (int r = 1; r <= kZoneRows; ++r)
        stamped += stamp(tables.zones[r], date);
    return stamped;
}

} // namespace zef
