#include "platform/ui/grid.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/sys/screen.h"
#include "platform/ui/grid_parts.h"

namespace tolvar::ui {

namespace {

int ButtonMask(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int ShiftMask(Qt::KeyboardModifiers modifiers) {
  return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0) |
         ((modifiers & Qt::AltModifier) ? 4 : 0);
}

}  // namespace

// --- Grid ------------------------------------------------------------------------------------

Grid::Grid(QWidget* parent) : QWidget(parent), m_model(new GridModel(this)) {
  m_model->boldFont = font();
  m_model->boldFont.setBold(true);
  m_model->fixedBack = palette().color(QPalette::Button);
  m_model->highlight = palette().color(QPalette::Active, QPalette::Highlight);
  m_model->highlightText = palette().color(QPalette::Active, QPalette::HighlightedText);
  m_model->SetColCount(2);
  m_model->SetRowCount(2);
  m_colTwips.assign(2, -1);
  m_fixedRowPixels.assign(1, 0);

  m_view = new GridView(this, this, false);
  m_view->setObjectName(QStringLiteral("gridView"));
  m_view->setModel(m_model);
  m_view->setItemDelegate(new GridDelegate(m_model, m_view));
  m_frozen = new GridView(this, m_view, true);
  m_frozen->setObjectName(QStringLiteral("gridFixedRows"));
  m_frozen->setModel(m_model);
  m_frozen->setItemDelegate(new GridDelegate(m_model, m_frozen));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_view);
  setFocusProxy(m_view);

  connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, m_frozen->horizontalScrollBar(),
          &QScrollBar::setValue);
  m_view->viewport()->installEventFilter(this);

  auto* target = new DropTarget(this);
  connect(target, &DropTarget::DragOver, this, &Grid::DragOver);
  connect(target, &DropTarget::DragDrop, this, &Grid::DragDrop);

  m_view->setRowHidden(0, true);
  layoutFrozen();
  updateSelection();
}

Grid::~Grid() = default;

bool Grid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_view->viewport() && event->type() == QEvent::Resize) layoutFrozen();
  return QWidget::eventFilter(watched, event);
}

bool Grid::inside(int row, int col) const { return row >= 0 && row < Rows() && col >= 0 && col < Cols(); }

int Grid::Rows() const { return m_model->rowCount(); }
int Grid::Cols() const { return m_model->cols; }
int Grid::FixedRows() const { return m_fixedRows; }
int Grid::FixedCols() const { return m_fixedCols; }

void Grid::SetRows(int rows) {
  rows = std::max(rows, m_fixedRows);
  if (rows == Rows()) return;
  m_model->SetRowCount(rows);
  m_row = std::min(m_row, rows - 1);
  m_rowSel = std::min(m_rowSel, rows - 1);
  updateSelection();
}

void Grid::SetCols(int cols) {
  cols = std::max(cols, m_fixedCols);
  const int before = Cols();
  if (cols == before) return;
  m_model->SetColCount(cols);
  m_colTwips.resize(static_cast<size_t>(cols), -1);
  m_col = std::max(0, std::min(m_col, cols - 1));
  m_colSel = std::max(0, std::min(m_colSel, cols - 1));
  updateSelection();
  fitFixedRows();
}

void Grid::SetFixedRows(int rows) {
  rows = std::max(rows, 0);
  if (rows > Rows()) m_model->SetRowCount(rows);
  const int before = m_fixedRows;
  // A row keeps the height set for it when it turns from a fixed row into a data row or back.
  const int oneLine = m_frozen->verticalHeader()->defaultSectionSize();
  for (int r = rows; r < before && r < Rows(); ++r) {
    const int set = m_fixedRowPixels[static_cast<size_t>(r)];
    m_frozen->setRowHeight(r, set > 0 ? set : oneLine);
  }
  for (int r = before; r < rows; ++r) {
    m_fixedRowPixels.push_back(m_frozen->rowHeight(r) != oneLine ? m_frozen->rowHeight(r) : 0);
  }
  m_fixedRowPixels.resize(static_cast<size_t>(rows));
  m_fixedRows = rows;
  m_model->fixedRows = rows;
  for (int r = 0; r < std::max(before, rows) && r < Rows(); ++r) m_view->setRowHidden(r, r < rows);
  if (m_row < rows && rows < Rows()) m_row = m_rowSel = rows;
  fitFixedRows();
  layoutFrozen();
  updateSelection();
  m_model->ChangedAll();
}

void Grid::SetFixedCols(int cols) {
  cols = std::max(cols, 0);
  if (cols > Cols()) SetCols(cols);
  m_fixedCols = cols;
  m_model->fixedCols = cols;
  if (m_col < cols && cols < Cols()) m_col = m_colSel = cols;
  updateSelection();
  m_model->ChangedAll();
}

QString Grid::TextMatrix(int row, int col) const { return inside(row, col) ? m_model->At(row, col).text : QString(); }

void Grid::SetTextMatrix(int row, int col, const QString& text) {
  if (!inside(row, col)) return;
  m_model->At(row, col).text = text;
  m_model->Changed(row, col);
  if (row < m_fixedRows) fitFixedRows();
}

QString Grid::Text() const { return TextMatrix(m_row, m_col); }
void Grid::SetText(const QString& text) { SetTextMatrix(m_row, m_col, text); }

QColor Grid::CellBackColor(int row, int col) const { return inside(row, col) ? m_model->BackOf(row, col) : QColor(); }

void Grid::SetCellBackColor(int row, int col, const QColor& color) {
  if (!inside(row, col)) return;
  m_model->At(row, col).back = color;
  m_model->Changed(row, col);
}

bool Grid::CellFontBold(int row, int col) const { return inside(row, col) && m_model->At(row, col).bold; }

void Grid::SetCellFontBold(int row, int col, bool bold) {
  if (!inside(row, col)) return;
  m_model->At(row, col).bold = bold;
  m_model->Changed(row, col);
  if (row < m_fixedRows) fitFixedRows();
}

int Grid::CellAlignment(int row, int col) const {
  return inside(row, col) ? m_model->AlignOf(row, col) : kAlignGeneral;
}

void Grid::SetCellAlignment(int row, int col, int alignment) {
  if (!inside(row, col) || alignment < 0 || alignment > kAlignGeneral) return;
  m_model->At(row, col).align = static_cast<signed char>(alignment);
  m_model->Changed(row, col);
}

int Grid::ColAlignment(int col) const {
  return col >= 0 && col < Cols() ? m_model->colAlign[static_cast<size_t>(col)] : kAlignGeneral;
}

void Grid::SetColAlignment(int col, int alignment) {
  if (col < 0 || col >= Cols() || alignment < 0 || alignment > kAlignGeneral) return;
  m_model->colAlign[static_cast<size_t>(col)] = alignment;
  m_model->ChangedAll();
}

bool Grid::AddItem(const QString& tabText, int index) {
  if (index < 0) index = Rows();
  if (index < m_fixedRows || index > Rows()) return false;
  std::vector<GridCell> row(static_cast<size_t>(Cols()));
  const QStringList parts = tabText.split(QLatin1Char('\t'));
  for (int c = 0; c < Cols() && c < parts.size(); ++c) row[static_cast<size_t>(c)].text = parts[c];
  m_model->InsertRow(index, std::move(row));
  updateSelection();
  return true;
}

bool Grid::RemoveItem(int index) {
  if (index < m_fixedRows || index >= Rows() || Rows() - m_fixedRows <= 1) return false;
  m_model->RemoveRow(index);
  m_row = std::min(m_row, Rows() - 1);
  m_rowSel = std::min(m_rowSel, Rows() - 1);
  updateSelection();
  return true;
}

void Grid::Clear() {
  for (auto& row : m_model->cells) {
    for (auto& cell : row) cell.text.clear();
  }
  m_model->ChangedAll();
  fitFixedRows();
}

void Grid::Sort(int col, int firstRow, int lastRow, GridSort order) {
  if (firstRow > lastRow) std::swap(firstRow, lastRow);
  firstRow = std::max(firstRow, m_fixedRows);
  lastRow = std::min(lastRow, Rows() - 1);
  if (col < 0 || col >= Cols() || firstRow >= lastRow) return;
  auto& cells = m_model->cells;
  const auto key = [col](const std::vector<GridCell>& row) { return row[static_cast<size_t>(col)].text; };
  const auto greater = [&](const std::vector<GridCell>& a, const std::vector<GridCell>& b) {
    const QString ta = key(a);
    const QString tb = key(b);
    const auto na = GridNumber(ta);
    const auto nb = GridNumber(tb);
    if (order == GridSort::NumericDescending) return na.value_or(0.0) > nb.value_or(0.0);
    if (na && nb) return *na > *nb;
    return QString::compare(ta, tb, Qt::CaseInsensitive) > 0;
  };
  std::stable_sort(cells.begin() + firstRow, cells.begin() + lastRow + 1, greater);
  m_model->ChangedRows(firstRow, lastRow);
}

int Grid::ColWidth(int col) const {
  if (col < 0 || col >= Cols()) return -1;
  if (m_view->isColumnHidden(col)) return 0;
  const int pixels = m_view->columnWidth(col);
  const int twips = m_colTwips[static_cast<size_t>(col)];
  return twips > 0 && sys::TwipsToPixels(twips) == pixels ? twips : sys::PixelsToTwips(pixels);
}

void Grid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= Cols()) return;
  m_colTwips[static_cast<size_t>(col)] = twips;
  const bool hidden = twips == 0;
  const int pixels = twips < 0 ? kGridDefaultColPixels : std::max(1, sys::TwipsToPixels(twips));
  for (GridView* view : {m_view, m_frozen}) {
    view->setColumnHidden(col, hidden);
    if (!hidden) view->setColumnWidth(col, pixels);
  }
  fitFixedRows();
}

int Grid::RowHeight(int row) const {
  // The overlay hides no rows, so its heights are the rows' own.
  return row >= 0 && row < Rows() ? sys::PixelsToTwips(m_frozen->rowHeight(row)) : -1;
}

void Grid::SetRowHeight(int row, int twips) {
  if (row < 0 || row >= Rows() || twips < 0) return;
  const int pixels = std::max(1, sys::TwipsToPixels(twips));
  if (row < m_fixedRows) {
    m_fixedRowPixels[static_cast<size_t>(row)] = pixels;
    fitFixedRows();
    return;
  }
  m_frozen->setRowHeight(row, pixels);
  m_view->setRowHeight(row, pixels);
}

// Taken from the control's own size, so it is right before the view has been laid out (a
// window sets its column widths while it loads, before it is shown): the width inside the
// frame, less the vertical scroll bar when the rows are higher than the control.
int Grid::ClientWidth() const {
  const int frame = m_view->frameWidth();
  int inner = width() - 2 * frame;
  int rowsHeight = 0;
  for (int r = 0; r < Rows(); ++r) rowsHeight += r < m_fixedRows ? m_frozen->rowHeight(r) : m_view->rowHeight(r);
  if (rowsHeight > height() - 2 * frame)
    inner -= m_view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_view);
  return sys::PixelsToTwips(std::max(inner, 0));
}

void Grid::SetRedraw(bool redraw) {
  if (m_model->redraw == redraw) return;
  m_model->redraw = redraw;
  m_view->setUpdatesEnabled(redraw);
  m_frozen->setUpdatesEnabled(redraw);
  if (redraw) m_model->ChangedAll();
}

int Grid::Row() const { return m_row; }
int Grid::Col() const { return m_col; }
int Grid::RowSel() const { return m_rowSel; }
int Grid::ColSel() const { return m_colSel; }

void Grid::SetRow(int row) {
  if (row >= 0 && row < Rows()) setCurrent(row, m_col, true);
}

void Grid::SetCol(int col) {
  if (col >= 0 && col < Cols()) setCurrent(m_row, col, true);
}

void Grid::SetRowSel(int row) {
  if (row < 0 || row >= Rows()) return;
  m_rowSel = row;
  updateSelection();
}

void Grid::SetColSel(int col) {
  if (col < 0 || col >= Cols()) return;
  m_colSel = col;
  updateSelection();
}

void Grid::ShowRow(int row) {
  if (row < m_fixedRows || row >= Rows()) return;
  const int col = std::clamp(m_col, 0, std::max(Cols() - 1, 0));
  if (Cols() > 0) m_view->scrollTo(m_model->index(row, col));
}

void Grid::setCurrent(int row, int col, bool moveSelEnd) {
  const bool changed = row != m_row || col != m_col;
  m_row = row;
  m_col = col;
  if (moveSelEnd) {
    m_rowSel = row;
    m_colSel = col;
  }
  updateSelection();
  if (changed) {
    Q_EMIT RowColChange();
    Q_EMIT EnterCell();
  }
}

void Grid::updateSelection() {
  if (m_row < 0 || m_rowSel < 0 || Rows() == 0) {
    m_model->SetSelection(-1, -1, -1, -1);
    return;
  }
  m_model->SetSelection(std::min(m_row, m_rowSel), std::max(m_row, m_rowSel), m_row, m_col);
}

// Maps a position of the grid to the cell shown there, in the overlay or the data view.
bool Grid::cellAt(QPoint pos, int* row, int* col) const {
  *row = -1;
  *col = -1;
  if (m_frozen->isVisible()) {
    const QPoint p = m_frozen->viewport()->mapFrom(this, pos);
    if (m_frozen->viewport()->rect().contains(p)) {
      *row = m_frozen->rowAt(p.y());
      *col = m_frozen->columnAt(p.x());
      if (*row >= m_fixedRows) *row = -1;
      return *row >= 0 && *col >= 0;
    }
  }
  const QPoint p = m_view->viewport()->mapFrom(this, pos);
  if (!m_view->viewport()->rect().contains(p)) return false;
  *row = m_view->rowAt(p.y());
  *col = m_view->columnAt(p.x());
  return *row >= 0 && *col >= 0;
}

int Grid::RowAt(int y) const {
  const int x = m_view->viewport()->mapTo(this, QPoint(0, 0)).x();
  int row = -1;
  int col = -1;
  cellAt(QPoint(x, y), &row, &col);
  return row;
}

int Grid::ColAt(int x) const {
  const int y = m_view->viewport()->mapTo(this, QPoint(0, 0)).y();
  int row = -1;
  int col = -1;
  cellAt(QPoint(x, y), &row, &col);
  return col;
}

void Grid::viewMouse(QMouseEvent* event, QWidget* from, bool press) {
  event->accept();
  const QPoint pos = from->mapTo(this, event->position().toPoint());
  cellAt(pos, &m_mouseRow, &m_mouseCol);
  const int button = ButtonMask(event->button());
  const int shift = ShiftMask(event->modifiers());
  if (press) {
    m_view->setFocus(Qt::MouseFocusReason);
    m_afterDouble = false;
    if (button == 1 && m_mouseRow >= m_fixedRows && m_mouseCol >= m_fixedCols) {
      if (shift & 1) {
        m_rowSel = m_mouseRow;
        m_colSel = m_mouseCol;
        updateSelection();
      } else {
        setCurrent(m_mouseRow, m_mouseCol, true);
      }
    }
    Q_EMIT MouseDown(button, shift, pos.x(), pos.y());
    return;
  }
  Q_EMIT MouseUp(button, shift, pos.x(), pos.y());
  // The release that ends a double click raises no second Click.
  if (button == 1 && !m_afterDouble && rect().contains(pos)) Q_EMIT Click();
  m_afterDouble = false;
}

void Grid::viewDoubleClick(QMouseEvent* event, QWidget* from) {
  event->accept();
  const QPoint pos = from->mapTo(this, event->position().toPoint());
  cellAt(pos, &m_mouseRow, &m_mouseCol);
  if (event->button() != Qt::LeftButton) return;
  m_afterDouble = true;
  Q_EMIT DblClick();
}

void Grid::viewKey(QKeyEvent* event) {
  event->accept();
  Q_EMIT KeyDown(event->key(), ShiftMask(event->modifiers()));
  int row = m_row;
  int col = m_col;
  switch (event->key()) {
    case Qt::Key_Up:
      row = std::max(m_fixedRows, row - 1);
      break;
    case Qt::Key_Down:
      row = std::min(Rows() - 1, row + 1);
      break;
    case Qt::Key_Left:
      col = std::max(m_fixedCols, col - 1);
      break;
    case Qt::Key_Right:
      col = std::min(Cols() - 1, col + 1);
      break;
    case Qt::Key_Home:
      col = m_fixedCols;
      break;
    case Qt::Key_End:
      col = Cols() - 1;
      break;
    default:
      break;
  }
  if ((row != m_row || col != m_col) && inside(row, col)) {
    setCurrent(row, col, true);
    ShowRow(row);
    return;
  }
  int code = 0;
  if (event->key() == Qt::Key_Backspace) {
    code = 8;
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    code = 13;
  } else if (event->key() == Qt::Key_Escape) {
    code = 27;
  } else if (!event->text().isEmpty() && event->text().at(0).unicode() >= 32) {
    code = event->text().at(0).unicode();
  }
  if (code != 0) Q_EMIT KeyPress(code);
}

// Each fixed row as high as set (one line of the font unless set), or, where one of its texts
// breaks onto further lines at its column's width, as high as one line and those lines.
void Grid::fitFixedRows() {
  constexpr int kOneLine = 1 << 20;  // a width no text reaches: the text on one line
  const int oneLine = m_frozen->verticalHeader()->defaultSectionSize();
  bool changed = false;
  for (int r = 0; r < m_fixedRows && r < Rows(); ++r) {
    const int set = m_fixedRowPixels[static_cast<size_t>(r)];
    int further = 0;
    for (int c = 0; c < Cols(); ++c) {
      if (m_frozen->isColumnHidden(c) || m_model->At(r, c).text.isEmpty()) continue;
      const QModelIndex cell = m_model->index(r, c);
      further = std::max(further,
                         m_frozen->TextHeight(cell, m_frozen->columnWidth(c)) - m_frozen->TextHeight(cell, kOneLine));
    }
    int height = set > 0 ? set : oneLine;
    if (further > 0) height = std::max(height, oneLine + further);
    if (m_frozen->rowHeight(r) != height) {
      m_frozen->setRowHeight(r, height);
      changed = true;
    }
  }
  if (changed) layoutFrozen();
}

void Grid::layoutFrozen() {
  int height = 0;
  for (int r = 0; r < m_fixedRows && r < Rows(); ++r) height += m_frozen->rowHeight(r);
  m_view->SetTopMargin(height);
  const QRect viewport = m_view->viewport()->geometry();
  m_frozen->setGeometry(viewport.x(), viewport.y() - height, viewport.width(), height);
  m_frozen->setVisible(height > 0);
  m_frozen->raise();
  m_frozen->horizontalScrollBar()->setValue(m_view->horizontalScrollBar()->value());
}

}  // namespace tolvar::ui
