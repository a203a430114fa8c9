#pragma once
// The application object: any error escaping an event handler is shown in a
// message box with its text, and the program goes on.

#include "platform/dialogs.h"

#include <QApplication>

namespace zef {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the text of an error that reached the application object.
    void reportError(const QString& text);

private:
    Dialogs* dialogs_ = nullptr;
};

} // namespace zef
