#include "platform/ui/optiongroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QRadioButton>
#include <algorithm>
#include <map>
#include <vector>

#include "platform/ui/controls.h"

namespace tolvar::ui {

namespace {

constexpr const char* kStopsProperty = "tolvarOptionStops";

// One group of option buttons with one stop of Tab. It lives as a child of the group's first
// button and keeps the stop on the selected option whenever the selection, the focus or a
// button's state changes.
class OptionStops : public QObject {
 public:
  OptionStops(QRadioButton* first, const std::vector<QRadioButton*>& buttons) : QObject(first) {
    for (QRadioButton* button : buttons) {
      m_buttons.emplace_back(button);
      button->setProperty(kStopsProperty, QVariant::fromValue<QObject*>(this));
      button->installEventFilter(this);
      connect(button, &QAbstractButton::toggled, this, [this] { Keep(); });
    }
    // The group's buttons follow one another in the focus chain, where its first one stands.
    for (std::size_t i = 1; i < buttons.size(); ++i) QWidget::setTabOrder(buttons[i - 1], buttons[i]);
    Keep();
  }

  ~OptionStops() override {
    // Buttons that outlive the group's first one no longer name this keeper.
    for (QRadioButton* button : Buttons()) button->setProperty(kStopsProperty, QVariant());
  }
  OptionStops(const OptionStops&) = delete;
  OptionStops& operator=(const OptionStops&) = delete;

  // The selected option, else the first one that is shown and enabled.
  QRadioButton* Stop() const {
    QRadioButton* first = nullptr;
    for (QRadioButton* button : Buttons()) {
      if (!Usable(button)) continue;
      if (button->isChecked()) return button;
      if (first == nullptr) first = button;
    }
    return first;
  }

  // Only the stop keeps Tab; the other buttons still take the focus by a click or an arrow key.
  void Keep() {
    const QRadioButton* stop = Stop();
    for (QRadioButton* button : Buttons()) {
      const Qt::FocusPolicy policy = button->focusPolicy();
      const auto wanted =
          static_cast<Qt::FocusPolicy>(button == stop ? (policy | Qt::TabFocus) : (policy & ~Qt::TabFocus));
      if (wanted != policy) button->setFocusPolicy(wanted);
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        return Arrow(qobject_cast<QRadioButton*>(watched), static_cast<QKeyEvent*>(event));
      case QEvent::FocusOut:
      case QEvent::EnabledChange:
      case QEvent::ShowToParent:
      case QEvent::HideToParent:
        Keep();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  static bool Usable(const QRadioButton* button) {
    return button != nullptr && button->isEnabled() && button->isVisibleTo(button->window());
  }

  // An arrow key moves the choice to the next or previous usable option, round at the ends.
  bool Arrow(QRadioButton* from, const QKeyEvent* key) {
    if (from == nullptr || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    int step = 0;
    switch (key->key()) {
      case Qt::Key_Down:
      case Qt::Key_Right:
        step = 1;
        break;
      case Qt::Key_Up:
      case Qt::Key_Left:
        step = -1;
        break;
      default:
        return false;
    }
    const std::vector<QRadioButton*> buttons = Buttons();
    const auto at = std::find(buttons.begin(), buttons.end(), from);
    if (at == buttons.end()) return false;
    const auto count = static_cast<std::ptrdiff_t>(buttons.size());
    std::ptrdiff_t index = at - buttons.begin();
    for (std::ptrdiff_t n = 1; n < count; ++n) {
      index = (index + step + count) % count;
      QRadioButton* next = buttons[static_cast<std::size_t>(index)];
      if (!Usable(next)) continue;
      // The option takes the focus, then a click, as a person's choice: the handlers of the
      // option run, and where one of them puts the focus elsewhere it stays there.
      next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      if (!next->isChecked()) next->click();
      Keep();
      break;
    }
    return true;
  }

  // The group's buttons that are still whole: one being destroyed is no option button any
  // more while its widget part still sends its last events.
  std::vector<QRadioButton*> Buttons() const {
    std::vector<QRadioButton*> buttons;
    for (const QPointer<QObject>& button : m_buttons) {
      if (auto* option = qobject_cast<QRadioButton*>(button.data())) buttons.push_back(option);
    }
    return buttons;
  }

  std::vector<QPointer<QObject>> m_buttons;
};

OptionStops* StopsOf(const QWidget* widget) {
  if (widget == nullptr) return nullptr;
  return dynamic_cast<OptionStops*>(widget->property(kStopsProperty).value<QObject*>());
}

}  // namespace

void KeepOptionStops(QWidget* window) {
  if (window == nullptr) return;
  // The groups in the order of the focus chain, each with its buttons in that order.
  std::vector<QObject*> order;
  std::map<QObject*, std::vector<QRadioButton*>> groups;
  for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window; w = w->nextInFocusChain()) {
    auto* button = qobject_cast<QRadioButton*>(w);
    if (button == nullptr || !window->isAncestorOf(button) || StopsOf(button) != nullptr) continue;
    QObject* key = button->group();
    if (key == nullptr) {
      if (!button->autoExclusive()) continue;
      key = button->parentWidget();
    }
    auto& members = groups[key];
    if (members.empty()) order.push_back(key);
    members.push_back(button);
  }
  for (QObject* key : order) {
    const std::vector<QRadioButton*>& members = groups[key];
    new OptionStops(members.front(), members);
  }
}

QWidget* OptionStop(QWidget* widget) {
  OptionStops* stops = StopsOf(widget);
  if (stops == nullptr) return widget;
  QRadioButton* stop = stops->Stop();
  return stop != nullptr ? stop : widget;
}

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
