#pragma once

#include "app/context.h"
#include "core/settings.h"
#include "platform/profile_file.h"

#include <QDialog>

namespace zef {

class TFEmail : public QDialog {
    Q_OBJECT
public:
    explicit TFEmail(Context& context);
    // The recipient the settings file receives at close.
    std::string recipientForSettings(const ProfileFile& ini) const;

private:
    Context& ctx_;
};

} // namespace zef
