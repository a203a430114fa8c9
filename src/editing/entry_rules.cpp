// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/entry_rules.h"

#include "core/text.h"

#include <optional>

namespace zef {

namespace {

bool blank(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

// Leading blanks are allowed, as the conversion has always allowed them;
// a blank after a digit is not.
std::optional<long long> wholeNumber(const std::string& s) {
    return parseInteger(trimLeft(s));
}

EntryVerdict refused(EntryCheck check, QString message, bool focusDate) {
    return {check, std::move(message), focusDate};
}

QString notANumber(const std::string& text) {
    return QStringLiteral("'%1' nie jest prawidłową wartością całkowitą.").arg(toQt(text));
}

const QString kBadDate = QStringLiteral("Wprowadź poprawną datę łączności!");

} // namespace

EntryVerdict checkEntry(const std::string& callField, const std::string& dateField) {
    if (callField != kEmptyCallField && dateField == kEmptyDateField)
        return refused(EntryCheck::MissingDate, QStringLiteral("Wprowadź datę łączności!"), true);
    const std::string day = mid(dateField, 9, 10);
    const std::string month = mid(dateField, 6, 7);
    if (blank(day))
        return refused(EntryCheck::MissingDay, QStringLiteral("Wprowadź dzień łączności!"), false);
    if (blank(month))
        return refused(EntryCheck::MissingMonth, QStringLiteral("Wprowadź miesiąc łącznosci!"),
                       false);
    if (blank(mid(dateField, 1, 4)))
        return refused(EntryCheck::MissingYear, QStringLiteral("Wprowadź rok łącznosci!"), false);
    const auto dayNumber = wholeNumber(day);
    if (!dayNumber)
        return refused(EntryCheck::NotANumber, notANumber(day), true);
    if (*dayNumber > 31)
        return refused(EntryCheck::ImpossibleDay, kBadDate, true);
    const auto monthNumber = wholeNumber(month);
    if (!monthNumber)
        return refused(EntryCheck::NotANumber, notANumber(month), true);
    if (*monthNumber > 12)
        return refused(EntryCheck::ImpossibleMonth, kBadDate, true);
    return {};
}

Entry entryFromFields(const std::string& callField, const std::string& dateField, bool qsl) {
    return {trim(callField), dateField, qsl ? "QSL" : "LoTW"};
}

namespace {

// The first row with the target's key, 0 when there is none.
int targetRow(const AwardTables& tables, const EntryTarget& target) {
    if (!target.valid())
        return 0;
    if (target.zoneView) {
        for (int r = 1; r <= kZoneRows; ++r)
            if (zoneNumber(tables.zones[r][0]) == target.key)
                return r;
        return 0;
    }
    for (int r = 1; r <= kEntityRows; ++r)
        if (referenceNumber(tables.entities[r][0]) == target.key)
            return r;
    return 0;
}

} // namespace

std::optional<SlotEdit> entryChange(const AwardTables& tables, const EntryTarget& target,
                                    const Entry& entry) {
    const int row = targetRow(tables, target);
    if (row == 0)
        return std::nullopt;
    return SlotEdit{target.zoneView, row, target.band, entry};
}

bool stampVerification(AwardTables& tables, const EntryTarget& target, const std::string& date) {
    const int row = targetRow(tables, target);
    if (row == 0)
        return false;
    Row& stored = target.zoneView ? tables.zones[row] : tables.entities[row];
    stored[verificationSlot(target.band)] = date;
    return true;
}

} // namespace zef
