#include "platform/ui/focus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <vector>

namespace tolvar::ui {

namespace {

// One watched control; a child of it, so it goes with the control.
class FocusWatch : public QObject {
 public:
  FocusWatch(QWidget* control, std::function<void()> got, std::function<void()> lost)
      : QObject(control), gotFocus(std::move(got)), lostFocus(std::move(lost)) {
    control->installEventFilter(this);
  }
  QWidget* Control() const { return static_cast<QWidget*>(parent()); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && event->type() == QEvent::FocusIn) {
      reason = static_cast<QFocusEvent*>(event)->reason();
    }
    return false;
  }

  std::function<void()> gotFocus;
  std::function<void()> lostFocus;
  bool inside = false;  // the focus of the control's window lies in the control
  Qt::FocusReason reason = Qt::OtherFocusReason;
};

bool Contains(const QWidget* control, const QWidget* widget) {
  return widget != nullptr && (widget == control || control->isAncestorOf(widget));
}

class FocusTracker : public QObject {
 public:
  FocusTracker() : QObject(qApp) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { changed(now); });
  }

  void Add(FocusWatch* watch) {
    QWidget* control = watch->Control();
    QWidget* window = WindowOf(control);
    watch->inside = window != nullptr && Contains(control, window->focusWidget());
    m_watches.emplace_back(watch);
  }

 private:
  struct Call {
    QPointer<FocusWatch> watch;
    bool got;
  };

  void changed(QWidget* now) {
    // The program lost the focus, or another window took it: no control's loss.
    if (now == nullptr) return;
    QWidget* window = WindowOf(now);
    std::vector<Call> lost;
    std::vector<Call> got;
    std::erase_if(m_watches, [](const QPointer<FocusWatch>& w) { return w.isNull(); });
    for (const QPointer<FocusWatch>& watch : m_watches) {
      QWidget* control = watch->Control();
      if (WindowOf(control) != window) continue;
      const bool inside = Contains(control, now);
      if (inside == watch->inside) continue;
      watch->inside = inside;
      (inside ? got : lost).push_back({watch, inside});
    }
    // LostFocus at once: the focus change is complete, and the control left hears it before
    // the control entered acts on the press or key that moved the focus (a click on a button
    // runs after the LostFocus of the box it left). A handler that moves the focus again adds
    // its losses to the ones still running.
    m_lost.insert(m_lost.end(), lost.begin(), lost.end());
    runLost();
    // GotFocus after the events that caused it: a box selecting its text does so after its own
    // handling of the click that focused it.
    for (const Call& call : got) {
      if (FocusWatch* watch = call.watch.data()) {
        QMetaObject::invokeMethod(
            watch, [guard = call.watch] { Run(guard, true); }, Qt::QueuedConnection);
      }
    }
  }

  static void Run(const QPointer<FocusWatch>& watch, bool got) {
    if (!watch) return;
    const std::function<void()> handler = got ? watch->gotFocus : watch->lostFocus;  // may destroy it
    if (handler) handler();
  }

  void runLost() {
    if (m_running) return;
    m_running = true;
    while (!m_lost.empty()) {
      const Call call = m_lost.front();
      m_lost.pop_front();
      Run(call.watch, false);
    }
    m_running = false;
  }

  std::vector<QPointer<FocusWatch>> m_watches;
  std::deque<Call> m_lost;
  bool m_running = false;
};

FocusTracker& Tracker() {
  static QPointer<FocusTracker> tracker;
  if (!tracker) tracker = new FocusTracker;
  return *tracker;
}

}  // namespace

QWidget* WindowOf(QWidget* widget) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w->parentWidget()) != nullptr) return w;
  }
  return nullptr;
}

Qt::FocusReason LastFocusReason(const QWidget* control) {
  if (control == nullptr) return Qt::OtherFocusReason;
  for (QObject* child : control->children()) {
    if (auto* watch = dynamic_cast<FocusWatch*>(child)) return watch->reason;
  }
  return Qt::OtherFocusReason;
}

void WatchFocus(QWidget* control, std::function<void()> gotFocus, std::function<void()> lostFocus) {
  if (control == nullptr || qApp == nullptr) return;
  Tracker().Add(new FocusWatch(control, std::move(gotFocus), std::move(lostFocus)));
}

}  // namespace tolvar::ui
