#include "platform/ui/keyedtree.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTreeWidget>
#include <memory>
#include <vector>

namespace tolvar::ui {
namespace {

QPixmap Filled(Qt::GlobalColor color) {
  QPixmap picture(16, 16);
  picture.fill(color);
  return picture;
}

// The Qt item showing a node, to check what the user sees.
QTreeWidgetItem* ItemOf(const KeyedTree& tree, const QString& text) {
  const auto found = tree.findChild<QTreeWidget*>()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

class KeyedTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_tree.setObjectName("trvKulturen");
    QObject::connect(&m_tree, &KeyedTree::Expand,
                     [this](const QString& k) { m_expansion.push_back(QStringLiteral("+") + k); });
    QObject::connect(&m_tree, &KeyedTree::Collapse,
                     [this](const QString& k) { m_expansion.push_back(QStringLiteral("-") + k); });
  }
  // Root "Kultur" with groups K1 (K11, K12 below it) and K2.
  void AddSample() {
    m_tree.Add(QString(), QStringLiteral("Kultur"), QStringLiteral("Kulturen"));
    m_tree.Add(QStringLiteral("Kultur"), QStringLiteral("K1"), QStringLiteral("Gruppe 1"));
    m_tree.Add(QStringLiteral("K1"), QStringLiteral("K11"), QStringLiteral("Kultur 11"));
    m_tree.Add(QStringLiteral("K1"), QStringLiteral("K12"), QStringLiteral("Kultur 12"));
    m_tree.Add(QStringLiteral("Kultur"), QStringLiteral("K2"), QStringLiteral("Gruppe 2"));
  }
  KeyedTree m_tree;
  std::vector<QString> m_expansion;  // Expand and Collapse as "+key" and "-key"
};

TEST_F(KeyedTreeTest, AddFailsOnDuplicateOrEmptyKeyAndMissingParentWithoutChanges) {
  AddSample();
  struct Case {
    const char* parent;
    const char* key;
    bool added;
  };
  const Case cases[] = {
      {"", "Material", true},  // a second top-level node
      {"K2", "K21", true},     // below a node added last
      {"K11", "K111", true},   // three levels deep
      {"", "K1", false},       // duplicate key, even at another place
      {"K2", "K12", false},    // duplicate key
      {"K9", "K91", false},    // missing parent
      {"K1", "", false},       // no key
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.parent) + " / " + c.key);
    const QString parent = QLatin1String(c.parent);
    const QString key = QLatin1String(c.key);
    const QStringList before = m_tree.Keys();
    EXPECT_EQ(m_tree.Add(parent, key, QStringLiteral("neu"), QString()), c.added);
    if (c.added) {
      EXPECT_EQ(m_tree.Keys(), before + QStringList{key});
      EXPECT_EQ(m_tree.ParentKey(key), parent);
      EXPECT_EQ(m_tree.Text(key), QStringLiteral("neu"));
    } else {
      EXPECT_EQ(m_tree.Keys(), before);
    }
  }
  EXPECT_EQ(m_tree.Text(QStringLiteral("K1")),
            QStringLiteral("Gruppe 1"));  // the refused duplicate left the first alone
  EXPECT_EQ(m_tree.ParentKey(QStringLiteral("K12")), QStringLiteral("K1"));
}

TEST_F(KeyedTreeTest, NodeCollectionFollowsInsertionOrderAndMovesKeepPositions) {
  AddSample();
  EXPECT_EQ(m_tree.Count(), 5);
  EXPECT_EQ(m_tree.Keys(), QStringList({QStringLiteral("Kultur"), QStringLiteral("K1"), QStringLiteral("K11"),
                                        QStringLiteral("K12"), QStringLiteral("K2")}));
  EXPECT_EQ(m_tree.KeyAt(1), QStringLiteral("Kultur"));
  EXPECT_EQ(m_tree.KeyAt(5), QStringLiteral("K2"));
  for (const int outside : {0, 6, -1}) EXPECT_EQ(m_tree.KeyAt(outside), QString());
  EXPECT_EQ(m_tree.IndexOf(QStringLiteral("K12")), 4);
  EXPECT_EQ(m_tree.IndexOf(QStringLiteral("fehlt")), 0);
  EXPECT_EQ(m_tree.Children(QStringLiteral("K1")), QStringList({QStringLiteral("K11"), QStringLiteral("K12")}));
  EXPECT_EQ(m_tree.TopLevelKeys(), QStringList({QStringLiteral("Kultur")}));

  ASSERT_TRUE(m_tree.SetParent(QStringLiteral("K1"), QStringLiteral("K2")));
  EXPECT_EQ(m_tree.Keys(), QStringList({QStringLiteral("Kultur"), QStringLiteral("K1"), QStringLiteral("K11"),
                                        QStringLiteral("K12"), QStringLiteral("K2")}));
  EXPECT_EQ(m_tree.IndexOf(QStringLiteral("K2")), 5);

  // Removing closes the gap; a removed key can be used again and goes to the end.
  ASSERT_TRUE(m_tree.Remove(QStringLiteral("K11")));
  EXPECT_EQ(m_tree.Keys(),
            QStringList({QStringLiteral("Kultur"), QStringLiteral("K1"), QStringLiteral("K12"), QStringLiteral("K2")}));
  EXPECT_EQ(m_tree.IndexOf(QStringLiteral("K2")), 4);
  EXPECT_EQ(m_tree.KeyAt(3), QStringLiteral("K12"));
  EXPECT_TRUE(m_tree.Add(QStringLiteral("K1"), QStringLiteral("K11"), QStringLiteral("Kultur 11")));
  EXPECT_EQ(m_tree.IndexOf(QStringLiteral("K11")), 5);
  EXPECT_EQ(m_tree.Children(QStringLiteral("K1")), QStringList({QStringLiteral("K12"), QStringLiteral("K11")}));
}

TEST_F(KeyedTreeTest, RemoveTakesSubtreeAndClearEmptiesTree) {
  AddSample();
  EXPECT_FALSE(m_tree.Remove(QStringLiteral("fehlt")));
  EXPECT_EQ(m_tree.Count(), 5);

  ASSERT_TRUE(m_tree.Remove(QStringLiteral("K1")));
  EXPECT_EQ(m_tree.Keys(), QStringList({QStringLiteral("Kultur"), QStringLiteral("K2")}));
  for (const char* gone : {"K1", "K11", "K12"}) {
    EXPECT_FALSE(m_tree.Has(QLatin1String(gone))) << gone;
    EXPECT_EQ(ItemOf(m_tree, QLatin1String(gone)), nullptr);
  }
  EXPECT_EQ(m_tree.Children(QStringLiteral("Kultur")), QStringList({QStringLiteral("K2")}));
  EXPECT_FALSE(
      m_tree.Add(QStringLiteral("K1"), QStringLiteral("K13"), QStringLiteral("Kultur 13")));  // the parent is gone

  m_tree.Clear();
  EXPECT_EQ(m_tree.Count(), 0);
  EXPECT_TRUE(m_tree.Keys().isEmpty());
  EXPECT_TRUE(m_tree.TopLevelKeys().isEmpty());
  EXPECT_EQ(m_tree.IndexOf(QStringLiteral("K2")), 0);
  EXPECT_TRUE(m_tree.Add(QString(), QStringLiteral("Kultur"), QStringLiteral("Kulturen")));
  EXPECT_EQ(m_tree.IndexOf(QStringLiteral("Kultur")), 1);
}

TEST_F(KeyedTreeTest, SetParentMovesSubtreeAndRefusesItsOwnSubtree) {
  AddSample();
  m_tree.Add(QStringLiteral("K11"), QStringLiteral("K111"), QStringLiteral("Kultur 111"));
  struct Case {
    const char* key;
    const char* parent;
  };
  // Each refused move leaves every parent as it was.
  const Case refused[] = {{"K1", "K1"},    {"K1", "K11"},   {"K1", "K111"},
                          {"K1", "fehlt"}, {"fehlt", "K2"}, {"Kultur", "K2"}};
  for (const Case& c : refused) {
    SCOPED_TRACE(std::string(c.key) + " -> " + c.parent);
    EXPECT_FALSE(m_tree.SetParent(QLatin1String(c.key), QLatin1String(c.parent)));
    EXPECT_EQ(m_tree.ParentKey(QStringLiteral("K1")), QStringLiteral("Kultur"));
    EXPECT_EQ(m_tree.ParentKey(QStringLiteral("K111")), QStringLiteral("K11"));
    EXPECT_EQ(m_tree.Children(QStringLiteral("Kultur")), QStringList({QStringLiteral("K1"), QStringLiteral("K2")}));
  }

  ASSERT_TRUE(m_tree.SetParent(QStringLiteral("K1"), QStringLiteral("K2")));
  EXPECT_EQ(m_tree.ParentKey(QStringLiteral("K1")), QStringLiteral("K2"));
  EXPECT_EQ(m_tree.Children(QStringLiteral("K1")),
            QStringList({QStringLiteral("K11"), QStringLiteral("K12")}));  // order kept
  EXPECT_EQ(m_tree.Children(QStringLiteral("K11")), QStringList({QStringLiteral("K111")}));
  EXPECT_EQ(m_tree.Children(QStringLiteral("Kultur")), QStringList({QStringLiteral("K2")}));

  // To the top level, then as last child of an unsorted parent.
  ASSERT_TRUE(m_tree.SetParent(QStringLiteral("K11"), QString()));
  EXPECT_EQ(m_tree.ParentKey(QStringLiteral("K11")), QString());
  EXPECT_EQ(m_tree.TopLevelKeys(), QStringList({QStringLiteral("Kultur"), QStringLiteral("K11")}));
  ASSERT_TRUE(m_tree.SetParent(QStringLiteral("K2"), QStringLiteral("K11")));
  EXPECT_EQ(m_tree.Children(QStringLiteral("K11")), QStringList({QStringLiteral("K111"), QStringLiteral("K2")}));
}

TEST_F(KeyedTreeTest, SortedChildrenUseGermanCollationCaseBlind) {
  m_tree.Add(QString(), QStringLiteral("Kultur"), QStringLiteral("Kulturen"));
  ASSERT_TRUE(m_tree.SetSorted(QStringLiteral("Kultur"), true));
  const QStringList texts = {QStringLiteral("Zwiebel"), QStringLiteral("Birne"),    QStringLiteral("Äpfel"),
                             QStringLiteral("apfel"),   QStringLiteral("Orchidee"), QStringLiteral("Ölbaum"),
                             QStringLiteral("Aster"),   QStringLiteral("Ähre"),     QStringLiteral("birne")};
  for (const QString& text : texts) m_tree.Add(QStringLiteral("Kultur"), text, text);
  QStringList shown;
  for (const QString& key : m_tree.Children(QStringLiteral("Kultur"))) shown << m_tree.Text(key);
  // Umlauts sort with their base letter, upper and lower case mix, equal texts keep their order.
  EXPECT_EQ(shown, QStringList({QStringLiteral("Ähre"), QStringLiteral("apfel"), QStringLiteral("Äpfel"),
                                QStringLiteral("Aster"), QStringLiteral("Birne"), QStringLiteral("birne"),
                                QStringLiteral("Ölbaum"), QStringLiteral("Orchidee"), QStringLiteral("Zwiebel")}));
}

TEST_F(KeyedTreeTest, SortedParentKeepsOrderForLaterAdditionsMovesAndRenames) {
  m_tree.Add(QString(), QStringLiteral("Kultur"), QStringLiteral("Kulturen"));
  m_tree.Add(QStringLiteral("Kultur"), QStringLiteral("Z"), QStringLiteral("Zinnie"));
  m_tree.Add(QStringLiteral("Kultur"), QStringLiteral("C"), QStringLiteral("Cyclame"));
  m_tree.Add(QStringLiteral("Kultur"), QStringLiteral("A"), QStringLiteral("Aster"));
  m_tree.Add(QString(), QStringLiteral("Ablage"), QStringLiteral("Ablage"));
  m_tree.Add(QStringLiteral("Ablage"), QStringLiteral("B"), QStringLiteral("begonie"));
  m_tree.Add(QStringLiteral("Ablage"), QStringLiteral("E"), QStringLiteral("Erika"));
  EXPECT_EQ(m_tree.Children(QStringLiteral("Kultur")),
            QStringList({QStringLiteral("Z"), QStringLiteral("C"), QStringLiteral("A")}));  // unsorted: as added
  EXPECT_FALSE(m_tree.Sorted(QStringLiteral("Kultur")));

  ASSERT_TRUE(m_tree.SetSorted(QStringLiteral("Kultur"), true));  // sorts now
  EXPECT_TRUE(m_tree.Sorted(QStringLiteral("Kultur")));
  EXPECT_EQ(m_tree.Children(QStringLiteral("Kultur")),
            QStringList({QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("Z")}));

  m_tree.Add(QStringLiteral("Kultur"), QStringLiteral("P"), QStringLiteral("Primel"));
  ASSERT_TRUE(m_tree.SetParent(QStringLiteral("B"), QStringLiteral("Kultur")));
  EXPECT_EQ(m_tree.Children(QStringLiteral("Kultur")),
            QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("P"),
                         QStringLiteral("Z")}));
  ASSERT_TRUE(m_tree.SetText(QStringLiteral("A"), QStringLiteral("Tulpe")));
  EXPECT_EQ(m_tree.Children(QStringLiteral("Kultur")),
            QStringList({QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("P"), QStringLiteral("A"),
                         QStringLiteral("Z")}));

  // The unsorted sibling keeps plain order; switching sorting off keeps the order reached.
  m_tree.Add(QStringLiteral("Ablage"), QStringLiteral("D"), QStringLiteral("Dahlie"));
  EXPECT_EQ(m_tree.Children(QStringLiteral("Ablage")), QStringList({QStringLiteral("E"), QStringLiteral("D")}));
  ASSERT_TRUE(m_tree.SetSorted(QStringLiteral("Kultur"), false));
  m_tree.Add(QStringLiteral("Kultur"), QStringLiteral("Aa"), QStringLiteral("Akelei"));
  EXPECT_EQ(m_tree.Children(QStringLiteral("Kultur")),
            QStringList({QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("P"), QStringLiteral("A"),
                         QStringLiteral("Z"), QStringLiteral("Aa")}));
  EXPECT_FALSE(m_tree.SetSorted(QStringLiteral("fehlt"), true));
}

TEST_F(KeyedTreeTest, TopLevelSortingIsAFlagOfTheTree) {
  m_tree.Add(QString(), QStringLiteral("P"), QStringLiteral("Personal"));
  m_tree.Add(QString(), QStringLiteral("M"), QStringLiteral("Material"));
  EXPECT_FALSE(m_tree.TopLevelSorted());
  m_tree.SetTopLevelSorted(true);
  EXPECT_EQ(m_tree.TopLevelKeys(), QStringList({QStringLiteral("M"), QStringLiteral("P")}));
  m_tree.Add(QString(), QStringLiteral("K"), QStringLiteral("Kulturen"));
  EXPECT_EQ(m_tree.TopLevelKeys(), QStringList({QStringLiteral("K"), QStringLiteral("M"), QStringLiteral("P")}));
  m_tree.Clear();  // clearing the nodes keeps the tree's flag
  EXPECT_TRUE(m_tree.TopLevelSorted());
}

TEST_F(KeyedTreeTest, ExpandedStateRaisesSignalsOnChangeAndSurvivesMoves) {
  AddSample();
  EXPECT_FALSE(m_tree.Expanded(QStringLiteral("K1")));
  EXPECT_TRUE(m_tree.SetExpanded(QStringLiteral("K1"), true));
  EXPECT_TRUE(m_tree.SetExpanded(QStringLiteral("K1"), true));  // unchanged: no second signal
  EXPECT_TRUE(m_tree.SetExpanded(QStringLiteral("K2"), true));  // no children yet: state kept all the same
  EXPECT_TRUE(m_tree.SetExpanded(QStringLiteral("K2"), false));
  EXPECT_FALSE(m_tree.SetExpanded(QStringLiteral("fehlt"), true));
  EXPECT_EQ(m_expansion, std::vector<QString>({QStringLiteral("+K1"), QStringLiteral("+K2"), QStringLiteral("-K2")}));
  EXPECT_TRUE(m_tree.Expanded(QStringLiteral("K1")));

  // Moving and sorting keep the expanded state of the whole subtree, shown and recorded.
  m_tree.SetExpanded(QStringLiteral("K11"), true);
  m_tree.Add(QStringLiteral("K11"), QStringLiteral("K111"), QStringLiteral("Kultur 111"));
  m_expansion.clear();
  ASSERT_TRUE(m_tree.SetParent(QStringLiteral("K1"), QStringLiteral("K2")));
  ASSERT_TRUE(m_tree.SetSorted(QStringLiteral("K2"), true));
  m_tree.SetTopLevelSorted(true);
  EXPECT_TRUE(m_expansion.empty());
  for (const char* key : {"K1", "K11"}) {
    EXPECT_TRUE(m_tree.Expanded(QLatin1String(key))) << key;
  }
  EXPECT_TRUE(ItemOf(m_tree, QStringLiteral("Gruppe 1"))->isExpanded());
  EXPECT_TRUE(ItemOf(m_tree, QStringLiteral("Kultur 11"))->isExpanded());

  // A user's expand in the view is recorded and reported; blocked signals still keep state.
  m_tree.findChild<QTreeWidget*>()->expandItem(ItemOf(m_tree, QStringLiteral("Gruppe 2")));
  EXPECT_TRUE(m_tree.Expanded(QStringLiteral("K2")));
  EXPECT_EQ(m_expansion, std::vector<QString>({QStringLiteral("+K2")}));
  m_tree.blockSignals(true);
  m_tree.SetExpanded(QStringLiteral("Kultur"), true);
  m_tree.blockSignals(false);
  EXPECT_TRUE(m_tree.Expanded(QStringLiteral("Kultur")));
  EXPECT_EQ(m_expansion.size(), 1u);
}

TEST_F(KeyedTreeTest, EnsureVisibleExpandsAncestors) {
  AddSample();
  ASSERT_TRUE(m_tree.EnsureVisible(QStringLiteral("K12")));
  EXPECT_TRUE(m_tree.Expanded(QStringLiteral("Kultur")));
  EXPECT_TRUE(m_tree.Expanded(QStringLiteral("K1")));
  EXPECT_FALSE(m_tree.Expanded(QStringLiteral("K12")));
  EXPECT_EQ(m_expansion, std::vector<QString>({QStringLiteral("+Kultur"), QStringLiteral("+K1")}));
  EXPECT_FALSE(m_tree.EnsureVisible(QStringLiteral("fehlt")));
}

TEST_F(KeyedTreeTest, SelectionAndDropHighlightAreIndependent) {
  AddSample();
  EXPECT_EQ(m_tree.SelectedItem(), QString());
  EXPECT_EQ(m_tree.DropHighlight(), QString());

  ASSERT_TRUE(m_tree.Select(QStringLiteral("K11")));
  ASSERT_TRUE(m_tree.SetDropHighlight(QStringLiteral("K2")));
  EXPECT_EQ(m_tree.SelectedItem(), QStringLiteral("K11"));
  EXPECT_EQ(m_tree.DropHighlight(), QStringLiteral("K2"));
  EXPECT_NE(ItemOf(m_tree, QStringLiteral("Gruppe 2"))->background(0).style(), Qt::NoBrush);  // marked visibly

  ASSERT_TRUE(m_tree.SetDropHighlight(QStringLiteral("K1")));
  EXPECT_EQ(ItemOf(m_tree, QStringLiteral("Gruppe 2"))->background(0).style(), Qt::NoBrush);  // old mark gone
  m_tree.ClearDropHighlight();
  EXPECT_EQ(m_tree.DropHighlight(), QString());
  EXPECT_EQ(m_tree.SelectedItem(), QStringLiteral("K11"));

  // A missing key removes the mark and fails; a missing selection key changes nothing.
  m_tree.SetDropHighlight(QStringLiteral("K2"));
  EXPECT_FALSE(m_tree.SetDropHighlight(QStringLiteral("fehlt")));
  EXPECT_EQ(m_tree.DropHighlight(), QString());
  EXPECT_FALSE(m_tree.Select(QStringLiteral("fehlt")));
  EXPECT_EQ(m_tree.SelectedItem(), QStringLiteral("K11"));

  // The selection follows a moved node; removing marked or selected nodes clears the marks.
  m_tree.SetDropHighlight(QStringLiteral("K12"));
  ASSERT_TRUE(m_tree.SetParent(QStringLiteral("K1"), QStringLiteral("K2")));
  EXPECT_EQ(m_tree.SelectedItem(), QStringLiteral("K11"));
  EXPECT_EQ(m_tree.DropHighlight(), QStringLiteral("K12"));
  ASSERT_TRUE(m_tree.Remove(QStringLiteral("K1")));
  EXPECT_EQ(m_tree.SelectedItem(), QString());
  EXPECT_EQ(m_tree.DropHighlight(), QString());

  m_tree.Select(QStringLiteral("K2"));
  m_tree.SetDropHighlight(QStringLiteral("K2"));
  m_tree.Clear();
  EXPECT_EQ(m_tree.SelectedItem(), QString());
  EXPECT_EQ(m_tree.DropHighlight(), QString());
  EXPECT_TRUE(m_tree.Select(QString()));
}

TEST_F(KeyedTreeTest, PicturesComeFromTheImageListByKey) {
  auto images = std::make_unique<ImageList>();
  images->Add(QStringLiteral("closed"), Filled(Qt::red));
  images->Add(QStringLiteral("open"), Filled(Qt::green));
  m_tree.Add(QString(), QStringLiteral("A"), QStringLiteral("vorher"));  // added before the list: no picture
  m_tree.SetImageList(images.get());

  EXPECT_TRUE(m_tree.Add(QString(), QStringLiteral("K"), QStringLiteral("Kulturen"), QStringLiteral("closed")));
  EXPECT_EQ(m_tree.Image(QStringLiteral("K")), QStringLiteral("closed"));
  EXPECT_FALSE(ItemOf(m_tree, QStringLiteral("Kulturen"))->icon(0).isNull());

  // A key the list lacks still adds the node, without a picture.
  EXPECT_TRUE(
      m_tree.Add(QStringLiteral("K"), QStringLiteral("K1"), QStringLiteral("Gruppe"), QStringLiteral("gibtsnicht")));
  EXPECT_EQ(m_tree.Image(QStringLiteral("K1")), QString());
  EXPECT_TRUE(ItemOf(m_tree, QStringLiteral("Gruppe"))->icon(0).isNull());

  EXPECT_TRUE(m_tree.SetImage(QStringLiteral("K"), QStringLiteral("open")));
  EXPECT_EQ(m_tree.Image(QStringLiteral("K")), QStringLiteral("open"));
  EXPECT_FALSE(m_tree.SetImage(QStringLiteral("K"), QStringLiteral("gibtsnicht")));
  EXPECT_EQ(m_tree.Image(QStringLiteral("K")), QString());
  EXPECT_TRUE(ItemOf(m_tree, QStringLiteral("Kulturen"))->icon(0).isNull());
  EXPECT_TRUE(m_tree.SetImage(QStringLiteral("K"), QString()));
  EXPECT_FALSE(m_tree.SetImage(QStringLiteral("fehlt"), QStringLiteral("open")));

  // A list destroyed before the tree gives no pictures, and no crash.
  m_tree.SetImage(QStringLiteral("K"), QStringLiteral("open"));
  images.reset();
  EXPECT_FALSE(m_tree.SetImage(QStringLiteral("K1"), QStringLiteral("open")));
  EXPECT_TRUE(
      m_tree.Add(QStringLiteral("K"), QStringLiteral("K2"), QStringLiteral("Gruppe 2"), QStringLiteral("open")));
  EXPECT_EQ(m_tree.Image(QStringLiteral("K2")), QString());
}

// A name wider than the tree is shown whole: the view scrolls sideways to it, and a click
// beside a short name still hits its node.
TEST_F(KeyedTreeTest, LongNamesShowWholeAndTheViewScrollsSideways) {
  const QString lang = QStringLiteral("Pelargonium zonale Hybride Sommerflor rot 12 cm Topf Frühjahrssatz");
  AddSample();
  m_tree.Add(QStringLiteral("K1"), QStringLiteral("K13"), lang);
  m_tree.SetExpanded(QStringLiteral("Kultur"), true);
  m_tree.SetExpanded(QStringLiteral("K1"), true);
  m_tree.resize(140, 200);
  m_tree.show();
  QApplication::processEvents();
  auto* view = m_tree.findChild<QTreeWidget*>();
  QTreeWidgetItem* item = ItemOf(m_tree, lang);
  ASSERT_NE(item, nullptr);
  const QRect rect = view->visualItemRect(item);
  EXPECT_GE(rect.width(), view->fontMetrics().horizontalAdvance(lang));
  EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
  const QRect kurz = view->visualItemRect(ItemOf(m_tree, QStringLiteral("Gruppe 2")));
  const QPoint rechts(view->viewport()->width() - 3, kurz.center().y());
  EXPECT_EQ(m_tree.HitTest(view->viewport()->mapTo(&m_tree, rechts)), QStringLiteral("K2"));
}

TEST_F(KeyedTreeTest, TenThousandNodesAreAddedAndSorted) {
  m_tree.Add(QString(), QStringLiteral("Kultur"), QStringLiteral("Kulturen"));
  m_tree.SetSorted(QStringLiteral("Kultur"), true);
  int added = 1;
  for (int group = 0; group < 100; ++group) {
    const QString groupKey = QStringLiteral("G%1").arg(group);
    added += m_tree.Add(QStringLiteral("Kultur"), groupKey, QStringLiteral("Gruppe %1").arg(99 - group)) ? 1 : 0;
    m_tree.SetSorted(groupKey, group % 2 == 0);
    for (int item = 0; item < 99; ++item) {
      const QString text = QStringLiteral("Kultur %1").arg((item * 37) % 99);
      added += m_tree.Add(groupKey, QStringLiteral("K%1_%2").arg(group).arg(item), text) ? 1 : 0;
    }
  }
  EXPECT_EQ(added, 10001);
  EXPECT_EQ(m_tree.Count(), 10001);
  EXPECT_EQ(m_tree.IndexOf(QStringLiteral("K99_98")), 10001);
  EXPECT_EQ(m_tree.Text(m_tree.Children(QStringLiteral("Kultur")).first()), QStringLiteral("Gruppe 0"));
}

}  // namespace
}  // namespace tolvar::ui
