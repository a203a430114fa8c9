#include "editing/submission_dialog.h"

namespace zef {

TFEmail::TFEmail(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TFEmail"));
    setWindowTitle(QStringLiteral("Wysyłanie danych do weryfikacji"));
}

std::string TFEmail::recipientForSettings(const ProfileFile& ini) const {
    return ini.readString("Konfiguracja", "E-mail", "");
}

} // namespace zef
