// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six views of the "Widok" menu, each showing a subset of the grid rows.

namespace zef {

// One per "Widok" radio item; the comment names the item and its handler.
enum class View {
    All,                // "Wszystkie podmioty", Wszystkiepodmioty1Click
    AllWithoutVerified, // "Wszystkie podmioty bez zweryfikowanych",
                        // Wszystkiepodmiotybezzweryfikowanych1Click
    ToVerify,           // "Podmioty do weryfikacji", Podmiotydoweryfikacji1Click
    Verified,           // "Podmioty zweryfikowane", Podmiotyzweryfikowane1Click
    Confirmed,          // "Podmioty potwierdzone (zweryf. i do weryf.)", Podmiotypotwierdzone1Click
    Unconfirmed,        // "Podmioty niepotwierdzone", Podmiotyniepotwierdzone1Click
};

} // namespace zef
