#include "comparison/deviation.h"

#include <cmath>

#include "base/values.h"

namespace tolvar::comparison {

namespace {

// Segments from `von` to `bis`, shown.
void Zeigen(Balken& balken, int von, int bis) {
  for (int k = von; k <= bis; ++k) balken[static_cast<std::size_t>(k)] = true;
}

}  // namespace

Balken SegmenteFuerAbweichung(double d, bool gespiegelt) {
  Balken b{};
  // How many segments beside the centre, and on which side.
  int anzahl = 0;
  bool unten = false;
  if (d <= -10) {
    anzahl = 5, unten = true;
  } else if (d <= -8) {
    anzahl = 4, unten = true;
  } else if (d <= -6) {
    anzahl = 3, unten = true;
  } else if (d <= -4) {
    anzahl = 2, unten = true;
  } else if (d <= -2) {
    anzahl = 1, unten = true;
  } else if (d < 2) {
    anzahl = 0;
  } else if (d < 4) {
    anzahl = 1;
  } else if (d < 6) {
    anzahl = 2;
  } else if (d < 8) {
    anzahl = 3;
  } else if (d < 10) {
    anzahl = 4;
  } else {
    anzahl = 5;
  }
  if (anzahl == 0) return b;
  if (unten != gespiegelt) {
    Zeigen(b, kMitte - anzahl, kMitte - 1);
  } else {
    Zeigen(b, kMitte + 1, kMitte + anzahl);
  }
  return b;
}

Wertprozent WertProzent(const std::string& links, const std::string& rechts) {
  const auto l = base::ParseNumber(links);
  const auto r = base::ParseNumber(rechts);
  if (!l || !r || *l == 0.0 || *r == 0.0) return {100, true};
  if ((*l > 0) == (*r > 0)) {
    const double p = (*l * 100) / *r;
    if (std::isfinite(p)) return {p, false};
  }
  return {100, false};
}

Balken WertBalken(const std::string& links, const std::string& rechts, bool gewinn) {
  const Wertprozent w = WertProzent(links, rechts);
  bool gespiegelt = false;
  if (gewinn) {
    const auto l = base::ParseNumber(links);
    gespiegelt = !l || *l <= 0;
  }
  Balken b = SegmenteFuerAbweichung(w.prozent - 100, gespiegelt);
  b[kMitte] = !w.mitteVerbergen;
  return b;
}

double MargenProzent(const std::string& links, const std::string& rechts) {
  // A left box that is empty or exactly "0" counts as no comparison; "0,00" is a real zero.
  if (links.empty() || links == "0") return 100;
  const auto l = base::ParseNumber(links);
  const auto r = base::ParseNumber(rechts);
  if (!l || !r || *r == 0.0) return 100;
  const double p = (*l * 100) / *r;
  return std::isfinite(p) ? p : 100;
}

Balken MargenBalken(const std::string& links, const std::string& rechts) {
  Balken b = SegmenteFuerAbweichung(MargenProzent(links, rechts) - 100, false);
  b[kMitte] = true;
  return b;
}

std::optional<std::string> Qualitaetszeichen(std::string_view grad) {
  if (grad == "0") return std::string();
  if (grad == "1") return std::string("* * *");
  if (grad == "2") return std::string("* * ");
  if (grad == "3") return std::string("*");
  return std::nullopt;
}

std::optional<std::string> Bewertungszeichen(int grad) {
  switch (grad) {
    case 1:
      return std::string("* * *");
    case 2:
      return std::string("* *");
    case 3:
      return std::string("*");
    default:
      return std::nullopt;
  }
}

}  // namespace tolvar::comparison
