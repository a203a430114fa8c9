// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A status bar of fixed-width panels with texts, as the main and summary
// windows use them; the bar's hint is its tool tip.

#include <QFrame>
#include <QLabel>
#include <vector>

namespace zef {

class StatusPanels : public QFrame {
public:
    StatusPanels(const QString& name, int panelCount, int height, QWidget* parent = nullptr);

    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);
    int panelWidth(int index) const;
    void setPanelWidth(int index, int width);
    void setPanelAlignment(Qt::Alignment alignment);
    QLabel* panel(int index) const { return panels_.at(static_cast<std::size_t>(index)); }

private:
    void fit(int index);

    std::vector<QLabel*> panels_;
};

} // namespace zef
