// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/status_panels.h"

#include "core/text.h"

#include <QHBoxLayout>
#include <algorithm>

namespace zef {

StatusPanels::StatusPanels(const QString& name, int panelCount, int height, QWidget* parent)
    : QFrame(parent) {
    setObjectName(name);
    setFixedHeight(height);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < panelCount; ++i) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setObjectName(QStringLiteral("%1_panel%2").arg(name).arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        layout->addWidget(label);
        panels_.push_back(label);
    }
    // The last panel takes what is left.
    panels_.back()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QString StatusPanels::panelText(int index) const {
    return panel(index)->text();
}

void StatusPanels::setPanelText(int index, const QString& text) {
    panel(index)->setText(shownPart(text));
    fit(index);
}

int StatusPanels::panelWidth(int index) const {
    return panel(index)->minimumWidth();
}

void StatusPanels::setPanelWidth(int index, int width) {
    panel(index)->setMinimumWidth(width);
    fit(index);
}

// A panel is as wide as set, or wider where its text needs it: a status
// text is never cut. The last panel takes what is left.
void StatusPanels::fit(int index) {
    if (index + 1 == static_cast<int>(panels_.size()))
        return;
    QLabel* label = panel(index);
    label->setMaximumWidth(std::max(label->minimumWidth(), label->sizeHint().width()));
}

void StatusPanels::setPanelAlignment(Qt::Alignment alignment) {
    for (auto* label : panels_)
        label->setAlignment(alignment);
}

} // namespace zef
