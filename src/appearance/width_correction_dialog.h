#pragma once

#include "app/context.h"

#include <QDialog>

namespace zef {

class TFkorekcja : public QDialog {
    Q_OBJECT
public:
    explicit TFkorekcja(Context& context);

private:
    Context& ctx_;
};

} // namespace zef
