#include "platform/sys/files.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

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

// A name beside `target` that no other writer will pick: pid, a process-wide counter and
// random bits. Creation is still exclusive (copy_file refuses an existing file).
fs::path TempPathBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  static thread_local std::mt19937 random{std::random_device{}()};
  char suffix[64];
  std::snprintf(suffix, sizeof suffix, ".tmp-%ld-%u-%08x", static_cast<long>(::getpid()), counter.fetch_add(1),
                static_cast<unsigned>(random()));
  return target.parent_path() / ("." + target.filename().string() + suffix);
}

}  // namespace

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
  fs::create_directories(fs::path(path), ec);
  if (ec) return Fail(error, "Ordner '" + path + "' kann nicht angelegt werden", ec);
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
  if (fs::is_directory(target, ec)) return Fail(error, what + ": Ziel ist ein Ordner");

  fs::path temp;
  for (int attempt = 0;; ++attempt) {
    temp = TempPathBeside(target);
    ec.clear();
    fs::copy_file(source, temp, fs::copy_options::none, ec);
    if (!ec) break;
    const bool taken = ec == std::errc::file_exists;
    std::error_code ignored;
    if (!taken) fs::remove(temp, ignored);  // a partial copy must not stay behind
    if (!taken || attempt >= 16) return Fail(error, what, ec);
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
