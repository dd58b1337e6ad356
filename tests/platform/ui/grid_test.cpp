// Cell matrix, current cell, mouse, keys and drop of the grid, on shown (offscreen) windows.
#include "platform/ui/grid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>
#include <QTreeWidget>
#include <vector>

#include "platform/sys/screen.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_input.h"

namespace tolvar::ui {
namespace {

QTableView* DataView(Grid& grid) { return grid.findChild<QTableView*>(QStringLiteral("gridView")); }
QTableView* HeaderView(Grid& grid) { return grid.findChild<QTableView*>(QStringLiteral("gridFixedRows")); }

// Centre of a cell in grid coordinates, taken from the view that shows it.
QPoint CellCenter(Grid& grid, int row, int col) {
  QTableView* view = row < grid.FixedRows() ? HeaderView(grid) : DataView(grid);
  const QRect rect = view->visualRect(view->model()->index(row, col));
  return view->viewport()->mapTo(&grid, rect.center());
}

void Mouse(Grid& grid, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = grid.childAt(at);
  ASSERT_NE(target, nullptr);
  const QPoint local = target->mapFrom(&grid, at);
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held, modifiers);
  QApplication::sendEvent(target, &event);
}

void Key(Grid& grid, int key, const QString& text = QString()) {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(DataView(grid), &event);
}

// --- Matrix ----------------------------------------------------------------------------------

TEST(GridMatrix, HeaderIsRowZeroAndOutOfRangeIsHarmless) {
  Grid grid;
  grid.SetCols(3);
  grid.SetRows(3);
  grid.SetTextMatrix(0, 0, QStringLiteral("Phase"));
  grid.SetTextMatrix(0, 2, QStringLiteral("Fläche"));
  grid.SetTextMatrix(2, 1, QStringLiteral("12,5"));
  for (auto [row, col] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {99, 99}}) {
    grid.SetTextMatrix(row, col, QStringLiteral("x"));  // ignored
    EXPECT_EQ(grid.TextMatrix(row, col), QString()) << row << "," << col;
    grid.SetCellBackColor(row, col, Qt::red);
    grid.SetCellFontBold(row, col, true);
    EXPECT_FALSE(grid.CellFontBold(row, col));
  }
  struct Case {
    int row, col;
    QString text;
  } const cases[] = {{0, 0, QStringLiteral("Phase")},
                     {0, 1, QString()},
                     {0, 2, QStringLiteral("Fläche")},
                     {1, 0, QString()},
                     {2, 1, QStringLiteral("12,5")}};
  for (const Case& c : cases) EXPECT_EQ(grid.TextMatrix(c.row, c.col), c.text) << c.row << "," << c.col;
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Cols(), 3);

  grid.Clear();  // the header too
  EXPECT_EQ(grid.TextMatrix(0, 0), QString());
  EXPECT_EQ(grid.TextMatrix(2, 1), QString());
  EXPECT_EQ(grid.Rows(), 3);
}

TEST(GridMatrix, ResizingKeepsTextsOfRemainingCells) {
  Grid grid;
  grid.SetCols(2);
  grid.SetRows(4);
  for (int r = 0; r < 4; ++r) grid.SetTextMatrix(r, 1, QString::number(r));
  grid.SetRows(2);
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("1"));
  EXPECT_EQ(grid.TextMatrix(2, 1), QString());
  grid.SetRows(5);
  EXPECT_EQ(grid.TextMatrix(0, 1), QStringLiteral("0"));
  EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("1"));
  EXPECT_EQ(grid.TextMatrix(3, 1), QString());  // the old text is gone with the row
  grid.SetCols(1);
  grid.SetCols(3);
  EXPECT_EQ(grid.TextMatrix(1, 1), QString());
  EXPECT_EQ(grid.TextMatrix(1, 2), QString());
  grid.SetRows(0);  // never below the fixed rows
  EXPECT_EQ(grid.Rows(), 1);
}

TEST(GridMatrix, AddItemAndRemoveItem) {
  Grid grid;
  grid.SetCols(3);
  grid.SetRows(1);
  grid.SetTextMatrix(0, 0, QStringLiteral("Kopf"));
  EXPECT_TRUE(grid.AddItem(QStringLiteral("a\tb\tc\tzu viel")));
  EXPECT_TRUE(grid.AddItem(QStringLiteral("d")));
  EXPECT_TRUE(grid.AddItem(QStringLiteral("x\ty"), 1));   // before row 1
  EXPECT_FALSE(grid.AddItem(QStringLiteral("kopf"), 0));  // not into the fixed rows
  EXPECT_FALSE(grid.AddItem(QStringLiteral("weit"), 9));
  ASSERT_EQ(grid.Rows(), 4);
  const char* expected[4][3] = {{"Kopf", "", ""}, {"x", "y", ""}, {"a", "b", "c"}, {"d", "", ""}};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 3; ++c) EXPECT_EQ(grid.TextMatrix(r, c), QLatin1String(expected[r][c])) << r << "," << c;
  }

  grid.SetCellBackColor(2, 0, QColor(255, 255, 128));
  EXPECT_FALSE(grid.RemoveItem(0));  // fixed
  EXPECT_FALSE(grid.RemoveItem(4));
  EXPECT_TRUE(grid.RemoveItem(1));
  EXPECT_EQ(grid.TextMatrix(1, 0), QStringLiteral("a"));
  EXPECT_EQ(grid.CellBackColor(1, 0), QColor(255, 255, 128));  // colours move with the row
  EXPECT_TRUE(grid.RemoveItem(2));
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_FALSE(grid.RemoveItem(1));  // the last data row stays
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.TextMatrix(0, 0), QStringLiteral("Kopf"));
}

TEST(GridMatrix, BackColorsDefaultByKindAndReadBack) {
  Grid grid;
  grid.SetCols(2);
  grid.SetRows(3);
  grid.SetFixedCols(1);
  EXPECT_EQ(grid.CellBackColor(1, 1), QColor(Qt::white));
  EXPECT_NE(grid.CellBackColor(0, 1), QColor(Qt::white));
  EXPECT_NE(grid.CellBackColor(1, 0), QColor(Qt::white));
  grid.SetCellBackColor(2, 1, QColor(255, 0, 0));
  EXPECT_EQ(grid.CellBackColor(2, 1), QColor(255, 0, 0));
  grid.SetCellFontBold(2, 1, true);
  EXPECT_TRUE(grid.CellFontBold(2, 1));
  EXPECT_FALSE(grid.CellFontBold(1, 1));
  grid.SetColAlignment(1, kAlignCenterCenter);
  EXPECT_EQ(grid.CellAlignment(2, 1), kAlignCenterCenter);
  grid.SetCellAlignment(2, 1, kAlignLeftCenter);
  EXPECT_EQ(grid.CellAlignment(2, 1), kAlignLeftCenter);
  EXPECT_EQ(grid.CellAlignment(1, 1), kAlignCenterCenter);
}

TEST(GridMatrix, SortDescendingMovesWholeRowsStably) {
  struct Case {
    GridSort order;
    std::vector<QString> in;
    std::vector<QString> out;
  } const cases[] = {
      {GridSort::NumericDescending,
       {QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("1,5"), QStringLiteral("x"), QStringLiteral("10")},
       {QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("1,5"), QStringLiteral("x")}},
      {GridSort::GenericDescending,
       {QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("1,5")},
       {QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("1,5")}},
      {GridSort::GenericDescending,
       {QStringLiteral("Birke"), QStringLiteral("apfel"), QStringLiteral("Zeder")},
       {QStringLiteral("Zeder"), QStringLiteral("Birke"), QStringLiteral("apfel")}},
  };
  for (const Case& c : cases) {
    Grid grid;
    grid.SetCols(2);
    grid.SetRows(1);
    for (size_t i = 0; i < c.in.size(); ++i) grid.AddItem(QString::number(i) + QStringLiteral("\t") + c.in[i]);
    grid.Sort(1, 1, grid.Rows() - 1, c.order);
    for (size_t i = 0; i < c.out.size(); ++i) EXPECT_EQ(grid.TextMatrix(int(i) + 1, 1), c.out[i]) << i;
    if (c.order == GridSort::NumericDescending) {
      EXPECT_EQ(grid.TextMatrix(1, 0), QStringLiteral("1"));  // equal values keep their order
      EXPECT_EQ(grid.TextMatrix(2, 0), QStringLiteral("4"));
    }
  }
}

TEST(GridMatrix, ColWidthInTwipsAndHiddenColumns) {
  Grid grid;
  grid.SetCols(3);
  grid.SetColWidth(0, 1000);
  EXPECT_EQ(grid.ColWidth(0), 1000);  // what was set reads back
  grid.SetColWidth(1, 0);
  EXPECT_EQ(grid.ColWidth(1), 0);
  grid.SetColWidth(1, 1500);
  EXPECT_EQ(grid.ColWidth(1), 1500);
  EXPECT_EQ(grid.ColWidth(3), -1);
  grid.SetRowHeight(1, 300);
  EXPECT_EQ(grid.RowHeight(1), 300);
  grid.SetRowHeight(0, 450);
  EXPECT_EQ(grid.RowHeight(0), 450);
}

// A head wider than its column breaks onto a second line: the head row grows by one line of
// the font and the data rows stay below it; a head that fits again gives the row back its one
// line, and a row height set higher stays.
TEST(GridMatrix, AHeadTooWideForItsColumnBreaksOntoASecondLine) {
  QWidget window;
  auto* grid = new Grid(&window);
  grid->setGeometry(10, 10, 500, 250);
  grid->SetCols(3);
  grid->SetRows(10);
  const int oneLine = grid->RowHeight(0);
  const int line = sys::PixelsToTwips(QFontMetrics(grid->font()).lineSpacing());
  grid->SetColWidth(0, 1500);
  grid->SetColWidth(1, 1500);
  grid->SetTextMatrix(0, 0, QStringLiteral("Standort"));
  grid->SetCellFontBold(0, 0, true);
  EXPECT_EQ(grid->RowHeight(0), oneLine);
  grid->SetTextMatrix(0, 1, QStringLiteral("GWH-Fläche in Bm²"));
  // One line more, give or take the pixel by which the laid-out lines round up.
  EXPECT_GE(grid->RowHeight(0), oneLine + line);
  EXPECT_LE(grid->RowHeight(0), oneLine + line + sys::PixelsToTwips(1));
  EXPECT_EQ(grid->RowHeight(1), oneLine);
  window.resize(520, 270);
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(DataView(*grid)->rowAt(0), 1);
  ASSERT_TRUE(test::ClickCell(grid, 1, 1));
  EXPECT_EQ(grid->Row(), 1);

  grid->SetColWidth(1, 3000);
  EXPECT_EQ(grid->RowHeight(0), oneLine);
  grid->SetColWidth(1, 1500);
  grid->SetTextMatrix(0, 1, QStringLiteral("Fläche"));
  EXPECT_EQ(grid->RowHeight(0), oneLine);
  grid->SetTextMatrix(0, 1, QStringLiteral("GWH-Fläche in Bm²"));
  grid->SetRowHeight(0, 600);
  EXPECT_EQ(grid->RowHeight(0), 600);
  grid->SetColWidth(1, 0);  // a hidden column's head takes no room
  grid->SetRowHeight(0, 0);
  EXPECT_EQ(grid->RowHeight(0), 15);
}

TEST(GridMatrix, CurrentCellFromCodeRaisesEvents) {
  Grid grid;
  grid.SetCols(3);
  grid.SetRows(5);
  int changes = 0;
  int enters = 0;
  QObject::connect(&grid, &Grid::RowColChange, [&] { ++changes; });
  QObject::connect(&grid, &Grid::EnterCell, [&] { ++enters; });
  EXPECT_EQ(grid.Row(), 1);
  grid.SetRow(3);
  grid.SetCol(2);
  grid.SetRow(3);  // no change
  grid.SetRow(9);  // outside: ignored
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.RowSel(), 3);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(enters, 2);
  grid.SetText(QStringLiteral("neu"));
  EXPECT_EQ(grid.TextMatrix(3, 2), QStringLiteral("neu"));
  grid.SetRows(2);
  EXPECT_EQ(grid.Row(), 1);
}

TEST(GridMatrix, ThousandFilledRowsKeepEveryCell) {
  QWidget window;
  auto* grid = new Grid(&window);
  window.resize(600, 400);
  window.show();
  QApplication::processEvents();
  grid->SetCols(10);
  grid->SetRows(1001);
  for (int r = 1; r <= 1000; ++r) {
    for (int c = 0; c < 10; ++c) grid->SetTextMatrix(r, c, QString::number(r * c));
  }
  QApplication::processEvents();
  EXPECT_EQ(grid->TextMatrix(1000, 9), QStringLiteral("9000"));
  EXPECT_EQ(grid->TextMatrix(1, 1), QStringLiteral("1"));
}

// --- On a shown window -----------------------------------------------------------------------

class GridShownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QHBoxLayout(&m_window);
    m_tree = new KeyedTree;
    m_tree->setObjectName("trvMaterial");
    m_tree->Add(QString(), QStringLiteral("Material"), QStringLiteral("Materialien"));
    m_tree->Add(QStringLiteral("Material"), QStringLiteral("M7"), QStringLiteral("Topf"));
    m_tree->SetExpanded(QStringLiteral("Material"), true);
    m_grid = new Grid;
    m_grid->setObjectName("dtgMaterial");
    layout->addWidget(m_tree);
    layout->addWidget(m_grid);
    m_grid->SetCols(3);
    m_grid->SetRows(40);
    m_grid->SetFixedCols(1);
    m_window.setGeometry(100, 100, 600, 300);
    m_window.show();
    QApplication::processEvents();
  }
  void TearDown() override { DragController::Cancel(); }

  QWidget m_window;
  KeyedTree* m_tree = nullptr;
  Grid* m_grid = nullptr;
};

TEST_F(GridShownTest, ClickMovesCurrentCellAndReportsMouseCell) {
  std::vector<QString> heard;
  QObject::connect(m_grid, &Grid::MouseDown, [&](int b, int s, int, int) {
    heard.push_back(QStringLiteral("down %1 %2 row %3").arg(b).arg(s).arg(m_grid->Row()));
  });
  QObject::connect(m_grid, &Grid::MouseUp,
                   [&](int b, int, int, int) { heard.push_back(QStringLiteral("up %1").arg(b)); });
  QObject::connect(m_grid, &Grid::Click, [&] { heard.push_back(QStringLiteral("click")); });
  QObject::connect(m_grid, &Grid::DblClick, [&] { heard.push_back(QStringLiteral("dbl")); });
  QObject::connect(m_grid, &Grid::RowColChange, [&] { heard.push_back(QStringLiteral("rowcol")); });

  const QPoint at = CellCenter(*m_grid, 3, 2);
  EXPECT_EQ(m_grid->RowAt(at.y()), 3);
  EXPECT_EQ(m_grid->ColAt(at.x()), 2);
  Mouse(*m_grid, QEvent::MouseButtonPress, at, Qt::LeftButton);
  Mouse(*m_grid, QEvent::MouseButtonRelease, at, Qt::LeftButton);
  EXPECT_EQ(m_grid->Row(), 3);
  EXPECT_EQ(m_grid->Col(), 2);
  EXPECT_EQ(m_grid->MouseRow(), 3);
  EXPECT_EQ(m_grid->MouseCol(), 2);
  EXPECT_EQ(heard, (std::vector<QString>{QStringLiteral("rowcol"), QStringLiteral("down 1 0 row 3"),
                                         QStringLiteral("up 1"), QStringLiteral("click")}));

  // The header and the fixed column report the mouse cell but keep the current cell.
  heard.clear();
  for (auto [row, col] : std::vector<std::pair<int, int>>{{0, 1}, {5, 0}}) {
    const QPoint p = CellCenter(*m_grid, row, col);
    EXPECT_EQ(m_grid->RowAt(p.y()), row);
    Mouse(*m_grid, QEvent::MouseButtonPress, p, Qt::LeftButton);
    Mouse(*m_grid, QEvent::MouseButtonRelease, p, Qt::LeftButton);
    EXPECT_EQ(m_grid->MouseRow(), row);
    EXPECT_EQ(m_grid->MouseCol(), col);
    EXPECT_EQ(m_grid->Row(), 3);
  }

  // Right button: mouse cell only; a double click raises one Click and one DblClick.
  heard.clear();
  const QPoint other = CellCenter(*m_grid, 4, 1);
  Mouse(*m_grid, QEvent::MouseButtonPress, other, Qt::RightButton, Qt::ShiftModifier);
  Mouse(*m_grid, QEvent::MouseButtonRelease, other, Qt::RightButton);
  EXPECT_EQ(m_grid->MouseRow(), 4);
  EXPECT_EQ(m_grid->Row(), 3);
  EXPECT_EQ(heard, (std::vector<QString>{QStringLiteral("down 2 1 row 3"), QStringLiteral("up 2")}));
  heard.clear();
  Mouse(*m_grid, QEvent::MouseButtonPress, other, Qt::LeftButton);
  Mouse(*m_grid, QEvent::MouseButtonRelease, other, Qt::LeftButton);
  Mouse(*m_grid, QEvent::MouseButtonDblClick, other, Qt::LeftButton);
  Mouse(*m_grid, QEvent::MouseButtonRelease, other, Qt::LeftButton);
  EXPECT_EQ(heard,
            (std::vector<QString>{QStringLiteral("rowcol"), QStringLiteral("down 1 0 row 4"), QStringLiteral("up 1"),
                                  QStringLiteral("click"), QStringLiteral("dbl"), QStringLiteral("up 1")}));
}

TEST_F(GridShownTest, HeaderStaysInViewWhenRowsScroll) {
  m_grid->SetRow(39);
  m_grid->ShowRow(39);
  QApplication::processEvents();
  const QPoint header = CellCenter(*m_grid, 0, 1);
  EXPECT_EQ(m_grid->RowAt(header.y()), 0);
  const QPoint last = CellCenter(*m_grid, 39, 1);
  EXPECT_TRUE(m_grid->rect().contains(last));
  EXPECT_EQ(m_grid->RowAt(last.y()), 39);
}

// A grid filled before its window is first shown (as the breakdown windows fill theirs when
// they load) shows its first data row below the header, where a click reaches it, and keeps
// its last row in reach.
TEST(GridFilledBeforeShown, FirstDataRowIsBelowTheHeaderAndTheLastInReach) {
  QWidget window;
  auto* grid = new Grid(&window);
  grid->setGeometry(10, 10, 500, 250);
  grid->SetRedraw(false);
  grid->SetRows(160);
  grid->SetCols(5);
  grid->SetFixedRows(1);
  grid->SetFixedCols(0);
  for (int c = 0; c < 5; ++c) grid->SetColWidth(c, 1500);
  grid->SetTextMatrix(1, 0, QStringLiteral("Bewurzelung"));
  grid->SetRedraw(true);
  window.resize(520, 270);
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(DataView(*grid)->rowAt(0), 1);
  ASSERT_TRUE(test::ClickCell(grid, 1, 0));
  EXPECT_EQ(grid->MouseRow(), 1);
  EXPECT_EQ(grid->Row(), 1);
  grid->ShowRow(159);
  QApplication::processEvents();
  const QPoint last = CellCenter(*grid, 159, 1);
  EXPECT_TRUE(DataView(*grid)->viewport()->geometry().contains(DataView(*grid)->mapFrom(grid, last)));
  EXPECT_EQ(grid->RowAt(last.y()), 159);
}

TEST_F(GridShownTest, KeysMoveAndReportCharacterCodes) {
  std::vector<int> presses;
  std::vector<int> downs;
  QObject::connect(m_grid, &Grid::KeyPress, [&](int code) { presses.push_back(code); });
  QObject::connect(m_grid, &Grid::KeyDown, [&](int key, int) { downs.push_back(key); });
  m_grid->SetRow(1);
  m_grid->SetCol(1);
  Key(*m_grid, Qt::Key_Down);
  Key(*m_grid, Qt::Key_Left);  // the fixed column is not entered
  EXPECT_EQ(m_grid->Row(), 2);
  EXPECT_EQ(m_grid->Col(), 1);
  Key(*m_grid, Qt::Key_Up);
  Key(*m_grid, Qt::Key_Up);  // nor the header
  EXPECT_EQ(m_grid->Row(), 1);
  Key(*m_grid, Qt::Key_5, QStringLiteral("5"));
  Key(*m_grid, Qt::Key_Comma, QStringLiteral(","));
  Key(*m_grid, Qt::Key_Backspace, QStringLiteral("\b"));
  Key(*m_grid, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(presses, (std::vector<int>{53, 44, 8, 13}));
  EXPECT_EQ(downs.size(), 8u);
}

TEST_F(GridShownTest, DropFromTreeDeliversSourceIdentity) {
  std::vector<QString> heard;
  DragSource dropped;
  QObject::connect(m_grid, &Grid::DragOver, [&](const DragSource& s, int, int, DragState st) {
    heard.push_back(s.name + QLatin1Char(' ') + QString::number(static_cast<int>(st)));
  });
  QObject::connect(m_grid, &Grid::DragDrop, [&](const DragSource& s, int x, int y) {
    dropped = s;
    heard.push_back(QStringLiteral("drop row %1").arg(m_grid->RowAt(y)) +
                    (m_grid->ColAt(x) == 2 ? QStringLiteral(" col 2") : QString()));
  });
  const QPoint cell = CellCenter(*m_grid, 2, 2);
  QWidget* under = m_grid->childAt(cell);
  ASSERT_NE(under, nullptr);
  m_tree->Select(QStringLiteral("M7"));
  m_tree->Drag();
  DragController::Over(under, under->mapFrom(m_grid, cell));
  DragController::Drop(under, under->mapFrom(m_grid, cell));
  EXPECT_EQ(heard, (std::vector<QString>{QStringLiteral("trvMaterial 0"), QStringLiteral("drop row 2 col 2")}));
  EXPECT_TRUE(dropped.Is(m_tree));
  EXPECT_EQ(m_tree->SelectedItem(), QStringLiteral("M7"));
}

// The colours a window gives its cells stay visible under the selection; the current cell shows
// only a frame, so the marked row is the one that looks selected.
TEST_F(GridShownTest, MarkedCellsKeepTheirColourUnderTheSelection) {
  const QColor yellow(255, 255, 128);
  for (int c = 1; c < 3; ++c) m_grid->SetCellBackColor(3, c, yellow);
  m_grid->SetCellBackColor(6, 2, Qt::red);
  const auto pixel = [&](int row, int col) {
    const QImage image = m_grid->grab().toImage();
    return QColor(image.pixel(CellCenter(*m_grid, row, col) + QPoint(8, 0)));
  };
  const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
    QWidget* viewport = DataView(*m_grid)->viewport();
    ASSERT_TRUE(
        test::Click(viewport, Qt::LeftButton, modifiers, viewport->mapFrom(m_grid, CellCenter(*m_grid, row, 1))));
  };

  click(5, Qt::NoModifier);  // one cell: a frame, no fill
  EXPECT_EQ(pixel(5, 1), QColor(Qt::white));
  EXPECT_EQ(pixel(5, 2), QColor(Qt::white));
  EXPECT_EQ(pixel(3, 1), yellow);
  const QImage image = m_grid->grab().toImage();
  const QRect current = DataView(*m_grid)->visualRect(DataView(*m_grid)->model()->index(5, 1));
  const QPoint frameLeft =
      DataView(*m_grid)->viewport()->mapTo(m_grid, QPoint(current.left() + 1, current.center().y()));
  bool framed = false;
  for (int dy = -2; dy <= 2; ++dy) framed |= QColor(image.pixel(frameLeft + QPoint(0, dy))).lightness() < 128;
  EXPECT_TRUE(framed);

  click(3, Qt::NoModifier);  // clicking the marked row keeps it yellow
  EXPECT_EQ(pixel(3, 2), yellow);

  click(7, Qt::ShiftModifier);  // rows 3 to 7: plain cells fill, coloured cells keep their colour
  const QColor highlight = m_grid->palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(pixel(5, 2), highlight);
  EXPECT_EQ(pixel(3, 2), yellow);
  EXPECT_EQ(pixel(6, 2), QColor(Qt::red));
  EXPECT_EQ(pixel(6, 1), highlight);
}

}  // namespace
}  // namespace tolvar::ui
