#pragma once
// Copies a built tree into a window's tree control, runs a build of the program-wide list of a
// kind into a tree control, and gives tree controls their pictures.

#include <QString>
#include <vector>

#include "trees/tree_build.h"

class QObject;

namespace tolvar::ui {
class Form;
class ImageList;
class KeyedTree;
}  // namespace tolvar::ui

namespace tolvar::trees::ui {

// Key and expanded state of every node but the first (the root).
std::vector<trees::NodeState> NodeStates(const tolvar::ui::KeyedTree& tree);
// Clears the control and fills it with the model's nodes, pictures, sorted flags and expanded
// states. The control's Expand and Collapse signals stay quiet meanwhile, so windows that
// switch pictures on expanding leave the build's pictures alone.
void Fill(tolvar::ui::KeyedTree& tree, const trees::TreeModel& model);
// Builds the kind's current (or full) view from its list into `tree`; without a control the
// list's flags and the selection index are still set as a build sets them.
void Build(tolvar::ui::KeyedTree* tree, trees::Kind kind, bool full);
// The pictures of a tree's nodes, named `name`: "closed" and "open" folders, and the picture
// of a dragged record when `dragKey` names one.
tolvar::ui::ImageList* FolderImages(QObject* parent, const char* name, const char* dragKey = nullptr);
// The window's tree control of that name, or nullptr.
tolvar::ui::KeyedTree* TreeOf(tolvar::ui::Form& form, const char* name);

}  // namespace tolvar::trees::ui
