#pragma once
// The calculation's completeness check: before a cost type is computed from the culture
// data, it is asked whether the data that type needs are complete. A type whose data are
// incomplete is left empty by the calculation.

#include <optional>
#include <string_view>

#include "data/cost_types.h"
#include "data/state.h"

namespace tolvar::mdlDatenPruefung {

// The check's kind keys, as the cost types' rows name them; machines are checked with the
// material key.
inline constexpr std::string_view kHeizkosten = Daten(Kostenart::Heizung).pruefschluessel;
inline constexpr std::string_view kMaterialkosten = Daten(Kostenart::Material).pruefschluessel;
inline constexpr std::string_view kEnergiekosten = Daten(Kostenart::Energie).pruefschluessel;
inline constexpr std::string_view kPSMKosten = Daten(Kostenart::PSM).pruefschluessel;
inline constexpr std::string_view kVermarktungskosten = Daten(Kostenart::Vermarktung).pruefschluessel;
inline constexpr std::string_view kArbeitskosten = Daten(Kostenart::Arbeit).pruefschluessel;
inline constexpr std::string_view kGemeinkosten = Daten(Kostenart::Gemeinkosten).pruefschluessel;
static_assert(Daten(Kostenart::Maschinen).pruefschluessel == kMaterialkosten);

// True when a value the cost type of `art` needs is missing in `s` (the selected culture's
// PhasenListe, KulturStandortListe, KulturMaterialListe, KulturArbeitListe, the
// ArbeitMaterialListe, LohneinteilungListe and AktuelleEinstellungen); nullopt for a key
// that names no kind (compared exactly). A number counts as missing when its text is empty
// or no number, and for the values that divide also when it is 0. Only reads.
std::optional<bool> DatenFehlenFuer(std::string_view art, const State& s);

}  // namespace tolvar::mdlDatenPruefung
