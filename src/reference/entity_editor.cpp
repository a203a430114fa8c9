#include "reference/entity_editor.h"

namespace zef {

TFPodmioty::TFPodmioty(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TFPodmioty"));
    setWindowTitle(QStringLiteral("Zarządzanie bazą podmiotów"));
}

} // namespace zef
