#pragma once
// Key filters for text boxes: what text a box may hold, for typed keys and for pasted or
// dropped text, and "Enter moves on".

#include <QChar>
#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace tolvar::ui {

// What a filtered box may hold: the characters a key may type into it and, where the box has
// one, the most characters it holds (0: no limit).
struct KeyRule {
  std::function<bool(QChar)> character;
  int maxLength = 0;
};

// The digits and the decimal comma.
bool IsNumberCharacter(QChar c);
// The digits and the full stop of a date dd.mm.yyyy, which holds ten characters.
bool IsDateCharacter(QChar c);
inline constexpr int kDateLength = 10;
inline KeyRule NumberRule() { return {IsNumberCharacter, 0}; }
inline KeyRule DateRule() { return {IsDateCharacter, kDateLength}; }

// Puts `box` under `rule`, for every way text enters it:
// - a key that types a character the rule refuses, or one more than the box holds, is dropped
//   with a beep. Every other key passes, to the window's own key handler where it has one.
// - pasted or dropped text (the paste keys Ctrl+V and Shift+Insert, the context menu's
//   "Einfügen", a drop, the selection's middle-click paste) is not typed key by key but checked
//   whole: it loses blanks and one line break at its ends; then it is refused whole
//   with a beep when it holds a character the rule refuses or would make the box hold more
//   than its limit, and inserted as it stands otherwise.
// Text the program puts into the box (setText) is never refused.
// A window with its own key handler on the box installs the rule before that handler, so the
// handler sees each key first and typing behaves as the handler says.
void InstallKeyFilter(QLineEdit* box, KeyRule rule);

// The rule `box` is under, or nullptr when it has none.
const KeyRule* KeyRuleOf(const QLineEdit* box);

// Numeric box: the number rule (digits and the decimal comma) with Backspace and the keys that
// type nothing (arrows, Home, End, Delete, Tab, Escape, function keys) and copy, cut,
// select-all, undo and the paste keys passing; other keys with Ctrl or Alt are dropped with a
// beep. Enter moves the focus on, like Tab.
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
