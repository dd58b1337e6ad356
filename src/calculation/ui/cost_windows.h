#pragma once
// The detail window and the origin menu of each cost type: the window classes that name their
// type (kArt) and take their names from its row (KostenartDaten::detailfenster, ::menuefenster).

#include "data/cost_types.h"

namespace tolvar {

class KostenInfoFenster;
class KostenMenue;

// The type's detail window and origin menu, loaded (their Form_Load runs once) but not
// shown.
KostenInfoFenster* Detailfenster(Kostenart art);
KostenMenue* Menuefenster(Kostenart art);

}  // namespace tolvar
