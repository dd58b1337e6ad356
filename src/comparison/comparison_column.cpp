#include "comparison/comparison_column.h"

#include <cmath>
#include <memory>

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
  if (psm && strom && maschinen && vermarktung) {
    s.Sachkosten = base::NumberText(*psm + *strom + *maschinen + *vermarktung);
  }
  const auto gemein = Zahl(s.Gemeinkosten);
  if (gemein && *gemein != 0.0) {
    const auto preis = Zahl(s.Preis), heizung = Zahl(s.Heizung), material = Zahl(s.Material), sach = Zahl(s.Sachkosten),
               arbeit = Zahl(s.Arbeit);
    if (preis && heizung && material && sach && arbeit) {
      const double gewinn = *preis * 1000 - *heizung - *material - *sach - *arbeit - *gemein;
      s.Gewinn1000 = base::NumberText(gewinn);
      if (const auto menge = Zahl(s.Menge)) s.GewinnKultur = base::NumberText(*menge * gewinn / 1000);
    }
  }
  const auto preis = Zahl(s.Preis), menge = Zahl(s.Menge);
  if (preis && menge) s.Erloes = base::NumberText(*preis * *menge);
}

std::optional<std::string> Formatiert(const std::string& slot, const char* muster) {
  const auto zahl = Zahl(slot);
  if (!zahl) return std::nullopt;
  return base::Format(*zahl, muster);
}

SpaltenAnzeige SpalteAnzeigen(const VergleichsspalteSatz& s) {
  SpaltenAnzeige a;
  a.Arbeitskosten = Formatiert(s.Arbeit, "0.00");
  a.Beginn = s.Beginn;
  a.Ende = s.Ende;
  a.Gemeinkosten = Formatiert(s.Gemeinkosten, "0.00");
  a.Heizkosten = Formatiert(s.Heizung, "0.00");
  a.Materialkosten = Formatiert(s.Material, "0.00");
  a.Preis = Formatiert(s.Preis, "0.00");
  a.Sachkosten = Formatiert(s.Sachkosten, "0.00");
  a.Menge = Formatiert(s.Menge, "0");
  if (a.Gemeinkosten && *a.Gemeinkosten == "0,00") {
    a.Gemeinkosten = std::string();
    a.GewinnKultur = std::string();
    a.GewinnPflanze = std::string();
  } else {
    a.GewinnKultur = Formatiert(s.GewinnKultur, "0.00");
    a.GewinnPflanze = Formatiert(s.Gewinn1000, "0.00");
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
