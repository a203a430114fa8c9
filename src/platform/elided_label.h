// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line label that never hides part of its text unseen: given less
// width than its text needs, it ends the text with "…" and shows the whole
// text as its tooltip. text() stays the whole text.

#include <QLabel>

namespace zef {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // As narrow as the ellipsis, so a layout may shrink it below its text.
    QSize minimumSizeHint() const override;
    // True while the label is narrower than its text.
    bool isElided() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zef
