#include "platform/ui/keyedtree.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
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
  const auto found =
      tree.findChild<QTreeWidget*>()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

class KeyedTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_tree.setObjectName("trvKulturen");
    QObject::connect(&m_tree, &KeyedTree::Expand,
                     [this](const QString& k) { m_expansion.push_back("+" + k); });
    QObject::connect(&m_tree, &KeyedTree::Collapse,
                     [this](const QString& k) { m_expansion.push_back("-" + k); });
  }
  // Root "Kultur" with groups K1 (K11, K12 below it) and K2.
  void AddSample() {
    m_tree.Add("", "Kultur", "Kulturen");
    m_tree.Add("Kultur", "K1", "Gruppe 1");
    m_tree.Add("K1", "K11", "Kultur 11");
    m_tree.Add("K1", "K12", "Kultur 12");
    m_tree.Add("Kultur", "K2", "Gruppe 2");
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
    const QStringList before = m_tree.Keys();
    EXPECT_EQ(m_tree.Add(c.parent, c.key, "neu", ""), c.added);
    if (c.added) {
      EXPECT_EQ(m_tree.Keys(), before + QStringList{c.key});
      EXPECT_EQ(m_tree.ParentKey(c.key), QString(c.parent));
      EXPECT_EQ(m_tree.Text(c.key), "neu");
    } else {
      EXPECT_EQ(m_tree.Keys(), before);
    }
  }
  EXPECT_EQ(m_tree.Text("K1"), "Gruppe 1");  // the refused duplicate left the first alone
  EXPECT_EQ(m_tree.ParentKey("K12"), "K1");
}

TEST_F(KeyedTreeTest, NodeCollectionFollowsInsertionOrderAndMovesKeepPositions) {
  AddSample();
  EXPECT_EQ(m_tree.Count(), 5);
  EXPECT_EQ(m_tree.Keys(), QStringList({"Kultur", "K1", "K11", "K12", "K2"}));
  EXPECT_EQ(m_tree.KeyAt(1), "Kultur");
  EXPECT_EQ(m_tree.KeyAt(5), "K2");
  for (const int outside : {0, 6, -1}) EXPECT_EQ(m_tree.KeyAt(outside), "");
  EXPECT_EQ(m_tree.IndexOf("K12"), 4);
  EXPECT_EQ(m_tree.IndexOf("fehlt"), 0);
  EXPECT_EQ(m_tree.Children("K1"), QStringList({"K11", "K12"}));
  EXPECT_EQ(m_tree.TopLevelKeys(), QStringList({"Kultur"}));

  ASSERT_TRUE(m_tree.SetParent("K1", "K2"));
  EXPECT_EQ(m_tree.Keys(), QStringList({"Kultur", "K1", "K11", "K12", "K2"}));
  EXPECT_EQ(m_tree.IndexOf("K2"), 5);

  // Removing closes the gap; a removed key can be used again and goes to the end.
  ASSERT_TRUE(m_tree.Remove("K11"));
  EXPECT_EQ(m_tree.Keys(), QStringList({"Kultur", "K1", "K12", "K2"}));
  EXPECT_EQ(m_tree.IndexOf("K2"), 4);
  EXPECT_EQ(m_tree.KeyAt(3), "K12");
  EXPECT_TRUE(m_tree.Add("K1", "K11", "Kultur 11"));
  EXPECT_EQ(m_tree.IndexOf("K11"), 5);
  EXPECT_EQ(m_tree.Children("K1"), QStringList({"K12", "K11"}));
}

TEST_F(KeyedTreeTest, RemoveTakesSubtreeAndClearEmptiesTree) {
  AddSample();
  EXPECT_FALSE(m_tree.Remove("fehlt"));
  EXPECT_EQ(m_tree.Count(), 5);

  ASSERT_TRUE(m_tree.Remove("K1"));
  EXPECT_EQ(m_tree.Keys(), QStringList({"Kultur", "K2"}));
  for (const char* gone : {"K1", "K11", "K12"}) {
    EXPECT_FALSE(m_tree.Has(gone)) << gone;
    EXPECT_EQ(ItemOf(m_tree, gone), nullptr);
  }
  EXPECT_EQ(m_tree.Children("Kultur"), QStringList({"K2"}));
  EXPECT_FALSE(m_tree.Add("K1", "K13", "Kultur 13"));  // the parent is gone

  m_tree.Clear();
  EXPECT_EQ(m_tree.Count(), 0);
  EXPECT_TRUE(m_tree.Keys().isEmpty());
  EXPECT_TRUE(m_tree.TopLevelKeys().isEmpty());
  EXPECT_EQ(m_tree.IndexOf("K2"), 0);
  EXPECT_TRUE(m_tree.Add("", "Kultur", "Kulturen"));
  EXPECT_EQ(m_tree.IndexOf("Kultur"), 1);
}

TEST_F(KeyedTreeTest, SetParentMovesSubtreeAndRefusesItsOwnSubtree) {
  AddSample();
  m_tree.Add("K11", "K111", "Kultur 111");
  struct Case {
    const char* key;
    const char* parent;
  };
  // Each refused move leaves every parent as it was.
  const Case refused[] = {{"K1", "K1"},    {"K1", "K11"},   {"K1", "K111"},
                          {"K1", "fehlt"}, {"fehlt", "K2"}, {"Kultur", "K2"}};
  for (const Case& c : refused) {
    SCOPED_TRACE(std::string(c.key) + " -> " + c.parent);
    EXPECT_FALSE(m_tree.SetParent(c.key, c.parent));
    EXPECT_EQ(m_tree.ParentKey("K1"), "Kultur");
    EXPECT_EQ(m_tree.ParentKey("K111"), "K11");
    EXPECT_EQ(m_tree.Children("Kultur"), QStringList({"K1", "K2"}));
  }

  ASSERT_TRUE(m_tree.SetParent("K1", "K2"));
  EXPECT_EQ(m_tree.ParentKey("K1"), "K2");
  EXPECT_EQ(m_tree.Children("K1"), QStringList({"K11", "K12"}));  // order kept
  EXPECT_EQ(m_tree.Children("K11"), QStringList({"K111"}));
  EXPECT_EQ(m_tree.Children("Kultur"), QStringList({"K2"}));

  // To the top level, then as last child of an unsorted parent.
  ASSERT_TRUE(m_tree.SetParent("K11", ""));
  EXPECT_EQ(m_tree.ParentKey("K11"), "");
  EXPECT_EQ(m_tree.TopLevelKeys(), QStringList({"Kultur", "K11"}));
  ASSERT_TRUE(m_tree.SetParent("K2", "K11"));
  EXPECT_EQ(m_tree.Children("K11"), QStringList({"K111", "K2"}));
}

TEST_F(KeyedTreeTest, SortedChildrenUseGermanCollationCaseBlind) {
  m_tree.Add("", "Kultur", "Kulturen");
  ASSERT_TRUE(m_tree.SetSorted("Kultur", true));
  const QStringList texts = {"Zwiebel", "Birne", "Äpfel", "apfel", "Orchidee",
                             "Ölbaum",  "Aster", "Ähre",  "birne"};
  for (const QString& text : texts) m_tree.Add("Kultur", text, text);
  QStringList shown;
  for (const QString& key : m_tree.Children("Kultur")) shown << m_tree.Text(key);
  // Umlauts sort with their base letter, upper and lower case mix, equal texts keep their order.
  EXPECT_EQ(shown, QStringList({"Ähre", "apfel", "Äpfel", "Aster", "Birne", "birne", "Ölbaum",
                                "Orchidee", "Zwiebel"}));
}

TEST_F(KeyedTreeTest, SortedParentKeepsOrderForLaterAdditionsMovesAndRenames) {
  m_tree.Add("", "Kultur", "Kulturen");
  m_tree.Add("Kultur", "Z", "Zinnie");
  m_tree.Add("Kultur", "C", "Cyclame");
  m_tree.Add("Kultur", "A", "Aster");
  m_tree.Add("", "Ablage", "Ablage");
  m_tree.Add("Ablage", "B", "begonie");
  m_tree.Add("Ablage", "E", "Erika");
  EXPECT_EQ(m_tree.Children("Kultur"), QStringList({"Z", "C", "A"}));  // unsorted: as added
  EXPECT_FALSE(m_tree.Sorted("Kultur"));

  ASSERT_TRUE(m_tree.SetSorted("Kultur", true));  // sorts now
  EXPECT_TRUE(m_tree.Sorted("Kultur"));
  EXPECT_EQ(m_tree.Children("Kultur"), QStringList({"A", "C", "Z"}));

  m_tree.Add("Kultur", "P", "Primel");
  ASSERT_TRUE(m_tree.SetParent("B", "Kultur"));
  EXPECT_EQ(m_tree.Children("Kultur"), QStringList({"A", "B", "C", "P", "Z"}));
  ASSERT_TRUE(m_tree.SetText("A", "Tulpe"));
  EXPECT_EQ(m_tree.Children("Kultur"), QStringList({"B", "C", "P", "A", "Z"}));

  // The unsorted sibling keeps plain order; switching sorting off keeps the order reached.
  m_tree.Add("Ablage", "D", "Dahlie");
  EXPECT_EQ(m_tree.Children("Ablage"), QStringList({"E", "D"}));
  ASSERT_TRUE(m_tree.SetSorted("Kultur", false));
  m_tree.Add("Kultur", "Aa", "Akelei");
  EXPECT_EQ(m_tree.Children("Kultur"), QStringList({"B", "C", "P", "A", "Z", "Aa"}));
  EXPECT_FALSE(m_tree.SetSorted("fehlt", true));
}

TEST_F(KeyedTreeTest, TopLevelSortingIsAFlagOfTheTree) {
  m_tree.Add("", "P", "Personal");
  m_tree.Add("", "M", "Material");
  EXPECT_FALSE(m_tree.TopLevelSorted());
  m_tree.SetTopLevelSorted(true);
  EXPECT_EQ(m_tree.TopLevelKeys(), QStringList({"M", "P"}));
  m_tree.Add("", "K", "Kulturen");
  EXPECT_EQ(m_tree.TopLevelKeys(), QStringList({"K", "M", "P"}));
  m_tree.Clear();  // clearing the nodes keeps the tree's flag
  EXPECT_TRUE(m_tree.TopLevelSorted());
}

TEST_F(KeyedTreeTest, ExpandedStateRaisesSignalsOnChangeAndSurvivesMoves) {
  AddSample();
  EXPECT_FALSE(m_tree.Expanded("K1"));
  EXPECT_TRUE(m_tree.SetExpanded("K1", true));
  EXPECT_TRUE(m_tree.SetExpanded("K1", true));  // unchanged: no second signal
  EXPECT_TRUE(m_tree.SetExpanded("K2", true));  // no children yet: state kept all the same
  EXPECT_TRUE(m_tree.SetExpanded("K2", false));
  EXPECT_FALSE(m_tree.SetExpanded("fehlt", true));
  EXPECT_EQ(m_expansion, std::vector<QString>({"+K1", "+K2", "-K2"}));
  EXPECT_TRUE(m_tree.Expanded("K1"));

  // Moving and sorting keep the expanded state of the whole subtree, shown and recorded.
  m_tree.SetExpanded("K11", true);
  m_tree.Add("K11", "K111", "Kultur 111");
  m_expansion.clear();
  ASSERT_TRUE(m_tree.SetParent("K1", "K2"));
  ASSERT_TRUE(m_tree.SetSorted("K2", true));
  m_tree.SetTopLevelSorted(true);
  EXPECT_TRUE(m_expansion.empty());
  for (const char* key : {"K1", "K11"}) {
    EXPECT_TRUE(m_tree.Expanded(key)) << key;
  }
  EXPECT_TRUE(ItemOf(m_tree, "Gruppe 1")->isExpanded());
  EXPECT_TRUE(ItemOf(m_tree, "Kultur 11")->isExpanded());

  // A user's expand in the view is recorded and reported; blocked signals still keep state.
  m_tree.findChild<QTreeWidget*>()->expandItem(ItemOf(m_tree, "Gruppe 2"));
  EXPECT_TRUE(m_tree.Expanded("K2"));
  EXPECT_EQ(m_expansion, std::vector<QString>({"+K2"}));
  m_tree.blockSignals(true);
  m_tree.SetExpanded("Kultur", true);
  m_tree.blockSignals(false);
  EXPECT_TRUE(m_tree.Expanded("Kultur"));
  EXPECT_EQ(m_expansion.size(), 1u);
}

TEST_F(KeyedTreeTest, EnsureVisibleExpandsAncestors) {
  AddSample();
  ASSERT_TRUE(m_tree.EnsureVisible("K12"));
  EXPECT_TRUE(m_tree.Expanded("Kultur"));
  EXPECT_TRUE(m_tree.Expanded("K1"));
  EXPECT_FALSE(m_tree.Expanded("K12"));
  EXPECT_EQ(m_expansion, std::vector<QString>({"+Kultur", "+K1"}));
  EXPECT_FALSE(m_tree.EnsureVisible("fehlt"));
}

TEST_F(KeyedTreeTest, SelectionAndDropHighlightAreIndependent) {
  AddSample();
  EXPECT_EQ(m_tree.SelectedItem(), "");
  EXPECT_EQ(m_tree.DropHighlight(), "");

  ASSERT_TRUE(m_tree.Select("K11"));
  ASSERT_TRUE(m_tree.SetDropHighlight("K2"));
  EXPECT_EQ(m_tree.SelectedItem(), "K11");
  EXPECT_EQ(m_tree.DropHighlight(), "K2");
  EXPECT_NE(ItemOf(m_tree, "Gruppe 2")->background(0).style(), Qt::NoBrush);  // marked visibly

  ASSERT_TRUE(m_tree.SetDropHighlight("K1"));
  EXPECT_EQ(ItemOf(m_tree, "Gruppe 2")->background(0).style(), Qt::NoBrush);  // old mark gone
  m_tree.ClearDropHighlight();
  EXPECT_EQ(m_tree.DropHighlight(), "");
  EXPECT_EQ(m_tree.SelectedItem(), "K11");

  // A missing key removes the mark and fails; a missing selection key changes nothing.
  m_tree.SetDropHighlight("K2");
  EXPECT_FALSE(m_tree.SetDropHighlight("fehlt"));
  EXPECT_EQ(m_tree.DropHighlight(), "");
  EXPECT_FALSE(m_tree.Select("fehlt"));
  EXPECT_EQ(m_tree.SelectedItem(), "K11");

  // The selection follows a moved node; removing marked or selected nodes clears the marks.
  m_tree.SetDropHighlight("K12");
  ASSERT_TRUE(m_tree.SetParent("K1", "K2"));
  EXPECT_EQ(m_tree.SelectedItem(), "K11");
  EXPECT_EQ(m_tree.DropHighlight(), "K12");
  ASSERT_TRUE(m_tree.Remove("K1"));
  EXPECT_EQ(m_tree.SelectedItem(), "");
  EXPECT_EQ(m_tree.DropHighlight(), "");

  m_tree.Select("K2");
  m_tree.SetDropHighlight("K2");
  m_tree.Clear();
  EXPECT_EQ(m_tree.SelectedItem(), "");
  EXPECT_EQ(m_tree.DropHighlight(), "");
  EXPECT_TRUE(m_tree.Select(""));
}

TEST_F(KeyedTreeTest, PicturesComeFromTheImageListByKey) {
  auto images = std::make_unique<ImageList>();
  images->Add("closed", Filled(Qt::red));
  images->Add("open", Filled(Qt::green));
  m_tree.Add("", "A", "vorher");  // added before the list: no picture
  m_tree.SetImageList(images.get());

  EXPECT_TRUE(m_tree.Add("", "K", "Kulturen", "closed"));
  EXPECT_EQ(m_tree.Image("K"), "closed");
  EXPECT_FALSE(ItemOf(m_tree, "Kulturen")->icon(0).isNull());

  // A key the list lacks still adds the node, without a picture.
  EXPECT_TRUE(m_tree.Add("K", "K1", "Gruppe", "gibtsnicht"));
  EXPECT_EQ(m_tree.Image("K1"), "");
  EXPECT_TRUE(ItemOf(m_tree, "Gruppe")->icon(0).isNull());

  EXPECT_TRUE(m_tree.SetImage("K", "open"));
  EXPECT_EQ(m_tree.Image("K"), "open");
  EXPECT_FALSE(m_tree.SetImage("K", "gibtsnicht"));
  EXPECT_EQ(m_tree.Image("K"), "");
  EXPECT_TRUE(ItemOf(m_tree, "Kulturen")->icon(0).isNull());
  EXPECT_TRUE(m_tree.SetImage("K", ""));
  EXPECT_FALSE(m_tree.SetImage("fehlt", "open"));

  // A list destroyed before the tree gives no pictures, and no crash.
  m_tree.SetImage("K", "open");
  images.reset();
  EXPECT_FALSE(m_tree.SetImage("K1", "open"));
  EXPECT_TRUE(m_tree.Add("K", "K2", "Gruppe 2", "open"));
  EXPECT_EQ(m_tree.Image("K2"), "");
}

// A name wider than the tree is shown whole: the view scrolls sideways to it, and a click
// beside a short name still hits its node.
TEST_F(KeyedTreeTest, LongNamesShowWholeAndTheViewScrollsSideways) {
  const QString lang = QStringLiteral("Pelargonium zonale Hybride Sommerflor rot 12 cm Topf Frühjahrssatz");
  AddSample();
  m_tree.Add("K1", "K13", lang);
  m_tree.SetExpanded("Kultur", true);
  m_tree.SetExpanded("K1", true);
  m_tree.resize(140, 200);
  m_tree.show();
  QApplication::processEvents();
  auto* view = m_tree.findChild<QTreeWidget*>();
  QTreeWidgetItem* item = ItemOf(m_tree, lang);
  ASSERT_NE(item, nullptr);
  const QRect rect = view->visualItemRect(item);
  EXPECT_GE(rect.width(), view->fontMetrics().horizontalAdvance(lang));
  EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
  const QRect kurz = view->visualItemRect(ItemOf(m_tree, "Gruppe 2"));
  const QPoint rechts(view->viewport()->width() - 3, kurz.center().y());
  EXPECT_EQ(m_tree.HitTest(view->viewport()->mapTo(&m_tree, rechts)), "K2");
}

TEST_F(KeyedTreeTest, TenThousandNodesAddQuickly) {
  QElapsedTimer timer;
  timer.start();
  m_tree.Add("", "Kultur", "Kulturen");
  m_tree.SetSorted("Kultur", true);
  int added = 1;
  for (int group = 0; group < 100; ++group) {
    const QString groupKey = QString("G%1").arg(group);
    added += m_tree.Add("Kultur", groupKey, QString("Gruppe %1").arg(99 - group)) ? 1 : 0;
    m_tree.SetSorted(groupKey, group % 2 == 0);
    for (int item = 0; item < 99; ++item) {
      const QString text = QString("Kultur %1").arg((item * 37) % 99);
      added += m_tree.Add(groupKey, QString("K%1_%2").arg(group).arg(item), text) ? 1 : 0;
    }
  }
  const qint64 elapsed = timer.elapsed();
  RecordProperty("milliseconds", static_cast<int>(elapsed));
  EXPECT_EQ(added, 10001);
  EXPECT_EQ(m_tree.Count(), 10001);
  EXPECT_LT(elapsed, 2000) << "adding 10,000 nodes took " << elapsed << " ms";
  EXPECT_EQ(m_tree.IndexOf("K99_98"), 10001);
  EXPECT_EQ(m_tree.Text(m_tree.Children("Kultur").first()), "Gruppe 0");
}

}  // namespace
}  // namespace tolvar::ui
