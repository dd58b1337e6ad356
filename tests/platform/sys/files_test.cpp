#include "platform/sys/files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/sys/fehlertext.h"
#include "support/fixtures.h"

namespace fs = std::filesystem;

namespace tolvar::sys {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(fs::path(path), std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(folder))) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Every failed copy must leave the old target's bytes and no temporary file beside it.
TEST(SafeCopy, FailureLeavesTargetAndNoTempFile) {
  test::TempDir dir;
  const std::string source = dir.Join("Quelle.mdb");
  WriteBytes(source, "neu");

  struct Case {
    const char* name;
    std::string from;
    std::string folder;
    bool readOnly;
  };
  std::vector<Case> cases = {
      {"missing source", dir.Join("fehlt.mdb"), dir.Join("a"), false},
      {"source is a folder", dir.Path(), dir.Join("b"), false},
  };
  // The superuser writes into read-only folders anyway.
  if (::geteuid() != 0) cases.push_back({"read-only folder", source, dir.Join("c"), true});

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(CreateFolder(c.folder));
    const std::string target = JoinPath(c.folder, "Mustergärtnerei Süd.mdb");
    WriteBytes(target, std::string("alt\0bytes", 9));
    if (c.readOnly) fs::permissions(c.folder, fs::perms::owner_read | fs::perms::owner_exec);

    std::string error;
    EXPECT_FALSE(SafeCopy(c.from, target, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadBytes(target), std::string("alt\0bytes", 9));
    EXPECT_EQ(Names(c.folder), std::vector<std::string>{"Mustergärtnerei Süd.mdb"});
    if (c.readOnly) fs::permissions(c.folder, fs::perms::owner_all);
  }
}

// The temporary copy is already written when renaming it onto a folder fails: it must go.
TEST(SafeCopy, FailedRenameRemovesTempFile) {
  test::TempDir dir;
  WriteBytes(dir.Join("Quelle.mdb"), "neu");
  ASSERT_TRUE(CreateFolder(dir.Join("Ziel.mdb")));
  WriteBytes(dir.Join("Ziel.mdb/inhalt"), "x");

  std::string error;
  EXPECT_FALSE(SafeCopy(dir.Join("Quelle.mdb"), dir.Join("Ziel.mdb"), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"Quelle.mdb", "Ziel.mdb"}));
  EXPECT_EQ(ReadBytes(dir.Join("Ziel.mdb/inhalt")), "x");
}

// A folder that refuses new entries for everyone, the superuser included.
TEST(SafeCopy, FolderRefusingNewFilesFails) {
  test::TempDir dir;
  WriteBytes(dir.Join("Quelle"), "neu");
  const std::string before = ReadBytes("/proc/version");
  ASSERT_FALSE(before.empty());
  std::string error;
  EXPECT_FALSE(SafeCopy(dir.Join("Quelle"), "/proc/version", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes("/proc/version"), before);
}

// A copy that fails for its folder says so: the German cause names the folder.
TEST(SafeCopy, FolderThatFailsIsNamed) {
  test::TempDir dir;
  WriteBytes(dir.Join("Quelle.mdb"), "neu");
  WriteBytes(dir.Join("Datei"), "x");
  ASSERT_TRUE(CreateFolder(dir.Join("geschützt")));
  struct Case {
    const char* name;
    std::string target;
    std::string cause;
  };
  std::vector<Case> cases = {
      {"missing folder", dir.Join("Kopie/B.mdb"), "Der Ordner \"" + dir.Join("Kopie") + "\" existiert nicht."},
      {"file in the path", dir.Join("Datei/B.mdb"), "Ein Teil des Pfades ist kein Ordner."},
  };
  if (::geteuid() != 0)
    cases.push_back({"read-only folder", dir.Join("geschützt/B.mdb"),
                     "Der Ordner \"" + dir.Join("geschützt") + "\" ist schreibgeschützt."});
  fs::permissions(dir.Join("geschützt"), fs::perms::owner_read | fs::perms::owner_exec);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_FALSE(SafeCopy(dir.Join("Quelle.mdb"), c.target, &error));
    EXPECT_EQ(UrsacheAufDeutsch(error), c.cause) << error;
  }
  fs::permissions(dir.Join("geschützt"), fs::perms::owner_all);
}

// A folder that cannot be made inside a write-protected folder names that folder, with its
// path, as the cause (a data folder at first start).
TEST(CreateFolder, WriteProtectedFolderIsNamed) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
  test::TempDir dir;
  ASSERT_TRUE(CreateFolder(dir.Join("geschützt")));
  fs::permissions(dir.Join("geschützt"), fs::perms::owner_read | fs::perms::owner_exec);
  std::string error;
  EXPECT_FALSE(CreateFolder(dir.Join("geschützt/Tolvar_DB/Neu"), &error));
  EXPECT_EQ(UrsacheAufDeutsch(error), "Der Ordner \"" + dir.Join("geschützt") + "\" ist schreibgeschützt.") << error;
  fs::permissions(dir.Join("geschützt"), fs::perms::owner_all);
}

// A name the file system takes is copied, however long: the hidden copy beside it is
// shortened instead.
TEST(SafeCopy, LongestNameTheFolderTakes) {
  test::TempDir dir;
  WriteBytes(dir.Join("Quelle.mdb"), "neu");
  std::string name;
  while (name.size() + 2 <= 251) name += "ä";  // two bytes each, cut points inside them
  name += ".mdb";
  ASSERT_LE(name.size(), 255u);
  std::string error;
  ASSERT_TRUE(SafeCopy(dir.Join("Quelle.mdb"), dir.Join(name), &error)) << error;
  EXPECT_EQ(ReadBytes(dir.Join(name)), "neu");
  EXPECT_FALSE(NameTooLong(dir.Join(name)));
  EXPECT_TRUE(NameTooLong(dir.Join("xx" + name)));
  const std::string hidden = FileNameOf(HiddenPathBeside(dir.Join(name), "neu"));
  EXPECT_LE(hidden.size(), 255u);
  EXPECT_EQ(hidden.rfind(".ää", 0), 0u);
}

TEST(SafeCopy, ReplacesOrCreatesTarget) {
  test::TempDir dir;
  ASSERT_TRUE(CreateFolder(dir.Join("Betrieb Ä/Sicherung")));
  const std::string source = dir.Join("Betrieb Ä/Mustergärtnerei Süd.mdb");
  const std::string target = dir.Join("Betrieb Ä/Sicherung/Mustergärtnerei Süd.mdb");
  WriteBytes(source, std::string("erste\0Fassung", 13));

  std::string error;
  ASSERT_TRUE(SafeCopy(source, target, &error)) << error;
  EXPECT_EQ(ReadBytes(target), std::string("erste\0Fassung", 13));

  WriteBytes(source, "zweite");
  ASSERT_TRUE(SafeReplace(source, target, &error)) << error;
  EXPECT_EQ(ReadBytes(target), "zweite");
  EXPECT_EQ(ReadBytes(source), "zweite");
  EXPECT_EQ(Names(dir.Join("Betrieb Ä/Sicherung")), std::vector<std::string>{"Mustergärtnerei Süd.mdb"});
}

TEST(CopyFile, OverwriteFlagDecides) {
  test::TempDir dir;
  WriteBytes(dir.Join("a.mdb"), "A");
  WriteBytes(dir.Join("b.mdb"), "B");
  std::string error;

  EXPECT_FALSE(CopyFile(dir.Join("a.mdb"), dir.Join("b.mdb"), false, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(dir.Join("b.mdb")), "B");

  EXPECT_TRUE(CopyFile(dir.Join("a.mdb"), dir.Join("b.mdb"), true, &error)) << error;
  EXPECT_EQ(ReadBytes(dir.Join("b.mdb")), "A");

  EXPECT_TRUE(CopyFile(dir.Join("a.mdb"), dir.Join("c ü.mdb"), false, &error)) << error;
  EXPECT_EQ(ReadBytes(dir.Join("c ü.mdb")), "A");

  EXPECT_FALSE(CopyFile(dir.Join("a.mdb"), dir.Join("fehlt/d.mdb"), true, &error));
  EXPECT_FALSE(FolderExists(dir.Join("fehlt")));
}

TEST(Files, ExistenceCreateAndDelete) {
  test::TempDir dir;
  const std::string folder = dir.Join("Grün Haus/Ebene 2/Ebene 3");
  const std::string file = dir.Join("Grün Haus/Öl.txt");

  ASSERT_TRUE(CreateFolder(folder));
  EXPECT_TRUE(CreateFolder(folder)) << "an existing folder is fine";
  WriteBytes(file, "x");

  EXPECT_TRUE(FolderExists(folder));
  EXPECT_FALSE(FileExists(folder));
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FolderExists(file));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FolderExists(""));

  std::string error;
  EXPECT_FALSE(CreateFolder(JoinPath(file, "unter"), &error)) << "below a file";
  EXPECT_FALSE(error.empty());

  error.clear();
  EXPECT_FALSE(DeleteFile(folder, &error)) << "a folder is no file";
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(FolderExists(folder));

  EXPECT_TRUE(DeleteFile(file, &error)) << error;
  EXPECT_FALSE(FileExists(file));
  error.clear();
  EXPECT_FALSE(DeleteFile(file, &error));
  EXPECT_FALSE(error.empty());
}

// A process id that belongs to no running process.
long EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

// The hidden copies a killed save left are removed at start; what a running save owns, what
// the program did not write and what another folder holds stays; an old file kept aside whose
// new one never came is put back.
TEST(RemoveLeftoverCopies, OnlyCopiesNoRunningSaveOwns) {
  test::TempDir dir;
  const std::string tot = std::to_string(EndedProcess());
  const std::string laeuft = std::to_string(::getppid());
  const std::string selbst = std::to_string(::getpid());
  struct Case {
    std::string name;
    bool removed;
    const char* restoredAs;  // an "alt" copy put back under this name
  };
  const Case cases[] = {
      {".Muster.mdb.tmp-" + tot + "-3-0a1b2c3d", true, nullptr},
      {".Kopie.Tolvar.neu-" + tot + "-0-deadbeef", true, nullptr},
      {".Kopie.mdb.neu-" + tot + "-7", true, nullptr},  // named before the random part was added
      {".Muster.mdb.tmp-" + selbst + "-1-00000000", true, nullptr},
      {".Ziel.mdb.alt-" + tot + "-2-12345678", true, "Ziel.mdb"},
      {".Muster.mdb.alt-" + tot + "-4-12345678", true, nullptr},  // Muster.mdb is there
      {".Muster.mdb.tmp-" + laeuft + "-5-87654321", false, nullptr},
      {".Muster.mdb", false, nullptr},
      {"Muster.mdb.tmp-" + tot + "-1-0a1b2c3d", false, nullptr},
      {".Muster.mdb.bak-" + tot + "-1-0a1b2c3d", false, nullptr},
  };
  WriteBytes(dir.Join("Muster.mdb"), "muster");
  for (const Case& c : cases) WriteBytes(dir.Join(c.name), c.name);
  ASSERT_TRUE(CreateFolder(dir.Join("unten")));
  const std::string unten = ".Muster.mdb.tmp-" + tot + "-6-0a1b2c3d";
  WriteBytes(dir.Join("unten/" + unten), "x");

  RemoveLeftoverCopies(dir.Path(), false);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FileExists(dir.Join(c.name)), !c.removed);
    if (c.restoredAs != nullptr) {
      EXPECT_EQ(ReadBytes(dir.Join(c.restoredAs)), c.name);
    }
  }
  EXPECT_EQ(ReadBytes(dir.Join("Muster.mdb")), "muster");
  EXPECT_TRUE(FileExists(dir.Join("unten/" + unten))) << "below the folder only when asked";
  RemoveLeftoverCopies(dir.Path(), true);
  EXPECT_FALSE(FileExists(dir.Join("unten/" + unten)));
}

TEST(CopyFolderTree, CopiesNestedTreeAndOverwrites) {
  test::TempDir dir;
  ASSERT_TRUE(CreateFolder(dir.Join("von/Tolvar_DB/Mustergärtnerei")));
  WriteBytes(dir.Join("von/Tolvar_DB/SystemInfo.mdb"), "sys");
  WriteBytes(dir.Join("von/Tolvar_DB/Mustergärtnerei/Daten Süd.mdb"), "süd");
  ASSERT_TRUE(CreateFolder(dir.Join("von/leer")));
  ASSERT_TRUE(CreateFolder(dir.Join("nach/Tolvar_DB")));
  WriteBytes(dir.Join("nach/Tolvar_DB/SystemInfo.mdb"), "alt");
  WriteBytes(dir.Join("nach/eigen.txt"), "bleibt");

  std::string error;
  ASSERT_TRUE(CopyFolderTree(dir.Join("von"), dir.Join("nach"), &error)) << error;
  EXPECT_EQ(ReadBytes(dir.Join("nach/Tolvar_DB/SystemInfo.mdb")), "sys");
  EXPECT_EQ(ReadBytes(dir.Join("nach/Tolvar_DB/Mustergärtnerei/Daten Süd.mdb")), "süd");
  EXPECT_TRUE(FolderExists(dir.Join("nach/leer")));
  EXPECT_EQ(ReadBytes(dir.Join("nach/eigen.txt")), "bleibt");

  ASSERT_TRUE(CopyFolderTree(dir.Join("von"), dir.Join("neu/tief"), &error)) << error;
  EXPECT_TRUE(FileExists(dir.Join("neu/tief/Tolvar_DB/SystemInfo.mdb")));

  error.clear();
  EXPECT_FALSE(CopyFolderTree(dir.Join("fehlt"), dir.Join("nach2"), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(FolderExists(dir.Join("nach2")));
}

TEST(JoinPath, Table) {
  struct Case {
    const char* root;
    const char* relative;
    const char* expected;
  };
  const Case cases[] = {
      {"/data", "\\Tolvar_DB\\SystemInfo.mdb", "/data/Tolvar_DB/SystemInfo.mdb"},
      {"/data/", "\\Tolvar_DB\\SystemInfo.mdb", "/data/Tolvar_DB/SystemInfo.mdb"},
      {"/data//", "\\\\Tolvar_DB\\\\x.mdb", "/data/Tolvar_DB/x.mdb"},
      {"/data", "Tolvar_DB\\x.mdb", "/data/Tolvar_DB/x.mdb"},
      {"/data", "/Tolvar_DB/x.mdb", "/data/Tolvar_DB/x.mdb"},
      {"/data", "\\Sicherung\\", "/data/Sicherung/"},
      {"/data", "", "/data"},
      {"/data", "\\", "/data"},
      {"/", "\\Tolvar_DB", "/Tolvar_DB"},
      {"", "\\Tolvar_DB\\x.mdb", "/Tolvar_DB/x.mdb"},
      {"rel", "x", "rel/x"},
      {"/home/Gärtner Süd", "\\Mustergärtnerei\\Daten Süd.mdb", "/home/Gärtner Süd/Mustergärtnerei/Daten Süd.mdb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.root) + " + " + c.relative);
    EXPECT_EQ(JoinPath(c.root, c.relative), c.expected);
  }
}

TEST(PathNames, Table) {
  struct Case {
    const char* path;
    const char* fileName;
    const char* baseName;
    const char* withoutExtension;
    const char* folder;
  };
  const Case cases[] = {
      {"/a/b/SystemInfo.mdb", "SystemInfo.mdb", "SystemInfo", "/a/b/SystemInfo", "/a/b"},
      {"/a/Mustergärtnerei Süd.mdb", "Mustergärtnerei Süd.mdb", "Mustergärtnerei Süd", "/a/Mustergärtnerei Süd", "/a"},
      {"/a/Kultur.tar.gz", "Kultur.tar.gz", "Kultur.tar", "/a/Kultur.tar", "/a"},
      {"/a.b/Datei", "Datei", "Datei", "/a.b/Datei", "/a.b"},
      {"/a/.versteckt", ".versteckt", ".versteckt", "/a/.versteckt", "/a"},
      {"/a/Datei.", "Datei.", "Datei", "/a/Datei", "/a"},
      {"Vorlage.Tolvar", "Vorlage.Tolvar", "Vorlage", "Vorlage", ""},
      {"/Datei.tvd", "Datei.tvd", "Datei", "/Datei", "/"},
      {"/a/b/", "", "", "/a/b/", "/a/b"},
      {"", "", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FileNameOf(c.path), c.fileName);
    EXPECT_EQ(BaseNameOf(c.path), c.baseName);
    EXPECT_EQ(WithoutExtension(c.path), c.withoutExtension);
    EXPECT_EQ(FolderOf(c.path), c.folder);
  }
}

}  // namespace
}  // namespace tolvar::sys
