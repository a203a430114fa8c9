#pragma once

#include "app/context.h"

#include <QDialog>

namespace zef {

class TFwysokosc_wierszy : public QDialog {
    Q_OBJECT
public:
    explicit TFwysokosc_wierszy(Context& context);

private:
    Context& ctx_;
};

} // namespace zef
