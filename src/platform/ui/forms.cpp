#include "platform/ui/forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <map>

#include "platform/ui/formregistry.h"

namespace tolvar::ui {

namespace {

// Sees every key press (key preview for the window that holds the receiver; Enter on a focused
// command button clicks it) and every window activation (Form_Activate when activation comes
// from another window of this program).
class EventWatcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // The MDI child that last got Form_Activate, and whether no other window of the program
  // has been activated since (then regaining the main window does not activate it again).
  QPointer<Form> lastChild;
  bool lastChildSet = false;
  bool lastChildCurrent = false;

 private:
  bool pressesButton(QWidget* receiver, QKeyEvent* event);
  bool pressesDefaultButton(QWidget* receiver, QKeyEvent* event);
  void keyPressed(QWidget* receiver, QKeyEvent* event);
  void windowActivated(QWidget* window);

  const QEvent* m_lastKey = nullptr;
  QPointer<QWidget> m_lastKeyReceiver;
  QPointer<QWidget> m_lastActive;
  bool m_lastActiveSet = false;
};

struct Registry {
  struct Entry {
    std::type_index type;
    QPointer<Form> form;
  };
  std::vector<Entry> loaded;  // load order
  std::type_index mainType = typeid(void);
  QPointer<MainForm> main;
  bool mainEverLoaded = false;
  bool quitCheckPending = false;
  std::function<void()> quitHandler;
  EventWatcher* watcher = nullptr;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

Form* FormOwning(QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (auto* form = qobject_cast<Form*>(widget)) return form;
  }
  return nullptr;
}

bool IsLive(const Form* form) { return form != nullptr && !form->IsUnloaded(); }

int ShiftMaskOf(Qt::KeyboardModifiers modifiers) {
  int mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= ShiftMask;
  if (modifiers & Qt::ControlModifier) mask |= CtrlMask;
  if (modifiers & Qt::AltModifier) mask |= AltMask;
  return mask;
}

bool EventWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (pressesButton(widget, key)) return true;
    keyPressed(widget, key);
    if (pressesDefaultButton(widget, key)) return true;
  } else if (event->type() == QEvent::WindowActivate && widget->isWindow()) {
    windowActivated(widget);
  }
  return false;
}

bool EventWatcher::pressesButton(QWidget* receiver, QKeyEvent* event) {
  // Enter and the keypad's Enter on a focused command button of a window click it, as Space
  // does; the button takes the key, so the window's key preview does not see it. Buttons of
  // dialogs (message boxes) have Qt's own default-button handling.
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
  if ((event->modifiers() & ~Qt::KeypadModifier) != 0 || event->isAutoRepeat()) return false;
  auto* button = qobject_cast<QPushButton*>(receiver);
  if (button == nullptr || !button->isEnabled() || !button->hasFocus() || FormOwning(button) == nullptr) return false;
  button->click();
  return true;
}

bool EventWatcher::pressesDefaultButton(QWidget* receiver, QKeyEvent* event) {
  // Enter in a window with a default button clicks that button and is used up, so the control
  // with the focus does not act on it too. A window of its own over the form (a pop-up of a
  // control such as a drop-down calendar or list, a message box) keeps its own Enter.
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
  if ((event->modifiers() & ~Qt::KeypadModifier) != 0 || event->isAutoRepeat()) return false;
  Form* form = FormOwning(receiver);
  if (!IsLive(form) || receiver->window() != form->window()) return false;
  QAbstractButton* button = form->DefaultButton();
  if (button == nullptr || !button->isVisible() || !button->isEnabled()) return false;
  button->click();
  return true;
}

void EventWatcher::keyPressed(QWidget* receiver, QKeyEvent* event) {
  // A key press not taken by a control travels up to its parents; the window sees it once.
  if (event == m_lastKey && m_lastKeyReceiver && receiver != m_lastKeyReceiver &&
      receiver->isAncestorOf(m_lastKeyReceiver)) {
    m_lastKeyReceiver = receiver;
    return;
  }
  m_lastKey = event;
  m_lastKeyReceiver = receiver;
  Form* form = FormOwning(receiver);
  if (IsLive(form)) FormAccess::KeyDown(*form, event->key(), ShiftMaskOf(event->modifiers()));
}

void EventWatcher::windowActivated(QWidget* window) {
  auto* form = qobject_cast<Form*>(window);
  auto* main = qobject_cast<MainForm*>(window);
  // Message boxes, file dialogs and helper windows do not count: closing one does not
  // reactivate a window.
  if ((form == nullptr && main == nullptr) || (form != nullptr && form->IsHelperWindow())) return;
  const bool fromOtherWindow = !m_lastActiveSet || m_lastActive != window;
  m_lastActive = window;
  m_lastActiveSet = true;
  if (!fromOtherWindow) return;  // back from another program
  if (form != nullptr) {
    lastChildCurrent = false;
    if (IsLive(form)) FormAccess::Activate(*form);
  } else if (!main->IsUnloaded()) {
    Form* child = Forms::ActiveChild();
    if (IsLive(child) && !(child == lastChild && lastChildCurrent)) {
      lastChild = child;
      lastChildSet = true;
      lastChildCurrent = true;
      FormAccess::Activate(*child);
    }
  }
}

// The program ends: windows still loaded (hidden ones) get their unload handlers first.
void DefaultQuit() {
  for (Form* form : Forms::Loaded()) FormAccess::UnloadForced(*form);
  QCoreApplication::quit();
}

void RunQuitCheck() {
  Registry& reg = registry();
  reg.quitCheckPending = false;
  if (reg.main) return;
  if (!reg.mainEverLoaded) {
    // Before the main window: the program lives while a window is visible.
    for (Form* form : Forms::Loaded()) {
      if (form->Frame()->isVisible()) return;
    }
  }
  if (reg.quitHandler) reg.quitHandler();
}

}  // namespace

namespace detail {

void EnsureRegistryReady() {
  Registry& reg = registry();
  if (reg.watcher != nullptr || qApp == nullptr) return;
  // The main window is unloaded and loaded again when switching enterprises: closing the last
  // window must not end the program; ScheduleQuitCheck decides.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  reg.watcher = new EventWatcher(qApp);
  qApp->installEventFilter(reg.watcher);
  if (!reg.quitHandler) reg.quitHandler = DefaultQuit;
}

Form* FindLoaded(std::type_index type) {
  for (const Registry::Entry& entry : registry().loaded) {
    if (entry.type == type && IsLive(entry.form)) return entry.form;
  }
  return nullptr;
}

void Register(std::type_index type, Form* form) { registry().loaded.push_back({type, form}); }

void Unregister(Form* form) {
  auto& loaded = registry().loaded;
  loaded.erase(std::remove_if(loaded.begin(), loaded.end(),
                              [form](const Registry::Entry& e) { return e.form == form || !e.form; }),
               loaded.end());
}

MainForm* FindMain(std::type_index type) {
  Registry& reg = registry();
  if (reg.main && reg.mainType == type && !reg.main->IsUnloaded()) return reg.main;
  return nullptr;
}

void RegisterMain(std::type_index type, MainForm* main) {
  Registry& reg = registry();
  // One main window at a time: a different class replaces the old one.
  if (reg.main && reg.main != main) reg.main->Unload();
  reg.main = main;
  reg.mainType = type;
  reg.mainEverLoaded = true;
}

void UnregisterMain(MainForm* main) {
  Registry& reg = registry();
  if (reg.main == main) {
    reg.main = nullptr;
    reg.mainType = typeid(void);
  }
}

void ScheduleQuitCheck() {
  Registry& reg = registry();
  if (reg.quitCheckPending || qApp == nullptr) return;
  reg.quitCheckPending = true;
  // Queued: code that unloads the main window to load it again does both before this runs.
  QTimer::singleShot(0, qApp, RunQuitCheck);
}

void ChildActivated(Form* form) {
  EventWatcher* watcher = registry().watcher;
  if (watcher == nullptr || !IsLive(form)) return;
  // The MDI area re-activates the same child after focus or window changes; that is no new activation.
  if (watcher->lastChildSet && watcher->lastChild == form) return;
  watcher->lastChild = form;
  watcher->lastChildSet = true;
  watcher->lastChildCurrent = true;
  FormAccess::Activate(*form);
}

}  // namespace detail

namespace Forms {

std::vector<Form*> Loaded() {
  std::vector<Form*> result;
  for (const Registry::Entry& entry : registry().loaded) {
    if (IsLive(entry.form)) result.push_back(entry.form);
  }
  return result;
}

Form* Find(const QString& name) {
  for (Form* form : Loaded()) {
    if (form->Name() == name) return form;
  }
  return nullptr;
}

bool UnloadAllExcept(const Form* keep) {
  std::vector<QPointer<Form>> kept;
  // Handlers may load further windows; keep going until only kept or cancelling ones remain
  // (bounded, so two handlers loading each other cannot hang the program).
  for (int round = 0; round < 16; ++round) {
    bool unloadedAny = false;
    for (Form* form : Loaded()) {
      if (form == keep) continue;
      if (std::find(kept.begin(), kept.end(), form) != kept.end()) continue;
      if (form->Unload()) {
        unloadedAny = true;
      } else {
        kept.emplace_back(form);
      }
    }
    if (!unloadedAny) break;
  }
  return std::none_of(kept.begin(), kept.end(), [](const QPointer<Form>& f) { return IsLive(f); });
}

Form* ActiveChild() {
  MainForm* main = Forms::Main();
  if (main == nullptr) return nullptr;
  QMdiSubWindow* sub = main->mdiArea()->currentSubWindow();
  if (sub == nullptr || !sub->isVisible()) return nullptr;
  auto* form = qobject_cast<Form*>(sub->widget());
  return IsLive(form) ? form : nullptr;
}

QString ActiveChildName() {
  Form* child = ActiveChild();
  return child != nullptr ? child->Name() : QString();
}

MainForm* Main() {
  Registry& reg = registry();
  if (reg.main && !reg.main->IsUnloaded()) return reg.main;
  return nullptr;
}

std::function<void()> SetQuitHandler(std::function<void()> handler) {
  Registry& reg = registry();
  std::function<void()> previous = reg.quitHandler;
  reg.quitHandler = handler ? std::move(handler) : std::function<void()>(DefaultQuit);
  return previous;
}

}  // namespace Forms

}  // namespace tolvar::ui
