#include "support/ui_desktop.h"

#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include "platform/ui/placement.h"

namespace tolvar::test {

namespace {
// Only a bound for a window that never appears: waiting ends with the event that places it.
constexpr int kNeverAppearedMs = 120000;
}  // namespace

bool OnDesktop() { return QGuiApplication::platformName() != QLatin1String("offscreen"); }

bool WaitUntilPlaced(QWidget* window) {
  if (window == nullptr) {
    ADD_FAILURE() << "no window to wait for";
    return false;
  }
  if (Placed(window, kNeverAppearedMs)) return true;
  ADD_FAILURE() << window->objectName().toStdString() << " never appeared on the screen";
  return false;
}

bool Placed(QWidget* window, int giveUpMs) {
  if (window == nullptr || window->isHidden()) return false;
  return QTest::qWaitFor([window] { return ui::IsPlaced(window); }, giveUpMs);
}

std::optional<QStringList> AllowedActions(QWidget* window) {
  if (!OnDesktop() || window == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
    return std::nullopt;
  }
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"),
              {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
  if (!xprop.waitForFinished(-1) || xprop.exitCode() != 0) return std::nullopt;
  // "_NET_WM_ALLOWED_ACTIONS(ATOM) = _NET_WM_ACTION_CLOSE, _NET_WM_ACTION_MOVE, ..."
  const QString output = QString::fromLatin1(xprop.readAllStandardOutput()).trimmed();
  const qsizetype equals = output.indexOf(QLatin1Char('='));
  if (equals < 0) return std::nullopt;
  QStringList actions;
  for (QString action : output.mid(equals + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    action = action.trimmed();
    action.remove(QStringLiteral("_NET_WM_ACTION_"));
    actions << action;
  }
  return actions;
}

bool MinimiseAsTheButtonDoes(QWidget* window) {
  if (window == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
  const char* name = "WM_CHANGE_STATE";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  if (atom == nullptr) return false;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window->winId());
  message.type = atom->atom;
  std::free(atom);
  constexpr uint32_t kIconicState = 3;
  message.data.data32[0] = kIconicState;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  xcb_send_event(connection, 0, screen->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
  return true;
}

namespace {

// Notes whether its window has been minimised since it was installed.
class MinimisedSeen : public QObject {
 public:
  explicit MinimisedSeen(QWidget* window) : m_window(window) { window->installEventFilter(this); }
  ~MinimisedSeen() override {
    if (m_window) m_window->removeEventFilter(this);
  }
  bool seen = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_window && event->type() == QEvent::WindowStateChange &&
        (m_window->windowState() & Qt::WindowMinimized)) {
      seen = true;
    }
    return false;
  }

 private:
  QPointer<QWidget> m_window;
};

bool ShownAndActive(const QWidget* window) {
  if (!window->isVisible() || window->isMinimized() || QApplication::activeWindow() != window) return false;
  for (const QWidget* owner = window->parentWidget(); owner != nullptr; owner = owner->parentWidget()) {
    owner = owner->window();
    if (!owner->isVisible() || owner->isMinimized()) return false;
  }
  return true;
}

}  // namespace

QStringList MinimiseComesBackFaults(QWidget* window) {
  if (window == nullptr || !OnDesktop()) return {};
  QPointer<QWidget> guarded(window);
  MinimisedSeen minimised(window);
  if (!MinimiseAsTheButtonDoes(window)) return {QStringLiteral("the minimise request could not be sent")};
  // Waiting ends with the events of the window manager; the bound is only for a window that
  // never answers.
  if (!QTest::qWaitFor([&] { return guarded.isNull() || minimised.seen; }, kNeverAppearedMs)) {
    return {QStringLiteral("the window manager did not minimise it")};
  }
  if (guarded.isNull()) return {QStringLiteral("closed when minimised")};
  if (!QTest::qWaitFor([&] { return guarded.isNull() || ShownAndActive(guarded); }, kNeverAppearedMs)) {
    return {QStringLiteral("stays minimised or inactive after minimising")};
  }
  if (guarded.isNull()) return {QStringLiteral("closed when minimised")};
  return {};
}

QStringList FixedDialogFaults(QWidget* window) {
  QStringList faults;
  const Qt::WindowFlags flags = window->windowFlags();
  if (window->windowType() != Qt::Dialog) faults << QStringLiteral("not a dialog");
  if (flags & Qt::WindowMinimizeButtonHint) faults << QStringLiteral("asks for a minimise box");
  if (flags & Qt::WindowMaximizeButtonHint) faults << QStringLiteral("asks for a maximise box");
  if ((flags & Qt::CustomizeWindowHint) && !(flags & Qt::WindowCloseButtonHint)) {
    faults << QStringLiteral("asks for no close box");
  }
  if (window->minimumSize() != window->maximumSize()) faults << QStringLiteral("size not fixed");
  if (const std::optional<QStringList> actions = AllowedActions(window)) {
    for (const char* action : {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"}) {
      if (actions->contains(QLatin1String(action))) {
        faults << QStringLiteral("the window manager offers ") + QLatin1String(action);
      }
    }
    if (!actions->contains(QLatin1String("CLOSE"))) faults << QStringLiteral("the window manager offers no close box");
  }
  return faults;
}

}  // namespace tolvar::test
