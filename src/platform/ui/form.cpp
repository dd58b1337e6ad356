#include "platform/ui/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

#include "platform/sys/screen.h"
#include "platform/ui/formregistry.h"
#include "platform/ui/forms.h"
#include "platform/ui/mainform.h"

namespace tolvar::ui {

Form::Form(const QString& name, FormKind kind) : m_kind(kind) {
  detail::EnsureRegistryReady();
  setObjectName(name);
  // Top-level windows stay above the main window; an MDI child is hosted when shown or loaded.
  if (kind != FormKind::MdiChild) {
    setParent(Forms::Main(), kind == FormKind::Dialog ? Qt::Dialog : Qt::Window);
  }
}

Form::~Form() {
  // Destroyed without Unload (e.g. with its parent): the registry must not keep it.
  if (m_state != State::Unloaded) detail::Unregister(this);
  exitModalLoop();
}

void FormAccess::Load(Form& form) {
  if (form.m_kind == FormKind::MdiChild) form.hostIn(Forms::Main());
  form.Form_Load();
}

void Form::hostIn(MainForm* main) {
  if (m_subWindow || main == nullptr || main->IsUnloaded()) return;
  auto* sub = new QMdiSubWindow;
  // Closing the frame closes the form (our closeEvent unloads it); the frame is destroyed on unload.
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  if (m_frameless) sub->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
  m_designSize = size();
  sub->setWidget(this);
  main->mdiArea()->addSubWindow(sub);
  m_subWindow = sub;
}

QWidget* Form::Frame() {
  if (m_subWindow) return m_subWindow;
  return this;
}

void Form::Show(bool modal) {
  if (m_state != State::Loaded) return;
  if (m_kind == FormKind::MdiChild) {
    hostIn(Forms::Main());
    if (m_subWindow) {
      if (!m_frameSized && m_designSize.isValid()) {
        // A form without a layout has no size hint, so the frame would shrink to its title
        // bar: give the frame room for the form as it was built.
        m_frameSized = true;
        const QStyle* style = m_subWindow->style();
        const int border =
            m_frameless ? 0 : style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, m_subWindow);
        const int title = m_frameless ? 0 : style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_subWindow);
        m_subWindow->resize(m_designSize.width() + 2 * border, m_designSize.height() + title + border);
      }
      QWidget::show();
      m_subWindow->show();
      m_subWindow->raise();
      m_subWindow->mdiArea()->setActiveSubWindow(m_subWindow);
      placeFirstFocus();
      return;
    }
  }
  placeOnFirstShow();
  placeFirstFocus();
  if (!modal || m_kind == FormKind::MdiChild) {
    show();
    raise();
    activateWindow();
    return;
  }
  if (m_modalLoop != nullptr) return;  // already running its modal loop
  if (isVisible()) hide();
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
  QEventLoop loop;
  m_modalLoop = &loop;
  QPointer<Form> self(this);
  loop.exec(QEventLoop::DialogExec);
  if (self) {
    m_modalLoop = nullptr;
    setWindowModality(Qt::NonModal);
  }
}

void Form::placeOnFirstShow() {
  if (m_placed || m_subWindow) return;
  m_placed = true;
  // A window that placed itself keeps its place.
  if (testAttribute(Qt::WA_Moved) || m_startPosition == StartPosition::SystemDefault) return;
  QRect area(0, 0, sys::CurrentScreen().Width(), sys::CurrentScreen().Height());
  const QWidget* owner = parentWidget();
  if (m_startPosition == StartPosition::CentreOwner && owner != nullptr && owner->isVisible()) {
    area = owner->frameGeometry();
  }
  if (area.isEmpty()) return;
  const QRect outer = frameGeometry();
  const QPoint offset = pos() - outer.topLeft();
  QPoint topLeft(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
  topLeft.setX(std::max(0, topLeft.x()));
  topLeft.setY(std::max(0, topLeft.y()));
  move(topLeft + offset);
}

void Form::placeFirstFocus() {
  if (m_focusPlaced) return;
  m_focusPlaced = true;
  // The tab order is the focus chain from the window.
  for (QWidget* w = nextInFocusChain(); w != nullptr && w != this; w = w->nextInFocusChain()) {
    if (!isAncestorOf(w) || !w->isEnabled() || !w->isVisibleTo(this)) continue;
    if ((w->focusPolicy() & Qt::TabFocus) == 0) continue;
    w->setFocus(Qt::OtherFocusReason);
    return;
  }
}

void Form::Hide() {
  if (m_subWindow) m_subWindow->hide();
  hide();
  exitModalLoop();
}

bool Form::Unload() { return unloadImpl(false); }

bool Form::unloadImpl(bool forced) {
  if (m_state != State::Loaded) return true;  // unload already under way or done
  m_state = State::Unloading;
  bool cancel = false;
  Form_Unload(cancel);
  if (cancel && !forced) {
    m_state = State::Loaded;
    return false;
  }
  m_state = State::Unloaded;
  detail::Unregister(this);
  QWidget* frame = Frame();
  frame->hide();
  exitModalLoop();
  frame->deleteLater();
  detail::ScheduleQuitCheck();
  return true;
}

void Form::exitModalLoop() {
  if (m_modalLoop != nullptr) {
    m_modalLoop->quit();
    m_modalLoop = nullptr;
    setWindowModality(Qt::NonModal);
  }
}

void Form::closeEvent(QCloseEvent* event) {
  // The close button (of the window or of its MDI frame) unloads the window.
  if (m_state == State::Unloaded || unloadImpl(false)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void Form::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) exitModalLoop();
}

}  // namespace tolvar::ui
