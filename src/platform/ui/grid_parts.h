#pragma once
// Parts of the grid: the cell matrix as an item model, and the table views that show it (the
// data view, and the overlay that keeps the fixed rows in view). Used by grid.cpp only.

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
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
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : cols;
  }
  Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const GridCell& cell = cells[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    const bool highlighted = index.row() >= fixedRows && index.column() >= fixedCols &&
                             index.row() >= selTop && index.row() <= selBottom;
    switch (role) {
      case Qt::DisplayRole: return cell.text;
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
      default: return {};
    }
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
  const GridCell& At(int row, int col) const {
    return cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
  }

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
    if (redraw) emit dataChanged(index(row, col), index(row, col));
  }
  void ChangedRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    if (redraw && first <= last && cols > 0) emit dataChanged(index(first, 0), index(last, cols - 1));
  }
  void ChangedAll() { ChangedRows(0, rowCount() - 1); }

  void SetHighlight(int top, int bottom) {
    if (top == selTop && bottom == selBottom) return;
    const int oldTop = selTop;
    const int oldBottom = selBottom;
    selTop = top;
    selBottom = bottom;
    if (oldTop >= 0) ChangedRows(oldTop, oldBottom);
    if (top >= 0) ChangedRows(top, bottom);
  }

  std::vector<std::vector<GridCell>> cells;
  std::vector<int> colAlign;
  int cols = 0;
  int fixedRows = 1;
  int fixedCols = 0;
  int selTop = -1;
  int selBottom = -1;
  bool redraw = true;
  QFont boldFont;
  QColor fixedBack;
  QColor dataBack = Qt::white;
  QColor highlight;
  QColor highlightText;
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
    setWordWrap(false);
    if (frozen) {
      setFocusPolicy(Qt::NoFocus);
      setFrameShape(QFrame::NoFrame);
      setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
  }

  void SetTopMargin(int pixels) { setViewportMargins(0, pixels, 0, 0); }

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
