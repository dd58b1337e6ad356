#include "platform/sys/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <atomic>

namespace tolvar::sys {
namespace {

const QScreen* Primary() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
  return QGuiApplication::primaryScreen();
}

QSize PrimarySize() {
  const QScreen* screen = Primary();
  return screen ? screen->size() : QSize(0, 0);
}

std::atomic<Screen*> installed{nullptr};

}  // namespace

int PrimaryScreen::Width() const { return PrimarySize().width(); }
int PrimaryScreen::Height() const { return PrimarySize().height(); }

ScreenArea PrimaryScreen::Available() const {
  const QScreen* screen = Primary();
  if (screen == nullptr) return {};
  const QRect area = screen->availableGeometry();
  return {.left = area.x(), .top = area.y(), .width = area.width(), .height = area.height()};
}

Screen& CurrentScreen() {
  if (Screen* screen = installed.load()) return *screen;
  static PrimaryScreen primary;
  return primary;
}

Screen* SetScreen(Screen* screen) { return installed.exchange(screen); }

}  // namespace tolvar::sys
