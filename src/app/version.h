#pragma once
// The program's version text, "major.minor.revision" without leading zeros.

#include <string>

// The build may pass the project version; otherwise it is the one the project declares.
#ifndef TOLVAR_VERSION_MAJOR
#define TOLVAR_VERSION_MAJOR 1
#define TOLVAR_VERSION_MINOR 0
#define TOLVAR_VERSION_PATCH 0
#endif

namespace tolvar::app {

inline std::string Versionstext(int major, int minor, int revision) {
  return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

inline std::string Programmversion() {
  return Versionstext(TOLVAR_VERSION_MAJOR, TOLVAR_VERSION_MINOR, TOLVAR_VERSION_PATCH);
}

}  // namespace tolvar::app
