#include "platform/sys/registry.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <atomic>

#include "platform/sys/files.h"

namespace tolvar::sys {
namespace {

// "Software\\Halvorn\\Tolvar\\Pfade" + "Tolvar-Verz" -> "Software/Halvorn/Tolvar/Pfade/Tolvar-Verz".
QString SettingsKey(const std::string& keyPath, const std::string& valueName) {
  QString key;
  for (const QString& part : QString::fromStdString(keyPath).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
    key += part + QLatin1Char('/');
  }
  return key + QString::fromStdString(valueName);
}

std::atomic<RegistryStore*> installed{nullptr};

}  // namespace

IniRegistry::IniRegistry(std::string iniPath) : iniPath_(std::move(iniPath)) {}

bool IniRegistry::SetValue(const std::string& keyPath, const std::string& valueName, const std::string& text) {
  if (valueName.empty()) return false;
  if (const std::string folder = FolderOf(iniPath_); !folder.empty() && !CreateFolder(folder)) return false;
  QSettings settings(QString::fromStdString(iniPath_), QSettings::IniFormat);
  if (!settings.isWritable()) return false;
  settings.setValue(SettingsKey(keyPath, valueName), QString::fromStdString(text));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

std::optional<std::string> IniRegistry::Value(const std::string& keyPath, const std::string& valueName) const {
  QSettings settings(QString::fromStdString(iniPath_), QSettings::IniFormat);
  const QString key = SettingsKey(keyPath, valueName);
  if (!settings.contains(key)) return std::nullopt;
  return settings.value(key).toString().toStdString();
}

bool MemoryRegistry::SetValue(const std::string& keyPath, const std::string& valueName, const std::string& text) {
  if (failWrites_) return false;
  values_[{keyPath, valueName}] = text;
  writes_.push_back({keyPath, valueName, text});
  return true;
}

std::optional<std::string> MemoryRegistry::Value(const std::string& keyPath, const std::string& valueName) const {
  const auto it = values_.find({keyPath, valueName});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string DefaultRegistryIniPath() {
  const std::string config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
  return JoinPath(config, "/Tolvar/Registry.ini");
}

RegistryStore& CurrentRegistry() {
  if (RegistryStore* store = installed.load()) return *store;
  static IniRegistry defaultStore(DefaultRegistryIniPath());
  return defaultStore;
}

RegistryStore* SetRegistry(RegistryStore* store) { return installed.exchange(store); }

}  // namespace tolvar::sys
