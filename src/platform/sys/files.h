#pragma once
// File-system services over std::filesystem. Paths are UTF-8 strings with '/' separators.

#include <string>

namespace tolvar::sys {

// True when `path` names an existing regular file (not a folder).
bool FileExists(const std::string& path);

// True when `path` names an existing folder.
bool FolderExists(const std::string& path);

// Creates `path` with all missing parents. An existing folder counts as success.
bool CreateFolder(const std::string& path, std::string* error = nullptr);

// Copies a regular file. Without `overwrite` an existing target is an error. The copy goes
// through SafeCopy, so a failure never leaves a half-written target.
bool CopyFile(const std::string& from, const std::string& to, bool overwrite, std::string* error = nullptr);

// Deletes a regular file. A missing file is an error.
bool DeleteFile(const std::string& path, std::string* error = nullptr);

// Copies `from` to a temporary file in the target's folder and renames it onto `to`.
// On failure an existing target keeps its bytes and no temporary file is left behind.
bool SafeCopy(const std::string& from, const std::string& to, std::string* error = nullptr);

// Replaces `to` with a copy of `from`; same guarantees as SafeCopy.
inline bool SafeReplace(const std::string& from, const std::string& to, std::string* error = nullptr) {
  return SafeCopy(from, to, error);
}

// Copies the folder `from` with everything below it into `to` (created when missing);
// files already in `to` are overwritten.
bool CopyFolderTree(const std::string& from, const std::string& to, std::string* error = nullptr);

// "a/b/Datei.mdb" -> "Datei.mdb"
std::string FileNameOf(const std::string& path);

// "a/b/Datei.tar.gz" -> "Datei.tar"
std::string BaseNameOf(const std::string& path);

// Drops only the final extension of the last path component: "a/b.c/d.mdb" -> "a/b.c/d".
// A leading dot ("a/.hidden") is not an extension.
std::string WithoutExtension(const std::string& path);

// "a/b/Datei.mdb" -> "a/b"; "/Datei" -> "/"; "Datei" -> "".
std::string FolderOf(const std::string& path);

// Joins a root with a relative path written with backslashes ("\Tolvar_DB\SystemInfo.mdb"):
// backslashes become '/', and no separator is doubled.
std::string JoinPath(const std::string& root, const std::string& relative);

}  // namespace tolvar::sys
