#pragma once
// Parts of the grid: the cell matrix as an item model, and the table views that show it (the
// data view, and the overlay that keeps the fixed rows in view). Used by grid.cpp only.

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWheelEvent>
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/ui/grid.h"

namespace tolvar::ui {

inline constexpr int kGridDefaultColPixels = 64;

struct GridCell {
  QString text;
  QColor back;  // invalid: the default of the cell's kind
  bool bold = false;
  signed char align = -1;  // -1: the column's alignment
};

// The German number in a cell text, if it is one.
std::optional<double> GridNumber(const QString& text);
// Qt alignment of an alignment code; "general" looks at the text.
Qt::Alignment GridAlignmentToQt(int code, const QString& text);

// --- Model: the cell matrix with texts, colours, fonts and alignments ------------------------

class GridModel final : public QAbstractTableModel {
 public:
  explicit GridModel(QObject* parent) : QAbstractTableModel(parent) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(cells.size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : cols; }
  Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const GridCell& cell = cells[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    const bool highlighted = Highlighted(index.row(), index.column());
    switch (role) {
      case Qt::DisplayRole:
        return cell.text;
      case Qt::BackgroundRole:
        return highlighted ? highlight : BackOf(index.row(), index.column());
      case Qt::ForegroundRole:
        if (highlighted) return highlightText;
        return {};
      case Qt::FontRole:
        if (cell.bold) return boldFont;
        return {};
      case Qt::TextAlignmentRole:
        return static_cast<int>(GridAlignmentToQt(AlignOf(index.row(), index.column()), cell.text));
      default:
        return {};
    }
  }

  // The selection colour fills the cells of a range of several rows, except the current cell
  // (it shows the focus frame) and cells the window has coloured itself: a marked row or a
  // cell that failed a check keeps its colour, whatever the user has selected.
  bool Highlighted(int row, int col) const {
    if (selTop == selBottom || row < selTop || row > selBottom) return false;
    if (row < fixedRows || col < fixedCols || (row == curRow && col == curCol)) return false;
    const QColor& set = cells[static_cast<size_t>(row)][static_cast<size_t>(col)].back;
    return !set.isValid() || set == dataBack;
  }

  QColor BackOf(int row, int col) const {
    const QColor& set = cells[static_cast<size_t>(row)][static_cast<size_t>(col)].back;
    if (set.isValid()) return set;
    return row < fixedRows || col < fixedCols ? fixedBack : dataBack;
  }
  int AlignOf(int row, int col) const {
    const int own = cells[static_cast<size_t>(row)][static_cast<size_t>(col)].align;
    return own >= 0 ? own : colAlign[static_cast<size_t>(col)];
  }

  GridCell& At(int row, int col) { return cells[static_cast<size_t>(row)][static_cast<size_t>(col)]; }
  const GridCell& At(int row, int col) const { return cells[static_cast<size_t>(row)][static_cast<size_t>(col)]; }

  void SetRowCount(int rows) {
    const int now = rowCount();
    if (rows > now) {
      beginInsertRows(QModelIndex(), now, rows - 1);
      cells.resize(static_cast<size_t>(rows), std::vector<GridCell>(static_cast<size_t>(cols)));
      endInsertRows();
    } else if (rows < now) {
      beginRemoveRows(QModelIndex(), rows, now - 1);
      cells.resize(static_cast<size_t>(rows));
      endRemoveRows();
    }
  }
  void SetColCount(int count) {
    if (count > cols) {
      beginInsertColumns(QModelIndex(), cols, count - 1);
    } else if (count < cols) {
      beginRemoveColumns(QModelIndex(), count, cols - 1);
    } else {
      return;
    }
    const bool growing = count > cols;
    for (auto& row : cells) row.resize(static_cast<size_t>(count));
    colAlign.resize(static_cast<size_t>(count), kAlignGeneral);
    cols = count;
    growing ? endInsertColumns() : endRemoveColumns();
  }
  void InsertRow(int at, std::vector<GridCell> row) {
    beginInsertRows(QModelIndex(), at, at);
    cells.insert(cells.begin() + at, std::move(row));
    endInsertRows();
  }
  void RemoveRow(int at) {
    beginRemoveRows(QModelIndex(), at, at);
    cells.erase(cells.begin() + at);
    endRemoveRows();
  }

  void Changed(int row, int col) {
    if (redraw) Q_EMIT dataChanged(index(row, col), index(row, col));
  }
  void ChangedRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    if (redraw && first <= last && cols > 0) Q_EMIT dataChanged(index(first, 0), index(last, cols - 1));
  }
  void ChangedAll() { ChangedRows(0, rowCount() - 1); }

  // The selected rows and the current cell; repaints the rows that change.
  void SetSelection(int top, int bottom, int row, int col) {
    if (top == selTop && bottom == selBottom && row == curRow && col == curCol) return;
    const int oldTop = selTop;
    const int oldBottom = selBottom;
    const int oldRow = curRow;
    selTop = top;
    selBottom = bottom;
    curRow = row;
    curCol = col;
    if (oldTop >= 0) ChangedRows(oldTop, oldBottom);
    if (oldRow >= 0) ChangedRows(oldRow, oldRow);
    if (top >= 0) ChangedRows(top, bottom);
    if (row >= 0) ChangedRows(row, row);
  }

  std::vector<std::vector<GridCell>> cells;
  std::vector<int> colAlign;
  int cols = 0;
  int fixedRows = 1;
  int fixedCols = 0;
  int selTop = -1;
  int selBottom = -1;
  int curRow = -1;
  int curCol = -1;
  bool redraw = true;
  QFont boldFont;
  QColor fixedBack;
  QColor dataBack = Qt::white;
  QColor highlight;
  QColor highlightText;
};

// --- Delegate: draws the cells, and a focus frame around the current cell ----------------------

class GridDelegate final : public QStyledItemDelegate {
 public:
  GridDelegate(const GridModel* model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem plain = option;
    plain.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
    QStyledItemDelegate::paint(painter, plain, index);
    if (index.row() != m_model->curRow || index.column() != m_model->curCol) return;
    painter->save();
    QPen pen(option.palette.color(QPalette::WindowText), 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    painter->restore();
  }

 private:
  const GridModel* m_model;
};

// --- Views: the data view and the overlay that keeps the fixed rows in view ---------------------

class GridView final : public QTableView {
 public:
  GridView(Grid* grid, QWidget* parent, bool frozen) : QTableView(parent), m_grid(grid), m_frozen(frozen) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(kGridDefaultColPixels);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // A head that does not fit its column breaks onto further lines of its fixed row; data
    // cells keep to one line.
    setWordWrap(frozen);
    if (frozen) {
      setFocusPolicy(Qt::NoFocus);
      setFrameShape(QFrame::NoFrame);
      setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
  }

  // The height the text of the cell at `index` needs, wrapped as this view draws it in a
  // column `width` pixels wide (less the grid line that the cell's right edge draws).
  int TextHeight(const QModelIndex& index, int width) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = QRect(0, 0, width - (showGrid() ? 1 : 0), rowHeight(index.row()));
    return itemDelegate()->sizeHint(option, index).height();
  }

  // Keeps `pixels` free above the data rows, where the frozen view shows the fixed rows. The
  // view's own column header holds that room: the table view sets its viewport margins from
  // its headers whenever its rows or columns change, so a margin set directly would be lost
  // and the fixed rows would cover the first data row. The frozen view lies over the header.
  void SetTopMargin(int pixels) {
    QHeaderView* header = horizontalHeader();
    if (header->isHidden() == (pixels == 0) && header->height() == pixels) return;
    header->setFixedHeight(pixels);
    header->setVisible(pixels > 0);
    updateGeometries();
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override { m_grid->viewMouse(event, viewport(), true); }
  void mouseReleaseEvent(QMouseEvent* event) override { m_grid->viewMouse(event, viewport(), false); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { m_grid->viewDoubleClick(event, viewport()); }
  void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
  void keyPressEvent(QKeyEvent* event) override { m_grid->viewKey(event); }
  void wheelEvent(QWheelEvent* event) override {
    if (m_frozen) {
      event->ignore();  // the data view below scrolls
      return;
    }
    QTableView::wheelEvent(event);
  }
  void scrollContentsBy(int dx, int dy) override {
    if (m_frozen) dy = 0;
    QTableView::scrollContentsBy(dx, dy);
  }

 private:
  Grid* m_grid;
  bool m_frozen;
};

}  // namespace tolvar::ui
