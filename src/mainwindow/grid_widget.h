// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entity grid widget: shows the grid model (row 0 as the header), paints
// each cell by the program's own rules and passes the grid's events on to
// the main window's handlers.

#include "core/app_state.h"
#include "mainwindow/entity_grid.h"

#include <QTableView>
#include <array>
#include <functional>

namespace zef {

class GridTableModel;

class GridWidget : public QTableView {
    Q_OBJECT
public:
    GridWidget(EntityGrid& grid, const AppState& state, QWidget* parent = nullptr);
    ~GridWidget() override;

    // Shows the model again after its cells, rows or selection changed.
    void refresh();
    // Makes a row current and highlighted, as a selection by the program.
    void selectCell(int row, int column);

    std::array<int, 8> columnWidths() const;
    void setColumnWidths(const std::array<int, 8>& widths);
    int columnSum() const;
    int defaultRowHeight() const;
    void setDefaultRowHeight(int height);

    // Events, as the main window handles them. A key press handler returns
    // true when it swallowed the key; a key down handler likewise.
    std::function<void(Qt::MouseButton, int row, int column)> onMouseDown;
    std::function<void()> onMouseUp;
    std::function<void()> onDoubleClick;
    std::function<bool(QChar key)> onKeyPress;
    std::function<bool(int key, Qt::KeyboardModifiers shift)> onKeyDown;
    std::function<void(int column, int row)> onSelectCell;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void syncCurrentIndex();

    EntityGrid& grid_;
    GridTableModel* model_;
    bool syncing_ = false;
};

} // namespace zef
