#include "platform/sys/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <regex>
#include <system_error>

#include "platform/sys/fehlertext.h"

namespace fs = std::filesystem;

namespace tolvar::sys {
namespace {

bool Fail(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

bool Fail(std::string* error, const std::string& text, const std::error_code& ec) {
  return Fail(error, text + ": " + ec.message());
}

// The longest name `folder` takes, in bytes.
std::size_t NameMax(const fs::path& folder) {
  const long max = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return max > 0 ? static_cast<std::size_t>(max) : 255;
}

// At most `bytes` bytes of `name`, cut before a UTF-8 character, never inside one.
std::string Cut(const std::string& name, std::size_t bytes) {
  if (name.size() <= bytes) return name;
  std::size_t n = bytes;
  while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
  return name.substr(0, n);
}

// The names HiddenPathBeside gives, with the target's name, the kind and the process id.
// Copies made before the random part was added end with the counter.
const std::regex& HiddenName() {
  static const std::regex name(R"(^\.(.+)\.(tmp|neu|alt)-([0-9]{1,10})-[0-9]{1,10}(-[0-9a-f]{8})?$)");
  return name;
}

// The time the machine was started, from /proc/stat.
std::optional<std::time_t> BootTime() {
  std::ifstream proc("/proc/stat");
  std::string key;
  long long value = 0;
  while (proc >> key) {
    if (key == "btime" && proc >> value) return static_cast<std::time_t>(value);
    proc.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  return std::nullopt;
}

// A running save owns the hidden copy `path` written by process `pid`: that process runs, is
// not this one, and the copy was last changed since the machine started (so the process id is
// not one of an earlier run).
bool Owned(const fs::path& path, long pid) {
  if (pid <= 0 || pid == static_cast<long>(::getpid())) return false;
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
  static const std::optional<std::time_t> boot = BootTime();
  struct stat st {};
  if (boot && ::lstat(path.c_str(), &st) == 0 && st.st_ctime < *boot) return false;
  return true;
}

}  // namespace

bool NameTooLong(const std::string& path) {
  const fs::path p(path);
  return p.filename().string().size() > NameMax(p.parent_path());
}

std::string HiddenPathBeside(const std::string& target, std::string_view kind) {
  static std::atomic<unsigned> counter{0};
  static thread_local std::mt19937 random{std::random_device{}()};
  char suffix[96];
  std::snprintf(suffix, sizeof suffix, ".%.*s-%ld-%u-%08x", static_cast<int>(kind.size()), kind.data(),
                static_cast<long>(::getpid()), counter.fetch_add(1), static_cast<unsigned>(random()));
  const fs::path path(target);
  const std::size_t max = NameMax(path.parent_path());
  const std::size_t fixed = 1 + std::strlen(suffix);
  const std::string name = Cut(path.filename().string(), max > fixed ? max - fixed : 0);
  return (path.parent_path() / ("." + name + suffix)).string();
}

std::vector<std::string> RemoveLeftoverCopies(const std::string& folder, bool recursive) {
  std::vector<std::string> done;
  auto look = [&done](const fs::directory_entry& entry) {
    std::error_code ec;
    if (!entry.is_regular_file(ec) || entry.is_symlink(ec)) return;
    const std::string name = entry.path().filename().string();
    std::smatch m;
    if (!std::regex_match(name, m, HiddenName())) return;
    if (Owned(entry.path(), std::stol(m[3].str()))) return;
    const fs::path target = entry.path().parent_path() / m[1].str();
    if (m[2].str() == "alt" && !fs::exists(fs::symlink_status(target, ec))) {
      // The old file was moved aside and the new one never came: it goes back.
      fs::rename(entry.path(), target, ec);
    } else {
      fs::remove(entry.path(), ec);
    }
    if (!ec) done.push_back(entry.path().string());
  };
  std::error_code ec;
  const auto options = fs::directory_options::skip_permission_denied;
  if (recursive) {
    for (auto it = fs::recursive_directory_iterator(fs::path(folder), options, ec); !ec && it != fs::end(it);
         it.increment(ec))
      look(*it);
  } else {
    for (auto it = fs::directory_iterator(fs::path(folder), options, ec); !ec && it != fs::end(it); it.increment(ec))
      look(*it);
  }
  return done;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(fs::path(path), ec);
}

bool CreateFolder(const std::string& path, std::string* error) {
  if (path.empty()) return Fail(error, "Ordner ohne Namen");
  std::error_code ec;
  // A file of the folder's name is what fails.
  fs::path folder(path);
  if (!folder.has_filename()) folder = folder.parent_path();
  if (fs::exists(folder, ec) && !fs::is_directory(folder, ec))
    return Fail(error, OrdnerFehler(folder.string(), std::strerror(ENOTDIR)));
  fs::create_directories(fs::path(path), ec);
  if (ec) {
    // The folder that refused the new one is the deepest that exists; a cause names it.
    fs::path vorhanden = folder.parent_path();
    std::error_code ignored;
    while (vorhanden.has_relative_path() && !fs::exists(vorhanden, ignored)) vorhanden = vorhanden.parent_path();
    return Fail(error, OrdnerFehler(vorhanden.string(), ec.message()));
  }
  if (!fs::is_directory(fs::path(path), ec)) return Fail(error, "'" + path + "' ist kein Ordner");
  return true;
}

bool CopyFile(const std::string& from, const std::string& to, bool overwrite, std::string* error) {
  std::error_code ec;
  if (!overwrite && fs::exists(fs::symlink_status(fs::path(to), ec)))
    return Fail(error, "Zieldatei '" + to + "' ist bereits vorhanden");
  return SafeCopy(from, to, error);
}

bool DeleteFile(const std::string& path, std::string* error) {
  std::error_code ec;
  const fs::path file(path);
  if (!fs::is_regular_file(file, ec)) return Fail(error, "Datei '" + path + "' nicht gefunden");
  if (!fs::remove(file, ec) || ec) return Fail(error, "Datei '" + path + "' kann nicht gelöscht werden", ec);
  return true;
}

bool SafeCopy(const std::string& from, const std::string& to, std::string* error) {
  const std::string what = "Kopieren von '" + from + "' nach '" + to + "' fehlgeschlagen";
  std::error_code ec;
  const fs::path source(from);
  const fs::path target = fs::absolute(fs::path(to), ec);
  if (ec || to.empty()) return Fail(error, what + ": ungültiges Ziel");
  if (!fs::is_regular_file(source, ec)) return Fail(error, what + ": Quelldatei nicht gefunden");
  if (fs::is_directory(target, ec)) return Fail(error, what + ": " + std::strerror(EISDIR));
  // A folder that is missing or no folder is what failed, not the file.
  const fs::path folder = target.parent_path();
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0)
    return Fail(error, what + ": " + OrdnerFehler(folder.string(), std::strerror(errno)));
  if (!S_ISDIR(st.st_mode)) return Fail(error, what + ": " + OrdnerFehler(folder.string(), std::strerror(ENOTDIR)));

  fs::path temp;
  for (int attempt = 0;; ++attempt) {
    temp = HiddenPathBeside(target.string(), "tmp");
    ec.clear();
    fs::copy_file(source, temp, fs::copy_options::none, ec);
    if (!ec) break;
    const bool taken = ec == std::errc::file_exists;
    std::error_code ignored;
    if (!taken) fs::remove(temp, ignored);  // a partial copy must not stay behind
    if (taken && attempt < 16) continue;
    // A readable source that cannot be copied for want of rights: the folder takes no file.
    const bool ordner = (ec == std::errc::permission_denied || ec == std::errc::read_only_file_system) &&
                        ::access(source.c_str(), R_OK) == 0;
    if (ordner) return Fail(error, what + ": " + OrdnerFehler(folder.string(), ec.message()));
    return Fail(error, what, ec);
  }
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return Fail(error, what, ec);
  }
  return true;
}

bool CopyFolderTree(const std::string& from, const std::string& to, std::string* error) {
  const std::string what = "Kopieren des Ordners '" + from + "' nach '" + to + "' fehlgeschlagen";
  std::error_code ec;
  if (!fs::is_directory(fs::path(from), ec)) return Fail(error, what + ": Quellordner nicht gefunden");
  if (!CreateFolder(to, error)) return false;
  fs::copy(fs::path(from), fs::path(to), fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
  if (ec) return Fail(error, what, ec);
  return true;
}

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithoutExtension(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || dot <= nameStart) return path;
  return path.substr(0, dot);
}

std::string BaseNameOf(const std::string& path) { return WithoutExtension(FileNameOf(path)); }

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {};
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string JoinPath(const std::string& root, const std::string& relative) {
  std::string rel;
  rel.reserve(relative.size());
  for (char c : relative) {
    if (c == '\\') c = '/';
    if (c == '/' && !rel.empty() && rel.back() == '/') continue;
    rel.push_back(c);
  }
  if (root.empty()) return rel;
  std::string result = root;
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  if (!rel.empty() && rel.front() == '/') rel.erase(0, 1);
  if (rel.empty()) return result;
  if (result.back() != '/') result.push_back('/');
  return result + rel;
}

}  // namespace tolvar::sys
