// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files the progress chart is written to: which kind a file name asks
// for, and the series itself as CSV.

#include "chart/progress_series.h"

#include <QString>
#include <optional>
#include <string>

namespace zef {

enum class ChartFileKind { Png, Svg, Pdf, Csv };

// By the name's extension, in any case; nothing for another extension.
std::optional<ChartFileKind> chartFileKind(const QString& path);

// One line per point under the head "data;80m;40m;20m;15m;10m;razem", CR LF
// line ends; the points of the slots without a date are dated "bez daty".
std::string progressCsv(const ProgressSeries& series);

} // namespace zef
