#include "platform/ui/mainform.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/ui/formregistry.h"
#include "platform/ui/forms.h"
#include "platform/ui/placement.h"

namespace tolvar::ui {

MainForm::MainForm(const QString& name) : m_mdiArea(new QMdiArea(this)) {
  detail::EnsureRegistryReady();
  setObjectName(name);
  m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
  // The work area reaches from border to border, so child windows of the design's width fit.
  m_mdiArea->setFrameShape(QFrame::NoFrame);
  setCentralWidget(m_mdiArea);
  connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainForm::onSubWindowActivated);
}

MainForm::~MainForm() {
  if (m_state != State::Unloaded) detail::UnregisterMain(this);
}

void MainForm::SetFrameGeometry(const QRect& frame) {
  PlaceByFrame(
      this, [frame](QSize) -> std::optional<QRect> { return frame; }, true);
}

void MainForm::Show() {
  if (m_state != State::Loaded) return;
  show();
  raise();
  activateWindow();
}

namespace {
constexpr int kMaxUnloadRounds = 16;

bool IsWithin(const QObject* object, const QObject* ancestor) {
  for (; object != nullptr; object = object->parent()) {
    if (object == ancestor) return true;
  }
  return false;
}
}  // namespace

bool MainForm::Unload() {
  if (m_state != State::Loaded) return true;
  m_state = State::Unloading;
  bool cancel = false;
  MDIForm_Unload(cancel);
  if (cancel) {
    m_state = State::Loaded;
    return false;
  }
  // Windows inside or owned by this one would die with it: give them their unload handlers.
  // Their handlers may load further windows here; the rounds are bounded against ping-pong.
  for (int round = 0; round < kMaxUnloadRounds; ++round) {
    bool unloadedAny = false;
    for (Form* form : Forms::Loaded()) {
      if (IsWithin(form, this)) unloadedAny = FormAccess::UnloadForced(*form) || unloadedAny;
    }
    if (!unloadedAny) break;
  }
  m_state = State::Unloaded;
  detail::UnregisterMain(this);
  hide();
  deleteLater();
  detail::ScheduleQuitCheck();
  return true;
}

void MainForm::closeEvent(QCloseEvent* event) {
  if (m_state == State::Unloaded || Unload()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainForm::onSubWindowActivated(QMdiSubWindow* window) {
  if (window == nullptr || m_state != State::Loaded) return;
  if (auto* form = qobject_cast<Form*>(window->widget())) detail::ChildActivated(form);
}

}  // namespace tolvar::ui
