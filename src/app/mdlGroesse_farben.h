#pragma once
// Colour words of the pointer pictures ("Zeiger_" + word) for the two pointer colours.

#include <string>

namespace tolvar::mdlGroesse {

// The word of colour code 0..5 ("Weiss", "Grau", "Schwarz", "Blau", "Rot", "Gruen"); "" for
// any other code.
std::string Farbwort(int farbe);

// Sets FarbnameMorvin from FarbeMorvin, then FarbnameTolvar from FarbeTolvar. A code outside
// 0..5 leaves that word as it was.
void FarbnamenErmitteln();

}  // namespace tolvar::mdlGroesse
