#pragma once

#include "app/context.h"

#include <QDialog>

namespace zef {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(Context& context);

private:
    Context& ctx_;
};

} // namespace zef
