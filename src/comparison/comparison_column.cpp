#include "comparison/comparison_column.h"

#include <cmath>
#include <memory>
#include <string_view>
#include <utility>

#include "base/values.h"
#include "data/comparison_table.h"

namespace tolvar::comparison {

namespace {

using Slot = std::string VergleichsspalteSatz::*;

// The slots before and after the costs that the reset writes.
constexpr Slot kZuruecksetzen[] = {
    &VergleichsspalteSatz::Kultur,     &VergleichsspalteSatz::Beginn,     &VergleichsspalteSatz::Ende,
    &VergleichsspalteSatz::Preis,      &VergleichsspalteSatz::Menge,      &VergleichsspalteSatz::Erloes,
    &VergleichsspalteSatz::Sachkosten, &VergleichsspalteSatz::Gewinn1000, &VergleichsspalteSatz::GewinnKultur,
};

// Columns copied into the slots of the same name.
using Zeile = data::VergleichskulturZeile;
struct Kopie {
  db::Value Zeile::*spalte;
  Slot slot;
};
constexpr Kopie kKopien[] = {
    {&Zeile::Kultur, &VergleichsspalteSatz::Kultur}, {&Zeile::Beginn, &VergleichsspalteSatz::Beginn},
    {&Zeile::Ende, &VergleichsspalteSatz::Ende},     {&Zeile::Menge, &VergleichsspalteSatz::Menge},
    {&Zeile::Preis, &VergleichsspalteSatz::Preis},   {&Zeile::Bemerkungen, &VergleichsspalteSatz::Bemerkungen},
    {&Zeile::TQM, &VergleichsspalteSatz::TQM},       {&Zeile::Akh, &VergleichsspalteSatz::Akh},
};
void Kopieren(const db::Value& wert, std::string& slot) {
  if (!wert.isNull()) slot = wert.text();
}

std::optional<double> Zahl(const std::string& text) { return base::ParseNumber(text); }

// The sum of the costs that share the "Sachkosten" bar; empty when one of them is no number.
std::string Sachkostensumme(const VergleichsspalteSatz& s) {
  double summe = 0.0;
  for (const KostenartDaten& d : kKostenartTabelle) {
    if (d.vergleichsbalken != Vergleichsbalken::Sachkosten) continue;
    const auto wert = Zahl(s.Kosten[KostenIndex(d.art)]);
    if (!wert) return std::string();
    summe += *wert;
  }
  return base::NumberText(summe);
}

// `betrag` less the costs per 1000 plants deducted up to the margin `bis`, in table order:
// each cost with a bar of its own, and the "Sachkosten" slot for the rest; nullopt when a
// term is no number.
std::optional<double> Abzueglich(double betrag, const VergleichsspalteSatz& s, Kostenstufe bis) {
  bool sachkostenGezaehlt = false;
  for (const KostenartDaten& d : kKostenartTabelle) {
    if (d.stufe > bis) continue;
    std::optional<double> wert;
    if (d.vergleichsbalken == Vergleichsbalken::Eigener) {
      wert = Zahl(s.Kosten[KostenIndex(d.art)]);
    } else if (!sachkostenGezaehlt) {
      sachkostenGezaehlt = true;
      wert = Zahl(s.Sachkosten);
    } else {
      continue;
    }
    if (!wert) return std::nullopt;
    betrag -= *wert;
  }
  return betrag;
}

}  // namespace

void SpalteZuruecksetzen(VergleichsspalteSatz& spalte) {
  for (Slot slot : kZuruecksetzen) spalte.*slot = "0";
  spalte.Kosten = FuerJedeKostenart(std::string("0"));
  spalte.Grade = FuerJedeKostenart(std::string("0"));
}

bool SpalteLaden(const std::string& pfad, VergleichsspalteSatz& spalte, std::string* fehler) {
  // Nothing of the culture compared before may stand in for a missing value: a margin per
  // m² and year would otherwise be worked out with another culture's area-days.
  spalte.Import = base::kFalse;
  spalte.Bemerkungen.clear();
  spalte.TQM = "0";
  spalte.Akh = "0";

  std::vector<data::VergleichskulturZeile> zeilen;
  if (!data::VergleichskulturZeilenLesen(pfad, zeilen, fehler)) return false;
  for (const data::VergleichskulturZeile& z : zeilen) {
    if (z.Nr.isNull() || z.Nr.text() != spalte.Nr) continue;
    for (const Kopie& k : kKopien) Kopieren(z.*k.spalte, spalte.*k.slot);
    for (std::size_t i = 0; i < kAnzahlKostenarten; ++i) {
      Kopieren(z.Kosten[i], spalte.Kosten[i]);
      Kopieren(z.Grade[i], spalte.Grade[i]);
    }
    if (!z.Import.isNull()) spalte.Import = base::BoolValue(z.Import.boolean());
  }
  AbgeleiteteWerteBerechnen(spalte);
  return true;
}

void AbgeleiteteWerteBerechnen(VergleichsspalteSatz& s) {
  s.Sachkosten = Sachkostensumme(s);
  const auto gemein = Zahl(s.Kosten[KostenIndex(Kostenart::Gemeinkosten)]);
  const auto preis = Zahl(s.Preis), menge = Zahl(s.Menge);
  const auto gewinn = preis ? Abzueglich(*preis * 1000, s, Kostenstufe::Gemeinkosten) : std::nullopt;
  if (!gemein || !gewinn) {
    s.Gewinn1000.clear();
    s.GewinnKultur.clear();
  } else if (*gemein != 0.0) {
    s.Gewinn1000 = base::NumberText(*gewinn);
    s.GewinnKultur = menge ? base::NumberText(*menge * *gewinn / 1000) : std::string();
  }
  s.Erloes = preis && menge ? base::NumberText(*preis * *menge) : std::string();
}

std::vector<std::string> UngueltigeZahlen(const VergleichsspalteSatz& s) {
  std::vector<std::string> felder;
  const auto pruefen = [&](std::string_view name, const std::string& slot) {
    if (!base::Trim(slot).empty() && !Zahl(slot)) felder.emplace_back(name);
  };
  pruefen("Preis", s.Preis);
  pruefen("Menge", s.Menge);
  for (const KostenartDaten& d : kKostenartTabelle) pruefen(d.vergleichsname, s.Kosten[KostenIndex(d.art)]);
  pruefen("Flächentage", s.TQM);
  pruefen("Arbeitsstunden", s.Akh);
  return felder;
}

std::optional<std::string> UngueltigeZahlenMeldung(std::span<const VergleichsspalteSatz> spalten) {
  std::string kulturen;
  for (const VergleichsspalteSatz& s : spalten) {
    if (UngueltigeZahlen(s).empty()) continue;
    if (!kulturen.empty()) kulturen += ", ";
    kulturen += "\"" + s.Kultur + "\"";
  }
  if (kulturen.empty()) return std::nullopt;
  return "Die gespeicherten Werte der Vergleichskultur " + kulturen +
         " sind nicht alle Zahlen. Diese Werte und was aus ihnen berechnet wird, bleiben leer.";
}

std::optional<std::string> Formatiert(const std::string& slot, const char* muster) {
  const auto zahl = Zahl(slot);
  if (!zahl) return std::nullopt;
  return base::Format(*zahl, muster);
}

std::string Anzeige(const std::string& slot, const char* muster) { return Formatiert(slot, muster).value_or(""); }

SpaltenAnzeige SpalteAnzeigen(const VergleichsspalteSatz& s) {
  SpaltenAnzeige a;
  a.Arbeitskosten = Anzeige(s.Kosten[KostenIndex(Kostenart::Arbeit)], "0.00");
  a.Beginn = s.Beginn;
  a.Ende = s.Ende;
  a.Gemeinkosten = Anzeige(s.Kosten[KostenIndex(Kostenart::Gemeinkosten)], "0.00");
  a.Heizkosten = Anzeige(s.Kosten[KostenIndex(Kostenart::Heizung)], "0.00");
  a.Materialkosten = Anzeige(s.Kosten[KostenIndex(Kostenart::Material)], "0.00");
  a.Preis = Anzeige(s.Preis, "0.00");
  a.Sachkosten = Anzeige(s.Sachkosten, "0.00");
  a.Menge = Anzeige(s.Menge, "0");
  if (a.Gemeinkosten == "0,00") {
    a.Gemeinkosten = std::string();
    a.GewinnKultur = std::string();
    a.GewinnPflanze = std::string();
  } else {
    a.GewinnKultur = Anzeige(s.GewinnKultur, "0.00");
    a.GewinnPflanze = Anzeige(s.Gewinn1000, "0.00");
  }
  return a;
}

const char* EinheitText(Einheit einheit) {
  switch (einheit) {
    case Einheit::JeBJm2:
      return "€/BJm²";
    case Einheit::JeAkh:
      return "€/Akh";
    case Einheit::Je1000Stueck:
      break;
  }
  return "€/1000Stk.";
}

std::optional<double> MargeJe1000(const VergleichsspalteSatz& s, Marge marge) {
  const auto preis = Zahl(s.Preis);
  if (!preis) return std::nullopt;
  return Abzueglich(*preis * 1000, s, marge == Marge::DKFL ? Kostenstufe::Sachkosten : Kostenstufe::Arbeitskosten);
}

std::optional<std::string> MargeUmrechnen(const VergleichsspalteSatz& s, Marge marge, Einheit einheit) {
  const auto v = MargeJe1000(s, marge);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  const std::string gerundet = base::Format(*v, "0.00");
  if (einheit == Einheit::Je1000Stueck) return gerundet;
  const auto w = Zahl(gerundet);
  const auto menge = Zahl(s.Menge);
  const auto basis = Zahl(einheit == Einheit::JeBJm2 ? s.TQM : s.Akh);
  if (!w || !menge || !basis || *basis == 0.0) return std::nullopt;
  const double teiler = einheit == Einheit::JeBJm2 ? *basis / 365 : *basis;
  const double ergebnis = *menge * *w / teiler / 1000;
  if (!std::isfinite(ergebnis)) return std::nullopt;
  return base::Format(ergebnis, "0.00");
}

}  // namespace tolvar::comparison
