// Mouse, keys, hit test and dragging of the keyed tree on shown (offscreen) windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTreeWidget>
#include <vector>

#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"

namespace tolvar::ui {
namespace {

QWidget* ViewportOf(KeyedTree& tree) { return tree.findChild<QTreeWidget*>()->viewport(); }

// Sends a mouse event to the tree's view port as the window system would; `at` is in tree
// coordinates, `global` overrides the global position (the pointer left the tree).
void Mouse(KeyedTree& tree, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QPoint* global = nullptr) {
  QWidget* viewport = ViewportOf(tree);
  const QPoint local = viewport->mapFrom(&tree, at);
  const QPoint globalPos = global != nullptr ? *global : viewport->mapToGlobal(local);
  QMouseEvent event(type, QPointF(local), QPointF(globalPos), button, held, modifiers);
  QApplication::sendEvent(viewport, &event);
}

struct Heard {
  QString what;  // "down", "up", "node:<key>", "click", "dbl", "key"
  int button = 0;
  int shift = 0;
  QPoint at;
};

// A window with two trees side by side, each with a root and two nodes, shown offscreen.
class KeyedTreeMouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QHBoxLayout(&m_window);
    m_left = new KeyedTree;
    m_right = new KeyedTree;
    m_left->setObjectName("trvKulturen");
    m_right->setObjectName("trvMaterial");
    layout->addWidget(m_left);
    layout->addWidget(m_right);
    for (KeyedTree* tree : {m_left, m_right}) {
      const QString p = tree == m_left ? QStringLiteral("K") : QStringLiteral("M");
      tree->Add(QString(), p, QStringLiteral("Wurzel ") + p);
      tree->Add(p, p + QStringLiteral("1"), QStringLiteral("Gruppe ") + p + QStringLiteral("1"));
      tree->Add(p, p + QStringLiteral("2"), QStringLiteral("Gruppe ") + p + QStringLiteral("2"));
      tree->SetExpanded(p, true);
    }
    m_window.setGeometry(100, 100, 500, 300);
    m_window.show();
    QApplication::processEvents();
    Listen(*m_left);
  }
  void TearDown() override { DragController::Cancel(); }

  void Listen(KeyedTree& tree) {
    QObject::connect(&tree, &KeyedTree::MouseDown, [this](int b, int s, int x, int y) {
      m_heard.push_back({QStringLiteral("down"), b, s, {x, y}});
    });
    QObject::connect(&tree, &KeyedTree::MouseUp, [this](int b, int s, int x, int y) {
      m_heard.push_back({QStringLiteral("up"), b, s, {x, y}});
    });
    QObject::connect(&tree, &KeyedTree::NodeClick, [this](const QString& k) {
      m_heard.push_back({QStringLiteral("node:") + k, 0, 0, {}});
    });
    QObject::connect(&tree, &KeyedTree::Click, [this] { m_heard.push_back({QStringLiteral("click"), 0, 0, {}}); });
    QObject::connect(&tree, &KeyedTree::DblClick, [this] { m_heard.push_back({QStringLiteral("dbl"), 0, 0, {}}); });
    QObject::connect(&tree, &KeyedTree::KeyUp, [this](int k, int s) {
      m_heard.push_back({QStringLiteral("key"), k, s, {}});
    });
  }
  QStringList What() const {
    QStringList what;
    for (const Heard& h : m_heard) what << h.what;
    return what;
  }
  QPoint Center(KeyedTree& tree, const QString& key) {
    const QRect rect = tree.NodeRect(key);
    EXPECT_FALSE(rect.isEmpty()) << S(key);
    return rect.center();
  }

  QWidget m_window;
  KeyedTree* m_left = nullptr;
  KeyedTree* m_right = nullptr;
  std::vector<Heard> m_heard;
};

TEST_F(KeyedTreeMouseTest, HitTestFindsNodeUnderPointOrNone) {
  for (const QString& key : {QStringLiteral("K"), QStringLiteral("K1"), QStringLiteral("K2")}) {
    EXPECT_EQ(m_left->HitTest(Center(*m_left, key)), key);
  }
  const QRect last = m_left->NodeRect(QStringLiteral("K2"));
  EXPECT_EQ(m_left->HitTest(QPoint(last.center().x(), last.bottom() + 40)), QString());  // below the rows
  EXPECT_EQ(m_left->HitTest(QPoint(-5, last.center().y())), QString());                  // outside the control
  m_left->SetExpanded(QStringLiteral("K"), false);
  EXPECT_TRUE(m_left->NodeRect(QStringLiteral("K1")).isEmpty());  // hidden below a collapsed node
  EXPECT_EQ(m_left->HitTest(last.center()), QString());
}

TEST_F(KeyedTreeMouseTest, LeftAndRightPressSelect) {
  const QPoint k1 = Center(*m_left, QStringLiteral("K1"));
  const QPoint k2 = Center(*m_left, QStringLiteral("K2"));
  Mouse(*m_left, QEvent::MouseButtonPress, k1, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(m_left->SelectedItem(), QStringLiteral("K1"));
  Mouse(*m_left, QEvent::MouseButtonRelease, k1, Qt::LeftButton, Qt::NoButton);
  Mouse(*m_left, QEvent::MouseButtonPress, k2, Qt::RightButton, Qt::RightButton, Qt::ControlModifier);
  Mouse(*m_left, QEvent::MouseButtonRelease, k2, Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(m_left->SelectedItem(), QStringLiteral("K2"));
  // Ctrl on a left press never toggles the selection away.
  Mouse(*m_left, QEvent::MouseButtonPress, k1, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
  Mouse(*m_left, QEvent::MouseButtonRelease, k1, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(m_left->SelectedItem(), QStringLiteral("K1"));

  EXPECT_EQ(What(),
            QStringList({QStringLiteral("down"), QStringLiteral("up"), QStringLiteral("node:K1"),
                         QStringLiteral("click"), QStringLiteral("down"), QStringLiteral("up"), QStringLiteral("down"),
                         QStringLiteral("up"), QStringLiteral("node:K1"), QStringLiteral("click")}));
  ASSERT_GE(m_heard.size(), 6u);
  EXPECT_EQ(m_heard[0].button, 1);
  EXPECT_EQ(m_heard[0].shift, 1);
  EXPECT_EQ(m_heard[0].at, k1);  // tree coordinates
  EXPECT_EQ(m_heard[4].button, 2);
  EXPECT_EQ(m_heard[4].shift, 2);
  EXPECT_EQ(m_heard[5].button, 2);
}

TEST_F(KeyedTreeMouseTest, ClickOnFreeSpaceKeepsSelectionAndRaisesNoNodeClick) {
  m_left->Select(QStringLiteral("K2"));
  const QRect last = m_left->NodeRect(QStringLiteral("K2"));
  const QPoint free(last.center().x(), last.bottom() + 40);
  Mouse(*m_left, QEvent::MouseButtonPress, free, Qt::LeftButton, Qt::LeftButton);
  Mouse(*m_left, QEvent::MouseButtonRelease, free, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(m_left->SelectedItem(), QStringLiteral("K2"));
  EXPECT_EQ(What(), QStringList({QStringLiteral("down"), QStringLiteral("up"), QStringLiteral("click")}));
}

TEST_F(KeyedTreeMouseTest, MovingWithButtonHeldNeverMovesSelection) {
  QList<int> moves;
  QObject::connect(m_left, &KeyedTree::MouseMove, [&moves](int buttons, int, int, int) { moves << buttons; });
  Mouse(*m_left, QEvent::MouseButtonPress, Center(*m_left, QStringLiteral("K1")), Qt::LeftButton, Qt::LeftButton);
  Mouse(*m_left, QEvent::MouseMove, Center(*m_left, QStringLiteral("K2")), Qt::NoButton,
        Qt::LeftButton | Qt::RightButton);
  Mouse(*m_left, QEvent::MouseMove, Center(*m_left, QStringLiteral("K2")), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(m_left->SelectedItem(), QStringLiteral("K1"));
  EXPECT_EQ(moves, QList<int>({3, 1}));
}

TEST_F(KeyedTreeMouseTest, DoubleClickRaisesDblClickAndTogglesNode) {
  const QPoint root = Center(*m_left, QStringLiteral("K"));
  Mouse(*m_left, QEvent::MouseButtonPress, root, Qt::LeftButton, Qt::LeftButton);
  Mouse(*m_left, QEvent::MouseButtonRelease, root, Qt::LeftButton, Qt::NoButton);
  Mouse(*m_left, QEvent::MouseButtonDblClick, root, Qt::LeftButton, Qt::LeftButton);
  Mouse(*m_left, QEvent::MouseButtonRelease, root, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(What(), QStringList({QStringLiteral("down"), QStringLiteral("up"), QStringLiteral("node:K"),
                                 QStringLiteral("click"), QStringLiteral("dbl"), QStringLiteral("up")}));
  EXPECT_FALSE(m_left->Expanded(QStringLiteral("K")));
}

TEST_F(KeyedTreeMouseTest, KeyUpReportsKeyAndShiftButNotAutoRepeat) {
  m_left->Select(QStringLiteral("K1"));
  QWidget* view = m_left->findChild<QTreeWidget*>();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(view, &press);
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(view, &repeat);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::ShiftModifier);
  QApplication::sendEvent(view, &release);
  EXPECT_EQ(m_left->SelectedItem(), QStringLiteral("K2"));  // the arrow key moved the selection
  ASSERT_EQ(What(), QStringList({QStringLiteral("key")}));
  EXPECT_EQ(m_heard[0].button, Qt::Key_Down);
  EXPECT_EQ(m_heard[0].shift, 1);
}

// What a drop target heard, as "<tree> over|enter|leave|drop <source> <node under point>".
struct DragLog {
  QStringList lines;
  std::vector<DragSource> sources;
  void Listen(KeyedTree& tree) {
    QObject::connect(&tree, &KeyedTree::DragOver, [this, &tree](const DragSource& s, int x, int y, DragState st) {
      static const char* const states[] = {"enter", "leave", "over"};
      lines << tree.objectName() + QLatin1Char(' ') + QLatin1String(states[static_cast<int>(st)]) + QLatin1Char(' ') +
                   s.name + QLatin1Char(' ') + tree.HitTest({x, y});
      sources.push_back(s);
    });
    QObject::connect(&tree, &KeyedTree::DragDrop, [this, &tree](const DragSource& s, int x, int y) {
      lines << tree.objectName() + QStringLiteral(" drop ") + s.name + QLatin1Char(' ') + tree.HitTest({x, y}) +
                   (DragController::Active() ? QStringLiteral(" still active") : QString());
      sources.push_back(s);
    });
  }
};

TEST_F(KeyedTreeMouseTest, SimulatedDragDeliversOverAndDropWithSourceIdentity) {
  DragLog log;
  log.Listen(*m_left);
  log.Listen(*m_right);
  DragController::Over(m_right, Center(*m_right, QStringLiteral("M1")));  // no drag yet: nobody hears it
  EXPECT_TRUE(log.lines.isEmpty());

  m_left->SetDragIcon(QPixmap(16, 16));
  m_left->Drag();
  EXPECT_TRUE(DragController::Active());
  DragController::Over(m_right, Center(*m_right, QStringLiteral("M1")));
  DragController::Over(m_right, Center(*m_right, QStringLiteral("M2")));
  DragController::Over(m_left, Center(*m_left, QStringLiteral("K2")));
  DragController::Over(&m_window, QPoint(1, 1));  // a widget that is no drop target
  DragController::Over(m_right, Center(*m_right, QStringLiteral("M2")));
  DragController::Drop(m_right, Center(*m_right, QStringLiteral("M2")));
  EXPECT_FALSE(DragController::Active());
  DragController::Drop(m_right, Center(*m_right, QStringLiteral("M2")));  // over: no second drop

  EXPECT_EQ(log.lines, QStringList({
                           QStringLiteral("trvMaterial enter trvKulturen M1"),
                           QStringLiteral("trvMaterial over trvKulturen M2"),
                           QStringLiteral("trvMaterial leave trvKulturen M2"),  // the last point inside
                           QStringLiteral("trvKulturen enter trvKulturen K2"),
                           QStringLiteral("trvKulturen leave trvKulturen K2"),
                           QStringLiteral("trvMaterial enter trvKulturen M2"),
                           QStringLiteral("trvMaterial drop trvKulturen M2"),
                       }));
  for (const DragSource& source : log.sources) {
    EXPECT_TRUE(source.Is(m_left));
    EXPECT_FALSE(source.Is(m_right));
    EXPECT_EQ(source.form, &m_window);
  }
}

TEST_F(KeyedTreeMouseTest, DropOnNoTargetEndsDragQuietly) {
  DragLog log;
  log.Listen(*m_right);
  m_left->Drag();
  DragController::Drop(&m_window, QPoint(1, 1));
  EXPECT_FALSE(DragController::Active());
  m_left->Drag();
  DragController::Drop(nullptr, QPoint());
  EXPECT_FALSE(DragController::Active());
  EXPECT_TRUE(log.lines.isEmpty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the drag pointer is gone
}

TEST_F(KeyedTreeMouseTest, AnyWidgetCanBeADropTargetAndSeesDestroyedSource) {
  QWidget grid(&m_window);
  auto* target = new DropTarget(&grid);
  QWidget cell(&grid);
  cell.move(10, 20);
  QStringList heard;
  QObject::connect(target, &DropTarget::DragDrop, [&heard](const DragSource& s, int x, int y) {
    heard << QStringLiteral("%1 %2 %3,%4")
                 .arg(s.name)
                 .arg(s.control ? QStringLiteral("lebt") : QStringLiteral("weg"))
                 .arg(x)
                 .arg(y);
  });
  auto* source = new KeyedTree(&m_window);
  source->setObjectName("trvStandort");
  source->Drag();
  delete source;
  DragController::Drop(&cell, QPoint(1, 2));  // a child of the target: position in the target's terms
  EXPECT_EQ(heard, QStringList({QStringLiteral("trvStandort weg 11,22")}));
}

TEST_F(KeyedTreeMouseTest, SourceFormIsTheMdiChildsWindow) {
  QMdiArea area;
  auto* form = new QWidget;
  form->setObjectName("frmStammdaten");
  auto* tree = new KeyedTree(form);
  area.addSubWindow(form);
  tree->Drag();
  EXPECT_EQ(DragController::Source().form, form);
  EXPECT_EQ(DragController::Source().name, QString());  // the window names its controls
}

TEST_F(KeyedTreeMouseTest, MouseDragFromOneTreeDropsOnTheOther) {
  // The window's move handler starts the drag, as the master-data window does.
  QObject::connect(m_left, &KeyedTree::MouseMove, [this](int buttons, int, int, int) {
    if (buttons == 1 && !DragController::Active()) m_left->Drag();
  });
  DragLog log;
  log.Listen(*m_right);
  const QPoint from = Center(*m_left, QStringLiteral("K1"));
  const QPoint over = m_right->mapToGlobal(Center(*m_right, QStringLiteral("M2")));

  Mouse(*m_left, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  Mouse(*m_left, QEvent::MouseMove, from + QPoint(8, 0), Qt::NoButton, Qt::LeftButton);
  ASSERT_TRUE(DragController::Active());
  m_heard.clear();
  // The pressed view keeps getting the events while the pointer is over the other tree.
  Mouse(*m_left, QEvent::MouseMove, QPoint(), Qt::NoButton, Qt::LeftButton, Qt::NoModifier, &over);
  Mouse(*m_left, QEvent::MouseButtonRelease, QPoint(), Qt::LeftButton, Qt::NoButton, Qt::NoModifier, &over);

  EXPECT_FALSE(DragController::Active());
  EXPECT_EQ(log.lines, QStringList({QStringLiteral("trvMaterial enter trvKulturen M2"),
                                    QStringLiteral("trvMaterial drop trvKulturen M2")}));
  EXPECT_TRUE(m_heard.empty());  // the dragged tree heard neither moves nor a click
  EXPECT_EQ(m_left->SelectedItem(), QStringLiteral("K1"));
}

}  // namespace
}  // namespace tolvar::ui
