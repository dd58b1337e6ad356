#pragma once
// Test fixtures: temporary folders, a fresh data root per test, and RAII helpers that
// install a test double for the registry, the shell or the screen.

#include <string>

#include "platform/sys/registry.h"
#include "platform/sys/screen.h"
#include "platform/sys/shell.h"

namespace tolvar::test {

// A unique folder below the system's temporary folder, removed with everything in it
// (read-only parts included) when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // Path() joined with a relative path (backslashes or slashes).
  std::string Join(const std::string& relative) const;

 private:
  std::string path_;
};

// The bytes of a file (empty when it cannot be read), for comparing contents.
std::string FileContents(const std::string& path);

// The path of the generated installation tree: $TOLVAR_SHARE_DIR, else the build's default.
std::string ShippedTreeForTests();

// A temporary data root holding a copy of the shipped installation tree, made the data
// root for the object's lifetime; the previous data root comes back afterwards.
class FreshDataRoot {
 public:
  FreshDataRoot();
  ~FreshDataRoot();
  FreshDataRoot(const FreshDataRoot&) = delete;
  FreshDataRoot& operator=(const FreshDataRoot&) = delete;

  const std::string& Path() const { return dir_.Path(); }
  std::string Join(const std::string& relative) const { return dir_.Join(relative); }

 private:
  TempDir dir_;
  std::string previous_;
};

// Installs a MemoryRegistry; the previous store comes back afterwards.
class ScopedRegistry {
 public:
  ScopedRegistry();
  ~ScopedRegistry();
  ScopedRegistry(const ScopedRegistry&) = delete;
  ScopedRegistry& operator=(const ScopedRegistry&) = delete;
  sys::MemoryRegistry& operator*() { return registry_; }
  sys::MemoryRegistry* operator->() { return &registry_; }

 private:
  sys::MemoryRegistry registry_;
  sys::RegistryStore* previous_;
};

// Installs a RecordingShell; the previous shell comes back afterwards.
class ScopedShell {
 public:
  explicit ScopedShell(bool result = true);
  ~ScopedShell();
  ScopedShell(const ScopedShell&) = delete;
  ScopedShell& operator=(const ScopedShell&) = delete;
  sys::RecordingShell& operator*() { return shell_; }
  sys::RecordingShell* operator->() { return &shell_; }

 private:
  sys::RecordingShell shell_;
  sys::Shell* previous_;
};

// Installs a FixedScreen; the previous screen comes back afterwards.
class ScopedScreen {
 public:
  ScopedScreen(int width, int height);
  ~ScopedScreen();
  ScopedScreen(const ScopedScreen&) = delete;
  ScopedScreen& operator=(const ScopedScreen&) = delete;
  sys::FixedScreen& operator*() { return screen_; }
  sys::FixedScreen* operator->() { return &screen_; }

 private:
  sys::FixedScreen screen_;
  sys::Screen* previous_;
};

}  // namespace tolvar::test
