#pragma once
// Key filters for text boxes: numeric input and "Enter moves on".

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace tolvar::ui {

// Numeric box: the digits, the decimal comma and Backspace pass; every other character is
// dropped with a beep (through the prompt service). Keys that type nothing (arrows, Home, End,
// Delete, Tab, Escape, function keys) and copy, cut, select-all, undo pass; paste is dropped
// with a beep, as it could bring in any text. Enter moves the focus on, like Tab.
void InstallNumericFilter(QLineEdit* edit);

// Enter (and the keypad's Enter) moves the focus to the next control in the tab order;
// every other key passes.
void InstallEnterMovesOn(QWidget* widget);

// The character code a key press hands to a box's KeyPress handler: 13 for Enter and the
// keypad's Enter, 8 for Backspace, the typed character for a key that types one; 0 for every
// key that types nothing: Tab, Shift+Tab and Escape (they move the focus or cancel, and never
// reach a KeyPress handler), arrows, Delete, function keys, and Ctrl or Alt combinations.
int KeyAscii(const QKeyEvent& event);

// Moves the focus from `widget` to the next control in the tab order, as Tab does.
void FocusNextControl(QWidget* widget);

}  // namespace tolvar::ui
