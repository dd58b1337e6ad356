#pragma once
// The culture the culture modules work on: KulturListe(KulturIndex).

#include <optional>
#include <string>

#include "data/state.h"

namespace tolvar::culture {

// The number of the selected culture; nullopt when KulturIndex points at no culture.
inline std::optional<std::string> AusgewaehlteKulturNr() {
  const State& s = state();
  const KulturSatz* k = At(s.masters.KulturListe, s.selection.KulturIndex);
  if (k == nullptr) return std::nullopt;
  return k->KulturNr;
}

}  // namespace tolvar::culture
