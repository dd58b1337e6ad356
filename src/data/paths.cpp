#include "data/paths.h"

#include "platform/sys/dataroot.h"

namespace tolvar::data {

std::string InstallPath(std::string_view relative) { return sys::DataPath(std::string(relative)); }

}  // namespace tolvar::data
