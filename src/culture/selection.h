#pragma once
// The culture the culture modules work on: KulturListe(KulturIndex).

#include <optional>
#include <string>

#include "data/state.h"

namespace tolvar::culture {

// The number of the selected culture; nullopt when KulturIndex points at no culture.
inline std::optional<std::string> AusgewaehlteKulturNr() {
  const State& s = state();
  if (s.KulturIndex < 0 || s.KulturIndex >= static_cast<int>(s.KulturListe.size())) return std::nullopt;
  return s.KulturListe[static_cast<std::size_t>(s.KulturIndex)].KulturNr;
}

}  // namespace tolvar::culture
