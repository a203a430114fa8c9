#include "platform/qt_system.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QLocale>

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

} // namespace zef
