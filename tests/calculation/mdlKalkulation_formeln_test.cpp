// Cost per plant of the computed cost types, on lists built in code.

#include "calculation/mdlKalkulation_formeln.h"

#include <gtest/gtest.h>

#include "calc_fixtures.h"

namespace tolvar::mdlKalkulation {
namespace {

using test::Arbeit;
using test::D;
using test::Phase;
using test::Phasen;

std::string Je1000(double jePflanze) { return base::Format(jePflanze * 1000.0, "0.00"); }

KulturStandortSatz Belegung(base::Date beginn, base::Date ende, std::string wege, double heizkostenJeQm,
                            std::string standort = "Sta1", std::string flaeche = "100") {
  KulturStandortSatz b;
  b.StandortName = "Haus";
  b.StandortNr = std::move(standort);
  b.Beginn = beginn;
  b.Ende = ende;
  b.Wege = std::move(wege);
  b.Flaeche = std::move(flaeche);
  b.HeizkostenJeQm = heizkostenJeQm;
  return b;
}

TEST(HeizkostenTest, PhasesPairWithTheOccupancyTheyBeginIn) {
  const auto phasen = Phasen(
      {Phase(D(1, 3, 2025), D(31, 3, 2025), "1000", "100"), Phase(D(1, 4, 2025), D(30, 4, 2025), "1000", "200")});
  struct Fall {
    const char* name;
    KulturStandortSatz belegung;
    const char* erwartet;
    bool fehlt = false;
  };
  const Fall faelle[] = {
      // The occupancy's own 100 m² in each phase: 2 x (1 + 10/100) x 100 x 5 / 1000 = 1,10.
      {"over both phases", Belegung(D(1, 3, 2025), D(30, 4, 2025), "10", 5.0), "1100,00"},
      {"starts ten days into its phase", Belegung(D(11, 3, 2025), D(31, 3, 2025), "10", 5.0), "0,00"},
      {"phase 2 only", Belegung(D(1, 4, 2025), D(30, 4, 2025), "0", 5.0, "Sta1", "200"), "1000,00"},
      // Missing data: the cost box stays empty rather than showing a cost without the house.
      {"path share that is no number", Belegung(D(1, 3, 2025), D(30, 4, 2025), "", 5.0), "0,00", true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const Kosten k = Heizkosten(phasen, 2, std::vector{f.belegung});
    EXPECT_EQ(k.Fehlt, f.fehlt);
    EXPECT_EQ(Je1000(k.Wert), f.erwartet);
  }
}

TEST(HeizkostenTest, TwoHousesInOnePhaseEachCountTheirOwnArea) {
  // Phase area 200 m² = two houses of 100 m²; each house's cost per m² applies to its own
  // 100 m² only: (1 x 100 x 5 + 1 x 100 x 3) / 1000 = 0,80 per plant.
  const auto phasen = Phasen({Phase(D(1, 4, 2025), D(30, 4, 2025), "1000", "200")});
  const Kosten k = Heizkosten(phasen, 1,
                              std::vector{Belegung(D(1, 4, 2025), D(30, 4, 2025), "0", 5.0, "Sta1", "100"),
                                          Belegung(D(1, 4, 2025), D(30, 4, 2025), "0", 3.0, "Sta2", "100")});
  EXPECT_FALSE(k.Fehlt);
  EXPECT_EQ(Je1000(k.Wert), "800,00");
}

TEST(HeizkostenTest, PhaseWithoutPlantsIsLeftOutAndFailedHeatingRunIsMissingData) {
  const auto phasen =
      Phasen({Phase(D(1, 3, 2025), D(31, 3, 2025), "", "100"), Phase(D(1, 4, 2025), D(30, 4, 2025), "1000", "200")});
  const Kosten ohnePflanzen =
      Heizkosten(phasen, 2, std::vector{Belegung(D(1, 3, 2025), D(30, 4, 2025), "0", 5.0, "Sta1", "200")});
  EXPECT_EQ(Je1000(ohnePflanzen.Wert), "1000,00");

  auto fehlgeschlagen = Belegung(D(1, 4, 2025), D(30, 4, 2025), "0", 0.0);
  fehlgeschlagen.HeizdatenFehlen = true;
  EXPECT_TRUE(Heizkosten(phasen, 2, std::vector{fehlgeschlagen}).Fehlt);
  // An occupancy that pairs with no phase does not count.
  fehlgeschlagen.Beginn = D(2, 4, 2025);
  EXPECT_FALSE(Heizkosten(phasen, 2, std::vector{fehlgeschlagen}).Fehlt);
}

TEST(EnergiekostenTest, MarchCountsThirtyDays) {
  auto p = Phase(D(1, 3, 2025), D(31, 3, 2025), "2000", "100");
  p.Intensitaet = "40";
  p.Dauer = "10";
  // 40 W x 10 h x 30 days = 12 kWh per m², x 0,20 € = 2,40 € per m², 20 plants per m².
  EXPECT_EQ(Je1000(Energiekosten(Phasen({p}), 1, "0,20")), "120,00");
  p.Flaeche = "0";
  EXPECT_EQ(Je1000(Energiekosten(Phasen({p}), 1, "0,20")), "0,00");
  p.Flaeche = "100";
  EXPECT_EQ(Je1000(Energiekosten(Phasen({p}), 1, "")), "0,00");
}

TEST(VermarktungskostenTest, ShareOfThePrice) {
  EXPECT_EQ(Je1000(Vermarktungskosten("5", "0,50")), "25,00");
  EXPECT_EQ(Je1000(Vermarktungskosten("", "0,50")), "0,00");
  EXPECT_EQ(Je1000(Vermarktungskosten("5", "abc")), "0,00");
}

std::vector<ArbeitMaterialSatz> ArbeitMaterial() {
  std::vector<ArbeitMaterialSatz> liste(501);
  liste[0] = {"StdT1002", "1,50"};
  liste[1] = {"StdT1004", "0,80"};
  liste[2] = {"StdT1002", "99"};  // a later slot of the same activity is not read
  return liste;
}

TEST(PSMKostenTest, WorkAddsItsActivitysMaterialCost) {
  const auto phasen =
      Phasen({Phase(D(1, 3, 2025), D(31, 3, 2025), "1000"), Phase(D(1, 4, 2025), D(30, 4, 2025), "500")});
  struct Fall {
    const char* name;
    KulturArbeitSatz arbeit;
    const char* erwartet;
  };
  const Fall faelle[] = {
      {"phase 1", Arbeit(D(10, 3, 2025), "P1", "4", "StdT1002"), "6,00"},
      {"phase 2", Arbeit(D(10, 4, 2025), "P1", "5", "StdT1004"), "8,00"},
      {"activity 0", Arbeit(D(10, 3, 2025), "P1", "4", "0"), "0,00"},
      {"no material cost for the activity", Arbeit(D(10, 3, 2025), "P1", "4", "StdT1009"), "0,00"},
      {"a day before the first phase", Arbeit(D(28, 2, 2025), "P1", "4", "StdT1002"), "0,00"},
      {"hours that are no number", Arbeit(D(10, 3, 2025), "P1", "x", "StdT1002"), "0,00"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(Je1000(PSMKosten({f.arbeit}, ArbeitMaterial(), phasen, 2)), f.erwartet);
  }
}

LohneinteilungSatz Lohnzeile(std::string personal, base::Date ab, std::string lohn) {
  LohneinteilungSatz z;
  z.PersonalNr = std::move(personal);
  z.DatumAb = ab;
  z.Lohn = std::move(lohn);
  return z;
}

TEST(ArbeitskostenTest, WageRowIsTheLatestOnOrBeforeTheDay) {
  std::vector<LohneinteilungSatz> lohn(101);
  lohn[0] = Lohnzeile("P1", D(1, 1, 2005), "10");
  lohn[1] = Lohnzeile("P1", D(1, 7, 2005), "20");
  lohn[2] = Lohnzeile("P2", D(1, 1, 2005), "11");
  lohn[3] = Lohnzeile("P2", D(1, 1, 2005), "12");  // same date: the later row wins
  lohn[4] = Lohnzeile("P3", 1.0, "13");            // before 01.01.1900: never qualifies
  const int anzahl = 5;
  struct Fall {
    const char* person;
    base::Date tag;
    const char* lohn;  // nullptr: no wage row
  };
  const Fall faelle[] = {{"P1", D(30, 6, 2005), "10"}, {"P1", D(1, 7, 2005), "20"},    {"P1", D(31, 12, 2004), nullptr},
                         {"P2", D(1, 2, 2005), "12"},  {"P3", D(1, 1, 2005), nullptr}, {"P9", D(1, 1, 2005), nullptr},
                         {"", D(1, 1, 2005), nullptr}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.person) + " " + base::DateText(f.tag));
    const LohneinteilungSatz* z = LohnzeileWaehlen(lohn, anzahl, f.person, f.tag);
    if (f.lohn) {
      ASSERT_NE(z, nullptr);
      EXPECT_EQ(z->Lohn, f.lohn);
    } else {
      EXPECT_EQ(z, nullptr);
    }
  }

  const auto phasen = Phasen({Phase(D(1, 6, 2005), D(31, 7, 2005), "1000")});
  const Kosten k =
      Arbeitskosten(phasen, 1, {Arbeit(D(30, 6, 2005), "P1", "2"), Arbeit(D(1, 7, 2005), "P1", "1")}, lohn, anzahl);
  EXPECT_FALSE(k.Fehlt);
  EXPECT_EQ(Je1000(k.Wert), "40,00");  // (2 x 10 + 1 x 20) / 1000
  // Work outside every phase adds nothing; work of a person without a wage row is missing data.
  EXPECT_EQ(Je1000(Arbeitskosten(phasen, 1, {Arbeit(D(1, 8, 2005), "P1", "2")}, lohn, anzahl).Wert), "0,00");
  EXPECT_TRUE(Arbeitskosten(phasen, 1, {Arbeit(D(1, 7, 2005), "P9", "2")}, lohn, anzahl).Fehlt);
}

class GemeinkostenTest : public ::testing::Test {
 protected:
  GemeinkostenTest() {
    einstellungen.Gemeinkosten = "45000";
    einstellungen.Flaeche = "1000";
    einstellungen.Belegung = "75";
  }
  std::string Rechnen(std::string typ, std::string menge, const std::vector<StandortGemeinkosten>& standorte) {
    einstellungen.Gemeinkostentyp = std::move(typ);
    return Je1000(Gemeinkosten(einstellungen, menge, phasen, 1, belegungen, standorte));
  }
  EinstellungenSatz einstellungen;
  // 100 Nm² for 30 days: 3000 area-days.
  std::vector<PhasenSatz> phasen = Phasen({Phase(D(1, 3, 2025), D(31, 3, 2025), "1000", "100")});
  std::vector<KulturStandortSatz> belegungen = {Belegung(D(1, 3, 2025), D(31, 3, 2025), "0", 0.0, "Sta1")};
};

TEST_F(GemeinkostenTest, UniformAndBySite) {
  // 45000 / (0,75 x 1000) x 3000 / 365 / 1000 plants.
  EXPECT_EQ(Rechnen("0", "1000", {}), "493,15");
  EXPECT_EQ(Rechnen("1", "1000", {}), "493,15");
  // The site carries 7300 € a year on (1 - 20 %) x 50 x 20 m² at 75 %: 100 € for the
  // occupancy; the other 37700 € are spread uniformly: 413,15 €.
  const std::vector<StandortGemeinkosten> standorte = {{"Sta1", "7300", "50", "20", "20"},
                                                       {"Sta2", "", "10", "10", "0"}};
  EXPECT_EQ(Rechnen("1", "1000", standorte), "513,15");
  // A site whose share cannot be computed adds nothing; its overheads still count as assigned.
  const std::vector<StandortGemeinkosten> ohneLaenge = {{"Sta1", "7300", "", "20", "20"}};
  EXPECT_EQ(Rechnen("1", "1000", ohneLaenge), "413,15");
}

TEST_F(GemeinkostenTest, OtherTypeOrNoPlantsGiveZero) {
  EXPECT_EQ(Rechnen("2", "1000", {}), "0,00");
  EXPECT_EQ(Rechnen("", "1000", {}), "0,00");
  EXPECT_EQ(Rechnen("0", "0", {}), "0,00");
  einstellungen.Belegung = "0";
  EXPECT_EQ(Rechnen("0", "1000", {}), "0,00");
}

}  // namespace
}  // namespace tolvar::mdlKalkulation
