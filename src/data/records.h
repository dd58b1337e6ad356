#pragma once
// The master records held in memory: cultures, sites, materials, pots, staff and standard
// activities, as loaded from the enterprise's databases.

#include <string>

#include "base/values.h"

namespace tolvar {

// (filled by the master-list loaders)

}  // namespace tolvar
