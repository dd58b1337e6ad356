#pragma once
// The detail window and the origin menu of each cost type: the window classes behind the
// names the cost type table gives them (KostenartDaten::detailfenster and ::menuefenster).

#include "data/cost_types.h"

namespace tolvar {

class KostenInfoFenster;
class KostenMenue;

// The type's detail window and origin menu, loaded (their Form_Load runs once) but not
// shown; nullptr when the table names a window that is no detail window or origin menu.
KostenInfoFenster* Detailfenster(Kostenart art);
KostenMenue* Menuefenster(Kostenart art);

}  // namespace tolvar
