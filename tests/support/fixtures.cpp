#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"

namespace fs = std::filesystem;

namespace tolvar::test {

std::string FileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "tolvar-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
    return;
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  // Tests make folders read-only; give write access back so everything can go.
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it); it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  ec.clear();
  fs::remove_all(path_, ec);
}

std::string TempDir::Join(const std::string& relative) const { return sys::JoinPath(path_, relative); }

std::string ShippedTreeForTests() {
  if (const char* env = std::getenv("TOLVAR_SHARE_DIR"); env && *env) return env;
  return TOLVAR_SHARE_DIR_DEFAULT;
}

FreshDataRoot::FreshDataRoot() {
  const std::string shipped = ShippedTreeForTests();
  std::string error;
  // The tree may still be sparse; whatever is there is copied.
  if (!sys::FolderExists(shipped))
    ADD_FAILURE() << "installation tree missing: " << shipped;
  else if (!sys::CopyFolderTree(shipped, dir_.Path(), &error))
    ADD_FAILURE() << error;
  previous_ = sys::SetDataRoot(dir_.Path());
}

FreshDataRoot::~FreshDataRoot() { sys::SetDataRoot(previous_); }

ScopedRegistry::ScopedRegistry() : previous_(sys::SetRegistry(&registry_)) {}
ScopedRegistry::~ScopedRegistry() { sys::SetRegistry(previous_); }

ScopedShell::ScopedShell(bool result) : shell_(result), previous_(sys::SetShell(&shell_)) {}
ScopedShell::~ScopedShell() { sys::SetShell(previous_); }

ScopedScreen::ScopedScreen(int width, int height) : screen_(width, height), previous_(sys::SetScreen(&screen_)) {}
ScopedScreen::~ScopedScreen() { sys::SetScreen(previous_); }

}  // namespace tolvar::test
