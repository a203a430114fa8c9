// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu's "Wykres postępu" command.

#include "core/summary_counts.h"
#include "platform/context.h"

#include <memory>

namespace zef {

class ProgressWindow;

// Opens the progress window, made on first use in the summary's current
// mode, and brings it to the front. Without station data it does nothing.
void Wykrespostpu1Click(Context& context, std::unique_ptr<ProgressWindow>& window,
                        SummaryMode summaryMode);

} // namespace zef
