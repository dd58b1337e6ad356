#pragma once
// GotFocus and LostFocus of a control as a person experiences them, for the windows' focus
// handlers. Qt reports every focus change, also those of window switches; a control's own
// handlers care only about the focus moving between the controls of one window:
// - LostFocus runs when the focus moves from the control (or a control inside it, such as a
//   grid's cell editor) to another control of the same window, by mouse, Tab or code. Another
//   window taking the focus (a message box, a pop-up, another window of the program or another
//   program) is no loss: the control keeps the window's focus and runs no LostFocus, neither
//   then nor when the focus comes back.
// - GotFocus runs when the control gains the focus from another control of its window, or
//   from nowhere (the window's first focus).
// LostFocus runs as soon as the focus change is complete, before the control entered acts on
// the click or key that moved the focus; GotFocus runs after the events that caused it. So a
// check that shows a message on leaving runs first, and the control entered still gets its
// GotFocus after the message box has given the focus back.

#include <Qt>
#include <functional>

class QWidget;

namespace tolvar::ui {

// Calls `gotFocus` and `lostFocus` (either may be empty) for `control` as described above
// for as long as the control lives.
void WatchFocus(QWidget* control, std::function<void()> gotFocus, std::function<void()> lostFocus);

// How a watched control gained the focus last (Qt::BacktabFocusReason after Shift+Tab), for a
// GotFocus handler that moves the focus on in the direction it came; Qt::OtherFocusReason for
// a control never watched or never focused.
Qt::FocusReason LastFocusReason(const QWidget* control);

// The window a control sits on: the widget an MDI sub-window hosts, or the top-level window.
QWidget* WindowOf(QWidget* widget);

}  // namespace tolvar::ui
