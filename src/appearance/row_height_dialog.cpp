#include "appearance/row_height_dialog.h"

namespace zef {

TFwysokosc_wierszy::TFwysokosc_wierszy(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TFwysokosc_wierszy"));
    setWindowTitle(QStringLiteral("Wysokość wierszy"));
}

} // namespace zef
