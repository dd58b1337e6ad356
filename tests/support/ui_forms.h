#pragma once
// Helpers for window tests.

namespace tolvar::test {

// Delivers posted events and destroys windows whose deletion was deferred by Unload.
void ProcessEvents();

// Unloads every loaded window and the main window (their handlers run; cancelling is
// overridden) and destroys them, so the next test starts with none loaded.
void UnloadAllWindows();

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

}  // namespace tolvar::test

#include <QString>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
