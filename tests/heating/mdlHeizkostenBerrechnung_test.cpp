// Pairing of occupancies with phases, reading a site's values, and marking missing data,
// on data held in memory.

#include "heating/mdlHeizkostenBerrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace tolvar::mdlHeizkostenBerrechnung {
namespace {

base::Date D(int y, int m, int d) { return *base::MakeDate(y, m, d); }

const char* kKultur = "K1001";

PhasenSatz Phase(int nr, base::Date anfang, base::Date ende, const char* tt = "20", const char* nt = "16") {
  PhasenSatz p;
  p.Phasennummer = std::to_string(nr);
  p.KP_ID = std::string(kKultur) + "_" + p.Phasennummer;
  p.Kulturnummer = kKultur;
  p.Anfang = anfang;
  p.Ende = ende;
  p.TT = tt;
  p.NT = nt;
  return p;
}

KulturStandortSatz Belegung(const char* standort, base::Date beginn, base::Date ende, const char* kultur = kKultur) {
  KulturStandortSatz b;
  b.KulturNr = kultur;
  b.StandortNr = standort;
  b.Flaeche = "100";
  b.Beginn = beginn;
  b.Ende = ende;
  return b;
}

Vantelzeile Haus() {
  Vantelzeile z;
  z.Laenge = "50";
  z.Breite = "10";
  z.Stehwand = "3";
  z.Dach = "5";
  z.Bauart = "1";
  z.EinDach = z.EinStehL = z.EinStehR = z.EinGiebelV = z.EinGiebelH = "Glas";
  z.GTStehL = z.GTStehR = z.GTGiebelV = z.GTGiebelH = "0";
  z.Anpassung = "1";
  z.Wirkungsgrad = "85";
  z.ESchirm = true;
  z.Einsparung = "20";
  z.Brennstoff = "Heizöl";
  return z;
}

// A varied climate so that set-points, screen and sun all matter.
Heizdaten Daten() {
  Heizdaten d;
  d.Standorte["Sta1001"] = Haus();
  d.Standorte["Sta1002"] = Haus();
  d.Eindeckungen["Glas"] = {5.6, 90};
  d.Eindeckungen["Folie"] = {4.0, 80};
  d.Brennstoffe["Heizöl"] = {10, 10.6, 0.6};
  Klimatabellen k;
  for (int w = 1; w <= kWochen; ++w) {
    for (int h = 0; h < kStunden; ++h) {
      k.Temperatur[w][h] = base::Int(8 - 10 * std::cos(w / 8.3) + (h > 10 && h < 17 ? 4 : 0));
      k.Einstrahlung[w][h] = IstNachtstunde(h) ? 0 : 40 + 5 * w;
    }
  }
  d.Klima = k;
  return d;
}

class HeatingCostTest : public testing::Test {
 protected:
  std::vector<PhasenSatz> phasen{26};
  std::vector<KulturStandortSatz> belegungen;
  Heizdaten daten = Daten();

  void SetUp() override {
    phasen[1] = Phase(1, D(2024, 1, 10), D(2024, 2, 20));
    phasen[2] = Phase(2, D(2024, 2, 20), D(2024, 4, 30), "18", "14");
  }
  void Rechnen() { HeizkostenBerechnen(kKultur, phasen, belegungen, daten); }
  // The occupancy computed alone for one phase over [beginn, ende].
  KulturStandortSatz Allein(const KulturStandortSatz& b, int phase, base::Date beginn, base::Date ende) {
    Heizlauf lauf{daten, {}};
    KulturStandortSatz kopie = b;
    StandortHeizbedarfBerechnen(lauf, phasen[static_cast<std::size_t>(phase)], kopie, beginn, ende);
    return kopie;
  }
};

void ErwarteGleich(const KulturStandortSatz& a, const KulturStandortSatz& b) {
  EXPECT_EQ(a.Heizbedarf, b.Heizbedarf);
  EXPECT_EQ(a.Energiebedarf, b.Energiebedarf);
  EXPECT_EQ(a.BrennstoffJeQm, b.BrennstoffJeQm);
  EXPECT_EQ(a.HeizkostenJeQm, b.HeizkostenJeQm);
  EXPECT_EQ(a.Heiztage, b.Heiztage);
  EXPECT_EQ(a.HeizdatenFehlen, b.HeizdatenFehlen);
}

TEST_F(HeatingCostTest, PairingWithThePhaseInWhichTheOccupancyBegins) {
  struct Fall {
    const char* name;
    base::Date beginn, ende;
    int phase;  // 0: not paired
    base::Date heizende;
  };
  const Fall faelle[] = {
      {"begins on the phase's first day", D(2024, 1, 10), D(2024, 2, 1), 1, D(2024, 2, 1)},
      {"ends before its phase", D(2024, 1, 15), D(2024, 1, 31), 1, D(2024, 1, 31)},
      {"spans two phases: heated to the first's end", D(2024, 2, 1), D(2024, 4, 1), 1, D(2024, 2, 20)},
      {"begins on the shared day: the later phase remains", D(2024, 2, 20), D(2024, 3, 10), 2, D(2024, 3, 10)},
      {"begins on the last phase's end", D(2024, 4, 30), D(2024, 5, 20), 2, D(2024, 4, 30)},
      {"begins before the first phase", D(2024, 1, 9), D(2024, 2, 1), 0, 0},
      {"begins after the last phase", D(2024, 5, 1), D(2024, 5, 9), 0, 0},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    belegungen = {Belegung("Sta1001", f.beginn, f.ende)};
    belegungen[0].Heizbedarf = 4711;  // from an earlier run
    belegungen[0].Heiztage = 17;
    Rechnen();
    const auto& b = belegungen[0];
    if (f.phase == 0) {
      ErwarteGleich(b, KulturStandortSatz{});
      continue;
    }
    EXPECT_FALSE(b.HeizdatenFehlen);
    EXPECT_GT(b.Heizbedarf, 0);
    EXPECT_EQ(b.Heiztage, base::DaysBetween(f.beginn, f.heizende));
    ErwarteGleich(b, Allein(Belegung("Sta1001", f.beginn, f.ende), f.phase, f.beginn, f.heizende));
  }
}

TEST_F(HeatingCostTest, SharedDayPhasesGiveDifferentResults) {
  // Guards the test above: phase 1 and 2 differ, so "the later phase remains" is visible.
  const auto b = Belegung("Sta1001", D(2024, 2, 20), D(2024, 3, 10));
  EXPECT_NE(Allein(b, 1, b.Beginn, D(2024, 2, 20)).Heizbedarf, Allein(b, 2, b.Beginn, b.Ende).Heizbedarf);
}

TEST_F(HeatingCostTest, OtherCulturesAndFreeSlotsAreLeftAlone) {
  belegungen = {Belegung("Sta1001", D(2024, 1, 10), D(2024, 1, 20), "K2002"),
                Belegung("0", D(2024, 1, 10), D(2024, 1, 20)),  // a free slot
                Belegung("Sta1002", D(2024, 1, 10), D(2024, 1, 20))};
  belegungen[0].Heizbedarf = 12;
  belegungen[1].Heizbedarf = 13;
  Rechnen();
  EXPECT_EQ(belegungen[0].Heizbedarf, 12);  // other culture: untouched
  EXPECT_EQ(belegungen[1].Heizbedarf, 0);   // cleared, not computed, not lacking
  EXPECT_FALSE(belegungen[1].HeizdatenFehlen);
  EXPECT_GT(belegungen[2].Heizbedarf, 0);
}

TEST_F(HeatingCostTest, EmptyPhaseSlotsArePassedOver) {
  phasen[3] = PhasenSatz{};  // emptied by the saver: both dates "no date"
  phasen[3].Anfang = phasen[3].Ende = base::kNoDate;
  belegungen = {Belegung("Sta1001", base::kNoDate, base::kNoDate)};
  belegungen[0].StandortNr = "Sta1001";
  Rechnen();
  ErwarteGleich(belegungen[0], KulturStandortSatz{});
}

// Every case breaks one value of occupancy 0; it gets no result and is marked, while
// occupancy 1 on another site is computed all the same.
TEST_F(HeatingCostTest, MissingOrUnusableDataMarksOnlyThatOccupancy) {
  struct Fall {
    const char* name;
    std::function<void(Heizdaten&, Vantelzeile&, PhasenSatz&)> aendern;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Fall faelle[] = {
      {"no Vantel row", [](Heizdaten& d, Vantelzeile&, PhasenSatz&) { d.Standorte.erase("Sta1001"); }},
      {"unknown roof covering", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.EinDach = "Stroh"; }},
      {"unknown gable covering", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.EinGiebelH = "Stroh"; }},
      {"unknown fuel", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.Brennstoff = "Holz"; }},
      {"type 4", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.Bauart = "4"; }},
      {"type empty", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.Bauart = ""; }},
      {"Venlo with 0 bays",
       [](Heizdaten&, Vantelzeile& z, PhasenSatz&) {
         z.Bauart = "2";
         z.Kappenzahl = "0";
       }},
      {"width 0: no floor", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.Breite = "0"; }},
      {"length not a number", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.Laenge = "fünfzig"; }},
      {"length and width 0, as a group proposes",
       [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.Laenge = z.Breite = "0"; }},
      {"efficiency 0,0", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.Wirkungsgrad = "0,0"; }},
      {"calorific value 0",
       [](Heizdaten& d, Vantelzeile&, PhasenSatz&) { d.Brennstoffe["Heizöl"].UntererBrennwert = 0; }},
      {"price missing", [](Heizdaten& d, Vantelzeile&, PhasenSatz&) { d.Brennstoffe["Heizöl"].Preis.reset(); }},
      {"k-value missing", [](Heizdaten& d, Vantelzeile&, PhasenSatz&) { d.Eindeckungen["Glas"].kWert.reset(); }},
      {"boundary temperature no number",
       [](Heizdaten&, Vantelzeile& z, PhasenSatz&) {
         z.AFStehL = false;
         z.GTStehL = "warm";
       }},
      {"screen saving empty", [](Heizdaten&, Vantelzeile& z, PhasenSatz&) { z.Einsparung = ""; }},
      {"set-point no number", [](Heizdaten&, Vantelzeile&, PhasenSatz& p) { p.NT = "kalt"; }},
      {"climate missing", [](Heizdaten& d, Vantelzeile&, PhasenSatz&) { d.Klima.reset(); }},
      {"climate week short", [=](Heizdaten& d, Vantelzeile&, PhasenSatz&) { d.Klima->Einstrahlung[3][23] = nan; }},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    daten = Daten();
    // The second site shares nothing with the first but the climate.
    auto& zweite = daten.Standorte["Sta1002"];
    zweite.EinDach = zweite.EinStehL = zweite.EinStehR = zweite.EinGiebelV = zweite.EinGiebelH = "Folie";
    zweite.Brennstoff = "Erdgas";
    daten.Brennstoffe["Erdgas"] = {10, 11, 0.08};
    phasen[1] = Phase(1, D(2024, 1, 10), D(2024, 2, 20));
    phasen[2] = Phase(2, D(2024, 2, 20), D(2024, 4, 30), "18", "14");
    belegungen = {Belegung("Sta1001", D(2024, 1, 10), D(2024, 1, 20)),
                  Belegung("Sta1002", D(2024, 2, 21), D(2024, 3, 1))};
    belegungen[0].Heizbedarf = 99;
    f.aendern(daten, daten.Standorte["Sta1001"], phasen[1]);
    Rechnen();
    EXPECT_TRUE(belegungen[0].HeizdatenFehlen);
    EXPECT_EQ(belegungen[0].Heizbedarf, 0);
    EXPECT_EQ(belegungen[0].HeizkostenJeQm, 0);
    EXPECT_EQ(belegungen[0].Heiztage, 0);
    const bool zweiteBetroffen = std::string(f.name) == "climate missing";
    EXPECT_EQ(belegungen[1].HeizdatenFehlen, zweiteBetroffen);
    EXPECT_EQ(belegungen[1].HeizkostenJeQm > 0, !zweiteBetroffen);
  }
}

// Rules for the stored texts, seen through whole results.
TEST_F(HeatingCostTest, ReplacementRulesInTheResults) {
  const auto rechnen = [&](const std::function<void(Vantelzeile&)>& aendern) {
    daten = Daten();
    aendern(daten.Standorte["Sta1001"]);
    belegungen = {Belegung("Sta1001", D(2024, 1, 10), D(2024, 2, 10))};
    Rechnen();
    EXPECT_FALSE(belegungen[0].HeizdatenFehlen);
    return belegungen[0];
  };
  const auto basis = rechnen([](Vantelzeile&) {});
  ASSERT_GT(basis.Heizbedarf, 0);

  SCOPED_TRACE("Stehwand");
  // A foil house without side walls loses heat through its roof and gables only.
  const auto ohneWand = rechnen([](Vantelzeile& z) {
    z.Stehwand = "0";
    z.Bauart = "3";
  });
  EXPECT_GT(ohneWand.HeizkostenJeQm, 0);
  EXPECT_TRUE(std::isfinite(ohneWand.HeizkostenJeQm));

  SCOPED_TRACE("Anpassung");
  EXPECT_EQ(rechnen([](Vantelzeile& z) { z.Anpassung = ""; }).Heizbedarf, basis.Heizbedarf);
  EXPECT_EQ(rechnen([](Vantelzeile& z) { z.Anpassung = "0"; }).Heizbedarf, basis.Heizbedarf);
  const auto null = rechnen([](Vantelzeile& z) { z.Anpassung = "0,0"; });
  EXPECT_EQ(null.Heizbedarf, 0);
  EXPECT_EQ(null.HeizkostenJeQm, 0);
  EXPECT_DOUBLE_EQ(rechnen([](Vantelzeile& z) { z.Anpassung = "1,5"; }).Heizbedarf, 1.5 * basis.Heizbedarf);

  SCOPED_TRACE("Wirkungsgrad");
  for (const char* leer : {"", "0"}) {
    EXPECT_EQ(rechnen([&](Vantelzeile& z) { z.Wirkungsgrad = leer; }).Energiebedarf, basis.Energiebedarf);
  }
  EXPECT_DOUBLE_EQ(rechnen([](Vantelzeile& z) { z.Wirkungsgrad = "100"; }).Energiebedarf, basis.Heizbedarf);

  SCOPED_TRACE("Kappenzahl");
  const auto venloLeer = rechnen([](Vantelzeile& z) {
    z.Bauart = "2";
    z.Kappenzahl = "";
  });
  EXPECT_EQ(venloLeer.Heizbedarf, basis.Heizbedarf);  // one bay: the wide-span roof
  EXPECT_GT(rechnen([](Vantelzeile& z) {
              z.Bauart = "2";
              z.Kappenzahl = "3";
            }).Heizbedarf,
            basis.Heizbedarf);
  EXPECT_EQ(rechnen([](Vantelzeile& z) { z.Kappenzahl = "viele"; }).Heizbedarf, basis.Heizbedarf);  // unused for type 1

  SCOPED_TRACE("Einsparung");
  const auto ohneSchirm = rechnen([](Vantelzeile& z) { z.ESchirm = false; });
  EXPECT_EQ(rechnen([](Vantelzeile& z) {
              z.ESchirm = false;
              z.Einsparung = "90";
            }).Heizbedarf,
            ohneSchirm.Heizbedarf);
  EXPECT_EQ(rechnen([](Vantelzeile& z) {
              z.ESchirm = false;
              z.Einsparung = "x";
            }).Heizbedarf,
            ohneSchirm.Heizbedarf);
  EXPECT_GT(ohneSchirm.Heizbedarf, basis.Heizbedarf);

  SCOPED_TRACE("Brennwert");
  const auto brennwert = rechnen([](Vantelzeile& z) { z.Brennwert = true; });
  EXPECT_DOUBLE_EQ(brennwert.BrennstoffJeQm, basis.Energiebedarf / 10.6 / 500);
  EXPECT_DOUBLE_EQ(basis.BrennstoffJeQm, basis.Energiebedarf / 10 / 500);
  EXPECT_DOUBLE_EQ(basis.HeizkostenJeQm, 0.6 * basis.BrennstoffJeQm);

  SCOPED_TRACE("boundary surface with empty temperature uses 0 °C");
  const auto grenze = rechnen([](Vantelzeile& z) {
    z.AFStehL = false;
    z.GTStehL = "";
  });
  EXPECT_EQ(grenze.Heizbedarf, rechnen([](Vantelzeile& z) {
                                 z.AFStehL = false;
                                 z.GTStehL = "0";
                               }).Heizbedarf);
}

TEST_F(HeatingCostTest, ResultIsTheSumOfTheFiveSurfaceTexts) {
  // Constant 0 °C, no sun, no screen, set-points 10 °C, k 1 everywhere: per date each
  // surface loses 240 Wh per m². One date: walls 36, gables 9,6 -> 10, roof 129,2 -> 129.
  daten.Eindeckungen["Glas"] = {1.0, 90};
  for (auto& w : daten.Klima->Temperatur) w.fill(0);
  for (auto& w : daten.Klima->Einstrahlung) w.fill(0);
  daten.Standorte["Sta1001"].ESchirm = false;
  phasen[1] = Phase(1, D(2024, 1, 10), D(2024, 2, 20), "10", "10");
  belegungen = {Belegung("Sta1001", D(2024, 1, 12), D(2024, 1, 12))};
  Rechnen();
  const auto& b = belegungen[0];
  EXPECT_EQ(b.Heiztage, 0);
  EXPECT_DOUBLE_EQ(b.Heizbedarf, 36 + 36 + 10 + 10 + 129);
  EXPECT_DOUBLE_EQ(b.Energiebedarf, 221 / 0.85);
  EXPECT_DOUBLE_EQ(b.BrennstoffJeQm, 221 / 0.85 / 10 / 500);
}

}  // namespace
}  // namespace tolvar::mdlHeizkostenBerrechnung
