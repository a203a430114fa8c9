#pragma once

#include "app/context.h"

#include <QDialog>

namespace zef {

class TFPodmioty : public QDialog {
    Q_OBJECT
public:
    explicit TFPodmioty(Context& context);

private:
    Context& ctx_;
};

} // namespace zef
