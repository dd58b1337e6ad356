#pragma once
// Faults of files for tests: a database file damaged as a broken disk or an interrupted copy
// leaves it, and, for tests of failed writes, a file that cannot be written and a folder on a
// full disk. Both need what the machine allows (the superuser cannot be kept from
// writing by permissions alone); Available() says whether the fault could be made, so a test
// can skip where it cannot.

#include <string>

namespace tolvar::test {

// How a database file is damaged: cut short by its last page, from a middle page on, or by
// one byte; the root page of its last index or of its last table overwritten; a page count
// in its header one larger than the file holds.
enum class Schaden { LetzteSeite, MittlereSeite, EinByte, Indexseite, Tabellenseite, Seitenzahl };

// Damages the database file at `pfad`; false when it has no page of that kind (no index).
bool Beschaedigen(const std::string& pfad, Schaden schaden);

// Makes `path` (a file) unwritable for the object's lifetime: read-only permissions, and for
// the superuser the file system's immutable flag.
class ScopedWriteProtection {
 public:
  explicit ScopedWriteProtection(std::string path);
  ~ScopedWriteProtection();
  ScopedWriteProtection(const ScopedWriteProtection&) = delete;
  ScopedWriteProtection& operator=(const ScopedWriteProtection&) = delete;
  bool Available() const { return available_; }

 private:
  std::string path_;
  bool immutable_ = false;
  bool available_ = false;
};

// Mounts a small memory file system on the empty folder `folder` for the object's lifetime
// (the superuser only). Fill() takes what space is left, so the next write that needs room
// fails with a full disk.
class ScopedFullDisk {
 public:
  explicit ScopedFullDisk(std::string folder);
  ~ScopedFullDisk();
  ScopedFullDisk(const ScopedFullDisk&) = delete;
  ScopedFullDisk& operator=(const ScopedFullDisk&) = delete;
  bool Available() const { return mounted_; }
  void Fill();

 private:
  std::string folder_;
  bool mounted_ = false;
};

}  // namespace tolvar::test
