#pragma once
// Copies a built tree into a window's tree control, and runs a build of the program-wide
// list of a kind into a tree control.

#include <QString>

#include <vector>

#include "trees/tree_build.h"

namespace tolvar::ui {
class Form;
class KeyedTree;
}  // namespace tolvar::ui

namespace tolvar::treefill {

// Key and expanded state of every node but the first (the root).
std::vector<trees::NodeState> NodeStates(const ui::KeyedTree& tree);
// Clears the control and fills it with the model's nodes, pictures, sorted flags and expanded
// states. The control's Expand and Collapse signals stay quiet meanwhile, so windows that
// switch pictures on expanding leave the build's pictures alone.
void Fill(ui::KeyedTree& tree, const trees::TreeModel& model);
// Builds the kind's current (or full) view from its list into `tree`; without a control the
// list's flags and the selection index are still set as a build sets them.
void Build(ui::KeyedTree* tree, trees::Kind kind, bool full);
// The window's tree control of that name, or nullptr.
ui::KeyedTree* TreeOf(ui::Form& form, const char* name);

}  // namespace tolvar::treefill
