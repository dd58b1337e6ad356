#include "trees/tree_build.h"

#include <optional>
#include <unordered_map>

#include "base/values.h"
#include "data/state.h"

namespace tolvar::trees {

namespace {

constexpr KindInfo kKinds[kKindCount] = {
    {.prefix = "K", .top = "K1000", .rootKey = "Kultur", .rootText = "Kulturen"},
    {.prefix = "Sta", .top = "Sta1000", .rootKey = "Standort", .rootText = "Standorte"},
    {.prefix = "M", .top = "M1000", .rootKey = "Material", .rootText = "Materialien"},
    {.prefix = "P", .top = "P1000", .rootKey = "Personal", .rootText = "Personal"},
    {.prefix = "StdT", .top = "StdT1000", .rootKey = "Taetigkeit", .rootText = "Tätigkeiten"},
};

// A parent number read as a number. A text that is no number cannot be evaluated; the tests
// that read it then count as met, as the record's place was always decided.
enum class Parent { Zero, Positive, Negative, Invalid };

Parent ReadParent(std::string_view ueber) {
  const std::optional<double> n = base::ParseNumber(ueber);
  if (!n) return Parent::Invalid;
  if (*n == 0.0) return Parent::Zero;
  return *n > 0.0 ? Parent::Positive : Parent::Negative;
}

// Records by number: the first with each number, and the next one with the same number.
class ByNumber {
 public:
  explicit ByNumber(const std::vector<Entry>& entries) : next_(entries.size(), -1) {
    first_.reserve(entries.size());
    std::unordered_map<std::string_view, int> last;
    last.reserve(entries.size());
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
      const std::string_view nr = entries[static_cast<std::size_t>(i)].nr;
      const auto [it, inserted] = last.try_emplace(nr, i);
      if (inserted) {
        first_.emplace(nr, i);
      } else {
        next_[static_cast<std::size_t>(it->second)] = i;
        it->second = i;
      }
    }
  }
  int First(std::string_view nr) const {
    const auto it = first_.find(nr);
    return it == first_.end() ? -1 : it->second;
  }
  int Next(int i) const { return next_[static_cast<std::size_t>(i)]; }

 private:
  std::unordered_map<std::string_view, int> first_;
  std::vector<int> next_;
};

std::string TopText(Kind kind, const Entry& e) {
  (void)kind;
  return std::string(e.name);
}

// Staff below the top level show "Name, Vorname"; the other kinds their one text field.
std::string DeepText(Kind kind, const Entry& e) {
  if (kind != Kind::Personal) return std::string(e.name);
  std::string text(e.name);
  text += ", ";
  text += e.vorname;
  return text;
}

std::string ParentKeyOf(const KindInfo& info, std::string_view ueber) {
  std::string key(info.prefix);
  key += ueber;
  return key;
}

void AddRoot(Kind kind, BuildResult& r) {
  const KindInfo& info = Info(kind);
  r.tree.Add({}, std::string(info.rootKey), std::string(info.rootText), "closed");
  r.tree.At(r.tree.Find(info.rootKey)).sorted = kind != Kind::Materialien;
  r.lastAdded = std::string(info.rootKey);
}

bool AddNode(BuildResult& r, std::string_view parent, const Entry& e, std::string text, const char* image) {
  if (!r.tree.Add(parent, std::string(e.nr), std::move(text), image)) return false;
  r.lastAdded = std::string(e.nr);
  return true;
}

// Root expanded; every other node takes the expanded state and the picture of the first
// record with its key.
void FinishNodes(const std::vector<Entry>& entries, const ByNumber& byNr, std::string_view rootKey, TreeModel& tree) {
  for (const int id : tree.Collection()) {
    TreeModel::Node& node = tree.At(id);
    if (node.key == rootKey && node.parent < 0) {
      node.expanded = true;
      continue;
    }
    const int i = byNr.First(node.key);
    if (i < 0) continue;
    const Entry& e = entries[static_cast<std::size_t>(i)];
    node.expanded = *e.aufgeklappt;
    node.image = e.group ? "closed" : "open";
  }
}

enum class View { Current, Full };

// The deeper groups (parent number above 0, not yet in the tree) go below the root, then each
// node moves below the node of its parent number where that exists; a move below the node's
// own subtree fails and leaves it where it is. In the current view only current records place
// a group, and each record with a node's number in turn moves it; in the full view every
// record places a group, and only the first record with a parent number moves the node.
void GroupAndNest(View view, Kind kind, const std::vector<Entry>& entries, const ByNumber& byNr, BuildResult& r) {
  const KindInfo& info = Info(kind);
  for (const Entry& e : entries) {
    if (view == View::Current && !e.current) continue;
    const Parent p = ReadParent(e.ueber);
    if (p == Parent::Invalid || (p == Parent::Positive && e.group && !*e.imBaum)) {
      AddNode(r, info.rootKey, e, DeepText(kind, e), "closed");
    }
  }
  for (const int id : r.tree.Collection()) {
    const std::string key = r.tree.At(id).key;
    for (int i = byNr.First(key); i >= 0; i = byNr.Next(i)) {
      const Entry& e = entries[static_cast<std::size_t>(i)];
      if (ReadParent(e.ueber) == Parent::Zero) continue;
      const std::string parentKey = ParentKeyOf(info, e.ueber);
      if (r.tree.Has(parentKey)) {
        r.tree.SetParent(key, parentKey);
        r.tree.At(id).sorted = true;
        *e.imBaum = true;
      }
      if (view == View::Full) break;
    }
  }
}

}  // namespace

const KindInfo& Info(Kind kind) { return kKinds[static_cast<int>(kind)]; }

void KeepExpanded(const std::vector<Entry>& entries, const std::vector<NodeState>& nodes) {
  const ByNumber byNr(entries);
  for (const NodeState& node : nodes) {
    const int i = byNr.First(node.key);
    if (i >= 0) *entries[static_cast<std::size_t>(i)].aufgeklappt = node.expanded;
  }
}

BuildResult BuildCurrentView(Kind kind, const std::vector<Entry>& entries) {
  const KindInfo& info = Info(kind);
  const ByNumber byNr(entries);
  BuildResult r;
  AddRoot(kind, r);

  // Top-level groups, sorted except in the staff tree.
  for (const Entry& e : entries) {
    if (!e.current) continue;
    const Parent p = ReadParent(e.ueber);
    if (p == Parent::Invalid || (p == Parent::Zero && e.group && e.nr != info.top)) {
      if (AddNode(r, info.rootKey, e, TopText(kind, e), "closed")) {
        r.tree.At(r.tree.Find(e.nr)).sorted = kind != Kind::Personal;
      }
      *e.imBaum = true;
    }
  }
  GroupAndNest(View::Current, kind, entries, byNr, r);
  // Pruning: a node not below its parent group (missing, not current, or a cycle, where the
  // move failed) goes with everything below it.
  for (const Entry& e : entries) {
    if (e.nr == info.rootKey) continue;
    if (!r.tree.Has(e.nr) || ReadParent(e.ueber) == Parent::Zero) continue;
    if (r.tree.ParentKey(e.nr) != ParentKeyOf(info, e.ueber)) r.tree.Remove(e.nr);
  }
  // Items below their group; one whose group has no node is left out.
  for (const Entry& e : entries) {
    if (e.nr == "0" || e.nr == info.top || !e.current || e.group || *e.imBaum) continue;
    const std::string parentKey = e.ueber != "0" ? ParentKeyOf(info, e.ueber) : std::string(info.rootKey);
    AddNode(r, parentKey, e, DeepText(kind, e), "open");
    *e.imBaum = true;
  }
  // ImBaum exactly for the first record of each node.
  for (const Entry& e : entries) *e.imBaum = false;
  for (const int id : r.tree.Collection()) {
    const int i = byNr.First(r.tree.At(id).key);
    if (i >= 0) *entries[static_cast<std::size_t>(i)].imBaum = true;
  }
  FinishNodes(entries, byNr, info.rootKey, r.tree);
  return r;
}

BuildResult BuildFullView(Kind kind, const std::vector<Entry>& entries) {
  const KindInfo& info = Info(kind);
  const ByNumber byNr(entries);
  BuildResult r;
  AddRoot(kind, r);

  // Top level: in the culture tree every record with parent 0, elsewhere the groups.
  const bool topSorted = kind == Kind::Kulturen || kind == Kind::Materialien;
  for (const Entry& e : entries) {
    const Parent p = ReadParent(e.ueber);
    bool placed = false;
    if (p == Parent::Invalid) {
      placed = true;
    } else if (p == Parent::Zero && e.nr != info.top) {
      switch (kind) {
        case Kind::Kulturen:
          placed = e.nr != "0";
          break;
        case Kind::Taetigkeiten:
          placed = e.group && !*e.imBaum;
          break;
        default:
          placed = e.group;
          break;
      }
    }
    if (!placed) continue;
    if (AddNode(r, info.rootKey, e, TopText(kind, e), "closed")) {
      r.tree.At(r.tree.Find(e.nr)).sorted = topSorted;
    }
    *e.imBaum = true;
  }
  // A group whose parent is missing, or that would go below its own subtree, stays where it is.
  GroupAndNest(View::Full, kind, entries, byNr, r);
  // Records that are no groups; one whose parent node is missing gets none.
  for (const Entry& e : entries) {
    if (e.nr == "0" || e.nr == info.top || e.group || *e.imBaum) continue;
    const std::string parentKey = e.ueber == "0" ? std::string(info.rootKey) : ParentKeyOf(info, e.ueber);
    AddNode(r, parentKey, e, DeepText(kind, e), "open");
    *e.imBaum = true;
  }
  FinishNodes(entries, byNr, info.rootKey, r.tree);
  return r;
}

namespace {

template <class Satz>
TreeModel BuildList(Kind kind, std::vector<Satz>& list, int& index, bool full, const std::vector<NodeState>& before) {
  const std::vector<Entry> entries = Entries(list);
  KeepExpanded(entries, before);
  BuildResult r = full ? BuildFullView(kind, entries) : BuildCurrentView(kind, entries);
  const int count = static_cast<int>(list.size());
  // The selection index ran through the record passes: it names no record afterwards.
  index = full ? count : count + 1;
  state().windows.AktuellerKnoten = r.lastAdded;
  return std::move(r.tree);
}

TreeModel BuildOfList(Kind kind, bool full, const std::vector<NodeState>& before) {
  State& s = state();
  switch (kind) {
    case Kind::Kulturen:
      return BuildList(kind, s.masters.KulturListe, s.selection.KulturIndex, full, before);
    case Kind::Standorte:
      return BuildList(kind, s.masters.StandortListe, s.selection.StandortIndex, full, before);
    case Kind::Materialien:
      return BuildList(kind, s.masters.MaterialListe, s.selection.MaterialIndex, full, before);
    case Kind::Personal:
      return BuildList(kind, s.masters.PersonalListe, s.selection.PersonalIndex, full, before);
    case Kind::Taetigkeiten:
      return BuildList(kind, s.masters.StdTaetigkeitListe, s.selection.StdTaetigkeitIndex, full, before);
  }
  return {};
}

}  // namespace

TreeModel CurrentViewOfList(Kind kind, const std::vector<NodeState>& before) {
  return BuildOfList(kind, false, before);
}

TreeModel FullViewOfList(Kind kind, const std::vector<NodeState>& before) { return BuildOfList(kind, true, before); }

}  // namespace tolvar::trees
