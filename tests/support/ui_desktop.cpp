#include "support/ui_desktop.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

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
