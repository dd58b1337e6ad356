#pragma once
// The window manager's side of a window, for window tests that run offscreen and again on a
// desktop (an X server with a window manager): waiting until a window has appeared in its
// place, and what the window manager allows on it.

#include <QStringList>
#include <functional>
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

// Handles events until `condition` holds, as the window manager's events bring it about;
// false (the test should fail) when it never does, after a bound only a window manager that
// never answers reaches.
bool WaitForWindowManager(const std::function<bool()>& condition);

// Asks the window manager to restore the program's top-level `window` and make it active, as
// a task bar or pager does when the user picks the window there (_NET_ACTIVE_WINDOW from a
// pager). False where no window manager takes such a request (offscreen).
bool RestoreAsTheTaskBarDoes(QWidget* window);

// Handles events until the window manager has handled every request the program made so far,
// those it makes while handling the events included: a request of the test's own, answered
// in turn by the window manager, marks the point. False offscreen, or where the window
// manager never answers.
bool SettleWithWindowManager();

// Whether the window manager holds the top-level `window` minimised (its WM_STATE is
// Iconic); nullopt offscreen.
std::optional<bool> MinimisedByWindowManager(QWidget* window);

// Whether the keyboard focus of the display lies in a window of the program; nullopt
// offscreen.
std::optional<bool> ProgramHasTheFocus();

// The faults of a shown fixed dialog `dialog` around a minimise, nothing to check offscreen.
// `minimised` (the dialog itself when null, or one of its owners) is minimised as its
// minimise button does, and the dialog is never stranded: while the program's first window
// (its farthest owner) stays shown, it comes back at once, shown with its owners (openbox
// takes the owners of a dialog down with it as far as they are dialogs). Where the program's
// first window went down with it, the program must stay minimised until the user restores
// it; then it is restored as a task bar does, and the dialog must come back with its owners,
// in front of them, and be the active window again where it was before.
QStringList MinimiseFaults(QWidget* dialog, QWidget* minimised = nullptr);

// A window of another program on the desktop: a plain window on a connection of its own, so
// that the window manager takes it for another client. It is shown and made the active
// window as a click on it does; it goes with the object. Offscreen it does nothing and
// `Active` is false.
class OtherProgramWindow {
 public:
  OtherProgramWindow();
  ~OtherProgramWindow();
  OtherProgramWindow(const OtherProgramWindow&) = delete;
  OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;

  // Makes it the active window as a click on it does and handles events until the program
  // has seen it lose the activation. False where that does not happen.
  bool Activate();
  // Whether it holds the keyboard focus of the display.
  bool Active() const;

 private:
  struct Connection;
  Connection* m_connection = nullptr;
};

// What keeps the shown top-level `window` from being a fixed dialog: it must tell the window
// manager that it is a dialog with a title bar and a close box only and that its size is
// fixed; on a desktop the window manager must then offer neither maximising nor resizing.
// (Openbox offers minimising on every window whatever a window asks; that is not checked.)
// Empty for a fixed dialog.
QStringList FixedDialogFaults(QWidget* window);

}  // namespace tolvar::test
