#include "platform/sys/registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/sys/files.h"
#include "support/fixtures.h"

namespace tolvar::sys {
namespace {

const std::string kPaths = "Software\\Halvorn\\Tolvar\\Pfade";
const std::string kVersion = "Software\\Halvorn\\Tolvar\\Version";

TEST(IniRegistry, RoundTripThroughTheFile) {
  test::TempDir dir;
  const std::string ini = dir.Join("Einstellungen ä/Registry.ini");  // folder made on write
  {
    IniRegistry registry(ini);
    EXPECT_TRUE(registry.SetValue(kPaths, "Tolvar-Verz", "/home/gärtner/Tolvar Süd"));
    EXPECT_TRUE(registry.SetValue(kVersion, "Version", "1.0"));
    EXPECT_TRUE(registry.SetValue(kVersion, "Version", "1.1"));
    // Same value name below another key is another value.
    EXPECT_TRUE(registry.SetValue(kPaths, "Version", "Pfad"));
  }
  ASSERT_TRUE(FileExists(ini));

  const IniRegistry reread(ini);
  EXPECT_EQ(reread.Value(kPaths, "Tolvar-Verz"), "/home/gärtner/Tolvar Süd");
  EXPECT_EQ(reread.Value(kVersion, "Version"), "1.1");
  EXPECT_EQ(reread.Value(kPaths, "Version"), "Pfad");
  EXPECT_EQ(reread.Value(kPaths, "Fehlt"), std::nullopt);
  EXPECT_EQ(reread.Value("Software\\Anders", "Version"), std::nullopt);
  // Leading or doubled backslashes name the same key.
  EXPECT_EQ(reread.Value("\\Software\\\\Halvorn\\Tolvar\\Version\\", "Version"), "1.1");
}

TEST(IniRegistry, UnwritableFileReportsFailure) {
  test::TempDir dir;
  ASSERT_TRUE(CreateFolder(dir.Join("Registry.ini")));  // a folder where the file should be
  IniRegistry registry(dir.Join("Registry.ini"));
  EXPECT_FALSE(registry.SetValue(kVersion, "Version", "1.0"));
  EXPECT_EQ(registry.Value(kVersion, "Version"), std::nullopt);
}

TEST(MemoryRegistry, KeepsValuesAndRecordsWrites) {
  MemoryRegistry registry;
  EXPECT_TRUE(registry.SetValue(kPaths, "Tolvar-Verz", "/a"));
  EXPECT_TRUE(registry.SetValue(kPaths, "Tolvar-Verz", "/b"));
  EXPECT_TRUE(registry.SetValue(kVersion, "Version", "1.0"));
  EXPECT_EQ(registry.Value(kPaths, "Tolvar-Verz"), "/b");
  EXPECT_EQ(registry.Value(kVersion, "Tolvar-Verz"), std::nullopt);
  EXPECT_EQ(registry.Writes(),
            (std::vector<MemoryRegistry::Write>{
                {kPaths, "Tolvar-Verz", "/a"}, {kPaths, "Tolvar-Verz", "/b"}, {kVersion, "Version", "1.0"}}));

  registry.SetFailWrites(true);
  EXPECT_FALSE(registry.SetValue(kVersion, "Version", "2.0"));
  EXPECT_EQ(registry.Value(kVersion, "Version"), "1.0");
  EXPECT_EQ(registry.Writes().size(), 3u);
}

TEST(CurrentRegistry, ScopedDoubleNestsAndRestoresDefault) {
  RegistryStore* const defaultStore = &CurrentRegistry();
  const auto* ini = dynamic_cast<const IniRegistry*>(defaultStore);
  ASSERT_NE(ini, nullptr);
  EXPECT_EQ(ini->IniPath(), DefaultRegistryIniPath());
  {
    test::ScopedRegistry outer;
    EXPECT_EQ(&CurrentRegistry(), &*outer);
    {
      test::ScopedRegistry inner;
      CurrentRegistry().SetValue(kVersion, "Version", "1.0");
      EXPECT_EQ(inner->Value(kVersion, "Version"), "1.0");
    }
    EXPECT_EQ(&CurrentRegistry(), &*outer);
    EXPECT_TRUE(outer->Writes().empty());
  }
  EXPECT_EQ(&CurrentRegistry(), defaultStore);
}

}  // namespace
}  // namespace tolvar::sys
