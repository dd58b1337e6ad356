#include "support/ui_forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>

#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_desktop.h"
#include "support/ui_input.h"

namespace tolvar::test {

void ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void UnloadAllWindows() {
  for (int round = 0; round < 3; ++round) {
    if (ui::MainForm* main = ui::Forms::Main()) main->Unload();
    for (ui::Form* form : ui::Forms::Loaded()) ui::FormAccess::UnloadForced(*form);
    ProcessEvents();
  }
}

bool MoveIntoView(QWidget* control) {
  QWidget* window = control->window();
  auto* frame = qobject_cast<QMdiSubWindow*>(control->parentWidget());
  for (QWidget* w = control; frame == nullptr && w != nullptr; w = w->parentWidget()) {
    frame = qobject_cast<QMdiSubWindow*>(w);
  }
  if (frame == nullptr) return true;  // a window of its own: the window system places it
  const QRect rect(control->mapTo(window, QPoint(0, 0)), control->size());
  int dx = 0;
  if (rect.right() >= window->width()) dx = window->width() - rect.right() - 40;
  if (rect.left() + dx < 0) dx = 40 - rect.left();
  int dy = 0;
  if (rect.bottom() >= window->height()) dy = window->height() - rect.bottom() - 40;
  if (rect.top() + dy < 0) dy = 40 - rect.top();
  if (dx != 0 || dy != 0) frame->move(frame->pos() + QPoint(dx, dy));
  ProcessEvents();
  const QRect moved(control->mapTo(window, QPoint(0, 0)), control->size());
  if (!window->rect().contains(moved.center())) {
    ADD_FAILURE() << ui::S(control->objectName()) << " cannot be brought into view";
    return false;
  }
  return true;
}

}  // namespace tolvar::test
