#pragma once
// The calculation's completeness check: before a cost type is computed from the culture
// data, it is asked whether the data that type needs are complete. A type whose data are
// incomplete is left empty by the calculation.

#include <optional>
#include <string_view>

#include "data/state.h"

namespace tolvar::mdlDatenPruefung {

// The check's kind keys, one per cost type; machines are checked with the material key.
inline constexpr std::string_view kHeizkosten = "HeizkostenKalkulation";
inline constexpr std::string_view kMaterialkosten = "MaterialkostenKalkulation";
inline constexpr std::string_view kEnergiekosten = "EnergiekostenKalkulation";
inline constexpr std::string_view kPSMKosten = "PSMKostenKalkulation";
inline constexpr std::string_view kVermarktungskosten = "VermarktungskostenKalkulation";
inline constexpr std::string_view kArbeitskosten = "ArbeitskostenKalkulation";
inline constexpr std::string_view kGemeinkosten = "GemeinkostenKalkulation";

// True when a value the cost type of `art` needs is missing in `s` (the selected culture's
// PhasenListe, KulturStandortListe, KulturMaterialListe, KulturArbeitListe, the
// ArbeitMaterialListe, LohneinteilungListe and AktuelleEinstellungen); nullopt for a key
// that names no kind (compared exactly). A number counts as missing when its text is empty
// or no number, and for the values that divide also when it is 0. Only reads.
std::optional<bool> DatenFehlenFuer(std::string_view art, const State& s);

}  // namespace tolvar::mdlDatenPruefung
