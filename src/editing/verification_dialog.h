#pragma once

#include "app/context.h"

#include <QDialog>

namespace zef {

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(Context& context);

private:
    Context& ctx_;
};

} // namespace zef
