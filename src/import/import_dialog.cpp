#include "import/import_dialog.h"

namespace zef {

TForm7::TForm7(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Importowanie danych z pliku ADIF"));
}

} // namespace zef
