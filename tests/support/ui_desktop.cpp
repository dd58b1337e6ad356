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
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

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

namespace {

// The program's connection to the X server, or null off X.
xcb_connection_t* Connection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t RootOf(xcb_connection_t* connection) {
  return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  if (reply == nullptr) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}

// A message about `window` to the window manager, as the root window's clients send them.
void SendToWindowManager(xcb_connection_t* connection, xcb_window_t window, const char* type,
                         std::initializer_list<uint32_t> data) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = Atom(connection, type);
  std::size_t i = 0;
  for (uint32_t value : data) message.data.data32[i++] = value;
  xcb_send_event(connection, 0, RootOf(connection),
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

// The 32-bit values of the property `name` of `window`; empty where it has none.
std::vector<uint32_t> Property(xcb_connection_t* connection, xcb_window_t window, const char* name) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, Atom(connection, name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
      nullptr);
  std::vector<uint32_t> values;
  if (reply != nullptr && reply->format == 32) {
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
    values.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return values;
}

// Only a bound for a window manager that never answers: waiting ends with its answer.
constexpr int kNoAnswerMs = 120000;

// Handles events until the window manager has answered a request sent now on `connection`:
// it asks for the frame extents of a window of its own, which the window manager writes
// into a property of that window, after every request sent before on the connection.
bool RoundTrip(xcb_connection_t* connection, xcb_window_t marker) {
  const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
  xcb_delete_property(connection, marker, extents);
  SendToWindowManager(connection, marker, "_NET_REQUEST_FRAME_EXTENTS", {});
  return QTest::qWaitFor([&] { return !Property(connection, marker, "_NET_FRAME_EXTENTS").empty(); }, kNoAnswerMs);
}

bool IsOwnWindow(xcb_window_t window) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->internalWinId() != 0 && static_cast<xcb_window_t>(top->internalWinId()) == window) return true;
  }
  return false;
}

}  // namespace

bool WaitForWindowManager(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kNoAnswerMs); }

bool MinimiseAsTheButtonDoes(QWidget* window) {
  xcb_connection_t* connection = Connection();
  if (window == nullptr || connection == nullptr) return false;
  constexpr uint32_t kIconicState = 3;
  SendToWindowManager(connection, static_cast<xcb_window_t>(window->winId()), "WM_CHANGE_STATE", {kIconicState});
  return true;
}

bool RestoreAsTheTaskBarDoes(QWidget* window) {
  xcb_connection_t* connection = Connection();
  if (window == nullptr || connection == nullptr) return false;
  constexpr uint32_t kFromPager = 2;
  SendToWindowManager(connection, static_cast<xcb_window_t>(window->winId()), "_NET_ACTIVE_WINDOW",
                      {kFromPager, XCB_CURRENT_TIME, 0});
  return true;
}

bool SettleWithWindowManager() {
  xcb_connection_t* connection = Connection();
  if (connection == nullptr) return false;
  static xcb_window_t marker = XCB_WINDOW_NONE;
  if (marker == XCB_WINDOW_NONE) {
    marker = xcb_generate_id(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, marker, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
  }
  // Twice: what the window manager's answers to the program's requests start in the program
  // (a window shown again asks for its activation once it is mapped) is answered too.
  for (int round = 0; round < 2; ++round) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    if (!RoundTrip(connection, marker)) return false;
  }
  QCoreApplication::processEvents();
  return true;
}

std::optional<bool> MinimisedByWindowManager(QWidget* window) {
  xcb_connection_t* connection = Connection();
  if (window == nullptr || connection == nullptr) return std::nullopt;
  constexpr uint32_t kIconicState = 3;
  const std::vector<uint32_t> state = Property(connection, static_cast<xcb_window_t>(window->winId()), "WM_STATE");
  return !state.empty() && state.front() == kIconicState;
}

std::optional<bool> ProgramHasTheFocus() {
  xcb_connection_t* connection = Connection();
  if (connection == nullptr) return std::nullopt;
  xcb_get_input_focus_reply_t* focus = xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
  constexpr xcb_window_t kNone = XCB_WINDOW_NONE;
  xcb_window_t window = focus != nullptr ? focus->focus : kNone;
  std::free(focus);
  const xcb_window_t root = RootOf(connection);
  // The focus may lie on a window inside one of the program's top-level windows.
  while (window != XCB_WINDOW_NONE && window != XCB_INPUT_FOCUS_POINTER_ROOT && window != root) {
    if (IsOwnWindow(window)) return true;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
    window = tree != nullptr ? tree->parent : kNone;
    std::free(tree);
  }
  return false;
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

// Shown and not minimised, with every owner.
bool BackWithOwners(QWidget* window) {
  if (!window->isVisible() || window->isMinimized()) return false;
  for (const QWidget* owner : ui::OwnersOf(window)) {
    if (!owner->isVisible() || owner->isMinimized()) return false;
  }
  return true;
}

// Minimised with the program's first window, its farthest owner.
bool DownWithTheProgram(QWidget* window) {
  const std::vector<QWidget*> owners = ui::OwnersOf(window);
  return window->isMinimized() && (owners.empty() || owners.back()->isMinimized());
}

QString StateOf(QWidget* window) {
  if (window == nullptr) return QStringLiteral("gone");
  return window->objectName() + (window->isVisible() ? QString() : QStringLiteral(" hidden")) +
         (window->isMinimized() ? QStringLiteral(" minimised") : QStringLiteral(" shown"));
}

// Whether `upper` lies above `lower` in the window manager's stacking order.
bool StackedAbove(QWidget* upper, QWidget* lower) {
  xcb_connection_t* connection = Connection();
  if (connection == nullptr) return true;
  // Bottom to top.
  const std::vector<uint32_t> stacking = Property(connection, RootOf(connection), "_NET_CLIENT_LIST_STACKING");
  const auto at = [&stacking](QWidget* window) {
    return std::find(stacking.begin(), stacking.end(), static_cast<uint32_t>(window->winId())) - stacking.begin();
  };
  return at(upper) < static_cast<std::ptrdiff_t>(stacking.size()) && at(upper) > at(lower);
}

}  // namespace

QStringList MinimiseFaults(QWidget* dialog, QWidget* minimised) {
  if (dialog == nullptr || !OnDesktop()) return {};
  QWidget* target = minimised != nullptr ? minimised : dialog;
  QPointer<QWidget> guarded(dialog);
  const bool wasActive = QApplication::activeWindow() == dialog;
  const std::vector<QWidget*> owners = ui::OwnersOf(dialog);
  QWidget* program = owners.empty() ? dialog : owners.back();
  MinimisedSeen seen(dialog);
  if (!MinimiseAsTheButtonDoes(target)) return {QStringLiteral("the minimise request could not be sent")};
  // Waiting ends with the events of the window manager; the bound is only for a window that
  // never answers.
  if (!QTest::qWaitFor([&] { return guarded.isNull() || seen.seen; }, kNoAnswerMs)) {
    return {QStringLiteral("the window manager did not minimise it")};
  }
  if (!QTest::qWaitFor([&] { return guarded.isNull() || BackWithOwners(guarded) || DownWithTheProgram(guarded); },
                       kNoAnswerMs)) {
    QStringList states;
    for (QWidget* w : std::initializer_list<QWidget*>{guarded}) states << StateOf(w);
    for (QWidget* owner : owners) states << StateOf(owner);
    return {QStringLiteral("neither back nor down with the program: ") + states.join(QStringLiteral(", "))};
  }
  if (guarded.isNull()) return {QStringLiteral("closed when minimised")};
  const auto activeAgain = [&] { return wasActive ? QApplication::activeWindow() == guarded : true; };
  if (BackWithOwners(guarded)) {
    // Minimised alone and back: never stranded.
    if (target != dialog) return {QStringLiteral("the program came back by itself after it was minimised")};
    if (!QTest::qWaitFor([&] { return guarded.isNull() || activeAgain(); }, kNoAnswerMs)) {
      return {QStringLiteral("back, but not active again")};
    }
    return {};
  }
  // The program went down as one: it stays down until the user restores it.
  QStringList faults;
  if (!SettleWithWindowManager()) return {QStringLiteral("the window manager does not answer")};
  if (guarded.isNull()) return {QStringLiteral("closed when minimised")};
  if (MinimisedByWindowManager(guarded) != true || MinimisedByWindowManager(program) != true) {
    faults << QStringLiteral("the program came back by itself after it was minimised");
  }
  RestoreAsTheTaskBarDoes(program);
  if (!QTest::qWaitFor([&] { return guarded.isNull() || (BackWithOwners(guarded) && activeAgain()); }, kNoAnswerMs)) {
    faults << (BackWithOwners(guarded) ? QStringLiteral("back with the program, but not active again")
                                       : QStringLiteral("not back when the program was restored"));
    return faults;
  }
  if (guarded.isNull()) return {QStringLiteral("closed when the program was restored")};
  if (!SettleWithWindowManager()) return {QStringLiteral("the window manager does not answer")};
  for (QWidget* owner : owners) {
    if (!StackedAbove(guarded, owner)) faults << QStringLiteral("back behind ") + owner->objectName();
  }
  return faults;
}

struct OtherProgramWindow::Connection {
  xcb_connection_t* connection = nullptr;
  xcb_window_t window = XCB_WINDOW_NONE;
};

OtherProgramWindow::OtherProgramWindow() {
  if (::tolvar::test::Connection() == nullptr) return;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    xcb_disconnect(connection);
    return;
  }
  m_connection = new Connection{connection, xcb_generate_id(connection)};
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, m_connection->window, screen->root, 40, 40, 320, 200, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
  const char title[] = "Anderes Programm";
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, m_connection->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      sizeof(title) - 1, title);
  xcb_map_window(connection, m_connection->window);
  xcb_flush(connection);
}

OtherProgramWindow::~OtherProgramWindow() {
  if (m_connection == nullptr) return;
  xcb_destroy_window(m_connection->connection, m_connection->window);
  xcb_flush(m_connection->connection);
  xcb_disconnect(m_connection->connection);
  delete m_connection;
}

bool OtherProgramWindow::Activate() {
  if (m_connection == nullptr) return false;
  xcb_connection_t* connection = m_connection->connection;
  // The window manager takes requests about a window it has framed.
  if (!QTest::qWaitFor([&] { return !Property(connection, m_connection->window, "WM_STATE").empty(); }, kNoAnswerMs)) {
    return false;
  }
  constexpr uint32_t kFromPager = 2;
  SendToWindowManager(connection, m_connection->window, "_NET_ACTIVE_WINDOW", {kFromPager, XCB_CURRENT_TIME, 0});
  return QTest::qWaitFor([this] { return Active() && QApplication::activeWindow() == nullptr; }, kNoAnswerMs);
}

bool OtherProgramWindow::Active() const {
  if (m_connection == nullptr) return false;
  xcb_connection_t* connection = m_connection->connection;
  xcb_get_input_focus_reply_t* focus = xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
  const bool active = focus != nullptr && focus->focus == m_connection->window;
  std::free(focus);
  return active;
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
