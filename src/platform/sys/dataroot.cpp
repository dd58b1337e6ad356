#include "platform/sys/dataroot.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <system_error>

#include "platform/sys/files.h"

#ifndef TOLVAR_INSTALL_PREFIX
#define TOLVAR_INSTALL_PREFIX "/usr/local"
#endif

namespace tolvar::sys {
namespace {

std::mutex rootMutex;
std::string rootOverride;

// Works without a QCoreApplication instance, unlike applicationDirPath().
std::string ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

}  // namespace

std::string ShippedTree() {
  if (const char* env = std::getenv("TOLVAR_SHARE_DIR"); env && *env) return env;
  if (const std::string exeFolder = ExecutableFolder(); !exeFolder.empty()) {
    std::error_code ec;
    const auto beside =
        std::filesystem::weakly_canonical(std::filesystem::path(exeFolder) / ".." / "share" / "tolvar", ec);
    if (!ec && FolderExists(beside.string())) return beside.string();
  }
  return JoinPath(TOLVAR_INSTALL_PREFIX, "/share/tolvar");
}

std::string DefaultDataRoot() {
  // AppDataLocation follows the application name; when the running program has not (yet)
  // named itself "Tolvar", build the same location from the generic data folder.
  if (QCoreApplication::applicationName() == QStringLiteral("Tolvar"))
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  std::string root = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
  if (const QString org = QCoreApplication::organizationName(); !org.isEmpty())
    root = JoinPath(root, org.toStdString());
  return JoinPath(root, "Tolvar");
}

std::string DataRoot() {
  {
    std::lock_guard lock(rootMutex);
    if (!rootOverride.empty()) return rootOverride;
  }
  return DefaultDataRoot();
}

std::string SetDataRoot(const std::string& path) {
  std::lock_guard lock(rootMutex);
  std::string previous = std::move(rootOverride);
  rootOverride = path;
  return previous;
}

std::string DataPath(const std::string& relative) { return JoinPath(DataRoot(), relative); }

}  // namespace tolvar::sys
