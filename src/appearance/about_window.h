#pragma once

#include "app/context.h"

#include <QDialog>

namespace zef {

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(Context& context);

private:
    Context& ctx_;
};

} // namespace zef
