// The builders of the master-data trees on small lists built in code.
#include "trees/tree_build.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/state.h"

namespace tolvar::trees {
namespace {

KulturSatz K(std::string nr, std::string ueber, std::string name, bool group, bool current = true) {
  KulturSatz s;
  s.KulturNr = std::move(nr);
  s.UeberPNr = std::move(ueber);
  s.Kulturname = std::move(name);
  s.Gliederungspunkt = group;
  s.Aktuell = current;
  return s;
}

PersonalSatz P(std::string nr, std::string ueber, std::string name, std::string vorname, bool group) {
  PersonalSatz s;
  s.PersonalNr = std::move(nr);
  s.UeberPNr = std::move(ueber);
  s.Name = std::move(name);
  s.Vorname = std::move(vorname);
  s.Gliederungspunkt = group;
  s.Aktuell = true;
  return s;
}

MaterialSatz M(std::string nr, std::string ueber, std::string name, bool group) {
  MaterialSatz s;
  s.MaterialNr = std::move(nr);
  s.UeberPNr = std::move(ueber);
  s.Materialname = std::move(name);
  s.Gliederungspunkt = group;
  s.Aktuell = true;
  return s;
}

template <class Satz>
BuildResult Build(Kind kind, std::vector<Satz>& list, bool full) {
  const std::vector<Entry> entries = Entries(list);
  return full ? BuildFullView(kind, entries) : BuildCurrentView(kind, entries);
}

std::vector<std::string> Keys(const TreeModel& tree) {
  std::vector<std::string> keys;
  for (const int id : tree.Collection()) keys.push_back(tree.At(id).key);
  std::sort(keys.begin(), keys.end());
  return keys;
}

// Three levels of groups and an item at the bottom, in every order of the list.
TEST(TreeBuild, NestsAtAnyDepthInAnyListOrder) {
  std::vector<KulturSatz> base = {K("K1001", "0", "Topfpflanzen", true), K("K1002", "1001", "Blühende", true),
                                  K("K1003", "1002", "Herbst", true), K("K1004", "1003", "Cyclamen", false)};
  std::vector<int> order = {0, 1, 2, 3};
  do {
    for (const bool full : {false, true}) {
      std::vector<KulturSatz> list;
      for (const int i : order) list.push_back(base[static_cast<std::size_t>(i)]);
      SCOPED_TRACE(testing::Message() << "order " << order[0] << order[1] << order[2] << order[3]
                                      << (full ? " full" : " current"));
      const BuildResult r = Build(Kind::Kulturen, list, full);
      EXPECT_EQ(r.tree.ParentKey("K1001"), "Kultur");
      EXPECT_EQ(r.tree.ParentKey("K1002"), "K1001");
      EXPECT_EQ(r.tree.ParentKey("K1003"), "K1002");
      EXPECT_EQ(r.tree.ParentKey("K1004"), "K1003");
      EXPECT_EQ(r.tree.At(r.tree.Find("K1004")).image, "open");
      EXPECT_EQ(r.tree.At(r.tree.Find("K1003")).image, "closed");
    }
  } while (std::next_permutation(order.begin(), order.end()));
}

// Which records the current view shows, and ImBaum exactly for them.
TEST(TreeBuild, CurrentViewShowsCurrentChainsOnly) {
  std::vector<KulturSatz> list = {
      K("K1000", "0", "Kulturen", true),               // top record: never a node
      K("K1001", "0", "Topfpflanzen", true),           // shown
      K("K1002", "0", "Alt", true, false),             // group not current
      K("K1003", "1002", "Untergruppe", true),         // current, parent not current
      K("K1004", "1003", "Primel", false),             // below the hidden group
      K("K1005", "1002", "Fuchsie", false),            // current item of a non-current group
      K("K1006", "1001", "Cyclamen", false),           // shown
      K("K1007", "1001", "Vorjahr", false, false),     // not current
      K("K1008", "1099", "Waise", false),              // group number matches no record
      K("K1009", "", "Ohne Gruppe", true),             // parent number not a number
      K("K1010", "1009", "Unter ohne Gruppe", false),  // below it
      K("0", "0", "Null", false),                      // item numbered "0"
      K("K1011", "0", "Einzelkultur", false),          // item at the top level
  };
  const BuildResult r = Build(Kind::Kulturen, list, false);
  EXPECT_EQ(Keys(r.tree), (std::vector<std::string>{"K1001", "K1006", "K1011", "Kultur"}));
  const std::vector<bool> imBaum = {false, true,  false, false, false, false, true,
                                    false, false, false, false, false, true};
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].ImBaum, imBaum[i]) << list[i].KulturNr;
  }
  EXPECT_EQ(r.tree.ParentKey("K1011"), "Kultur");
  EXPECT_EQ(r.lastAdded, "K1011");
}

// The full view shows every record; an orphan group stays below the root, an orphan item
// gets no node; the culture tree places its top-level items with the groups.
TEST(TreeBuild, FullViewShowsAllAndKeepsOrphanGroups) {
  std::vector<KulturSatz> list = {
      K("K1000", "0", "Kulturen", true),
      K("K1002", "0", "Alt", true, false),
      K("K1003", "1002", "Untergruppe", true),
      K("K1005", "1002", "Fuchsie", false, false),
      K("K1012", "1050", "Verwaiste Gruppe", true),
      K("K1013", "1050", "Verwaiste Kultur", false),
      K("K1014", "0", "Einzelkultur", false),
      K("0", "0", "Null", true),
  };
  const BuildResult r = Build(Kind::Kulturen, list, true);
  EXPECT_EQ(Keys(r.tree), (std::vector<std::string>{"K1002", "K1003", "K1005", "K1012", "K1014", "Kultur"}));
  EXPECT_EQ(r.tree.ParentKey("K1003"), "K1002");
  EXPECT_EQ(r.tree.ParentKey("K1005"), "K1002");
  EXPECT_EQ(r.tree.ParentKey("K1012"), "Kultur");
  EXPECT_FALSE(r.tree.At(r.tree.Find("K1012")).sorted);
  EXPECT_EQ(r.tree.At(r.tree.Find("K1014")).image, "open");
  // The orphan item was tried (ImBaum) though it has no node; the orphan group was not placed.
  EXPECT_TRUE(list[5].ImBaum);
  EXPECT_FALSE(list[4].ImBaum);
}

TEST(TreeBuild, FullViewOrphanItemOfAnotherKindAndZerosParent) {
  std::vector<StandortSatz> list(3);
  list[0].StandortNr = "Sta1001", list[0].UeberPNr = "000", list[0].Gliederungspunkt = true;
  list[1].StandortNr = "Sta1002", list[1].UeberPNr = "000";  // item: parent key "Sta000"
  list[2].StandortNr = "Sta1003", list[2].UeberPNr = "0";
  const BuildResult r = Build(Kind::Standorte, list, true);
  EXPECT_EQ(r.tree.ParentKey("Sta1001"), "Standort");
  EXPECT_FALSE(r.tree.Has("Sta1002"));
  EXPECT_EQ(r.tree.ParentKey("Sta1003"), "Standort");
}

TEST(TreeBuild, FullViewGroupsNamingEachOther) {
  std::vector<KulturSatz> list = {K("K1001", "1002", "A", true, false), K("K1002", "1001", "B", true, false)};
  const BuildResult r = Build(Kind::Kulturen, list, true);
  EXPECT_EQ(r.tree.ParentKey("K1002"), "Kultur");
  EXPECT_EQ(r.tree.ParentKey("K1001"), "K1002");
}

// Expanded groups stay expanded across a rebuild; new groups start collapsed; the root is
// always expanded.
TEST(TreeBuild, ExpandedStateSurvivesRebuild) {
  for (const bool full : {false, true}) {
    SCOPED_TRACE(full ? "full" : "current");
    std::vector<KulturSatz> list = {K("K1001", "0", "A", true), K("K1002", "1001", "B", true),
                                    K("K1003", "0", "C", true), K("K1004", "1002", "x", false)};
    const std::vector<NodeState> before = {{"K1001", true}, {"K1002", false}, {"K1999", true}};
    const std::vector<Entry> entries = Entries(list);
    KeepExpanded(entries, before);
    const BuildResult r = full ? BuildFullView(Kind::Kulturen, entries) : BuildCurrentView(Kind::Kulturen, entries);
    EXPECT_TRUE(r.tree.At(r.tree.Find("Kultur")).expanded);
    EXPECT_TRUE(r.tree.At(r.tree.Find("K1001")).expanded);
    EXPECT_FALSE(r.tree.At(r.tree.Find("K1002")).expanded);
    EXPECT_FALSE(r.tree.At(r.tree.Find("K1003")).expanded);
    EXPECT_TRUE(list[0].Aufgeklappt);
  }
}

// The selection index ran through the passes: count + 1 after the current view, count after
// the full view; AktuellerKnoten names the node added last.
TEST(TreeBuild, SelectionIndexAfterBuild) {
  ResetState();
  for (int i = 0; i < 12; ++i) {
    state().masters.KulturListe.push_back(K("K" + std::to_string(1001 + i), "0", "G" + std::to_string(i), true));
  }
  CurrentViewOfList(Kind::Kulturen, {});
  EXPECT_EQ(state().selection.KulturIndex, 13);
  EXPECT_FALSE(state().windows.AktuellerKnoten.empty());
  for (KulturSatz& s : state().masters.KulturListe) s.ImBaum = false;
  FullViewOfList(Kind::Kulturen, {});
  EXPECT_EQ(state().selection.KulturIndex, 12);
  ResetState();
  FullViewOfList(Kind::Standorte, {});
  EXPECT_EQ(state().selection.StandortIndex, 0);
  CurrentViewOfList(Kind::Standorte, {});
  EXPECT_EQ(state().selection.StandortIndex, 1);
  ResetState();
}

TEST(TreeBuild, EmptyListGivesTheRootAlone) {
  struct Case {
    Kind kind;
    const char* key;
    const char* text;
  };
  for (const Case& c :
       {Case{Kind::Kulturen, "Kultur", "Kulturen"}, Case{Kind::Standorte, "Standort", "Standorte"},
        Case{Kind::Materialien, "Material", "Materialien"}, Case{Kind::Personal, "Personal", "Personal"},
        Case{Kind::Taetigkeiten, "Taetigkeit", "Tätigkeiten"}}) {
    for (const bool full : {false, true}) {
      const std::vector<Entry> none;
      const BuildResult r = full ? BuildFullView(c.kind, none) : BuildCurrentView(c.kind, none);
      ASSERT_EQ(r.tree.Count(), 1);
      const TreeModel::Node& root = r.tree.At(r.tree.Find(c.key));
      EXPECT_EQ(root.text, c.text);
      EXPECT_EQ(root.image, "closed");
      EXPECT_TRUE(root.expanded);
      EXPECT_EQ(root.sorted, c.kind != Kind::Materialien);
    }
  }
}

// Staff texts by level; a top-level staff group keeps its children in the order attached.
TEST(TreeBuild, StaffTextsAndOrder) {
  for (const bool full : {false, true}) {
    SCOPED_TRACE(full ? "full" : "current");
    std::vector<PersonalSatz> list = {P("P1004", "1001", "Zeller", "Max", false),
                                      P("P1001", "0", "Stamm", "egal", true), P("P1003", "1001", "Unter", "", true),
                                      P("P1002", "1001", "Adam", "Eva", false),
                                      P("P1005", "1003", "Berg", "Udo", false)};
    const BuildResult r = Build(Kind::Personal, list, full);
    EXPECT_EQ(r.tree.At(r.tree.Find("P1001")).text, "Stamm");
    EXPECT_EQ(r.tree.At(r.tree.Find("P1003")).text, "Unter, ");
    EXPECT_EQ(r.tree.At(r.tree.Find("P1004")).text, "Zeller, Max");
    EXPECT_FALSE(r.tree.At(r.tree.Find("P1001")).sorted);
    EXPECT_TRUE(r.tree.At(r.tree.Find("Personal")).sorted);
    EXPECT_EQ(r.tree.Children("P1001"), (std::vector<std::string>{"P1003", "P1004", "P1002"}));
  }
}

// The material root keeps list order (groups first); the material groups sort their children.
TEST(TreeBuild, MaterialRootInListOrder) {
  for (const bool full : {false, true}) {
    SCOPED_TRACE(full ? "full" : "current");
    std::vector<MaterialSatz> list = {M("M1000", "0", "Materialien", true), M("M1007", "0", "Töpfe", true),
                                      M("M1010", "0", "Lose", false), M("M1002", "0", "Allgemein", true),
                                      M("M1011", "1007", "Topf 9", false)};
    const BuildResult r = Build(Kind::Materialien, list, full);
    EXPECT_EQ(r.tree.Children("Material"), (std::vector<std::string>{"M1007", "M1002", "M1010"}));
    EXPECT_FALSE(r.tree.At(r.tree.Find("Material")).sorted);
    EXPECT_TRUE(r.tree.At(r.tree.Find("M1007")).sorted);
  }
}

// Sorted flags of the groups below the root, by kind and view.
TEST(TreeBuild, SortedFlagsOfTopLevelGroups) {
  struct Case {
    Kind kind;
    bool full;
    bool sorted;
  };
  const Case cases[] = {{Kind::Standorte, false, true},
                        {Kind::Standorte, true, false},
                        {Kind::Taetigkeiten, false, true},
                        {Kind::Taetigkeiten, true, false},
                        {Kind::Kulturen, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << (c.full ? " full" : " current"));
    const std::string prefix(Info(c.kind).prefix);
    const std::string nr = prefix + "1001";
    bool imBaum = false, auf = false;
    const std::vector<Entry> entries = {Entry{nr, "0", "Gruppe", {}, true, true, &imBaum, &auf}};
    const BuildResult r = c.full ? BuildFullView(c.kind, entries) : BuildCurrentView(c.kind, entries);
    EXPECT_EQ(r.tree.At(r.tree.Find(nr)).sorted, c.sorted);
  }
}

// Two records with one number yield one node, that of the first; a record whose parent
// number is empty is not shown in the current view and sits at the top in the full view.
TEST(TreeBuild, DuplicatesAndUnreadableParents) {
  std::vector<KulturSatz> list = {K("K1001", "0", "Erste", true), K("K1001", "0", "Zweite", true),
                                  K("K1005", "0", "Item", false), K("K1005", "0", "Item 2", false),
                                  K("K1006", "", "Leer", true),   K("K1007", "1006", "Darunter", false)};
  const BuildResult current = Build(Kind::Kulturen, list, false);
  EXPECT_EQ(current.tree.At(current.tree.Find("K1001")).text, "Erste");
  EXPECT_EQ(current.tree.At(current.tree.Find("K1005")).text, "Item");
  EXPECT_FALSE(current.tree.Has("K1006"));
  EXPECT_FALSE(current.tree.Has("K1007"));
  EXPECT_TRUE(list[0].ImBaum);
  EXPECT_FALSE(list[1].ImBaum);
  for (KulturSatz& s : list) s.ImBaum = false;
  const BuildResult full = Build(Kind::Kulturen, list, true);
  EXPECT_EQ(full.tree.ParentKey("K1006"), "Kultur");
  EXPECT_EQ(full.tree.ParentKey("K1007"), "K1006");
}

// A group that names one of its own descendants as parent cannot move there; the current view
// drops the whole cycle.
TEST(TreeBuild, CycleOfGroupsIsNotShownInCurrentView) {
  std::vector<KulturSatz> list = {K("K1001", "1002", "A", true), K("K1002", "1001", "B", true),
                                  K("K1003", "1001", "x", false)};
  const BuildResult r = Build(Kind::Kulturen, list, false);
  EXPECT_EQ(r.tree.Count(), 1);
  for (const KulturSatz& s : list) EXPECT_FALSE(s.ImBaum) << s.KulturNr;
}

}  // namespace
}  // namespace tolvar::trees
