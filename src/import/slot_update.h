// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a confirmed contact fills or replaces one band slot of a table row.

#include "core/award_tables.h"
#include "import/import_options.h"

#include <string>

namespace zef {

// What a placeable record brings to a slot.
struct ConfirmedQso {
    std::string call; // upper case
    std::string date; // "yyyy-mm-dd"
    bool qsl = false;
    bool lotw = false;
};

// What a record did to a slot.
enum class SlotUpdate { Unchanged, Filled, Replaced };

// Fills the band slot when its call is empty; a filled slot is replaced only
// where the source and priority let the record's confirmation win over the
// stored one, and never when the stored one is neither QSL nor LoTW. The
// verification date is never touched.
SlotUpdate updateSlot(Row& row, int band, const ConfirmedQso& qso, const ImportOptions& options);

} // namespace zef
