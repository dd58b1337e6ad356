#include "platform/ui/placement.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/sys/screen.h"

namespace tolvar::ui {

namespace {

constexpr const char* kPlacedProperty = "tolvarPlaced";

// The frame margins of the window framed last: the best guess for a window not framed yet.
QMargins lastMargins;

bool HasAppeared(const QWidget* window) {
  const QWindow* handle = window->windowHandle();
  return window->isVisible() && handle != nullptr && handle->isExposed();
}

// Places its window before it is shown and again when it first appears; it goes once the
// window has appeared, or with its window.
class FramePlacer : public QObject {
 public:
  FramePlacer(QWidget* window, FrameTarget target, bool sized)
      : QObject(window), m_window(window), m_target(std::move(target)), m_sized(sized) {
    window->installEventFilter(this);
  }

  // Places the window with the margins its frame has or will probably have.
  void Place(const QMargins& margins) {
    const QSize border(margins.left() + margins.right(), margins.top() + margins.bottom());
    const std::optional<QRect> wanted = m_target(m_window->size() + border);
    if (!wanted) return;
    if (m_sized) m_window->resize(wanted->size() - border);
    if (m_window->frameGeometry().topLeft() != wanted->topLeft()) m_window->move(wanted->topLeft());
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_window && event->type() == QEvent::Show) {
      Watch(m_window->windowHandle());
    } else if (watched == m_handle && event->type() == QEvent::Expose && m_handle->isExposed()) {
      appeared();
    }
    return false;
  }

  void Watch(QWindow* handle) {
    if (handle == nullptr || handle == m_handle) return;
    m_handle = handle;
    handle->installEventFilter(this);
    if (HasAppeared(m_window)) appeared();
  }

 private:
  // The window manager has framed the window: the frame is real now.
  void appeared() {
    if (m_done) return;
    m_done = true;
    const QMargins margins = FrameMargins(m_window);
    if (!margins.isNull()) lastMargins = margins;
    Place(margins);
    m_window->setProperty(kPlacedProperty, true);
    if (m_handle) m_handle->removeEventFilter(this);
    m_window->removeEventFilter(this);
    deleteLater();
  }

  QPointer<QWidget> m_window;
  FrameTarget m_target;
  bool m_sized;
  QPointer<QWindow> m_handle;
  bool m_done = false;
};

}  // namespace

QRect AvailableArea() {
  const sys::ScreenArea area = sys::CurrentScreen().Available();
  return {area.left, area.top, area.width, area.height};
}

QMargins FrameMargins(const QWidget* window) {
  if (window == nullptr || !HasAppeared(window)) return lastMargins;
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

QRect KeptInside(QRect frame, const QRect& area) {
  if (area.isEmpty()) return frame;
  frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
  frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
  return frame;
}

QRect CentredOn(QSize outer, const QRect& on, const QRect& area) {
  QRect frame(QPoint(0, 0), outer);
  frame.moveCenter(on.center());
  return KeptInside(frame, area);
}

QRect Beside(QSize outer, const QRect& anchor, const QRect& area) {
  QRect frame(QPoint(anchor.right() + 1, anchor.top()), outer);
  if (frame.right() > area.right()) {
    const QRect left(QPoint(anchor.left() - outer.width(), anchor.top()), outer);
    // Where neither side has room the frame overlaps the anchor as far right as it can.
    if (left.left() >= area.left()) frame = left;
  }
  return KeptInside(frame, area);
}

void PlaceByFrame(QWidget* window, FrameTarget target, bool sized) {
  if (window == nullptr) return;
  // A new placement replaces one still waiting for the window to appear.
  for (QObject* child : window->children()) {
    if (auto* waiting = dynamic_cast<FramePlacer*>(child)) delete waiting;
  }
  auto* placer = new FramePlacer(window, std::move(target), sized);
  if (HasAppeared(window)) {
    // Already framed: placed at once with the real frame.
    placer->Place(FrameMargins(window));
    window->setProperty(kPlacedProperty, true);
    delete placer;
    return;
  }
  window->setProperty(kPlacedProperty, false);
  placer->Place(FrameMargins(window));
  placer->Watch(window->windowHandle());
}

int WholeTitleWidth(const QWidget* window) {
  constexpr int kTitleBarRoom = 130;  // window icon, buttons and margins of the title bar
  // Window managers write titles larger than the program's 8-point text (openbox: about 10
  // points on the program's scale); measured a little larger, a title is never cut.
  constexpr double kTitlePoints = 10.5;
  if (window == nullptr) return 0;
  QFont titleFont = window->font();
  titleFont.setBold(true);
  if (titleFont.pointSizeF() > 0 && titleFont.pointSizeF() < kTitlePoints) titleFont.setPointSizeF(kTitlePoints);
  return QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + kTitleBarRoom;
}

void CentreOnOwner(QWidget* window, const QWidget* owner) {
  const QPointer<const QWidget> besitzer(owner != nullptr ? owner->window() : nullptr);
  PlaceByFrame(window, [besitzer](QSize outer) -> std::optional<QRect> {
    const QRect screen = AvailableArea();
    if (besitzer && besitzer->isVisible()) return CentredOn(outer, besitzer->frameGeometry(), screen);
    return CentredOn(outer, screen, screen);
  });
}

std::vector<QWidget*> OwnersOf(const QWidget* window) {
  std::vector<QWidget*> owners;
  for (QWidget* owner = window->parentWidget(); owner != nullptr; owner = owner->parentWidget()) {
    owner = owner->window();
    owners.push_back(owner);
  }
  return owners;
}

namespace {

void Unminimise(QWidget* window) {
  if (window->windowState() & Qt::WindowMinimized) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  }
  window->show();
}

// Shows `window` again as it was before it was minimised, with its minimised owners behind
// it, in front; with `activate` as the active window.
void Bring(QWidget* window, bool activate) {
  // The owners first, the farthest at the back, so that the window comes back in front.
  const std::vector<QWidget*> owners = OwnersOf(window);
  for (auto owner = owners.rbegin(); owner != owners.rend(); ++owner) {
    if ((*owner)->windowState() & Qt::WindowMinimized) Unminimise(*owner);
  }
  Unminimise(window);
  window->raise();
  if (activate) window->activateWindow();
}

// Keeps a dialog from being stranded. A minimise of the program (its main window, with which
// the window manager takes the owned windows down) is honoured: the window stays down with
// its owners, and when the program comes back with the window's owner active while this
// window was the active one when it went down, the window takes the activation again, in
// front as it was. Only the window minimised while the program's first window stays shown
// (alone, or with owners between, which a window manager may take down with it) comes back at
// once; it becomes the active window only where it was when it was minimised: the program
// never takes the focus from another program. It goes with its window.
class RestoreKeeper : public QObject {
 public:
  RestoreKeeper(QWidget* window, std::function<bool()> keep)
      : QObject(window), m_window(window), m_keep(std::move(keep)) {
    window->installEventFilter(this);
    WatchOwners();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!m_window) return false;
    if (watched == m_window) {
      switch (event->type()) {
        case QEvent::Show:
          WatchOwners();
          break;
        case QEvent::WindowStateChange:
          StateChanged(static_cast<QWindowStateChangeEvent*>(event)->oldState());
          break;
        case QEvent::ActivationChange:
          if (m_window->isActiveWindow()) m_backInFront = false;
          break;
        default:
          break;
      }
    } else if (event->type() == QEvent::ActivationChange && m_backInFront) {
      // The program came back with an owner active: the window that was active goes in front.
      auto* owner = qobject_cast<QWidget*>(watched);
      if (owner != nullptr && owner->isActiveWindow()) {
        m_backInFront = false;
        QMetaObject::invokeMethod(
            this,
            [this] {
              if (!m_window || !m_window->isVisible() || m_window->isMinimized() || !Kept()) return;
              if (QApplication::activeWindow() == nullptr) return;  // another program took the focus meanwhile
              m_window->raise();
              m_window->activateWindow();
            },
            Qt::QueuedConnection);
      }
    }
    return false;
  }

 private:
  bool Kept() const { return !m_keep || m_keep(); }

  void StateChanged(Qt::WindowStates before) {
    const bool minimised = m_window->windowState() & Qt::WindowMinimized;
    if (minimised == bool(before & Qt::WindowMinimized)) return;
    if (!minimised) {
      m_backInFront = m_activeWhenDown && Kept();
      return;
    }
    // Qt tells the deactivation after the change: the window is still the active one here
    // where it was.
    m_activeWhenDown = QApplication::activeWindow() == m_window;
    m_backInFront = false;
    if (!m_window->isVisible() || !Kept() || m_pending) return;
    // After the window manager's change has been handled in full, owners included.
    m_pending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          m_pending = false;
          if (!m_window || !m_window->isVisible() || !m_window->isMinimized() || !Kept()) return;
          const std::vector<QWidget*> owners = OwnersOf(m_window);
          if (!owners.empty() && owners.back()->isMinimized()) return;  // the program went down as one
          // Minimised alone, or with owners below the program's first window (which a window
          // manager takes down with it): back with them, in front.
          Bring(m_window, m_activeWhenDown);
        },
        Qt::QueuedConnection);
  }

  void WatchOwners() {
    for (QWidget* owner : OwnersOf(m_window)) {
      if (std::find(m_owners.begin(), m_owners.end(), owner) != m_owners.end()) continue;
      m_owners.emplace_back(owner);
      owner->installEventFilter(this);
    }
  }

  QPointer<QWidget> m_window;
  std::function<bool()> m_keep;
  std::vector<QPointer<QWidget>> m_owners;
  bool m_pending = false;
  bool m_activeWhenDown = false;  // the window was the active one when it was minimised
  bool m_backInFront = false;     // it came back with its owners: it takes the activation again
};

}  // namespace

void KeepRestored(QWidget* window, std::function<bool()> keep) {
  if (window == nullptr) return;
  new RestoreKeeper(window, std::move(keep));
}

void Restore(QWidget* window) {
  if (window == nullptr) return;
  Bring(window, true);
}

bool IsPlaced(const QWidget* window) {
  if (window == nullptr) return false;
  const QVariant placed = window->property(kPlacedProperty);
  return placed.isValid() ? placed.toBool() : HasAppeared(window);
}

}  // namespace tolvar::ui
