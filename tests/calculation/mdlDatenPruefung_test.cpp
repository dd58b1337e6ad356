// The completeness check per cost type over a small culture built in code: a table of
// changes to a complete culture, each with the keys it must fail and pass.

#include "calculation/mdlDatenPruefung.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tolvar::mdlDatenPruefung {
namespace {

base::Date D(int y, int m, int d) { return *base::MakeDate(y, m, d); }

const std::vector<std::string_view> kAlleArten = {kHeizkosten,         kMaterialkosten, kEnergiekosten, kPSMKosten,
                                                  kVermarktungskosten, kArbeitskosten,  kGemeinkosten};

PhasenSatz Phase(base::Date anfang, base::Date ende) {
  PhasenSatz p;
  p.AnzahlPflanzen = "1000";
  p.Flaeche = "50";
  p.BruttoFlaeche = "60";
  p.Intensitaet = "40";
  p.Dauer = "12";
  p.Anfang = anfang;
  p.Ende = ende;
  return p;
}

KulturArbeitSatz Arbeit(std::string taetigkeit, std::string person, std::string stunden, base::Date datum) {
  KulturArbeitSatz a;
  a.StdTaetigkeitNr = std::move(taetigkeit);
  a.PersonalNr = std::move(person);
  a.Zeitdauer = std::move(stunden);
  a.Datum = datum;
  return a;
}

LohneinteilungSatz Lohnzeile(std::string person, base::Date ab, std::string lohn) {
  LohneinteilungSatz l;
  l.PersonalNr = std::move(person);
  l.DatumAb = ab;
  l.Lohn = std::move(lohn);
  return l;
}

// A culture with complete data: phase 1 (March) lies within the one site occupancy, phase 2
// (April) does not; one piece of work in each phase by person P1001; activity StdT1001
// has a material cost per hour, StdT1002 has none.
State VollstaendigeKultur() {
  State s;
  s.culture.PhasenListe.assign(26, PhasenSatz{});
  s.culture.PhasenListe[1] = Phase(D(2024, 3, 1), D(2024, 3, 31));
  s.culture.PhasenListe[2] = Phase(D(2024, 4, 1), D(2024, 4, 30));
  s.culture.AnzahlPhasen = 2;
  KulturStandortSatz belegung;
  belegung.Beginn = D(2024, 2, 15);
  belegung.Ende = D(2024, 3, 20);
  s.culture.KulturStandortListe = {belegung};
  s.culture.AnzahlKulturStandorte = 1;
  KulturMaterialSatz material;
  material.MaNr = "M1001";
  material.Menge = "2,5";
  s.culture.KulturMaterialListe = {material, KulturMaterialSatz{}};
  s.culture.AnzahlKulturMaterialien = 1;
  s.calculation.KulturArbeitListe = {Arbeit("StdT1001", "P1001", "3,5", D(2024, 3, 10)),
                                     Arbeit("StdT1002", "P1001", "2", D(2024, 4, 10))};
  s.settings.ArbeitMaterialListe[0] = {"StdT1001", "1,20"};
  s.settings.LohneinteilungListe[0] = Lohnzeile("P1001", D(2024, 1, 1), "14,50");
  s.settings.AnzahlLohneinteilungen = 1;
  s.enterprise.AktuelleEinstellungen.Strom = "0,12";
  s.enterprise.AktuelleEinstellungen.Vermarktungskosten = "10";
  s.enterprise.AktuelleEinstellungen.Gemeinkosten = "50000";
  s.enterprise.AktuelleEinstellungen.Flaeche = "4000";
  s.enterprise.AktuelleEinstellungen.Belegung = "75";
  return s;
}

TEST(DatenPruefung, CompleteCulturePassesEveryKind) {
  const State s = VollstaendigeKultur();
  for (const auto art : kAlleArten) EXPECT_EQ(DatenFehlenFuer(art, s), false) << art;
}

struct Fall {
  const char* name;
  std::function<void(State&)> aendern;
  std::set<std::string_view> fehlend;  // kinds that must fail; all others pass
};

TEST(DatenPruefung, EachKindFailsExactlyOnItsOwnMissingData) {
  const std::vector<Fall> faelle = {
      {"no phases, materials or work",
       [](State& s) {
         s.culture.AnzahlPhasen = 0;
         s.culture.AnzahlKulturMaterialien = 0;
         s.calculation.KulturArbeitListe.clear();
       },
       {}},
      {"culture without site occupancies passes heating even with empty plants",
       [](State& s) {
         s.culture.AnzahlKulturStandorte = 0;
         s.culture.PhasenListe[1].Flaeche = "";
         s.culture.PhasenListe[1].AnzahlPflanzen = "";
       },
       {kEnergiekosten, kArbeitskosten}},
      {"empty plants in a phase outside every occupancy and without work",
       [](State& s) {
         s.culture.PhasenListe[2].AnzahlPflanzen = "";
         s.calculation.KulturArbeitListe.resize(1);
       },
       {kEnergiekosten}},
      {"empty plants in a phase outside every occupancy but with work",
       [](State& s) { s.culture.PhasenListe[2].AnzahlPflanzen = ""; },
       {kEnergiekosten, kArbeitskosten}},
      {"zero plants in a phase within an occupancy",
       [](State& s) { s.culture.PhasenListe[1].AnzahlPflanzen = "0"; },
       {kHeizkosten, kArbeitskosten}},
      {"empty net area within an occupancy",
       [](State& s) { s.culture.PhasenListe[1].Flaeche = ""; },
       {kHeizkosten, kEnergiekosten}},
      {"net area 0 fails energy only", [](State& s) { s.culture.PhasenListe[1].Flaeche = "0"; }, {kEnergiekosten}},
      {"one phase with empty intensity", [](State& s) { s.culture.PhasenListe[2].Intensitaet = ""; }, {kEnergiekosten}},
      {"empty light hours", [](State& s) { s.culture.PhasenListe[1].Dauer = ""; }, {kEnergiekosten}},
      {"empty electricity price", [](State& s) { s.enterprise.AktuelleEinstellungen.Strom = ""; }, {kEnergiekosten}},
      {"empty electricity price without phases",
       [](State& s) {
         s.enterprise.AktuelleEinstellungen.Strom = "";
         s.culture.AnzahlPhasen = 0;
       },
       {}},
      {"empty material quantity", [](State& s) { s.culture.KulturMaterialListe[0].Menge = ""; }, {kMaterialkosten}},
      // Its row adds nothing; the other rows are computed.
      {"material quantity that is no number", [](State& s) { s.culture.KulturMaterialListe[0].Menge = "abc"; }, {}},
      {"empty hours of work without a material cost row",
       [](State& s) { s.calculation.KulturArbeitListe[1].Zeitdauer = ""; },
       {kArbeitskosten}},
      {"empty hours of work with a material cost row",
       [](State& s) { s.calculation.KulturArbeitListe[0].Zeitdauer = ""; },
       {kPSMKosten, kArbeitskosten}},
      {"empty material cost per hour",
       [](State& s) { s.settings.ArbeitMaterialListe[0].KostenJeStunde = ""; },
       {kPSMKosten}},
      {"the first material cost row of the activity decides",
       [](State& s) {
         s.settings.ArbeitMaterialListe[1] = {"StdT1001", ""};
       },
       {}},
      {"empty hours of work dated outside every phase",
       [](State& s) { s.calculation.KulturArbeitListe[1] = Arbeit("StdT1002", "P1001", "", D(2024, 6, 1)); },
       {}},
      {"empty wage", [](State& s) { s.settings.LohneinteilungListe[0].Lohn = ""; }, {kArbeitskosten}},
      {"same start date: the later wage row is empty",
       [](State& s) {
         s.settings.LohneinteilungListe[1] = Lohnzeile("P1001", D(2024, 1, 1), "");
         s.settings.AnzahlLohneinteilungen = 2;
       },
       {kArbeitskosten}},
      {"same start date: the earlier wage row is empty",
       [](State& s) {
         s.settings.LohneinteilungListe[0].Lohn = "";
         s.settings.LohneinteilungListe[1] = Lohnzeile("P1001", D(2024, 1, 1), "15");
         s.settings.AnzahlLohneinteilungen = 2;
       },
       {}},
      {"an empty wage row starting after the work is not used",
       [](State& s) {
         s.settings.LohneinteilungListe[1] = Lohnzeile("P1001", D(2024, 5, 1), "");
         s.settings.AnzahlLohneinteilungen = 2;
       },
       {}},
      {"the latest wage row on or before the work counts",
       [](State& s) {
         s.settings.LohneinteilungListe[0].Lohn = "";
         s.settings.LohneinteilungListe[1] = Lohnzeile("P1001", D(2024, 2, 1), "15");
         s.settings.AnzahlLohneinteilungen = 2;
       },
       {}},
      {"a person without a wage row does not borrow another person's",
       [](State& s) { s.calculation.KulturArbeitListe[1].PersonalNr = "P1002"; },
       {kArbeitskosten}},
      {"a person whose wage rows all start after the work",
       [](State& s) { s.settings.LohneinteilungListe[0].DatumAb = D(2024, 3, 15); },
       {kArbeitskosten}},
      {"empty marketing share",
       [](State& s) { s.enterprise.AktuelleEinstellungen.Vermarktungskosten = ""; },
       {kVermarktungskosten}},
      {"empty overheads", [](State& s) { s.enterprise.AktuelleEinstellungen.Gemeinkosten = ""; }, {kGemeinkosten}},
      {"enterprise area 0", [](State& s) { s.enterprise.AktuelleEinstellungen.Flaeche = "0"; }, {kGemeinkosten}},
      {"empty enterprise area", [](State& s) { s.enterprise.AktuelleEinstellungen.Flaeche = ""; }, {kGemeinkosten}},
      {"share in use 0", [](State& s) { s.enterprise.AktuelleEinstellungen.Belegung = "0"; }, {kGemeinkosten}},
      {"share in use no number",
       [](State& s) { s.enterprise.AktuelleEinstellungen.Belegung = "abc"; },
       {kGemeinkosten}},
      {"counts beyond the lists are not read",
       [](State& s) {
         s.culture.AnzahlPhasen = 40;
         s.culture.AnzahlKulturMaterialien = 9;
         s.culture.AnzahlKulturStandorte = 9;
         s.settings.AnzahlLohneinteilungen = 500;
       },
       {kMaterialkosten, kEnergiekosten}},  // the empty end-mark material row; empty slots 3..25
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    State s = VollstaendigeKultur();
    fall.aendern(s);
    for (const auto art : kAlleArten) {
      EXPECT_EQ(DatenFehlenFuer(art, s), fall.fehlend.count(art) > 0) << art;
    }
  }
}

TEST(DatenPruefung, UnknownKeysNameNoKind) {
  const State s = VollstaendigeKultur();
  for (const std::string_view schluessel : {"", "heizkostenKalkulation", "MaschinenkostenKalkulation"}) {
    EXPECT_EQ(DatenFehlenFuer(schluessel, s), std::nullopt) << schluessel;
  }
}

}  // namespace
}  // namespace tolvar::mdlDatenPruefung
