#include "mainwindow/status_panels.h"

#include <QHBoxLayout>

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
        // The last panel takes what is left.
        layout->addWidget(label, i + 1 == panelCount ? 1 : 0);
        panels_.push_back(label);
    }
}

QString StatusPanels::panelText(int index) const {
    return panel(index)->text();
}

void StatusPanels::setPanelText(int index, const QString& text) {
    panel(index)->setText(text);
}

int StatusPanels::panelWidth(int index) const {
    return panel(index)->minimumWidth();
}

void StatusPanels::setPanelWidth(int index, int width) {
    panel(index)->setFixedWidth(width);
}

void StatusPanels::setPanelAlignment(Qt::Alignment alignment) {
    for (auto* label : panels_)
        label->setAlignment(alignment);
}

} // namespace zef
