#pragma once
// Program-driven drag of a control. A window starts the drag itself (usually from a MouseMove
// handler with the left button held); while it lasts every drop target under the pointer hears
// DragOver, and the target under the pointer at the release hears DragDrop with the identity of
// the dragged control. The mouse path and tests go through the same DragController calls.

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace tolvar::ui {

// Position of the pointer relative to a drop target, as the handlers receive it.
enum class DragState { Enter = 0, Leave = 1, Over = 2 };

// Who is being dragged, fixed when the drag begins.
struct DragSource {
  QPointer<QWidget> control;  // the dragged control; null once it was destroyed
  QString name;               // the control's objectName ("trvKulturen")
  QPointer<QWidget> form;     // the window it sits on: the MDI child's widget or the top level

  // True when `widget` is the very control being dragged.
  bool Is(const QWidget* widget) const { return widget != nullptr && control == widget; }
};

// Makes a widget a drop target: create one as a child of the widget and connect its signals.
// Positions are in the widget's own coordinates. Every KeyedTree has one already.
class DropTarget : public QObject {
  Q_OBJECT

 public:
  explicit DropTarget(QWidget* widget);
  QWidget* Widget() const;

 Q_SIGNALS:
  void DragOver(const tolvar::ui::DragSource& source, int x, int y, tolvar::ui::DragState state);
  void DragDrop(const tolvar::ui::DragSource& source, int x, int y);
};

class DragController {
 public:
  // Starts dragging `source` (ending a drag still running, without a drop). `icon` becomes the
  // pointer while the drag lasts. From here on mouse moves anywhere in the program are routed
  // to Over and the next button release to Drop; the dragged control gets no mouse events.
  static void Begin(QWidget* source, const QPixmap& icon = QPixmap());
  static bool Active();
  // The current drag's source; empty when no drag is running.
  static DragSource Source();

  // The pointer is at `pos` (coordinates of `target`). The drop target at or above `target`
  // hears DragOver: Enter when the pointer comes from elsewhere, then Over; the target the
  // pointer left hears Leave at the last position it reported. A null target or one without a
  // drop target means the pointer is over no target. Nothing happens without an active drag.
  static void Over(QWidget* target, QPoint pos);
  // Ends the drag, then the drop target at or above `target` hears DragDrop. The drag is over
  // before the handler runs, so the handler may open dialogs or start another drag. A null
  // target or one without a drop target ends the drag with no drop.
  static void Drop(QWidget* target, QPoint pos);
  // Ends the drag without a drop.
  static void Cancel();

  // The drop target at or above `widget`, or nullptr.
  static DropTarget* TargetOf(QWidget* widget);
  // The widget of the program under a global position, or nullptr.
  static QWidget* WidgetAt(QPoint globalPos);
};

}  // namespace tolvar::ui
