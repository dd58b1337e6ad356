#include "calculation/mdlKalkulation_margen.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "calculation/mdlKalkulation_formeln.h"

namespace tolvar::mdlKalkulation {

namespace {

using Wert = std::optional<double>;

Wert Lesen(const std::string& box) { return base::ParseNumber(box); }

// Writes the figure with two decimals and gives back the number the box now holds; an
// unknown or non-finite figure empties the box.
Wert Schreiben(std::string& box, Wert wert) {
  if (!wert || !std::isfinite(*wert)) {
    box.clear();
    return std::nullopt;
  }
  box = base::Format(*wert, "0.00");
  return Lesen(box);
}

Wert Mal(Wert a, Wert b) { return a && b ? Wert(*a * *b) : std::nullopt; }
Wert Minus(Wert a, Wert b) { return a && b ? Wert(*a - *b) : std::nullopt; }
Wert Durch(Wert a, Wert b) { return a && b && *b != 0.0 ? Wert(*a / *b) : std::nullopt; }

// The sum of the cost boxes of the types deducted at `stufe`; unknown when one of them holds
// no number.
Wert Summe(const KalkulationsFenster& f, Kostenstufe stufe) {
  Wert summe;
  bool erste = true;
  for (const KostenartDaten& d : kKostenartTabelle) {
    if (d.stufe != stufe) continue;
    const Wert w = Lesen(f.Wertfeld(d.art));
    summe = erste ? w : summe && w ? Wert(*summe + *w) : std::nullopt;
    erste = false;
  }
  return summe;
}

// True when every overhead box holds exactly "0,00".
bool OhneGemeinkosten(const KalkulationsFenster& f) {
  for (const KostenartDaten& d : kKostenartTabelle) {
    if (d.stufe == Kostenstufe::Gemeinkosten && f.Wertfeld(d.art) != "0,00") return false;
  }
  return true;
}

}  // namespace

void MargenBerechnen(KalkulationsFenster& f, const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                     const std::vector<KulturArbeitSatz>& arbeiten) {
  const Wert t = BruttoFlaechenTage(phasen, anzahlPhasen);
  double stunden = 0.0;
  const int n = static_cast<int>(arbeiten.size());
  for (int a = 0; a < n; ++a) {
    stunden += base::ParseNumber(arbeiten[static_cast<std::size_t>(a)].Zeitdauer).value_or(0.0);
  }
  const Wert h = stunden;
  const Wert p = Lesen(f.txtPreis);
  const Wert m = Lesen(f.txtMenge);
  const Wert tausend = 1000.0;
  const Wert flaechenJahre = Durch(t, Wert(365.0));

  Schreiben(f.txtMarktleistung, Mal(p, m));
  Schreiben(f.txtErloes1000, Mal(p, tausend));

  const Wert sach = Schreiben(f.txtSachkosten, Summe(f, Kostenstufe::Sachkosten));

  const Wert db = Schreiben(f.txtDB, Minus(Mal(p, tausend), sach));
  Schreiben(f.txtDBJQM, Durch(Durch(Mal(m, db), flaechenJahre), tausend));
  Schreiben(f.txtDBAkh, Durch(Durch(Mal(m, db), h), tausend));

  const Wert ekfl = Schreiben(f.txtEKFL, Minus(db, Summe(f, Kostenstufe::Arbeitskosten)));
  Schreiben(f.txtEKFLJQM, Durch(Durch(Mal(m, ekfl), flaechenJahre), tausend));
  Schreiben(f.txtEKFLAkh, Durch(Durch(Mal(m, ekfl), h), tausend));

  if (OhneGemeinkosten(f)) {
    f.txtGewinn[1].clear();
    f.txtGewinn[2].clear();
    return;
  }
  const Wert gewinn = Schreiben(f.txtGewinn[1], Minus(ekfl, Summe(f, Kostenstufe::Gemeinkosten)));
  Schreiben(f.txtGewinn[2], Durch(Mal(m, gewinn), tausend));
}

}  // namespace tolvar::mdlKalkulation
