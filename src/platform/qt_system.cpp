// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_system.h"

#include "platform/x11.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QLocale>
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>

namespace zef {

QDate QtSystem::today() {
    return QDate::currentDate();
}

QString QtSystem::shortDate(const QDate& date) {
    // A desktop without a language setting gets the program's own, Polish.
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Polish, QLocale::Poland);
    return locale.toString(date, QLocale::ShortFormat);
}

int QtSystem::captionFontPointSize() {
    // X11 leaves the caption to the window manager; the application font is
    // the nearest measure of it.
    return QApplication::font().pointSize();
}

Version QtSystem::version() {
    return {ZEFIRANT_VERSION_MAJOR, ZEFIRANT_VERSION_MINOR, ZEFIRANT_VERSION_PATCH,
            ZEFIRANT_VERSION_BUILD};
}

void QtSystem::shellOpen(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

void QtSystem::processEvents() {
    QCoreApplication::processEvents();
}

// The X server knows of a press a window manager holds back while it
// activates the window; Qt learns of it only once the press is replayed.
bool QtSystem::mouseButtonHeld() {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr)
        return QGuiApplication::mouseButtons() != Qt::NoButton;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (pointer == nullptr)
        return false;
    constexpr std::uint16_t kButtons = XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3;
    const bool held = (pointer->mask & kButtons) != 0;
    std::free(pointer);
    return held;
}

} // namespace zef
