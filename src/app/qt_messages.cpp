// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_messages.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace zef {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

QString noDisplayText() {
    return QStringLiteral("zefirant: brak ekranu, na którym program mógłby otworzyć swoje okna\n"
                          "(zmienne DISPLAY i WAYLAND_DISPLAY nie wskazują działającego serwera).\n"
                          "Polecenia wsadowe działają bez ekranu: zefirant --help\n");
}

void putError(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fflush(stderr);
}

void dropAllButFatal(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg)
        putError(QStringLiteral("zefirant: ") + text + u'\n');
}

// Qt's only fatal error before the application object exists is that no
// platform could be opened: for the window program, no display.
void holdUntilDisplayFound(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        putError(noDisplayText());
        std::_Exit(1);
    }
    heldMessages().push_back({type, QByteArray(context.category), text});
}

} // namespace

void silenceQtMessages() {
    qInstallMessageHandler(dropAllButFatal);
}

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(holdUntilDisplayFound)) {}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previous_);
    for (const HeldMessage& held : std::exchange(heldMessages(), {})) {
        const QMessageLogger logger(nullptr, 0, nullptr, held.category.constData());
        const QByteArray text = held.text.toUtf8();
        switch (held.type) {
        case QtDebugMsg:
            logger.debug("%s", text.constData());
            break;
        case QtInfoMsg:
            logger.info("%s", text.constData());
            break;
        case QtWarningMsg:
            logger.warning("%s", text.constData());
            break;
        default:
            logger.critical("%s", text.constData());
            break;
        }
    }
}

} // namespace zef
