// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/named_widget.h"

#include <QPushButton>

namespace zef {

QPushButton* commandButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = named<QPushButton>(name, caption, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace zef
