#include "platform/ui/keyedtree_drag.h"

#include <QApplication>
#include <QCursor>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include "platform/ui/focus.h"

namespace tolvar::ui {

namespace {

// Follows the mouse while a drag runs: moves go to Over, the release that frees the last
// button to Drop. Mouse events are taken away from the widgets meanwhile.
class MouseFollower : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

struct DragRun {
  bool active = false;
  DragSource source;
  QPointer<DropTarget> last;  // the target the pointer was last over
  QPoint lastPos;
  bool cursorSet = false;
  MouseFollower* follower = nullptr;
};

DragRun& Run() {
  static DragRun run;
  return run;
}

void EndDrag() {
  DragRun& run = Run();
  run.active = false;
  run.source = DragSource();
  run.last = nullptr;
  if (run.follower != nullptr) {
    qApp->removeEventFilter(run.follower);
    run.follower->deleteLater();  // may be ending from inside its own filter
    run.follower = nullptr;
  }
  if (run.cursorSet) {
    QApplication::restoreOverrideCursor();
    run.cursorSet = false;
  }
}

bool MouseFollower::eventFilter(QObject* watched, QEvent* event) {
  // Only events already routed to a widget: the window-level copy must reach Qt's own
  // dispatch, which tracks the implicit mouse grab.
  if (!watched->isWidgetType()) return false;
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseButtonDblClick) {
    return false;
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  mouse->accept();  // stops propagation to the parents
  const QPoint global = mouse->globalPosition().toPoint();
  QWidget* target = DragController::WidgetAt(global);
  const QPoint local = target != nullptr ? target->mapFromGlobal(global) : QPoint();
  if (type == QEvent::MouseMove) {
    DragController::Over(target, local);
  } else if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton) {
    DragController::Drop(target, local);
  }
  return true;
}

}  // namespace

DropTarget::DropTarget(QWidget* widget) : QObject(widget) {}

QWidget* DropTarget::Widget() const { return static_cast<QWidget*>(parent()); }

void DragController::Begin(QWidget* source, const QPixmap& icon) {
  EndDrag();
  if (source == nullptr) return;
  DragRun& run = Run();
  run.active = true;
  run.source = DragSource{source, source->objectName(), WindowOf(source)};
  QApplication::setOverrideCursor(icon.isNull() ? QCursor(Qt::DragMoveCursor) : QCursor(icon));
  run.cursorSet = true;
  run.follower = new MouseFollower;
  qApp->installEventFilter(run.follower);
}

bool DragController::Active() { return Run().active; }

DragSource DragController::Source() { return Run().source; }

void DragController::Over(QWidget* target, QPoint pos) {
  DragRun& run = Run();
  if (!run.active) return;
  DropTarget* now = TargetOf(target);
  const QPoint at = now != nullptr ? target->mapTo(now->Widget(), pos) : pos;
  const DragSource source = run.source;  // handlers may end the drag
  if (now == run.last) {
    if (now == nullptr) return;
    run.lastPos = at;
    Q_EMIT now->DragOver(source, at.x(), at.y(), DragState::Over);
    return;
  }
  QPointer<DropTarget> left = run.last;
  const QPoint leftPos = run.lastPos;
  run.last = now;
  run.lastPos = at;
  // The target left behind hears its last position inside, so it keeps what it marked there.
  if (left) Q_EMIT left->DragOver(source, leftPos.x(), leftPos.y(), DragState::Leave);
  QPointer<DropTarget> entered = now;
  if (entered) Q_EMIT entered->DragOver(source, at.x(), at.y(), DragState::Enter);
}

void DragController::Drop(QWidget* target, QPoint pos) {
  if (!Run().active) return;
  const DragSource source = Run().source;
  QPointer<DropTarget> dropOn = TargetOf(target);
  const QPoint at = dropOn ? target->mapTo(dropOn->Widget(), pos) : pos;
  EndDrag();
  if (dropOn) Q_EMIT dropOn->DragDrop(source, at.x(), at.y());
}

void DragController::Cancel() { EndDrag(); }

DropTarget* DragController::TargetOf(QWidget* widget) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (auto* target = w->findChild<DropTarget*>(QString(), Qt::FindDirectChildrenOnly)) {
      return target;
    }
    if (w->isWindow()) break;
  }
  return nullptr;
}

QWidget* DragController::WidgetAt(QPoint globalPos) {
  if (QWidget* w = QApplication::widgetAt(globalPos)) return w;
  // Fallback for platforms that cannot name the window under a point.
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
    QWidget* window = *it;
    if (!window->isVisible() || window->isMinimized()) continue;
    if (!window->geometry().contains(globalPos)) continue;
    QWidget* child = window->childAt(window->mapFromGlobal(globalPos));
    return child != nullptr ? child : window;
  }
  return nullptr;
}

}  // namespace tolvar::ui
