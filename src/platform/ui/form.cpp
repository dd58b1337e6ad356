#include "platform/ui/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

#include "platform/ui/formregistry.h"
#include "platform/ui/forms.h"
#include "platform/ui/mainform.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/placement.h"

namespace tolvar::ui {

Form::Form(const QString& name, FormKind kind) : m_kind(kind) {
  detail::EnsureRegistryReady();
  setObjectName(name);
  // Top-level windows stay above the main window; an MDI child is hosted when shown or loaded.
  // A fixed dialog tells the window manager that it has a close box only.
  if (kind == FormKind::Dialog) {
    setParent(Forms::Main(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  } else if (kind == FormKind::Window) {
    setParent(Forms::Main(), Qt::Window);
  }
  // A fixed dialog, or a window while it is shown modal, never stays minimised alone: the
  // program would seem stuck without it. Minimised with the program, it comes back with it.
  if (kind != FormKind::MdiChild) {
    KeepRestored(this, [this] { return m_kind == FormKind::Dialog || IsShownModal(); });
  }
}

Form::~Form() {
  // Destroyed without Unload (e.g. with its parent): the registry must not keep it.
  if (m_state != State::Unloaded) detail::Unregister(this);
  exitModalLoop();
}

namespace {

// The frame of a child window: a thin border, so that a child window as wide as the main
// window's design fits its work area with its title row and close box.
class ChildFrameStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_MdiSubWindowFrameWidth) return 1;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QStyle* ChildFrame() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new ChildFrameStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(qApp);
  }
  return style;
}

}  // namespace

void FormAccess::Load(Form& form) {
  if (form.m_kind == FormKind::MdiChild) form.hostIn(Forms::Main());
  form.Form_Load();
}

void Form::hostIn(MainForm* main) {
  if (m_subWindow || main == nullptr || main->IsUnloaded()) return;
  auto* sub = new QMdiSubWindow;
  // Closing the frame closes the form (our closeEvent unloads it); the frame is destroyed on unload.
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  // The frame is no stop of the tab order: Tab goes from the form's last control to its first.
  sub->setFocusPolicy(Qt::ClickFocus);
  sub->setStyle(ChildFrame());
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
  // Each option group is one stop of Tab, at its selected option.
  KeepOptionStops(this);
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
      if (m_subWindow->isMinimized()) m_subWindow->showNormal();
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
    // A window open but minimised comes back as it was.
    Restore(this);
    return;
  }
  if (m_modalLoop != nullptr) return;  // already running its modal loop
  if (isVisible()) hide();
  setWindowModality(Qt::ApplicationModal);
  Restore(this);
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
  // A window arranged by its layouts takes its size now, as showing it would, so that it is
  // placed with the size it shows.
  if (!testAttribute(Qt::WA_Resized)) adjustSize();
  if (m_kind == FormKind::Dialog) setFixedSize(size());
  // A window that moved itself before it was shown keeps its place.
  if (testAttribute(Qt::WA_Moved) && !m_frameAt && !m_beside) m_frameAt = pos();
  place();
}

void Form::MoveFrameTo(QPoint topLeft) {
  m_frameAt = topLeft;
  m_beside = nullptr;
  if (m_placed && !m_subWindow) place();
}

void Form::PlaceBeside(QWidget* anchor) {
  m_beside = anchor;
  m_frameAt.reset();
  if (m_placed && !m_subWindow) place();
}

void Form::place() {
  PlaceByFrame(this, [this](QSize outer) -> std::optional<QRect> {
    const QRect screen = AvailableArea();
    if (m_frameAt) return KeptInside(QRect(*m_frameAt, outer), screen);
    if (m_beside) return Beside(outer, m_beside->frameGeometry(), screen);
    const QWidget* owner = parentWidget();
    switch (m_startPosition) {
      case StartPosition::SystemDefault:
        // The window manager places it; once it has, the frame is kept inside the screen.
        if (!isVisible()) return std::nullopt;
        return KeptInside(frameGeometry(), screen);
      case StartPosition::CentreOwner:
        if (owner != nullptr && owner->isVisible()) return CentredOn(outer, owner->frameGeometry(), screen);
        return CentredOn(outer, screen, screen);
      case StartPosition::CentreScreen:
        return CentredOn(outer, screen, screen);
    }
    return std::nullopt;
  });
}

void Form::SetTabOrder(const std::vector<QWidget*>& order) {
  m_tabOrder.assign(order.begin(), order.end());
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form::placeFirstFocus() {
  if (m_focusPlaced) return;
  m_focusPlaced = true;
  const auto takesFocus = [this](const QWidget* w) {
    return w != nullptr && isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(this) &&
           (w->focusPolicy() & Qt::TabFocus) != 0;
  };
  // The first control of the tab order the window gives, else of its focus chain.
  for (const QPointer<QWidget>& listed : m_tabOrder) {
    // An option of a group stands for the group, which is entered at its stop.
    QWidget* w = listed ? OptionStop(listed) : nullptr;
    if (!takesFocus(w)) continue;
    w->setFocus(Qt::OtherFocusReason);
    return;
  }
  for (QWidget* w = nextInFocusChain(); w != nullptr && w != this; w = w->nextInFocusChain()) {
    if (!takesFocus(w)) continue;
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
