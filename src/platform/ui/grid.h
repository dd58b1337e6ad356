#pragma once
// Read-only cell grid with the semantics the windows rely on:
// - fixed rows are part of the matrix: row 0 is the header row and counts in Rows();
// - every index outside the matrix is harmless: reads give "" (or a default), writes are ignored;
// - widths and heights are in twips (15 per pixel); positions (x, y) are pixels in the control's
//   own coordinates, for the mouse events, DragOver/DragDrop and RowAt/ColAt alike;
// - mouse buttons are a mask: 1 left, 2 right, 4 middle; shift is a mask: 1 Shift, 2 Ctrl, 4 Alt;
// - the fixed rows stay in view when the data rows scroll; a text of a fixed row that does not
//   fit its column's width breaks onto further lines, and the row grows to hold them;
// - a new grid has 2 rows and 2 columns, 1 fixed row and no fixed column.
// Every cell has a background colour: white for data cells, the button face for fixed cells,
// until one is set. Commands search for marking colours, so CellBackColor reads back what was set.

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

#include "platform/ui/keyedtree_drag.h"

class QKeyEvent;
class QMouseEvent;

namespace tolvar::ui {

class GridModel;
class GridView;

// Cell alignment codes as the windows use them.
enum GridAlignment {
  kAlignLeftTop = 0,
  kAlignLeftCenter = 1,
  kAlignLeftBottom = 2,
  kAlignCenterTop = 3,
  kAlignCenterCenter = 4,
  kAlignCenterBottom = 5,
  kAlignRightTop = 6,
  kAlignRightCenter = 7,
  kAlignRightBottom = 8,
  kAlignGeneral = 9,  // text left, numbers right, vertically centred
};

enum class GridSort {
  GenericDescending,  // numerically when both texts are German numbers, else by text
  NumericDescending,  // by the German number value; text that is no number counts as 0
};

class Grid : public QWidget {
  Q_OBJECT

 public:
  explicit Grid(QWidget* parent = nullptr);
  ~Grid() override;

  // --- Size ----------------------------------------------------------------------------------
  int Rows() const;
  // Never below FixedRows. Shrinking drops the last rows; growing adds empty rows; other texts stay.
  void SetRows(int rows);
  int Cols() const;
  // Never below FixedCols.
  void SetCols(int cols);
  int FixedRows() const;
  void SetFixedRows(int rows);  // default 1; grows Rows when needed
  int FixedCols() const;
  void SetFixedCols(int cols);  // default 0

  // --- Cells ---------------------------------------------------------------------------------
  QString TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);
  // Text of the current cell (Row, Col).
  QString Text() const;
  void SetText(const QString& text);

  QColor CellBackColor(int row, int col) const;
  void SetCellBackColor(int row, int col, const QColor& color);
  bool CellFontBold(int row, int col) const;
  void SetCellFontBold(int row, int col, bool bold);
  // A cell's own alignment; ColAlignment when none was set.
  int CellAlignment(int row, int col) const;
  void SetCellAlignment(int row, int col, int alignment);
  int ColAlignment(int col) const;  // default kAlignGeneral
  void SetColAlignment(int col, int alignment);

  // Appends a row (index < 0) or inserts it before `index` (FixedRows..Rows); the text is split
  // at tabs into the cells from column 0. Returns false for an index outside that range.
  bool AddItem(const QString& tabText, int index = -1);
  // Removes row `index`. Fixed rows and the last data row cannot be removed (false).
  bool RemoveItem(int index);
  // Empties every text, the fixed cells included; size, colours and fonts stay.
  void Clear();
  // Sorts data rows firstRow..lastRow by column `col`, stably; rows move with colours and fonts.
  void Sort(int col, int firstRow, int lastRow, GridSort order);

  // --- Layout in twips ------------------------------------------------------------------------
  int ColWidth(int col) const;  // 0 for a hidden column, -1 outside
  // 0 hides the column.
  void SetColWidth(int col, int twips);
  // A fixed row is as high as set, or higher where one of its texts needs more lines.
  int RowHeight(int row) const;
  void SetRowHeight(int row, int twips);
  // Inner width of the control, for columns laid out as fractions of the grid width.
  int ClientWidth() const;
  // False stops repainting during bulk changes; true repaints.
  void SetRedraw(bool redraw);

  // --- Current cell and selection -------------------------------------------------------------
  int Row() const;
  // Moves the current cell (and the selection end with it); raises RowColChange and EnterCell
  // when the cell changes. Rows or columns outside the matrix are ignored.
  void SetRow(int row);
  int Col() const;
  void SetCol(int col);
  // Other end of the selected range. The current cell shows a focus frame; a range of several
  // rows (Row..RowSel, whole rows) is filled with the selection colour, except cells that carry
  // a colour of their own, so marked rows and failed cells stay visible.
  int RowSel() const;
  void SetRowSel(int row);
  int ColSel() const;
  void SetColSel(int col);
  // Scrolls so that the row is visible.
  void ShowRow(int row);

  // Cell under the last mouse event; -1 outside the cells.
  int MouseRow() const { return m_mouseRow; }
  int MouseCol() const { return m_mouseCol; }
  // Row / column at a position; -1 outside the cells.
  int RowAt(int y) const;
  int ColAt(int x) const;

 Q_SIGNALS:
  // A left button release over the control (after MouseUp).
  void Click();
  void DblClick();
  // The current cell changed: first RowColChange, then EnterCell.
  void RowColChange();
  void EnterCell();
  void MouseDown(int button, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);
  // `key` is the Qt key code; KeyPress carries the character code (8 Backspace, 13 Enter, 44 ',').
  void KeyDown(int key, int shift);
  void KeyPress(int keyAscii);
  // While a control is dragged over the grid, and when it is dropped here.
  void DragOver(const tolvar::ui::DragSource& source, int x, int y, tolvar::ui::DragState state);
  void DragDrop(const tolvar::ui::DragSource& source, int x, int y);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class GridView;

  bool inside(int row, int col) const;
  void setCurrent(int row, int col, bool moveSelEnd);
  void updateSelection();
  void viewMouse(QMouseEvent* event, QWidget* from, bool press);
  void viewDoubleClick(QMouseEvent* event, QWidget* from);
  void viewKey(QKeyEvent* event);
  bool cellAt(QPoint pos, int* row, int* col) const;
  void layoutFrozen();
  void fitFixedRows();

  GridModel* m_model = nullptr;
  GridView* m_view = nullptr;
  GridView* m_frozen = nullptr;  // shows the fixed rows over the top of the data view
  int m_fixedRows = 1;
  int m_fixedCols = 0;
  int m_row = 1;
  int m_col = 0;
  int m_rowSel = 1;
  int m_colSel = 0;
  int m_mouseRow = -1;
  int m_mouseCol = -1;
  bool m_afterDouble = false;
  std::vector<int> m_colTwips;        // last width set per column, read back while it still applies
  std::vector<int> m_fixedRowPixels;  // height set per fixed row; 0: one line of the font
};

}  // namespace tolvar::ui
