// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Verification dates: today's date as the program writes it, and the
// marking of every slot that waits for verification.

#include "core/award_tables.h"

#include <QDate>
#include <string>

namespace zef {

constexpr int kVerificationDateLength = 10;

// The date as "rrrr-mm-dd": month and day with a leading zero below 10.
std::string verificationDateText(const QDate& date);

// True when an entity row with a reference line, or a zone row, has a band
// slot with a call and no verification date.
bool anyWaitingForVerification(const AwardTables& tables);

// The text of the date box made exactly 10 characters long: blank-filled
// or cut. It is stored as typed; nothing checks that it is a date.
std::string verificationDateFromBox(const std::string& boxText);

// Stamps `date` on every band slot of every entity and zone row that has a
// call and no verification date; slots with a date keep it. Returns how
// many slots were stamped.
int markWaitingAsVerified(AwardTables& tables, const std::string& date);

} // namespace zef
