#pragma once
// The settings store standing in for the Windows registry. Key paths keep their
// backslashes ("Software\\Halvorn\\Tolvar\\Pfade"); value names are plain text.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvar::sys {

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // Writes a text value; false when the store could not be written.
  virtual bool SetValue(const std::string& keyPath, const std::string& valueName, const std::string& text) = 0;
  virtual std::optional<std::string> Value(const std::string& keyPath, const std::string& valueName) const = 0;
};

// An INI file; each backslash-separated part of a key path becomes a group.
class IniRegistry final : public RegistryStore {
 public:
  explicit IniRegistry(std::string iniPath);
  bool SetValue(const std::string& keyPath, const std::string& valueName, const std::string& text) override;
  std::optional<std::string> Value(const std::string& keyPath, const std::string& valueName) const override;
  const std::string& IniPath() const { return iniPath_; }

 private:
  std::string iniPath_;
};

// Test double: keeps values in memory and records every write in order.
class MemoryRegistry final : public RegistryStore {
 public:
  struct Write {
    std::string keyPath;
    std::string valueName;
    std::string text;
    bool operator==(const Write&) const = default;
  };

  bool SetValue(const std::string& keyPath, const std::string& valueName, const std::string& text) override;
  std::optional<std::string> Value(const std::string& keyPath, const std::string& valueName) const override;
  const std::vector<Write>& Writes() const { return writes_; }
  // Makes later writes fail, to exercise error paths.
  void SetFailWrites(bool fail) { failWrites_ = fail; }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
  std::vector<Write> writes_;
  bool failWrites_ = false;
};

// Where the default store keeps its INI file (the user's configuration folder).
std::string DefaultRegistryIniPath();

// The store in use: the one given to SetRegistry, else an IniRegistry at the default path.
RegistryStore& CurrentRegistry();

// Installs a store (not owned); nullptr restores the default. Returns the previous one
// (nullptr when the default was in use).
RegistryStore* SetRegistry(RegistryStore* store);

}  // namespace tolvar::sys
