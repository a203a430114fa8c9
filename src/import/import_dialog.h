#pragma once

#include "app/context.h"

#include <QDialog>

namespace zef {

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(Context& context);

private:
    Context& ctx_;
};

} // namespace zef
