// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window keeps its controls to itself; tests find them by the
// object name the documents give them.

#include "mainwindow/main_window.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace zef::test {

// The main window's own control or menu item `name`, not a same-named one
// of a dialog it owns; the test fails unless there is exactly one.
template <typename T> T* control(const TForm1& main, const char* name) {
    T* found = nullptr;
    int count = 0;
    for (T* candidate : main.findChildren<T*>(QLatin1String(name))) {
        const QObject* owner = candidate->parent();
        while (owner != &main && qobject_cast<const QDialog*>(owner) == nullptr)
            owner = owner->parent();
        if (owner == &main) {
            found = candidate;
            ++count;
        }
    }
    EXPECT_EQ(count, 1) << name;
    return found;
}

} // namespace zef::test
