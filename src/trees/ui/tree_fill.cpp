#include "trees/ui/tree_fill.h"

#include <QSignalBlocker>
#include <string>

#include "data/paths.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"

namespace tolvar::trees::ui {

std::vector<trees::NodeState> NodeStates(const tolvar::ui::KeyedTree& tree) {
  std::vector<trees::NodeState> states;
  const int count = tree.Count();
  states.reserve(static_cast<std::size_t>(count));
  for (int i = 2; i <= count; ++i) {
    const QString key = tree.KeyAt(i);
    states.push_back({tolvar::ui::S(key), tree.Expanded(key)});
  }
  return states;
}

void Fill(tolvar::ui::KeyedTree& tree, const trees::TreeModel& model) {
  const QSignalBlocker quiet(&tree);
  const bool updates = tree.updatesEnabled();
  tree.setUpdatesEnabled(false);
  tree.Clear();
  const std::vector<int> order = model.PreOrder();
  for (const int id : order) {
    const trees::TreeModel::Node& node = model.At(id);
    const QString key = tolvar::ui::Q(node.key);
    const QString parent = node.parent >= 0 ? tolvar::ui::Q(model.At(node.parent).key) : QString();
    tree.Add(parent, key, tolvar::ui::Q(node.text), tolvar::ui::Q(node.image));
    // Flagged before its children come, so each child goes straight to its sorted place.
    if (node.sorted) tree.SetSorted(key, true);
  }
  for (const int id : order) {
    const trees::TreeModel::Node& node = model.At(id);
    if (node.expanded) tree.SetExpanded(tolvar::ui::Q(node.key), true);
  }
  tree.setUpdatesEnabled(updates);
}

void Build(tolvar::ui::KeyedTree* tree, trees::Kind kind, bool full) {
  const std::vector<trees::NodeState> before = tree != nullptr ? NodeStates(*tree) : std::vector<trees::NodeState>{};
  const trees::TreeModel model = full ? trees::FullViewOfList(kind, before) : trees::CurrentViewOfList(kind, before);
  if (tree != nullptr) Fill(*tree, model);
}

tolvar::ui::KeyedTree* TreeOf(tolvar::ui::Form& form, const char* name) {
  return tolvar::ui::FindControl<tolvar::ui::KeyedTree>(&form, QString::fromLatin1(name));
}

tolvar::ui::ImageList* FolderImages(QObject* parent, const char* name, const char* dragKey) {
  auto* list = new tolvar::ui::ImageList(parent);
  list->setObjectName(QLatin1String(name));
  for (const char* key : {"closed", "open", dragKey}) {
    if (key == nullptr) continue;
    list->Add(QLatin1String(key), tolvar::ui::Q(data::InstallPath(std::string("\\Bilder\\") + key + ".png")));
  }
  return list;
}

}  // namespace tolvar::trees::ui
