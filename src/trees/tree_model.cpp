#include "trees/tree_model.h"

#include <algorithm>
#include <utility>

namespace tolvar::trees {

int TreeModel::Find(std::string_view key) const {
  const auto it = index_.find(std::string(key));
  return it == index_.end() ? -1 : it->second;
}

void TreeModel::Attach(int parent, int id) {
  Node& node = At(id);
  node.parent = parent;
  node.next = -1;
  if (parent < 0) {
    node.prev = -1;
    roots_.push_back(id);
    return;
  }
  Node& p = At(parent);
  node.prev = p.lastChild;
  if (p.lastChild >= 0) {
    At(p.lastChild).next = id;
  } else {
    p.firstChild = id;
  }
  p.lastChild = id;
}

void TreeModel::Detach(int id) {
  Node& node = At(id);
  if (node.parent >= 0) {
    Node& p = At(node.parent);
    if (node.prev >= 0) {
      At(node.prev).next = node.next;
    } else {
      p.firstChild = node.next;
    }
    if (node.next >= 0) {
      At(node.next).prev = node.prev;
    } else {
      p.lastChild = node.prev;
    }
  } else {
    std::erase(roots_, id);
  }
  node.parent = node.prev = node.next = -1;
}

bool TreeModel::Add(std::string_view parentKey, std::string key, std::string text, std::string image) {
  if (key.empty() || index_.contains(key)) return false;
  int parent = -1;
  if (!parentKey.empty()) {
    parent = Find(parentKey);
    if (parent < 0) return false;
  }
  const int id = static_cast<int>(nodes_.size());
  Node node;
  node.key = std::move(key);
  node.text = std::move(text);
  node.image = std::move(image);
  index_.emplace(node.key, id);
  nodes_.push_back(std::move(node));
  Attach(parent, id);
  ++count_;
  return true;
}

bool TreeModel::Remove(std::string_view key) {
  const int id = Find(key);
  if (id < 0) return false;
  Detach(id);
  // Removes the subtree iteratively; deep chains must not exhaust the stack.
  std::vector<int> pending{id};
  while (!pending.empty()) {
    const int each = pending.back();
    pending.pop_back();
    Node& node = At(each);
    node.removed = true;
    index_.erase(node.key);
    --count_;
    for (int child = node.firstChild; child >= 0; child = At(child).next) pending.push_back(child);
  }
  return true;
}

bool TreeModel::SetParent(std::string_view key, std::string_view newParentKey) {
  const int id = Find(key);
  if (id < 0) return false;
  int parent = -1;
  if (!newParentKey.empty()) {
    parent = Find(newParentKey);
    if (parent < 0) return false;
    for (int up = parent; up >= 0; up = At(up).parent) {
      if (up == id) return false;
    }
  }
  Detach(id);
  Attach(parent, id);
  return true;
}

std::string TreeModel::ParentKey(std::string_view key) const {
  const int id = Find(key);
  if (id < 0 || At(id).parent < 0) return {};
  return At(At(id).parent).key;
}

std::vector<std::string> TreeModel::Children(std::string_view key) const {
  std::vector<std::string> keys;
  const int id = Find(key);
  if (id < 0) return keys;
  for (int child = At(id).firstChild; child >= 0; child = At(child).next) keys.push_back(At(child).key);
  return keys;
}

std::vector<int> TreeModel::Collection() const {
  std::vector<int> ids;
  ids.reserve(static_cast<std::size_t>(count_));
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    if (!nodes_[i].removed) ids.push_back(static_cast<int>(i));
  }
  return ids;
}

std::vector<int> TreeModel::PreOrder() const {
  std::vector<int> ids;
  ids.reserve(static_cast<std::size_t>(count_));
  std::vector<int> pending;
  for (auto it = roots_.rbegin(); it != roots_.rend(); ++it) pending.push_back(*it);
  while (!pending.empty()) {
    const int id = pending.back();
    pending.pop_back();
    ids.push_back(id);
    const std::size_t mark = pending.size();
    for (int child = At(id).firstChild; child >= 0; child = At(child).next) pending.push_back(child);
    std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(mark), pending.end());
  }
  return ids;
}

}  // namespace tolvar::trees
