#include "support/file_faults.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/db/database.h"

namespace tolvar::test {

namespace fs = std::filesystem;

namespace {

// The root page of the last table or index of the file, read before it is damaged; 0 when
// the file has none.
int64_t Wurzelseite(const std::string& pfad, const char* art) {
  auto database = db::Database::Open(pfad);
  if (!database) return 0;
  return database->Scalar("SELECT max(rootpage) FROM sqlite_master WHERE type = ? AND name NOT LIKE 'sqlite_%'", {art})
      .integerOr(0);
}

// The page size in the header of a database file (offset 16, big-endian; 1 stands for 65536).
std::size_t Seitengroesse(const std::string& inhalt) {
  if (inhalt.size() < 18) return 4096;
  const std::size_t groesse =
      static_cast<std::size_t>(static_cast<unsigned char>(inhalt[16])) * 256 + static_cast<unsigned char>(inhalt[17]);
  return groesse == 1 ? 65536 : groesse;
}

}  // namespace

bool Beschaedigen(const std::string& pfad, Schaden schaden) {
  std::string inhalt;
  {
    std::ifstream in(pfad, std::ios::binary);
    inhalt.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const std::size_t seite = Seitengroesse(inhalt);
  const std::size_t seiten = inhalt.size() / seite;
  auto ueberschreiben = [&inhalt, seite](int64_t nummer) {
    if (nummer < 2) return false;
    const std::size_t anfang = static_cast<std::size_t>(nummer - 1) * seite;
    for (std::size_t i = 0; i < seite; ++i) inhalt[anfang + i] = static_cast<char>(0xA5);
    return true;
  };
  switch (schaden) {
    case Schaden::LetzteSeite:
      inhalt.resize((seiten - 1) * seite);
      break;
    case Schaden::MittlereSeite:
      inhalt.resize(seiten / 2 * seite);
      break;
    case Schaden::EinByte:
      inhalt.pop_back();
      break;
    case Schaden::Indexseite:
      if (!ueberschreiben(Wurzelseite(pfad, "index"))) return false;
      break;
    case Schaden::Tabellenseite:
      if (!ueberschreiben(Wurzelseite(pfad, "table"))) return false;
      break;
    case Schaden::Seitenzahl:
      // Offset 28, big-endian: one page more than the file holds.
      inhalt[31] = static_cast<char>(static_cast<unsigned char>(inhalt[31]) + 1);
      break;
  }
  std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
  out << inhalt;
  return true;
}

namespace {

// Sets or clears the immutable flag of a file; false where the file system or the process's
// rights do not allow it.
bool Unveraenderlich(const std::string& path, bool an) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = an ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

}  // namespace

ScopedWriteProtection::ScopedWriteProtection(std::string path) : path_(std::move(path)) {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, ec);
  if (ec) return;
  if (::geteuid() != 0) {
    available_ = true;
    return;
  }
  immutable_ = Unveraenderlich(path_, true);
  available_ = immutable_;
}

ScopedWriteProtection::~ScopedWriteProtection() {
  if (immutable_) Unveraenderlich(path_, false);
  std::error_code ec;
  fs::permissions(path_,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read, ec);
}

ScopedFullDisk::ScopedFullDisk(std::string folder) : folder_(std::move(folder)) {
  if (::geteuid() != 0) return;
  std::error_code ec;
  fs::create_directories(folder_, ec);
  mounted_ = ::mount("tolvar-test", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=4m") == 0;
}

ScopedFullDisk::~ScopedFullDisk() {
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

void ScopedFullDisk::Fill() {
  std::ofstream filler(folder_ + "/.fuellung", std::ios::binary);
  const std::vector<char> block(4096, '\0');
  while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
  }
}

}  // namespace tolvar::test
