// Row by row breakdowns of energy, machine, labour and activity-material costs, and the
// marketing window's arithmetic.
#include "calculation/cost_breakdown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_fixtures.h"
#include "calculation/mdlKalkulation_formeln.h"

namespace tolvar {
namespace {

using test::Arbeit;
using test::D;
using test::Phase;
using test::Phasen;
namespace a = calculation;

PhasenSatz Licht(std::string name, base::Date anfang, base::Date ende, std::string pflanzen, std::string flaeche,
                 std::string intensitaet, std::string dauer) {
  PhasenSatz p = Phase(anfang, ende, std::move(pflanzen), std::move(flaeche));
  p.Phasennamen = std::move(name);
  p.Intensitaet = std::move(intensitaet);
  p.Dauer = std::move(dauer);
  return p;
}

// ------------------------------------------------------------------------------ energy

TEST(EnergieAufschluesselung, WorkedExampleGives86Comma40) {
  // 100 W/m², 12 h a day, 30 days, 0,12 € per kWh, 50 plants per Nm².
  const auto phasen = Phasen({Licht("Jungpflanzen", D(1, 3, 2024), D(31, 3, 2024), "5000", "100", "100", "12")});
  const auto zeilen = a::EnergieZeilen(phasen, 1, "0,12");
  ASSERT_EQ(zeilen.size(), 1U);
  EXPECT_EQ(zeilen[0], (a::EnergieZeile{"Jungpflanzen", "100,0", "12,0", "50,0", "86,40"}));
}

TEST(EnergieAufschluesselung, UnlitPhasesGetNoRowAndDenserPhasesComeFirst) {
  const auto phasen = Phasen({
      Licht("Dunkel", D(1, 1, 2024), D(10, 1, 2024), "1000", "100", "0", "12"),
      Licht("Kurz", D(1, 1, 2024), D(10, 1, 2024), "1000", "100", "80", "0"),
      Licht("Weit", D(11, 1, 2024), D(20, 1, 2024), "1000", "100", "80", "10"),
      Licht("Eng", D(21, 1, 2024), D(30, 1, 2024), "3000", "100", "80", "10"),
      Licht("Auch weit", D(1, 2, 2024), D(5, 2, 2024), "1000", "100", "80", "10"),
  });
  const auto zeilen = a::EnergieZeilen(phasen, 5, "0,2");
  std::vector<std::string> namen;
  for (const auto& z : zeilen) namen.push_back(z[0]);
  EXPECT_EQ(namen, (std::vector<std::string>{"Eng", "Weit", "Auch weit"}));
  // Each row is the calculation's own energy cost of that phase.
  const double summe = mdlKalkulation::Energiekosten(phasen, 5, "0,2") * 1000.0;
  double zeilensumme = 0.0;
  for (const auto& z : zeilen) zeilensumme += base::NumberOr(z[4]);
  EXPECT_NEAR(zeilensumme, summe, 0.02);
}

TEST(EnergieAufschluesselung, FiguresThatCannotBeWorkedOutStayEmpty) {
  struct Fall {
    const char* pflanzen;
    const char* flaeche;
    const char* strom;
    const char* dichte;
    const char* kosten;
  };
  const Fall faelle[] = {
      {"0", "100", "0,12", "0,0", ""},  // no plants: no cost per plant
      {"500", "0", "0,12", "", ""},     // no area: no plants per Nm²
      {"500", "100", "", "5,0", ""},    // no electricity price
      {"abc", "100", "0,12", "", ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.pflanzen) + "/" + f.flaeche + "/" + f.strom);
    const auto phasen = Phasen({Licht("P", D(1, 3, 2024), D(31, 3, 2024), f.pflanzen, f.flaeche, "100", "12")});
    const auto zeilen = a::EnergieZeilen(phasen, 1, f.strom);
    ASSERT_EQ(zeilen.size(), 1U);
    EXPECT_EQ(zeilen[0][3], f.dichte);
    EXPECT_EQ(zeilen[0][4], f.kosten);
  }
}

// ------------------------------------------------------------------------------ machines

MaterialSatz Stamm(std::string nr, std::string gruppe, std::string preis, std::string name = "Stamm") {
  MaterialSatz m;
  m.MaterialNr = std::move(nr);
  m.UeberPNr = std::move(gruppe);
  m.Preis = std::move(preis);
  m.Materialname = std::move(name);
  return m;
}

KulturMaterialSatz Einsatz(std::string nr, std::string menge, base::Date datum, std::string name) {
  KulturMaterialSatz z;
  z.MaNr = std::move(nr);
  z.Menge = std::move(menge);
  z.Datum = datum;
  z.Materialname = std::move(name);
  return z;
}

MasterLists Stammlisten(std::vector<MaterialSatz> materialien) {
  MasterLists stamm;
  stamm.MaterialListe = std::move(materialien);
  stamm.MaterialNachNummer.Aufbauen(stamm.MaterialListe);
  return stamm;
}

TEST(MaschinenAufschluesselung, OnlyMachinesAreListedWithTheirPhaseMostPlantsFirst) {
  auto phasen = Phasen({Phase(D(1, 3, 2024), D(31, 3, 2024), "2000"), Phase(D(1, 4, 2024), D(30, 4, 2024), "4000")});
  phasen[1].Phasennamen = "Topfen";
  phasen[2].Phasennamen = "Rücken";
  const MasterLists stamm =
      Stammlisten({Stamm("M1100", "1009", "50"), Stamm("M1200", "1003", "2"), Stamm("M1300", "1009", "12,5")});
  const std::vector<KulturMaterialSatz> zeilen = {
      Einsatz("M1100", "2", D(10, 3, 2024), "Topfmaschine"),
      Einsatz("M1200", "100", D(10, 3, 2024), "Dünger"),  // no machine
      Einsatz("M1300", "4", D(15, 4, 2024), "Rückmaschine"),
      Einsatz("M9999", "1", D(15, 4, 2024), "Unbekannt"),  // material not found
  };
  const auto liste = a::MaschinenZeilen(zeilen, phasen, 2, stamm);
  ASSERT_EQ(liste.size(), 2U);
  EXPECT_EQ(liste[0], (a::MaschinenZeile{"Rückmaschine", "4", "12,50", "15.04.2024", "Rücken", "4000", "12,50"}));
  EXPECT_EQ(liste[1], (a::MaschinenZeile{"Topfmaschine", "2", "50,00", "10.03.2024", "Topfen", "2000", "50,00"}));
}

TEST(MaschinenAufschluesselung, RowOutsideEveryPhaseCostsNothingAndNamesNoPhase) {
  const auto phasen = Phasen({Phase(D(1, 3, 2024), D(31, 3, 2024), "2000")});
  const auto liste = a::MaschinenZeilen(std::vector{Einsatz("M1100", "2", D(1, 5, 2024), "Topfmaschine")}, phasen, 1,
                                        Stammlisten({Stamm("M1100", "1009", "50")}));
  ASSERT_EQ(liste.size(), 1U);
  EXPECT_EQ(liste[0][4], "");
  EXPECT_EQ(liste[0][5], "");
  EXPECT_EQ(liste[0][6], "0,00");
}

TEST(MaschinenAufschluesselung, OnTheDayTwoPhasesMeetTheRowUsesThePhaseTheCalculationDividesBy) {
  auto phasen = Phasen({Phase(D(1, 3, 2024), D(31, 3, 2024), "1000"), Phase(D(31, 3, 2024), D(30, 4, 2024), "4000")});
  phasen[1].Phasennamen = "Eins";
  phasen[2].Phasennamen = "Zwei";
  const auto liste = a::MaschinenZeilen(std::vector{Einsatz("M1100", "2", D(31, 3, 2024), "T")}, phasen, 2,
                                        Stammlisten({Stamm("M1100", "1009", "50")}));
  ASSERT_EQ(liste.size(), 1U);
  EXPECT_EQ(liste[0][4], "Zwei");
  EXPECT_EQ(liste[0][6], "25,00");
}

// ------------------------------------------------------------------------------ labour

LohneinteilungSatz Lohn(std::string personal, base::Date ab, std::string lohn) {
  LohneinteilungSatz l;
  l.PersonalNr = std::move(personal);
  l.DatumAb = ab;
  l.Lohn = std::move(lohn);
  return l;
}

KulturArbeitSatz Taetigkeit(base::Date datum, std::string personal, std::string stunden, std::string name) {
  KulturArbeitSatz a = Arbeit(datum, std::move(personal), std::move(stunden));
  a.Taetigkeit = std::move(name);
  a.Kuerzel = "KM";
  return a;
}

TEST(ArbeitAufschluesselung, WageByDatePhaseBoundaryTwiceMostPlantsFirstOutsideLeftOut) {
  auto phasen = Phasen(
      {Phase(D(1, 4, 2024), D(30, 4, 2024), "1000", "50"), Phase(D(30, 4, 2024), D(31, 5, 2024), "2000", "80,4")});
  phasen[1].Phasennamen = "Topfen";
  phasen[2].Phasennamen = "Rücken";
  const std::vector<LohneinteilungSatz> loehne = {Lohn("P1", D(1, 1, 2024), "12"), Lohn("P1", D(1, 5, 2024), "15"),
                                                  Lohn("P1", D(1, 5, 2024), "16")};  // same day: the later row
  const std::vector<KulturArbeitSatz> arbeiten = {
      Taetigkeit(D(29, 4, 2024), "P1", "2", "Topfen"),
      Taetigkeit(D(30, 4, 2024), "P1", "1", "Gießen"),  // on the day both phases share
      Taetigkeit(D(1, 5, 2024), "P1", "2", "Rücken"), Taetigkeit(D(1, 7, 2024), "P1", "9", "Später"),  // in no phase
  };
  const auto zeilen = a::ArbeitZeilen(phasen, 2, arbeiten, loehne, 3);
  ASSERT_EQ(zeilen.size(), 4U);
  EXPECT_EQ(zeilen[0], (a::ArbeitZeile{"Rücken", "2000", "80", "KM", "Gießen", "1", "6,00"}));
  EXPECT_EQ(zeilen[1], (a::ArbeitZeile{"Rücken", "2000", "80", "KM", "Rücken", "2", "16,00"}));
  EXPECT_EQ(zeilen[2], (a::ArbeitZeile{"Topfen", "1000", "50", "KM", "Topfen", "2", "24,00"}));
  EXPECT_EQ(zeilen[3], (a::ArbeitZeile{"Topfen", "1000", "50", "KM", "Gießen", "1", "12,00"}));
}

TEST(ArbeitAufschluesselung, WorkWithoutAWageOrPlantsShowsNoCost) {
  struct Fall {
    const char* name;
    const char* personal;
    const char* pflanzen;
    const char* stunden;
  };
  const Fall faelle[] = {
      {"person without wage rows", "P2", "1000", "2"},
      {"wage only from a later day", "P3", "1000", "2"},
      {"no plants", "P1", "0", "2"},
      {"hours no number", "P1", "1000", "x"},
  };
  const std::vector<LohneinteilungSatz> loehne = {Lohn("P1", D(1, 1, 2024), "12"), Lohn("P3", D(1, 6, 2024), "12")};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const auto phasen = Phasen({Phase(D(1, 4, 2024), D(30, 4, 2024), f.pflanzen)});
    const auto zeilen = a::ArbeitZeilen(phasen, 1, {Taetigkeit(D(2, 4, 2024), f.personal, f.stunden, "T")}, loehne, 2);
    ASSERT_EQ(zeilen.size(), 1U);
    EXPECT_EQ(zeilen[0][6], "");
  }
}

// ------------------------------------------------------------------------------ activity material

TEST(PSMAufschluesselung, ListOrderCostPerHourAndOutsideEveryPhase) {
  auto phasen = Phasen({Phase(D(1, 4, 2024), D(30, 4, 2024), "2000")});
  phasen[1].Phasennamen = "Topfen";
  std::vector<ArbeitMaterialSatz> kosten(5);
  kosten[2].TaetigkeitNr = "StdT1002";
  kosten[2].KostenJeStunde = "4";
  std::vector<KulturArbeitSatz> arbeiten = {Arbeit(D(20, 4, 2024), "P1", "5", "StdT1002"),
                                            Arbeit(D(10, 4, 2024), "P1", "3", "StdT1009"),   // no cost per hour
                                            Arbeit(D(10, 6, 2024), "P1", "2", "StdT1002")};  // in no phase
  arbeiten[0].Taetigkeit = "Spritzen";
  arbeiten[1].Taetigkeit = "Rücken";
  arbeiten[2].Taetigkeit = "Spritzen";
  const auto zeilen = a::PSMZeilen(arbeiten, kosten, phasen, 1);
  ASSERT_EQ(zeilen.size(), 3U);
  EXPECT_EQ(zeilen[0], (a::PSMZeile{"Spritzen", "Topfen", "20.04.2024", "4,00", "5", "10,00"}));
  EXPECT_EQ(zeilen[1], (a::PSMZeile{"Rücken", "Topfen", "10.04.2024", "0,00", "3", "0,00"}));
  EXPECT_EQ(zeilen[2], (a::PSMZeile{"Spritzen", "", "10.06.2024", "4,00", "2", "0,00"}));
  // The rows add up to the calculation's figure.
  EXPECT_NEAR(mdlKalkulation::PSMKosten(arbeiten, kosten, phasen, 1) * 1000.0, 10.0, 1e-9);
}

TEST(PSMAufschluesselung, NoPlantsInThePhaseLeavesTheCostEmpty) {
  const auto phasen = Phasen({Phase(D(1, 4, 2024), D(30, 4, 2024), "0")});
  std::vector<ArbeitMaterialSatz> kosten(1);
  kosten[0].TaetigkeitNr = "StdT1002";
  kosten[0].KostenJeStunde = "4";
  const auto zeilen = a::PSMZeilen({Arbeit(D(20, 4, 2024), "P1", "5", "StdT1002")}, kosten, phasen, 1);
  ASSERT_EQ(zeilen.size(), 1U);
  EXPECT_EQ(zeilen[0][5], "");
}

// ------------------------------------------------------------------------------ marketing

TEST(VermarktungsRechnung, ShareFromTurnover) {
  struct Fall {
    const char* kosten;
    const char* umsatz;
    std::optional<std::string> anteil;
  };
  const Fall faelle[] = {{"5000", "100000", "5"},      {"1000", "3000", "33,3333333333333"},
                         {"", "100000", std::nullopt}, {"5000", "", std::nullopt},
                         {"5000", "0", std::nullopt},  {"5.000", "100000", std::nullopt},
                         {"-300", "30000", "-1"},      {"40000", "30000", "133,333333333333"},
                         {"1e13", "1", std::nullopt},  {"1", "1e-310", std::nullopt}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.kosten) + " / " + f.umsatz);
    EXPECT_EQ(a::VermarktungsanteilAusUmsatz(f.kosten, f.umsatz), f.anteil);
  }
}

TEST(VermarktungsRechnung, CostPer1000PlantsFromPriceAndShare) {
  struct Fall {
    const char* preis;
    const char* anteil;
    std::optional<std::string> kosten;
  };
  const Fall faelle[] = {{"2,00", "5", "100,00"},  {"1,65", "4,2", "69,30"},       {"2,00", "", "0,00"},
                         {"", "5", std::nullopt},  {"abc", "5", std::nullopt},     {"2,00", "x", std::nullopt},
                         {"2,00", "-1", "-20,00"}, {"2,00", "1e13", std::nullopt}, {"1e12", "100", std::nullopt}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.preis) + " x " + f.anteil);
    EXPECT_EQ(a::VermarktungskostenJe1000(f.preis, f.anteil), f.kosten);
  }
}

}  // namespace
}  // namespace tolvar
