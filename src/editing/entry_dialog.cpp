#include "editing/entry_dialog.h"

namespace zef {

TForm2::TForm2(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Wprowadzanie danych"));
}

} // namespace zef
