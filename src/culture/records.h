#pragma once
// The records of the selected culture: its phases and its site occupancies.

#include <string>

#include "base/values.h"

namespace tolvar {

struct PhasenSatz {};
struct KulturStandortSatz {};

}  // namespace tolvar
