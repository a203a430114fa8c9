#include "appearance/about_window.h"

namespace zef {

TForm5::TForm5(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Informacja o programie"));
}

} // namespace zef
