#include "data/mdlUpDate.h"

#include <string>

#include "data/state.h"
#include "platform/sys/registry.h"

namespace tolvar::mdlUpDate {

void RegistryEintraegeSchreiben() {
  const State& s = state();
  sys::RegistryStore& registry = sys::CurrentRegistry();
  registry.SetValue(std::string(kPfadeSchluessel), std::string(kPfadeWert), s.enterprise.Programmpfad);
  registry.SetValue(std::string(kVersionSchluessel), std::string(kVersionWert), s.enterprise.Programmversion);
}

}  // namespace tolvar::mdlUpDate
