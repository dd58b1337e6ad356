#pragma once
// Hands the settings' loaders of wages and activity material costs to the calculation.
// Header-only: the calculation library does not link the settings library, so the code that
// links both (the program's start, the windows, tests) includes this and calls it once.

#include "calculation/mdlKalkulation.h"
#include "settings/mdlMaterial.h"
#include "settings/mdlTarif.h"

namespace tolvar::mdlKalkulation {

inline void EinstellungsladerEinsetzen() {
  KalkulationsDienste& d = Dienste();
  d.TarifLaden = [] { mdlTarif::TarifLaden(); };
  d.PersonalLohngruppenLaden = [] { mdlTarif::PersonalLohngruppenLaden(); };
  d.ArbeitMaterialLaden = [] { mdlMaterial::ArbeitMaterialLaden(); };
}

}  // namespace tolvar::mdlKalkulation
