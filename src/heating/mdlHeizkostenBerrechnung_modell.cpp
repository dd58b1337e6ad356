#include "heating/mdlHeizkostenBerrechnung_modell.h"

#include <cmath>

namespace tolvar::mdlHeizkostenBerrechnung {

std::optional<Gewaechshausflaechen> GeometrieBerechnen(double laenge, double breite, double stehwand, double dach,
                                                       int bauart, int kappenzahl) {
  const double hoehe = dach - stehwand;  // rise of the roof
  Gewaechshausflaechen f;
  f.Stehwand = stehwand * laenge;
  f.Boden = breite * laenge;
  switch (bauart) {
    case 1:
      f.Giebel = 0.5 * breite * hoehe + stehwand * breite;
      f.Dach = 2 * laenge * std::sqrt((breite / 2) * (breite / 2) + hoehe * hoehe);
      break;
    case 2: {
      if (kappenzahl < 1) return std::nullopt;
      const double halbeKappe = breite / (2.0 * kappenzahl);
      f.Giebel = 0.5 * breite * hoehe + stehwand * breite;
      f.Dach = 2.0 * kappenzahl * laenge * std::sqrt(halbeKappe * halbeKappe + hoehe * hoehe);
      break;
    }
    case 3: {
      // Half ellipse with semi-axes B/2 and h; its half perimeter after Ramanujan.
      const double a = breite / 2;
      f.Giebel = 0.5 * kPi * a * hoehe + stehwand * breite;
      f.Dach = 0.5 * kPi * laenge * (1.5 * (a + hoehe) - std::sqrt(a * hoehe));
      break;
    }
    default:
      return std::nullopt;
  }
  return f;
}

namespace {

int WocheAusTagDesJahres(int tagDesJahres, int wochentagNeujahr) {
  const int woche = (tagDesJahres + wochentagNeujahr - 2) / 7 + 1;  // both terms >= 0
  return woche > kWochen ? kWochen : woche;
}

}  // namespace

int WocheDesJahres(base::Date tag) {
  const base::Date tagOhneZeit = base::DateOnly(tag);
  const base::Date neujahr = *base::MakeDate(base::Year(tagOhneZeit), 1, 1);
  return WocheAusTagDesJahres(base::DaysBetween(neujahr, tagOhneZeit) + 1, base::Weekday(neujahr));
}

std::vector<uint8_t> WochenDesZeitraums(base::Date beginn, base::Date ende) {
  std::vector<uint8_t> wochen;
  const int tage = base::DaysBetween(beginn, ende);
  if (tage < 0) return wochen;
  wochen.reserve(static_cast<std::size_t>(tage) + 1);
  // Walk the dates, finding 1 January only when the year changes.
  const base::Date erster = base::DateOnly(beginn);
  int jahr = base::Year(erster);
  base::Date neujahr = *base::MakeDate(jahr, 1, 1);
  base::Date naechstesNeujahr = *base::MakeDate(jahr + 1, 1, 1);
  int wochentag = base::Weekday(neujahr);
  for (int d = 0; d <= tage; ++d) {
    const base::Date tag = erster + d;
    if (tag >= naechstesNeujahr) {
      ++jahr;
      neujahr = naechstesNeujahr;
      naechstesNeujahr = *base::MakeDate(jahr + 1, 1, 1);
      wochentag = base::Weekday(neujahr);
    }
    wochen.push_back(static_cast<uint8_t>(WocheAusTagDesJahres(static_cast<int>(tag - neujahr) + 1, wochentag)));
  }
  return wochen;
}

bool Klimatabellen::WocheVollstaendig(int woche) const {
  if (woche < 1 || woche > kWochen) return false;
  for (int h = 0; h < kStunden; ++h) {
    if (std::isnan(Temperatur[woche][h]) || std::isnan(Einstrahlung[woche][h])) return false;
  }
  return true;
}

double Temperaturdifferenz(const Flaechenwerte& flaeche, const Hauswerte& haus, bool nacht, double temperatur) {
  const double sollwert = nacht ? haus.NT : haus.TT;
  if (flaeche.Aussenflaeche) return base::Round(sollwert - temperatur, 1);
  const double jenseits = temperatur > flaeche.Grenztemperatur ? temperatur : flaeche.Grenztemperatur;
  return sollwert - jenseits;
}

double NettoverlustAusDifferenz(const Flaechenwerte& flaeche, const Hauswerte& haus, bool nacht, double differenz,
                                double einstrahlung) {
  const double verlust = differenz * flaeche.Flaeche * flaeche.kWert;
  if (nacht) {
    const double schirm = haus.Einsparung / 100 * verlust;
    return verlust - schirm;
  }
  double gewinn = einstrahlung * kGewinnfaktor * haus.Tau * haus.Bodenflaeche;
  if (gewinn > verlust) gewinn = verlust;
  return verlust - gewinn;
}

double StundenverlustBerechnen(const Flaechenwerte& flaeche, const Hauswerte& haus, int stunde, double temperatur,
                               double einstrahlung) {
  const bool nacht = IstNachtstunde(stunde);
  return NettoverlustAusDifferenz(flaeche, haus, nacht, Temperaturdifferenz(flaeche, haus, nacht, temperatur),
                                  einstrahlung);
}

double ZeitraumverlustBerechnen(const Flaechenwerte& flaeche, const Hauswerte& haus, const Klimatabellen& klima,
                                const std::vector<uint8_t>& wochen) {
  double summe = 0.0;
  for (const uint8_t w : wochen) {
    for (int h = 0; h < kStunden; ++h) {
      const double netto = StundenverlustBerechnen(flaeche, haus, h, klima.Temperatur[w][h], klima.Einstrahlung[w][h]);
      if (netto > 0) summe += netto;
    }
  }
  return summe;
}

std::string VerlustText(double wattstunden) { return base::Format(wattstunden / 1000, "0"); }

std::optional<Heizergebnis> ErgebnisseBerechnen(const std::array<double, 5>& verluste, double anpassung,
                                                double wirkungsgrad, double brennwert, double bodenflaeche,
                                                double preis) {
  if (!(wirkungsgrad > 0) || !(brennwert > 0) || !(bodenflaeche > 0)) return std::nullopt;
  Heizergebnis e;
  e.Heizbedarf = (verluste[0] + verluste[1] + verluste[2] + verluste[3] + verluste[4]) * anpassung;
  e.Energiebedarf = e.Heizbedarf / (wirkungsgrad / 100);
  e.BrennstoffJeQm = e.Energiebedarf / brennwert / bodenflaeche;
  e.HeizkostenJeQm = preis * e.BrennstoffJeQm;
  if (!std::isfinite(e.Heizbedarf) || !std::isfinite(e.Energiebedarf) || !std::isfinite(e.BrennstoffJeQm) ||
      !std::isfinite(e.HeizkostenJeQm)) {
    return std::nullopt;
  }
  return e;
}

std::optional<int> KappenzahlLesen(std::string_view text) {
  if (text.empty()) return 1;
  const auto zahl = base::ParseNumber(text);
  if (!zahl || std::fabs(*zahl) > 32767) return std::nullopt;
  return static_cast<int>(base::Round(*zahl));
}

std::optional<double> AnpassungLesen(std::string_view text) {
  if (text.empty() || text == "0") return 1.0;
  return base::ParseNumber(text);
}

std::optional<double> WirkungsgradLesen(std::string_view text) {
  if (text.empty() || text == "0") return 85.0;
  return base::ParseNumber(text);
}

std::optional<double> GrenztemperaturLesen(std::string_view text) {
  if (text.empty()) return 0.0;
  return base::ParseNumber(text);
}

std::optional<double> EinsparungLesen(bool energieschirm, std::string_view text) {
  if (!energieschirm) return 0.0;
  return base::ParseNumber(text);
}

}  // namespace tolvar::mdlHeizkostenBerrechnung
