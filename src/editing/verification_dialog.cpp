#include "editing/verification_dialog.h"

namespace zef {

TForm4::TForm4(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Data weryfikacji"));
}

} // namespace zef
