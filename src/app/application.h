// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: the fonts the windows were designed with and Qt's
// own texts in Polish.

#include <QApplication>

namespace zef {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
};

} // namespace zef
