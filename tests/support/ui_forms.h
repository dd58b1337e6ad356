#pragma once
// Helpers for window tests.

namespace tolvar::test {

// Delivers posted events and destroys windows whose deletion was deferred by Unload.
void ProcessEvents();

// Unloads every loaded window and the main window (their handlers run; cancelling is
// overridden) and destroys them, so the next test starts with none loaded.
void UnloadAllWindows();

}  // namespace tolvar::test

#include <QString>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
