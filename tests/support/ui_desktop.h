#pragma once
// The window manager's side of a window, for window tests that run offscreen and again on a
// desktop (an X server with a window manager): waiting until a window has appeared in its
// place, and what the window manager allows on it.

#include <QStringList>
#include <optional>

class QWidget;

namespace tolvar::test {

// Whether the tests run on a desktop (not on Qt's offscreen platform).
bool OnDesktop();

// Handles events until the top-level `window` has appeared and taken its place
// (ui::IsPlaced): on a desktop that is when the window manager has framed and shown it. Fails
// the test (false) when that does not happen at all.
bool WaitUntilPlaced(QWidget* window);
// The same wait without failing the test: false at once for a window that is not shown, and
// when the window has not taken its place before `giveUpMs` ran out.
bool Placed(QWidget* window, int giveUpMs);

// The actions the window manager allows on the top-level `window` ("CLOSE", "MINIMIZE",
// "MAXIMIZE_HORZ", ...: the names of _NET_WM_ALLOWED_ACTIONS without "_NET_WM_ACTION_"), or
// nullopt where no window manager tells (offscreen).
std::optional<QStringList> AllowedActions(QWidget* window);

// Asks the window manager to minimise the shown top-level `window` as its minimise button
// does: a WM_CHANGE_STATE message with IconicState to the root window. False where no window
// manager takes such a request (offscreen).
bool MinimiseAsTheButtonDoes(QWidget* window);

// Minimises the top-level `window` as its minimise button does and handles events until it
// has come back: shown, not minimised, the active window, with none of its owners minimised.
// The faults where it stays away; nothing to check offscreen.
QStringList MinimiseComesBackFaults(QWidget* window);

// What keeps the shown top-level `window` from being a fixed dialog: it must tell the window
// manager that it is a dialog with a title bar and a close box only and that its size is
// fixed; on a desktop the window manager must then offer neither maximising nor resizing.
// (Openbox offers minimising on every window whatever a window asks; that is not checked.)
// Empty for a fixed dialog.
QStringList FixedDialogFaults(QWidget* window);

}  // namespace tolvar::test
