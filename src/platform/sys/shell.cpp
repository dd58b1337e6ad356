#include "platform/sys/shell.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>
#include <atomic>

#include "platform/sys/files.h"

namespace tolvar::sys {
namespace {

bool HaveGuiApplication() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

std::atomic<Shell*> installed{nullptr};

}  // namespace

bool DesktopShell::OpenDocument(const std::string& path) {
  if (!HaveGuiApplication() || !FileExists(path)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool DesktopShell::OpenUrl(const std::string& url) {
  if (!HaveGuiApplication()) return false;
  const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
  if (!parsed.isValid() || parsed.scheme().isEmpty()) return false;
  return QDesktopServices::openUrl(parsed);
}

bool RecordingShell::OpenDocument(const std::string& path) {
  requests_.push_back({Kind::Document, path});
  return result_;
}

bool RecordingShell::OpenUrl(const std::string& url) {
  requests_.push_back({Kind::Url, url});
  return result_;
}

Shell& CurrentShell() {
  if (Shell* shell = installed.load()) return *shell;
  static DesktopShell desktop;
  return desktop;
}

Shell* SetShell(Shell* shell) { return installed.exchange(shell); }

}  // namespace tolvar::sys
