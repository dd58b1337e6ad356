#include "platform/sys/dataroot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/sys/files.h"
#include "support/fixtures.h"

namespace fs = std::filesystem;

namespace tolvar::sys {
namespace {

// Sets or unsets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DataRoot, SetReturnsPreviousAndEmptyRestoresDefault) {
  const std::string defaultRoot = DefaultDataRoot();
  EXPECT_TRUE(fs::path(defaultRoot).is_absolute()) << defaultRoot;
  EXPECT_EQ(FileNameOf(defaultRoot), "Tolvar");

  const std::string before = SetDataRoot("/tmp/Gärtnerei Süd/");
  EXPECT_EQ(DataRoot(), "/tmp/Gärtnerei Süd/");
  EXPECT_EQ(DataPath("\\Tolvar_DB\\SystemInfo.mdb"), "/tmp/Gärtnerei Süd/Tolvar_DB/SystemInfo.mdb");

  EXPECT_EQ(SetDataRoot("/andere"), "/tmp/Gärtnerei Süd/");
  EXPECT_EQ(SetDataRoot(""), "/andere");
  EXPECT_EQ(DataRoot(), defaultRoot);
  SetDataRoot(before);
}

TEST(ShippedTree, EnvironmentThenBesideExecutable) {
  {
    ScopedEnv env("TOLVAR_SHARE_DIR", "/opt/Baum mit Ümlaut");
    EXPECT_EQ(ShippedTree(), "/opt/Baum mit Ümlaut");
  }
  ScopedEnv env("TOLVAR_SHARE_DIR", nullptr);
  // The test runs from the build tree: tests/ beside share/tolvar.
  if (FolderExists(TOLVAR_SHARE_DIR_DEFAULT)) {
    EXPECT_EQ(fs::path(ShippedTree()), fs::weakly_canonical(TOLVAR_SHARE_DIR_DEFAULT));
  }
  EXPECT_EQ(FileNameOf(ShippedTree()), "tolvar");
}

TEST(FreshDataRoot, CopiesShippedTreeAndRestoresRoot) {
  const std::string before = SetDataRoot("/vorher");
  std::string outerPath;
  {
    test::FreshDataRoot outer;
    outerPath = outer.Path();
    EXPECT_EQ(DataRoot(), outer.Path());
    // Whatever the shipped tree holds is in the copy.
    const fs::path shipped(test::ShippedTreeForTests());
    for (const auto& entry : fs::recursive_directory_iterator(shipped)) {
      const std::string relative = fs::relative(entry.path(), shipped).string();
      SCOPED_TRACE(relative);
      EXPECT_TRUE(fs::exists(fs::path(outer.Join(relative))));
    }
    // Writing below the root leaves the shipped tree alone.
    std::ofstream(fs::path(DataPath("\\Neu ä.txt"))) << "x";
    EXPECT_TRUE(FileExists(outer.Join("Neu ä.txt")));
    EXPECT_FALSE(fs::exists(shipped / "Neu ä.txt"));
    {
      test::FreshDataRoot inner;
      EXPECT_NE(inner.Path(), outer.Path());
      EXPECT_EQ(DataRoot(), inner.Path());
      EXPECT_FALSE(FileExists(inner.Join("Neu ä.txt")));
    }
    EXPECT_EQ(DataRoot(), outer.Path());
  }
  EXPECT_EQ(DataRoot(), "/vorher");
  EXPECT_FALSE(fs::exists(fs::path(outerPath)));
  SetDataRoot(before);
}

TEST(TempDir, RemovesEverythingIncludingReadOnlyParts) {
  std::string path;
  {
    test::TempDir dir;
    path = dir.Path();
    ASSERT_TRUE(FolderExists(path));
    ASSERT_TRUE(CreateFolder(dir.Join("nur lesen/tiefer")));
    std::ofstream(fs::path(dir.Join("nur lesen/tiefer/d.txt"))) << "x";
    fs::permissions(fs::path(dir.Join("nur lesen/tiefer")), fs::perms::owner_read | fs::perms::owner_exec);
    fs::permissions(fs::path(dir.Join("nur lesen")), fs::perms::owner_read | fs::perms::owner_exec);
  }
  EXPECT_FALSE(fs::exists(fs::path(path)));
}

}  // namespace
}  // namespace tolvar::sys
