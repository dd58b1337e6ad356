#include "comparison/comparison_column.h"

#include <cmath>
#include <memory>
#include <utility>

#include "base/values.h"
#include "data/comparison_table.h"

namespace tolvar::comparison {

namespace {

using Slot = std::string VergleichsspalteSatz::*;

// The 25 slots the reset writes, Kultur to GewinnKultur.
constexpr Slot kZuruecksetzen[] = {
    &VergleichsspalteSatz::Kultur,        &VergleichsspalteSatz::Beginn,         &VergleichsspalteSatz::Ende,
    &VergleichsspalteSatz::Preis,         &VergleichsspalteSatz::Menge,          &VergleichsspalteSatz::Erloes,
    &VergleichsspalteSatz::Sachkosten,    &VergleichsspalteSatz::Heizung,        &VergleichsspalteSatz::DQHeizung,
    &VergleichsspalteSatz::Material,      &VergleichsspalteSatz::DQMaterial,     &VergleichsspalteSatz::Strom,
    &VergleichsspalteSatz::DQStrom,       &VergleichsspalteSatz::Maschinen,      &VergleichsspalteSatz::DQMaschinen,
    &VergleichsspalteSatz::PSM,           &VergleichsspalteSatz::DQPSM,          &VergleichsspalteSatz::Vermarktung,
    &VergleichsspalteSatz::DQVermarktung, &VergleichsspalteSatz::Arbeit,         &VergleichsspalteSatz::DQArbeit,
    &VergleichsspalteSatz::Gemeinkosten,  &VergleichsspalteSatz::DQGemeinkosten, &VergleichsspalteSatz::Gewinn1000,
    &VergleichsspalteSatz::GewinnKultur,
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
// The slots of the costs and of their grades, by KostenIndex.
constexpr std::array<Slot, kKostenarten.size()> kKostenSlots = {
    &VergleichsspalteSatz::Heizung,   &VergleichsspalteSatz::Material,    &VergleichsspalteSatz::Strom,
    &VergleichsspalteSatz::Maschinen, &VergleichsspalteSatz::PSM,         &VergleichsspalteSatz::Vermarktung,
    &VergleichsspalteSatz::Arbeit,    &VergleichsspalteSatz::Gemeinkosten};
constexpr std::array<Slot, kKostenarten.size()> kGradSlots = {
    &VergleichsspalteSatz::DQHeizung,   &VergleichsspalteSatz::DQMaterial,    &VergleichsspalteSatz::DQStrom,
    &VergleichsspalteSatz::DQMaschinen, &VergleichsspalteSatz::DQPSM,         &VergleichsspalteSatz::DQVermarktung,
    &VergleichsspalteSatz::DQArbeit,    &VergleichsspalteSatz::DQGemeinkosten};

void Kopieren(const db::Value& wert, VergleichsspalteSatz& spalte, Slot slot) {
  if (!wert.isNull()) spalte.*slot = wert.text();
}

std::optional<double> Zahl(const std::string& text) { return base::ParseNumber(text); }

}  // namespace

void SpalteZuruecksetzen(VergleichsspalteSatz& spalte) {
  for (Slot slot : kZuruecksetzen) spalte.*slot = "0";
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
    for (const Kopie& k : kKopien) Kopieren(z.*k.spalte, spalte, k.slot);
    for (std::size_t i = 0; i < kKostenarten.size(); ++i) {
      Kopieren(z.Kosten[i], spalte, kKostenSlots[i]);
      Kopieren(z.Grade[i], spalte, kGradSlots[i]);
    }
    if (!z.Import.isNull()) spalte.Import = base::BoolValue(z.Import.boolean());
  }
  AbgeleiteteWerteBerechnen(spalte);
  return true;
}

void AbgeleiteteWerteBerechnen(VergleichsspalteSatz& s) {
  const auto psm = Zahl(s.PSM), strom = Zahl(s.Strom), maschinen = Zahl(s.Maschinen), vermarktung = Zahl(s.Vermarktung);
  s.Sachkosten = psm && strom && maschinen && vermarktung ? base::NumberText(*psm + *strom + *maschinen + *vermarktung)
                                                          : std::string();
  const auto gemein = Zahl(s.Gemeinkosten);
  const auto preis = Zahl(s.Preis), heizung = Zahl(s.Heizung), material = Zahl(s.Material), sach = Zahl(s.Sachkosten),
             arbeit = Zahl(s.Arbeit), menge = Zahl(s.Menge);
  if (!gemein || !preis || !heizung || !material || !sach || !arbeit) {
    s.Gewinn1000.clear();
    s.GewinnKultur.clear();
  } else if (*gemein != 0.0) {
    const double gewinn = *preis * 1000 - *heizung - *material - *sach - *arbeit - *gemein;
    s.Gewinn1000 = base::NumberText(gewinn);
    s.GewinnKultur = menge ? base::NumberText(*menge * gewinn / 1000) : std::string();
  }
  s.Erloes = preis && menge ? base::NumberText(*preis * *menge) : std::string();
}

std::vector<std::string> UngueltigeZahlen(const VergleichsspalteSatz& s) {
  static constexpr std::pair<const char*, Slot> kZahlen[] = {
      {"Preis", &VergleichsspalteSatz::Preis},          {"Menge", &VergleichsspalteSatz::Menge},
      {"Heizkosten", &VergleichsspalteSatz::Heizung},   {"Materialkosten", &VergleichsspalteSatz::Material},
      {"Stromkosten", &VergleichsspalteSatz::Strom},    {"Maschinenkosten", &VergleichsspalteSatz::Maschinen},
      {"Material[Std]", &VergleichsspalteSatz::PSM},    {"Vermarktungskosten", &VergleichsspalteSatz::Vermarktung},
      {"Arbeitskosten", &VergleichsspalteSatz::Arbeit}, {"Gemeinkosten", &VergleichsspalteSatz::Gemeinkosten},
      {"Flächentage", &VergleichsspalteSatz::TQM},      {"Arbeitsstunden", &VergleichsspalteSatz::Akh},
  };
  std::vector<std::string> felder;
  for (const auto& [name, slot] : kZahlen) {
    if (!base::Trim(s.*slot).empty() && !Zahl(s.*slot)) felder.push_back(name);
  }
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
  a.Arbeitskosten = Anzeige(s.Arbeit, "0.00");
  a.Beginn = s.Beginn;
  a.Ende = s.Ende;
  a.Gemeinkosten = Anzeige(s.Gemeinkosten, "0.00");
  a.Heizkosten = Anzeige(s.Heizung, "0.00");
  a.Materialkosten = Anzeige(s.Material, "0.00");
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
  const auto preis = Zahl(s.Preis), sach = Zahl(s.Sachkosten), material = Zahl(s.Material), heizung = Zahl(s.Heizung);
  if (!preis || !sach || !material || !heizung) return std::nullopt;
  double kosten = *sach + *material + *heizung;
  if (marge == Marge::EKFL) {
    const auto arbeit = Zahl(s.Arbeit);
    if (!arbeit) return std::nullopt;
    kosten += *arbeit;
  }
  return *preis * 1000 - kosten;
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
