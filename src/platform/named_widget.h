// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Controls are made with the name the documents give them, as their object
// name: the tests find them by it.

#include <QString>
#include <utility>

class QPushButton;
class QWidget;

namespace zef {

// A new `Widget` made from `args` (its parent among them), named `name`.
template <typename Widget, typename... Args> Widget* named(const QString& name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

// A dialog's command button: Enter in the dialog's fields does not press it.
QPushButton* commandButton(const QString& name, const QString& caption, QWidget* parent);

} // namespace zef
