#pragma once
// File-system services over std::filesystem. Paths are UTF-8 strings with '/' separators.

#include <string>
#include <string_view>
#include <vector>

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
// On failure an existing target keeps its bytes and no temporary file is left behind. A
// target folder that is missing, no folder or write-protected is named as what failed
// (OrdnerFehler), so the message says "Ordner".
bool SafeCopy(const std::string& from, const std::string& to, std::string* error = nullptr);

// The last part of `path` is longer than its folder's file system takes.
bool NameTooLong(const std::string& path);

// A hidden name beside `target` for a copy that is not yet in place: "." and the target's
// name, then "." `kind` "-" process id "-" counter "-" eight random hex digits (kind "tmp":
// SafeCopy's own copies; "neu" and "alt": a new file and an old one kept aside while a pair
// of files is replaced). A long target name is shortened so the hidden name still fits into
// the folder.
std::string HiddenPathBeside(const std::string& target, std::string_view kind);

// Removes, in `folder` (and below it when `recursive`), the hidden copies named as
// HiddenPathBeside names them that no running save owns: their process is gone, the machine
// was started after they were written, or the process is this one (which runs no save when
// this is called at start). An "alt" copy whose target file is missing is put back in its
// place instead. Other files are never touched. Returns the paths removed or put back.
std::vector<std::string> RemoveLeftoverCopies(const std::string& folder, bool recursive);

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
