#pragma once
// Option-button arrays ("opbTyp(1)", "opbTyp(2)", ...). Exclusivity is per container, as with
// plain radio buttons: checking one clears the others with the same parent widget.
// Click runs once whenever a button becomes selected, by a user click or from code (SetValue or
// setChecked alike); selecting the button that is already selected runs nothing. Clearing a
// button from code runs nothing and may leave no button of the container selected.

#include <QObject>
#include <QString>
#include <map>

class QRadioButton;
class QWidget;

namespace tolvar::ui {

// Checks or clears a single option button; clearing works even though option buttons are
// exclusive within their container.
void SetOptionValue(QRadioButton* button, bool value);

// Makes every group of option buttons below `window` (the buttons of one button group, else
// the auto-exclusive ones of one parent widget) one stop of Tab, at its selected option or at
// its first usable one when none is selected. The group's buttons follow one another in the
// focus chain; the arrow keys move the choice within the group (Down and Right to the next,
// Up and Left to the previous, round at the ends), and Tab and Shift+Tab leave it. Buttons
// kept already stay as they are, so a later call takes in only buttons made since.
void KeepOptionStops(QWidget* window);
// The stop of Tab of the group of `widget` when it is an option button of a kept group;
// otherwise `widget` itself.
QWidget* OptionStop(QWidget* widget);

class OptionGroup : public QObject {
  Q_OBJECT

 public:
  // Collects every QRadioButton named "name(i)" below `owner` (inside frames too). The group is
  // a child of `owner`.
  OptionGroup(QWidget* owner, const QString& name);

  // Adds (or replaces) element `index`.
  void Add(int index, QRadioButton* button);
  QRadioButton* Button(int index) const;
  const std::map<int, QRadioButton*>& Buttons() const { return m_buttons; }

  bool Value(int index) const;
  // true selects the button (running Click when it was not selected); false clears it.
  void SetValue(int index, bool value);
  // Index of the first selected button, -1 when none is selected.
  int Selected() const;
  // Clears every button of the array without running Click.
  void ClearAll();

 Q_SIGNALS:
  void Click(int index);

 private:
  std::map<int, QRadioButton*> m_buttons;
};

}  // namespace tolvar::ui
