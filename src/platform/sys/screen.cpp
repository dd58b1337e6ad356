#include "platform/sys/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <atomic>

namespace tolvar::sys {
namespace {

QSize PrimarySize() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {0, 0};
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(0, 0);
}

std::atomic<Screen*> installed{nullptr};

}  // namespace

int PrimaryScreen::Width() const { return PrimarySize().width(); }
int PrimaryScreen::Height() const { return PrimarySize().height(); }

Screen& CurrentScreen() {
  if (Screen* screen = installed.load()) return *screen;
  static PrimaryScreen primary;
  return primary;
}

Screen* SetScreen(Screen* screen) { return installed.exchange(screen); }

}  // namespace tolvar::sys
