#include "calculation/ui/cost_windows.h"

#include <string_view>

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

template <class Basis>
struct Fensterklasse {
  std::string_view name;
  Basis& (*laden)();
};

template <class T, class Basis>
Basis& Laden() {
  return T::instanz();
}

template <class T>
constexpr Fensterklasse<KostenInfoFenster> Detail(std::string_view name) {
  return {name, &Laden<T, KostenInfoFenster>};
}

template <class T>
constexpr Fensterklasse<KostenMenue> Menue(std::string_view name) {
  return {name, &Laden<T, KostenMenue>};
}

constexpr Fensterklasse<KostenInfoFenster> kDetailfenster[] = {
    Detail<frmVantelInfo>("frmVantelInfo"),   Detail<frmMaterialInfo>("frmMaterialInfo"),
    Detail<frmEnergieInfo>("frmEnergieInfo"), Detail<frmMaschinenInfo>("frmMaschinenInfo"),
    Detail<frmPSMInfo>("frmPSMInfo"),         Detail<frmVermarktungInfo>("frmVermarktungInfo"),
    Detail<frmArbeitInfo>("frmArbeitInfo"),   Detail<frmGemeinkostenInfo>("frmGemeinkostenInfo"),
};

constexpr Fensterklasse<KostenMenue> kMenuefenster[] = {
    Menue<frmHeizkostenMenu>("frmHeizkostenMenu"),       Menue<frmMaterialkostenMenu>("frmMaterialkostenMenu"),
    Menue<frmEnergiekostenMenu>("frmEnergiekostenMenu"), Menue<frmMaschinenkostenMenu>("frmMaschinenkostenMenu"),
    Menue<frmPSMKostenMenu>("frmPSMKostenMenu"),         Menue<frmVermarktungskostenMenu>("frmVermarktungskostenMenu"),
    Menue<frmArbeitskostenMenu>("frmArbeitskostenMenu"), Menue<frmGemeinkostenMenu>("frmGemeinkostenMenu"),
};

template <class Basis, std::size_t N>
Basis* Laden(const Fensterklasse<Basis> (&klassen)[N], std::string_view name) {
  for (const Fensterklasse<Basis>& k : klassen) {
    if (k.name == name) return &k.laden();
  }
  return nullptr;
}

}  // namespace

KostenInfoFenster* Detailfenster(Kostenart art) { return Laden(kDetailfenster, Daten(art).detailfenster); }

KostenMenue* Menuefenster(Kostenart art) { return Laden(kMenuefenster, Daten(art).menuefenster); }

}  // namespace tolvar
