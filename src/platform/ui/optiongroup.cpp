#include "platform/ui/optiongroup.h"

#include <QButtonGroup>
#include <QRadioButton>

#include "platform/ui/controls.h"

namespace tolvar::ui {

void SetOptionValue(QRadioButton* button, bool value) {
  if (button == nullptr || button->isChecked() == value) return;
  if (value) {
    button->setChecked(true);
    return;
  }
  // An exclusive button refuses to be cleared; lift exclusivity for the moment.
  QButtonGroup* group = button->group();
  const bool groupExclusive = group != nullptr && group->exclusive();
  const bool autoExclusive = button->autoExclusive();
  if (groupExclusive) group->setExclusive(false);
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(autoExclusive);
  if (groupExclusive) group->setExclusive(true);
}

OptionGroup::OptionGroup(QWidget* owner, const QString& name) : QObject(owner) {
  for (const auto& [index, button] : ControlArray<QRadioButton>(owner, name)) Add(index, button);
}

void OptionGroup::Add(int index, QRadioButton* button) {
  if (auto old = m_buttons.find(index); old != m_buttons.end() && old->second != nullptr) {
    disconnect(old->second, nullptr, this, nullptr);
  }
  if (button == nullptr) {
    m_buttons.erase(index);
    return;
  }
  m_buttons[index] = button;
  // toggled(true) comes once per selection, from a click and from setChecked alike.
  connect(button, &QRadioButton::toggled, this, [this, index](bool on) {
    if (on) Q_EMIT Click(index);
  });
  connect(button, &QObject::destroyed, this, [this, index, button] {
    if (auto it = m_buttons.find(index); it != m_buttons.end() && it->second == button) m_buttons.erase(it);
  });
}

QRadioButton* OptionGroup::Button(int index) const {
  const auto it = m_buttons.find(index);
  return it != m_buttons.end() ? it->second : nullptr;
}

bool OptionGroup::Value(int index) const {
  const QRadioButton* button = Button(index);
  return button != nullptr && button->isChecked();
}

void OptionGroup::SetValue(int index, bool value) { SetOptionValue(Button(index), value); }

int OptionGroup::Selected() const {
  for (const auto& [index, button] : m_buttons) {
    if (button->isChecked()) return index;
  }
  return -1;
}

void OptionGroup::ClearAll() {
  for (const auto& [index, button] : m_buttons) SetOptionValue(button, false);
}

}  // namespace tolvar::ui
