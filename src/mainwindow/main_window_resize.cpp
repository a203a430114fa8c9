// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's resize rule: its width follows the grid's columns and
// the width correction; its height is free.
//
// The window is held at that width with a fixed horizontal size, so a
// window manager offers only vertical resizing instead of letting the user
// drag a width that would snap back. Every resize that does happen (a
// height drag, a window manager that ignores the fixed width, a request of
// the program) passes through the rule, which is also when a changed
// correction or column set takes effect.
#include "core/display_rules.h"
#include "mainwindow/grid_widget.h"
#include "mainwindow/main_window.h"
#include "platform/status_panels.h"

#include <QResizeEvent>

namespace zef {

int TForm1::resizeRule(int widthBefore) {
    const StatusPanelWidths panels = statusPanelWidths(widthBefore);
    for (int p = 0; p < 4; ++p)
        StatusBar1->setPanelWidth(p, panels.upper[static_cast<std::size_t>(p)]);
    for (int p = 0; p < 3; ++p)
        StatusBar2->setPanelWidth(p, panels.lower[static_cast<std::size_t>(p)]);
    return allowedMainWindowWidth(StringGrid1->columnSum(), ctx_.state.widthCorrection);
}

bool TForm1::FormCanResize(int& newWidth, int&) {
    newWidth = resizeRule(width());
    return true;
}

void TForm1::requestSize(int newWidth, int newHeight) {
    if (newWidth == width() && newHeight == height())
        return;
    FormCanResize(newWidth, newHeight);
    holdWidth(newWidth);
    resize(newWidth, newHeight);
}

void TForm1::correctWidth(int correction) {
    requestSize(saturatedWidth(static_cast<long long>(width()) + correction), height());
}

void TForm1::holdWidth(int allowedWidth) {
    if (minimumWidth() != allowedWidth || maximumWidth() != allowedWidth)
        setFixedWidth(allowedWidth);
    else if (width() != allowedWidth)
        resize(allowedWidth, height());
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The first showing of the window is no resize.
    if (!event->oldSize().isValid())
        return;
    holdWidth(resizeRule(event->oldSize().width()));
}

// After a column border was dragged the window fits the columns again.
void TForm1::StringGrid1MouseUp() {
    const long long wanted = static_cast<long long>(StringGrid1->columnSum()) +
                             ctx_.state.widthCorrection + kMainWindowWidthAllowance;
    if (wanted != width())
        requestSize(saturatedWidth(wanted), height());
}

} // namespace zef
