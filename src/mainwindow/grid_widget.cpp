// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/grid_widget.h"

#include "core/text.h"
#include "mainwindow/cell_colours.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace zef {

namespace {

QColor qtColour(ColourValue value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace

// Qt's view of the grid model: its row i is the grid's data row i + 1.
class GridTableModel : public QAbstractTableModel {
public:
    GridTableModel(EntityGrid& grid, const AppState& state, QObject* parent)
        : QAbstractTableModel(parent), grid_(grid), state_(state) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : grid_.model().rowCount() - 1;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kGridColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole)
            return shownText(grid_.model().cell(index.column(), index.row() + 1));
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal)
            return {};
        if (role == Qt::DisplayRole)
            return toQt(grid_.model().cell(section, 0));
        if (role == Qt::ForegroundRole)
            return qtColour(grid_.cellPaint(section, 0, state_.colours).text);
        return {};
    }
    void reset() {
        beginResetModel();
        endResetModel();
    }
    const EntityGrid& grid() const { return grid_; }
    const AppState& state() const { return state_; }

private:
    EntityGrid& grid_;
    const AppState& state_;
};

// Fills the cell with the row's colour and writes the text 2 pixels in.
class GridCellDelegate : public QStyledItemDelegate {
public:
    GridCellDelegate(const GridTableModel& model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int row = index.row() + 1;
        const EntityGrid& grid = model_.grid();
        const CellPaint look = grid.cellPaint(index.column(), row, model_.state().colours);
        painter->save();
        painter->fillRect(option.rect, qtColour(look.background));
        painter->setPen(qtColour(look.text));
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(kCellTextOffset, kCellTextOffset, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          shownText(grid.model().cell(index.column(), row)));
        painter->restore();
    }

    // A text cut by its cell shows whole as the cell's tooltip (the example
    // prefixes of a zone seldom fit); a text that fits shows none.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = shownText(model_.grid().model().cell(index.column(), index.row() + 1));
        const int room = option.rect.width() - kCellTextOffset;
        if (QFontMetrics(option.font).horizontalAdvance(text) > room) {
            QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }

private:
    const GridTableModel& model_;
};

GridWidget::GridWidget(EntityGrid& grid, const AppState& state, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new GridTableModel(grid, state, this)) {
    setModel(model_);
    setItemDelegate(new GridCellDelegate(*model_, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setShowGrid(true);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->viewport()->installEventFilter(this);
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(228, 245, 226));
    setPalette(p);
    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPointSize(10); // 13 pixels high on a 96 dpi screen
    gridFont.setBold(true);
    setFont(gridFont);
    setDefaultRowHeight(21);
    setColumnWidths({35, 12, 48, 167, 85, 147, 74, 68});

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (syncing_ || !current.isValid())
                    return;
                if (onSelectCell)
                    onSelectCell(current.column(), current.row() + 1);
                viewport()->update();
            });
}

GridWidget::~GridWidget() = default;

void GridWidget::refresh() {
    model_->reset();
    syncCurrentIndex();
    horizontalHeader()->viewport()->update();
    viewport()->update();
}

void GridWidget::syncCurrentIndex() {
    syncing_ = true;
    const GridModel& grid = grid_.model();
    const QModelIndex index = model_->index(grid.currentRow() - 1, grid.currentColumn());
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    if (index.isValid())
        scrollTo(index);
    syncing_ = false;
}

void GridWidget::selectCell(int row, int column) {
    grid_.selectCell(column, row);
    syncCurrentIndex();
    viewport()->update();
}

std::array<int, 8> GridWidget::columnWidths() const {
    std::array<int, 8> widths{};
    for (int c = 0; c < kGridColumns; ++c)
        widths[static_cast<std::size_t>(c)] = columnWidth(c);
    return widths;
}

void GridWidget::setColumnWidths(const std::array<int, 8>& widths) {
    for (int c = 0; c < kGridColumns; ++c)
        setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

int GridWidget::columnSum() const {
    int sum = 0;
    for (int w : columnWidths())
        sum += w;
    return sum;
}

int GridWidget::defaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void GridWidget::setDefaultRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
}

void GridWidget::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown && onKeyDown(event->key(), event->modifiers()))
        return;
    const QString text = event->text();
    if (onKeyPress && text.size() == 1 && onKeyPress(text.front()))
        return;
    // A letter the grid did not take moves nothing: the view's own keyboard
    // search would jump to another row.
    if (!text.isEmpty() && text.front().isPrint()) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // Below the last row lies no row at all; row 0 is the header's alone.
    if (const int row = rowAt(at.y()); onMouseDown && row >= 0)
        onMouseDown(event->button(), row + 1, columnAt(at.x()));
    QTableView::mousePressEvent(event);
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (onMouseUp)
        onMouseUp();
}

void GridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    const QPoint at = event->position().toPoint();
    if (onDoubleClick && rowAt(at.y()) >= 0)
        onDoubleClick();
}

// The header row is part of the grid: a press there is a mouse-down on row 0,
// and a release ends a column drag, after which the window fits the columns.
bool GridWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress && onMouseDown) {
            // Only a mouse event may be taken for one: the viewport gets paint events too.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int column = horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
            // A press on a section border starts a column drag, not a click.
            if (horizontalHeader()->cursor().shape() != Qt::SplitHCursor)
                onMouseDown(mouse->button(), 0, column);
        } else if (event->type() == QEvent::MouseButtonRelease && onMouseUp) {
            onMouseUp();
        }
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace zef
