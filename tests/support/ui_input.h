#pragma once
// Input as a person gives it, for window tests: clicks, typing, keys, focus moves, tree
// presses and drags, and menu commands. Every helper goes through Qt's own event path (the
// window system's mouse routing, QApplication's key delivery with shortcut overrides and event
// filters, focus changes with their reasons), never through a window's handler, so that the
// window's event filters, key routing and FocusOut/FocusIn handling run as on a desktop.
//
// Helpers that cannot do what they are asked (a hidden control, a missing tree node, a menu
// command that is missing or disabled) fail the running test and return false.
//
// Where the platform cannot give a real activation (the offscreen platform has no window
// manager), the helpers activate the window through Qt's own path, as a window manager does
// when a person clicks into a window.

#include <QKeySequence>
#include <QPoint>
#include <QString>
#include <Qt>

#include "base/values.h"

class QAction;
class QComboBox;
class QWidget;

namespace tolvar::ui {
class Grid;
class KeyedTree;
class MonthCalendar;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar::test {

// ---------------------------------------------------------------- mouse

// Clicks `control` (at its centre, on the box of a check box or option button, or at `at` in
// its own coordinates) with `button`. The window is activated first when it is not (as the
// window manager does on a click); the press gives the focus according to the control's focus
// policy, as a real press does. Fails on a missing or hidden control.
bool Click(QWidget* control, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           QPoint at = QPoint());
inline bool RightClick(QWidget* control, QPoint at = QPoint()) {
  return Click(control, Qt::RightButton, Qt::NoModifier, at);
}
// Double-clicks `control` with the left button.
bool DoubleClick(QWidget* control, QPoint at = QPoint());
// Moves the mouse over `control` (to `at` in its own coordinates, else its centre) without a
// button held, as the hand does: the window is not activated for it. Fails on a missing or
// hidden control.
bool MoveMouseOver(QWidget* control, QPoint at = QPoint());

// Clicks the node `key` of `tree` (on its label, so it counts as a click on the node). Fails
// when the node is missing or not shown; the node's ancestors are not expanded for the test.
bool ClickNode(ui::KeyedTree* tree, const QString& key, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
inline bool RightClickNode(ui::KeyedTree* tree, const QString& key) { return ClickNode(tree, key, Qt::RightButton); }
bool DoubleClickNode(ui::KeyedTree* tree, const QString& key);
// Clicks the tree's free space below its last shown node (a miss of every node).
bool ClickTreeSpace(ui::KeyedTree* tree, Qt::MouseButton button = Qt::LeftButton);

// Presses the left button on the node `from` (a node key of `tree`) and moves it, with the
// button held, to the node `to` of `target` (another tree, or the same), where it is released:
// a drag as the hand does it. An empty `to` drops on `target`'s free space.
bool DragNode(ui::KeyedTree* tree, const QString& from, ui::KeyedTree* target, const QString& to);
// The same, dropping at `at` (own coordinates) of any control, in the tree's window or in
// another one: the window that took the press keeps the mouse while the button is held.
bool DragNodeTo(ui::KeyedTree* tree, const QString& from, QWidget* target, QPoint at = QPoint());

// ---------------------------------------------------------------- keyboard

// Presses and releases `key` with `modifiers` where the keyboard's input goes: the focus
// widget, else the active window. Shortcut overrides, event filters, the window's key preview
// and QWidget's own Tab handling run as for a real key. Keypad Enter is
// Press(Qt::Key_Enter, Qt::KeypadModifier); Shift+Tab is PressShiftTab().
bool Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Presses `key` into `control`: the control gets the focus first (see FocusByClick).
bool PressIn(QWidget* control, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
inline bool PressTab() { return Press(Qt::Key_Tab); }
// Shift+Tab as the window system reports it: Backtab with Shift held.
inline bool PressShiftTab() { return Press(Qt::Key_Backtab, Qt::ShiftModifier); }
inline bool PressEnter() { return Press(Qt::Key_Return); }
inline bool PressKeypadEnter() { return Press(Qt::Key_Enter, Qt::KeypadModifier); }
inline bool PressEscape() { return Press(Qt::Key_Escape); }
inline bool PressF1() { return Press(Qt::Key_F1); }

// Types `text` character by character into the focus widget.
bool Type(const QString& text);
// Types `text` into `control` in place of its contents, as a person does: clicks into it
// when it has no focus, selects everything (Home and Shift+End in a line, else Ctrl+A) and
// types. An empty `text` deletes the contents.
bool TypeInto(QWidget* control, const QString& text);

// ---------------------------------------------------------------- clipboard and drops

// Puts `text` on the clipboard.
void SetClipboardText(const QString& text);
// Pastes `text` into `box` by its context menu: puts it on the clipboard, opens the menu with
// a right click into the box and chooses "Einfügen" there with the mouse. Fails when the box
// shows no context menu, or its "Einfügen" is missing or disabled.
bool PasteByContextMenu(QWidget* box, const QString& text);
// Drops `text` (as text dragged from another program) on the centre of `control`: the drag
// enters the control, moves to its centre and is dropped there. A control that refuses the
// drag on entering takes nothing. Fails on a hidden control.
bool DropText(QWidget* control, const QString& text);

// ---------------------------------------------------------------- focus

// Gives `control` the focus as a person does: by a left click into it (the window is
// activated first). The old focus widget gets FocusOut with the mouse reason, `control` FocusIn.
// A control that takes no focus by click (a focus policy without ClickFocus) gets it by
// QWidget::setFocus with the mouse reason, as the click would have done for a clickable one.
bool FocusByClick(QWidget* control);
// Moves the focus with Tab (forward) or Shift+Tab (back) from the focus widget.
bool FocusByTab(bool forward = true);
// Activates the top-level window of `control` (the window system's activation; set directly
// where the platform gives none), so that its focus widget really holds the keyboard focus.
bool ActivateWindowOf(QWidget* control);
// The control that holds the keyboard focus (QApplication::focusWidget), or null.
QWidget* FocusWidget();

// ---------------------------------------------------------------- menus

// The menu command below `owner` (its menus, menu bar and pop-ups included) whose object name
// or text (without the accelerator '&') is `textOrName`; fails the test and returns null when
// none is found.
QAction* FindCommand(QObject* owner, const QString& textOrName);
// Triggers the command as choosing it in the menu does. Fails, and triggers nothing, when the
// command is missing, disabled or hidden (a person cannot choose it then).
bool TriggerCommand(QObject* owner, const QString& textOrName);
bool TriggerCommand(QAction* action);

// ---------------------------------------------------------------- grids and calendars

// Clicks (or double-clicks) the cell (row, col) of `grid` at its centre; the row is scrolled
// into view first, as a person scrolls to it. Fails when the cell is not shown (a hidden
// column, a row outside the grid).
bool ClickCell(ui::Grid* grid, int row, int col, Qt::MouseButton button = Qt::LeftButton);
bool DoubleClickCell(ui::Grid* grid, int row, int col);

// Clicks the day `date` in `calendar`, after paging the calendar to its month. Fails when
// the date lies outside the calendar's range (a person cannot choose it then).
bool ClickDate(ui::MonthCalendar* calendar, base::Date date);

// Chooses the entry `index` (or the first entry whose text is `text`) of `combo` as a person
// does: a click on the box (on its arrow when the box takes typing) opens the list, Home and
// Down keys move to the entry and Enter takes it. The box raises `activated` and, when the
// entry is another than the current one, `currentIndexChanged`, as for a choice by hand. Fails
// when the box is hidden or disabled, or the entry missing or not enabled.
bool ChooseEntry(QComboBox* combo, int index);
bool ChooseEntry(QComboBox* combo, const QString& text);

// Clicks the tab `index` of `strip` on its caption. Fails when the tab is hidden or missing.
bool ClickTab(ui::TabStrip* strip, int index);

// ---------------------------------------------------------------- events

// Delivers posted events (timers due now, deferred focus handlers) a few rounds.
void Settle();

}  // namespace tolvar::test
