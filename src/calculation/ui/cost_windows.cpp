#include "calculation/ui/cost_windows.h"

#include "calculation/ui/frmArbeitInfo.h"
#include "calculation/ui/frmArbeitskostenMenu.h"
#include "calculation/ui/frmEnergieInfo.h"
#include "calculation/ui/frmEnergiekostenMenu.h"
#include "calculation/ui/frmGemeinkostenInfo.h"
#include "calculation/ui/frmGemeinkostenMenu.h"
#include "calculation/ui/frmHeizkostenMenu.h"
#include "calculation/ui/frmMaschinenInfo.h"
#include "calculation/ui/frmMaschinenkostenMenu.h"
#include "calculation/ui/frmMaterialInfo.h"
#include "calculation/ui/frmMaterialkostenMenu.h"
#include "calculation/ui/frmPSMInfo.h"
#include "calculation/ui/frmPSMKostenMenu.h"
#include "calculation/ui/frmVantelInfo.h"
#include "calculation/ui/frmVermarktungInfo.h"
#include "calculation/ui/frmVermarktungskostenMenu.h"

namespace tolvar {

namespace {

// The window classes, each knowing its cost type (kArt); the names are the rows' own.
template <class Basis, class... Klassen>
struct Fensterklassen {
  // Each type has exactly one class in the list.
  static constexpr bool JedeArtEinmal() {
    for (Kostenart art : kKostenarten) {
      if (((Klassen::kArt == art ? 1 : 0) + ...) != 1) return false;
    }
    return true;
  }
  static Basis* Laden(Kostenart art) {
    Basis* fenster = nullptr;
    ((Klassen::kArt == art && (fenster = &Klassen::instanz()) != nullptr) || ...);
    return fenster;
  }
};

using Detailklassen =
    Fensterklassen<KostenInfoFenster, frmVantelInfo, frmMaterialInfo, frmEnergieInfo, frmMaschinenInfo, frmPSMInfo,
                   frmVermarktungInfo, frmArbeitInfo, frmGemeinkostenInfo>;
using Menueklassen =
    Fensterklassen<KostenMenue, frmHeizkostenMenu, frmMaterialkostenMenu, frmEnergiekostenMenu, frmMaschinenkostenMenu,
                   frmPSMKostenMenu, frmVermarktungskostenMenu, frmArbeitskostenMenu, frmGemeinkostenMenu>;
static_assert(Detailklassen::JedeArtEinmal(), "each cost type has one detail window class");
static_assert(Menueklassen::JedeArtEinmal(), "each cost type has one origin menu class");

}  // namespace

KostenInfoFenster* Detailfenster(Kostenart art) { return Detailklassen::Laden(art); }

KostenMenue* Menuefenster(Kostenart art) { return Menueklassen::Laden(art); }

}  // namespace tolvar
