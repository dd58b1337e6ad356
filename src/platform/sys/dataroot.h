#pragma once
// The installation folder. The shipped tree is read-only; the data root is the writable
// copy that everything below the installation folder lives in.

#include <string>

namespace tolvar::sys {

// The generated read-only installation tree: $TOLVAR_SHARE_DIR when set, else
// <folder of the executable>/../share/tolvar when it exists, else <prefix>/share/tolvar.
std::string ShippedTree();

// The writable root standing for the installation folder: the path given to SetDataRoot,
// or DefaultDataRoot().
std::string DataRoot();

// The user's application data folder for "Tolvar".
std::string DefaultDataRoot();

// Sets the data root; an empty path restores the default. Returns the previous setting
// (empty when the default was in use), so callers can put it back.
std::string SetDataRoot(const std::string& path);

// JoinPath(DataRoot(), relative), e.g. DataPath("\\Tolvar_DB\\SystemInfo.mdb").
std::string DataPath(const std::string& relative);

}  // namespace tolvar::sys
