// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFEmail, "Wysyłanie danych do weryfikacji": the recipient and the callsign
// of the message that hands the station data file to the verifier. "Wyslij"
// opens it in the user's mail program. Modeless; created once and hidden
// after use, so the recipient is kept for the next opening.

#include "core/profile_file.h"
#include "core/settings.h"
#include "platform/context.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zef {

class TFEmail : public QDialog {
    Q_OBJECT
public:
    TFEmail(Context& context, QWidget* parent);

    // The verification mailbox the dialog proposes when none is stored.
    static QString designedRecipient();

    // Fills the recipient (from the settings file when it exists) and the
    // station callsign, and shows the dialog.
    void showFor(const ProfileFile& ini);
    void Button1Click();

    // The recipient the settings file receives at close: the box's text when
    // the dialog was opened in this run, else the stored value (the designed
    // address when there is none).
    std::string recipientForSettings(const ProfileFile& ini) const;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button1 = nullptr;

private:
    Context& ctx_;
    bool openedThisRun_ = false;
};

} // namespace zef
