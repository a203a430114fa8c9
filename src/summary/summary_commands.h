// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu's summary mode and printout commands.

#include "core/summary_counts.h"
#include "platform/context.h"

namespace zef {

class TForm20;

// Each returns the mode the summary shows afterwards, for the menu's check
// mark: without station data it stays as it was.
SummaryMode Zestawieniewszystkiepodmioty1Click(Context& context, TForm20& summary);
SummaryMode Zestawieniepodmiotyzweryfikowane1Click(Context& context, TForm20& summary);
SummaryMode Zestawieniepodmiotydoweryfikacji1Click(Context& context, TForm20& summary);
void Wydrukpodmiotw1Click(Context& context);

} // namespace zef
