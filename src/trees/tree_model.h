#pragma once
// A keyed tree held in memory, with the operations the builders of the master-data trees use
// (add below a key, move a subtree, remove a subtree, expanded state, picture, sorted flag).
// The builders run their steps on it; the windows then copy the finished tree into their
// tree control. Children keep the order in which they were attached; the tree control sorts
// the children of a node that carries the sorted flag.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tolvar::trees {

class TreeModel {
 public:
  struct Node {
    std::string key;
    std::string text;
    std::string image;
    bool sorted = false;
    bool expanded = false;
    bool removed = false;
    int parent = -1;
    int firstChild = -1;
    int lastChild = -1;
    int prev = -1;
    int next = -1;
  };

  // Adds a node below `parentKey` (empty: at the top level) as its last child. Fails on an
  // empty or duplicate key and on a missing parent.
  bool Add(std::string_view parentKey, std::string key, std::string text, std::string image = {});
  // Removes the node with everything below it.
  bool Remove(std::string_view key);
  // Moves the node with its subtree below `newParentKey` as the last child. Fails when the new
  // parent is missing, is the node itself or lies below it.
  bool SetParent(std::string_view key, std::string_view newParentKey);

  bool Has(std::string_view key) const { return Find(key) >= 0; }
  // Node id of a key, -1 when missing.
  int Find(std::string_view key) const;
  const Node& At(int id) const { return nodes_[static_cast<std::size_t>(id)]; }
  Node& At(int id) { return nodes_[static_cast<std::size_t>(id)]; }
  // Key of the parent; empty for a top-level or missing node.
  std::string ParentKey(std::string_view key) const;
  // Child keys in the order they were attached.
  std::vector<std::string> Children(std::string_view key) const;

  // Ids of the nodes in the tree in the order they were added (the node collection).
  std::vector<int> Collection() const;
  int Count() const { return count_; }
  // Ids in depth-first order, every parent before its children, children in attach order.
  std::vector<int> PreOrder() const;
  // Every id ever added, removed ones included (ids are positions in this range).
  std::size_t Capacity() const { return nodes_.size(); }

 private:
  void Detach(int id);
  void Attach(int parent, int id);

  std::vector<Node> nodes_;
  std::vector<int> roots_;  // top-level ids in attach order, removed ones included
  std::unordered_map<std::string, int> index_;
  int count_ = 0;
};

}  // namespace tolvar::trees
