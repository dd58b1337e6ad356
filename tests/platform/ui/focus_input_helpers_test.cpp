// The shared input helpers reach a window through Qt's own event path: focus changes carry
// their reasons, key filters see the keys, clicks give the focus, menu commands refuse what a
// person could not choose.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

// Records the focus events of the boxes and the keys their filter sees.
class Recorder : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QString name = watched->objectName();
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      const auto* focus = static_cast<QFocusEvent*>(event);
      heard << QStringLiteral("%1 %2 %3")
                   .arg(name, event->type() == QEvent::FocusIn ? QStringLiteral("in") : QStringLiteral("out"))
                   .arg(static_cast<int>(focus->reason()));
    } else if (event->type() == QEvent::KeyPress) {
      heard << QStringLiteral("%1 key %2").arg(name).arg(static_cast<QKeyEvent*>(event)->key());
    }
    return false;
  }
  QStringList heard;
};

class InputHelpersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second), static_cast<QWidget*>(button),
                       static_cast<QWidget*>(tree)}) {
      layout->addWidget(w);
    }
    first->setObjectName("first");
    second->setObjectName("second");
    button->setObjectName("button");
    tree->Add(QString(), QStringLiteral("R"), QStringLiteral("Wurzel"));
    tree->Add(QStringLiteral("R"), QStringLiteral("A"), QStringLiteral("Erster"));
    tree->Add(QStringLiteral("R"), QStringLiteral("B"), QStringLiteral("Zweiter"));
    tree->SetExpanded(QStringLiteral("R"), true);
    first->installEventFilter(&recorder);
    second->installEventFilter(&recorder);
    window.setGeometry(50, 50, 300, 400);
    window.show();
    ASSERT_TRUE(FocusByClick(first));
    recorder.heard.clear();
  }

  QWidget window;
  QLineEdit* first = new QLineEdit;
  QLineEdit* second = new QLineEdit;
  QPushButton* button = new QPushButton(QStringLiteral("Los"));
  ui::KeyedTree* tree = new ui::KeyedTree;
  Recorder recorder;
};

TEST_F(InputHelpersTest, FocusMovesWithTheirReasons) {
  ASSERT_TRUE(FocusByTab());
  EXPECT_EQ(FocusWidget(), second);
  ASSERT_TRUE(FocusByTab(false));
  EXPECT_EQ(FocusWidget(), first);
  ASSERT_TRUE(FocusByClick(second));
  // The filters see Tab, and Shift then Backtab, before the focus moves.
  const QString expected = QStringLiteral(
                               "first key %1|first out 1|second in 1|second key %2|second key %3|second out 2|"
                               "first in 2|first out 0|second in 0")
                               .arg(Qt::Key_Tab)
                               .arg(Qt::Key_Shift)
                               .arg(Qt::Key_Backtab);
  EXPECT_EQ(ui::S(recorder.heard.join(QLatin1Char('|'))), ui::S(expected));
}

TEST_F(InputHelpersTest, KeysAndTypingGoThroughTheFilters) {
  ASSERT_TRUE(TypeInto(second, QStringLiteral("Bäume 12,5")));
  EXPECT_EQ(second->text(), QStringLiteral("Bäume 12,5"));
  ASSERT_TRUE(TypeInto(second, QString()));
  EXPECT_EQ(second->text(), QString());
  EXPECT_TRUE(recorder.heard.contains(QStringLiteral("second key %1").arg(Qt::Key_Adiaeresis)));
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
  ASSERT_TRUE(Click(button));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(FocusWidget(), button);
  ASSERT_TRUE(Press(Qt::Key_Space));
  EXPECT_EQ(clicks, 2);
}

TEST_F(InputHelpersTest, TreeNodesAreHitByTheMouse) {
  QStringList heard;
  QObject::connect(tree, &ui::KeyedTree::NodeClick,
                   [&](const QString& key) { heard << QStringLiteral("node ") + key; });
  QObject::connect(tree, &ui::KeyedTree::MouseDown, [&](int pressed, int, int x, int y) {
    heard << QStringLiteral("down %1 %2").arg(pressed).arg(tree->HitTest({x, y}));
  });
  ASSERT_TRUE(ClickNode(tree, QStringLiteral("B")));
  EXPECT_EQ(tree->SelectedItem(), QStringLiteral("B"));
  ASSERT_TRUE(RightClickNode(tree, QStringLiteral("A")));
  ASSERT_TRUE(ClickTreeSpace(tree, Qt::RightButton));
  EXPECT_EQ(ui::S(heard.join(QLatin1Char('|'))), "down 1 B|node B|down 2 A|down 2 ");
  EXPECT_NONFATAL_FAILURE(ClickNode(tree, QStringLiteral("X")), "node \"X\" is missing");
}

// A box's entry is chosen through its opened list, in a box that takes typing too: the box
// raises what a choice by hand raises, and refuses an entry a person cannot choose.
TEST_F(InputHelpersTest, ComboEntriesAreChosenThroughTheirList) {
  for (const bool editable : {false, true}) {
    SCOPED_TRACE(editable);
    auto* combo = new QComboBox(&window);
    combo->addItems({QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Drei")});
    combo->setEditable(editable);
    window.layout()->addWidget(combo);
    Settle();
    QStringList heard;
    QObject::connect(combo, &QComboBox::currentIndexChanged,
                     [&](int i) { heard << QStringLiteral("changed %1").arg(i); });
    QObject::connect(combo, &QComboBox::activated, [&](int i) { heard << QStringLiteral("activated %1").arg(i); });
    ASSERT_TRUE(ChooseEntry(combo, QStringLiteral("Drei")));
    ASSERT_TRUE(ChooseEntry(combo, 2));
    ASSERT_TRUE(ChooseEntry(combo, 0));
    EXPECT_EQ(ui::S(heard.join(QLatin1Char('|'))), "changed 2|activated 2|activated 2|changed 0|activated 0");
    EXPECT_EQ(combo->currentText(), QStringLiteral("Eins"));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    qobject_cast<QStandardItemModel*>(combo->model())->item(1)->setEnabled(false);
    EXPECT_NONFATAL_FAILURE(ChooseEntry(combo, 1), "do not reach entry 1");
    EXPECT_NONFATAL_FAILURE(ChooseEntry(combo, QStringLiteral("Vier")), "no entry \"Vier\"");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(combo->currentIndex(), 0);
    delete combo;
  }
}

TEST_F(InputHelpersTest, MenuCommandsRefuseWhatCannotBeChosen) {
  QMenu menu(&window);
  int runs = 0;
  QAction* neu = menu.addAction(QStringLiteral("&Neu"), [&] { ++runs; });
  neu->setObjectName("mnuNeu");
  QAction* aus = menu.addAction(QStringLiteral("Aus"), [&] { ++runs; });
  aus->setEnabled(false);
  ASSERT_TRUE(TriggerCommand(&window, QStringLiteral("Neu")));
  ASSERT_TRUE(TriggerCommand(&window, QStringLiteral("mnuNeu")));
  menu.popup(window.mapToGlobal(QPoint(10, 10)));
  ASSERT_TRUE(TriggerCommand(neu));
  EXPECT_FALSE(menu.isVisible());
  EXPECT_EQ(runs, 3);
  EXPECT_NONFATAL_FAILURE(TriggerCommand(&window, QStringLiteral("Aus")), "is disabled");
  EXPECT_NONFATAL_FAILURE(TriggerCommand(&window, QStringLiteral("Fehlt")), "not found");
  EXPECT_EQ(runs, 3);
}

}  // namespace
}  // namespace tolvar::test
