// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace zef {

namespace {

// Share of the screen the text may take before it scrolls.
constexpr double kScreenShare = 0.8;

QStyle::StandardPixmap standardIcon(Icon icon) {
    switch (icon) {
    case Icon::Error:
        return QStyle::SP_MessageBoxCritical;
    case Icon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case Icon::Information:
        return QStyle::SP_MessageBoxInformation;
    case Icon::None:
        break;
    }
    return QStyle::SP_CustomBase;
}

Answer escapeAnswer(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
        break;
    }
    return Answer::Cancel;
}

QRect screenArea(const QWidget* parent) {
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

MessageDialog::MessageDialog(const QString& text, const QString& caption, Buttons buttons,
                             Icon icon, bool defaultNo, QWidget* parent)
    : QDialog(parent), buttonBox_(new QDialogButtonBox(this)), answer_(escapeAnswer(buttons)) {
    setWindowTitle(caption);
    setModal(true);

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("messageText"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* pane = new QScrollArea(this);
    pane->setFrameShape(QFrame::NoFrame);
    pane->setWidget(label);
    pane->setWidgetResizable(true);
    const QRect area = screenArea(parent);
    const QSize wanted = label->sizeHint();
    const int bar = pane->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int maxWidth = static_cast<int>(area.width() * kScreenShare);
    const int maxHeight = static_cast<int>(area.height() * kScreenShare);
    const bool scrollsDown = wanted.height() > maxHeight;
    const bool scrollsAcross = wanted.width() + (scrollsDown ? bar : 0) > maxWidth;
    pane->setFixedSize(std::min(wanted.width() + (scrollsDown ? bar : 0) + 2, maxWidth),
                       std::min(wanted.height() + (scrollsAcross ? bar : 0) + 2, maxHeight));

    auto* body = new QHBoxLayout;
    if (icon != Icon::None) {
        auto* iconLabel = new QLabel(this);
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(style()->standardIcon(standardIcon(icon), nullptr, this).pixmap(size));
        iconLabel->setAlignment(Qt::AlignTop);
        body->addWidget(iconLabel);
    }
    body->addWidget(pane, 1);

    if (buttons == Buttons::Ok) {
        addButton(QStringLiteral("OK"), Answer::Ok, true);
    } else {
        addButton(QStringLiteral("&Tak"), Answer::Yes, !defaultNo);
        addButton(QStringLiteral("&Nie"), Answer::No, defaultNo);
        if (buttons == Buttons::YesNoCancel)
            addButton(QStringLiteral("Anuluj"), Answer::Cancel, false);
    }
    buttonBox_->setCenterButtons(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttonBox_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MessageDialog::addButton(const QString& text, Answer answer, bool isDefault) {
    // The buttons keep the order they are added in, whatever the desktop's custom.
    auto* button = new QPushButton(text, this);
    buttonBox_->addButton(button, QDialogButtonBox::ActionRole);
    button->setDefault(isDefault);
    button->setAutoDefault(true);
    if (isDefault)
        button->setFocus();
    connect(button, &QPushButton::clicked, this, [this, answer] {
        answer_ = answer;
        accept();
    });
}

} // namespace zef
