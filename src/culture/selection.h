#pragma once
// The culture the culture modules work on: KulturListe(KulturIndex).

#include <optional>
#include <string>

#include "data/state.h"

namespace tolvar::culture {

// The number of the selected culture; nullopt when KulturIndex points at no culture.
inline std::optional<std::string> AusgewaehlteKulturNr() {
  const State& s = state();
  if (s.selection.KulturIndex < 0 || s.selection.KulturIndex >= static_cast<int>(s.masters.KulturListe.size()))
    return std::nullopt;
  return s.masters.KulturListe[static_cast<std::size_t>(s.selection.KulturIndex)].KulturNr;
}

}  // namespace tolvar::culture
