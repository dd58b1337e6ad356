#include "app/mdlGroesse_farben.h"

#include <array>

#include "data/state.h"

namespace tolvar::mdlGroesse {

namespace {
constexpr std::array<const char*, 6> kFarbwoerter = {"Weiss", "Grau", "Schwarz", "Blau", "Rot", "Gruen"};

void Setzen(std::string& wort, int farbe) {
  if (const char* const* w = At(kFarbwoerter, farbe)) wort = *w;
}
}  // namespace

std::string Farbwort(int farbe) {
  std::string wort;
  Setzen(wort, farbe);
  return wort;
}

void FarbnamenErmitteln() {
  Setzen(state().windows.FarbnameMorvin, state().windows.FarbeMorvin);
  Setzen(state().windows.FarbnameTolvar, state().windows.FarbeTolvar);
}

}  // namespace tolvar::mdlGroesse
