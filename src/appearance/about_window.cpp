// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/about_window.h"

#include "appearance/jpeg_image.h"
#include "core/display_rules.h"
#include "platform/command_guard.h"
#include "platform/dialog_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zef {

namespace {

const QString kAuthor = QStringLiteral("Zespół Zefirant");
const QString kAuthorEmail = QStringLiteral("autor@zefirant.pl");
const QString kAuthorWebPage = QStringLiteral("https://zefirant.pl");
const QString kPictureFile = QStringLiteral("zefirant.jpg");

// Pixel sizes, so the window keeps its layout whatever the desktop's font size.
QFont boldFont(int pixels) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QLabel* addLabel(QWidget* parent, QVBoxLayout* column, const QString& name, const QString& text,
                 const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    column->addWidget(label);
    return label;
}

QLabel* addLink(QWidget* parent, QVBoxLayout* column, const QString& name, const QString& text,
                const QString& hint) {
    QFont font = boldFont(13);
    font.setUnderline(true);
    QLabel* label = addLabel(parent, column, name, text, font);
    label->setToolTip(hint);
    label->setMouseTracking(true);
    return label;
}

} // namespace

TForm5::TForm5(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Informacja o programie"));
    setDialogFrame(*this, FrameButtons::MenuMinimiseAndClose);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(96, 224);
    Image1->setScaledContents(true);
    // A picture that is missing or cannot be decoded leaves the frame empty.
    const QImage picture = readJpegFile(ctx_.files.deliveredFile(kPictureFile));
    if (!picture.isNull())
        Image1->setPixmap(QPixmap::fromImage(picture));

    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    const QFont title = boldFont(16);
    Label1 = addLabel(this, column, QStringLiteral("Label1"),
                      QStringLiteral("Program do zarządzania"), title);
    Label2 = addLabel(this, column, QStringLiteral("Label2"), QStringLiteral("osiągnięciami do "),
                      title);
    Label3 = addLabel(this, column, QStringLiteral("Label3"), QStringLiteral("Zefirantu"), title);
    column->addSpacing(14);
    Label4 =
        addLabel(this, column, QStringLiteral("Label4"), QStringLiteral("Wersja"), boldFont(14));
    Label4->setStyleSheet(QStringLiteral("color: blue"));
    column->addSpacing(14);
    Label5 = addLabel(this, column, QStringLiteral("Label5"), QStringLiteral("Autor: ") + kAuthor,
                      boldFont(13));
    Label6 = addLink(this, column, QStringLiteral("Label6"), kAuthorEmail,
                     QStringLiteral("Wyślij maila do autora"));
    Label9 = addLink(this, column, QStringLiteral("Label9"), kAuthorWebPage,
                     QStringLiteral("Strona domowa autora - ") + kAuthor);
    column->addStretch(1);

    Button2 = new QPushButton(QStringLiteral("Powrót"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    Button2->setMinimumWidth(90);
    column->addWidget(Button2, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 16, 12);
    layout->setSpacing(18);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(column, 1);
    setFixedSize(sizeHint());

    for (QLabel* link : {Label6, Label9})
        link->installEventFilter(this);
    Label6MouseMove();
    Label9MouseMove();
    connect(Button2, &QPushButton::clicked, this,
            guarded(ctx_.dialogs, [this] { Button2Click(); }));
}

void TForm5::FormActivate() {
    Label4->setText(versionLine(ctx_.system.version()));
    Button2->setFocus();
}

void TForm5::Button2Click() {
    accept();
}

// The address alone: a blank after "mailto:" would be sent as "%20", which
// mail programs take into the recipient's address.
void TForm5::Label6Click() {
    ctx_.system.shellOpen(QUrl(QStringLiteral("mailto:") + kAuthorEmail));
}

void TForm5::Label9Click() {
    ctx_.system.shellOpen(QUrl(kAuthorWebPage));
}

void TForm5::Label6MouseMove() {
    Label6->setCursor(Qt::PointingHandCursor);
}

void TForm5::Label9MouseMove() {
    Label9->setCursor(Qt::PointingHandCursor);
}

void TForm5::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    const bool email = watched == Label6;
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        email ? Label6MouseMove() : Label9MouseMove();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint()))
            email ? Label6Click() : Label9Click();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zef
