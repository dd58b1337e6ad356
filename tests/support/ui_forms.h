#pragma once
// Helpers for window tests.

namespace tolvar::test {

// Delivers posted events and destroys windows whose deletion was deferred by Unload.
void ProcessEvents();

// Unloads every loaded window and the main window (their handlers run; cancelling is
// overridden) and destroys them, so the next test starts with none loaded.
void UnloadAllWindows();

// Shows the program's main window, large enough that its child windows are whole inside it,
// so that clicks at their controls reach them. Loads it when it is not.
void MainWindowShown();

}  // namespace tolvar::test

class QString;
class QWidget;
namespace tolvar::ui {
class KeyedTree;
}

namespace tolvar::test {

// Moves the window hosting `control` inside the main window, as a person drags a window by
// its title, so that the control lies on the main window (the offscreen screen is narrower
// than some windows). False (the test has failed) when it cannot be brought into view.
bool MoveIntoView(QWidget* control);

// Chooses `command` (object name or text) in the pop-up menu that a right press on the node
// `key` of `tree` shows, as a person does: the right press selects the node. The menu is
// closed afterwards. False (the test has failed) when a step cannot be done.
bool PopUpCommand(ui::KeyedTree* tree, const QString& key, const QString& command);

}  // namespace tolvar::test

#include <QString>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
