#include "appearance/width_correction_dialog.h"

namespace zef {

TFkorekcja::TFkorekcja(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TFkorekcja"));
    setWindowTitle(QStringLiteral("Korekta wyświetlania"));
}

} // namespace zef
