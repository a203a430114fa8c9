// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of the entity grid as plain data: what the grid shows of a table
// row on the selected band, and what the data entry dialog edits.

#include <array>
#include <string>

namespace zef {

constexpr int kGridColumns = 8;

using GridRow = std::array<std::string, kGridColumns>;

// Column meanings shared by the fill, the views, the colours, the searches
// and the data entry.
enum GridColumn : int {
    kNumberColumn = 0,       // ADIF number, 3 characters as stored
    kDeletedColumn = 1,      // "D" or empty
    kPrefixColumn = 2,       // prefix, or zone number
    kNameColumn = 3,         // entity name, or example prefixes of a zone
    kCallColumn = 4,         // call of the band slot
    kQsoDateColumn = 5,      // QSO date
    kConfirmationColumn = 6, // "QSL", "LoTW" or empty
    kVerificationColumn = 7, // verification date
};

// The highlighted grid row the data entry edits: where it is shown and what.
struct HighlightedRow {
    int row = 0;
    GridRow cells;
};

} // namespace zef
