#include "support/file_faults.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace tolvar::test {

namespace fs = std::filesystem;

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
