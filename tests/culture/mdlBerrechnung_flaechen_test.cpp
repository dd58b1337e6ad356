// Net and gross areas of the phases from the overlapping site occupancies.

#include "culture/mdlBerrechnung_flaechen.h"

#include <gtest/gtest.h>

#include "culture_fixture.h"

namespace tolvar::mdlBerrechnung {
namespace {

using test::D;

class PhaseAreasTest : public test::CultureFixture {
 protected:
  void Belegungen(const std::vector<KulturStandortSatz>& liste) {
    State& s = state();
    s.culture.KulturStandortListe = liste;
    KulturStandortSatz frei;
    frei.KulturNr = "K1023";
    s.culture.KulturStandortListe.push_back(frei);
    s.culture.AnzahlKulturStandorte = static_cast<int>(liste.size());
  }
  static KulturStandortSatz B(base::Date beginn, base::Date ende, const std::string& flaeche,
                              const std::string& wege = "0") {
    KulturStandortSatz k;
    k.KulturNr = "K1023";
    k.StandortNr = "Sta1002";
    k.Beginn = beginn;
    k.Ende = ende;
    k.Flaeche = flaeche;
    k.Wege = wege;
    return k;
  }
};

TEST_F(PhaseAreasTest, WhichOccupanciesCount) {
  PhasenSetzen({{D(2024, 3, 1), D(2024, 4, 30)}});
  struct Fall {
    const char* name;
    base::Date beginn, ende;
    bool zaehlt;
  };
  const std::vector<Fall> faelle = {
      {"endet am ersten Tag", D(2024, 2, 10), D(2024, 3, 1), true},
      {"beginnt am letzten Tag", D(2024, 4, 30), D(2024, 5, 31), false},
      {"danach", D(2024, 5, 1), D(2024, 5, 31), false},
      {"hinein", D(2024, 4, 15), D(2024, 5, 15), true},
      {"davor", D(2024, 1, 1), D(2024, 2, 28), false},
      {"umspannt", D(2024, 1, 1), D(2024, 12, 31), true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Belegungen({B(f.beginn, f.ende, "100")});
    const auto e = PhasenFlaechenBerechnen(state().culture);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].Phase, 1);
    EXPECT_EQ(e[0].Flaeche, f.zaehlt ? "100" : "0");
    EXPECT_EQ(state().culture.PhasenListe[1].BruttoFlaeche, f.zaehlt ? "100" : "0");
  }
}

TEST_F(PhaseAreasTest, AreasAndPathSharesRoundPerOccupancy) {
  PhasenSetzen({{D(2024, 3, 1), D(2024, 4, 30)}});
  struct Fall {
    std::vector<std::pair<std::string, std::string>> flaecheWege;
    const char* netto;
    const char* brutto;
  };
  const std::vector<Fall> faelle = {
      {{{"120,9", "0"}}, "120", "120"},
      {{{"20", "12,5"}}, "20", "22"},
      {{{"60", "12,5"}}, "60", "68"},
      {{{"20", "12,5"}, {"60", "12,5"}}, "80", "90"},
      {{{"abc", "10"}, {"50", ""}}, "50", "50"},
      {{}, "0", "0"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.netto) + "/" + f.brutto);
    std::vector<KulturStandortSatz> liste;
    for (const auto& [flaeche, wege] : f.flaecheWege) liste.push_back(B(D(2024, 3, 1), D(2024, 4, 30), flaeche, wege));
    Belegungen(liste);
    const auto e = PhasenFlaechenBerechnen(state().culture);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].Flaeche, f.netto);
    EXPECT_EQ(e[0].BruttoFlaeche, f.brutto);
  }
}

TEST_F(PhaseAreasTest, EachPhaseGetsItsOwnRowEvenWithEqualNames) {
  PhasenSetzen({{D(2024, 3, 1), D(2024, 3, 31)}, {D(2024, 4, 1), D(2024, 4, 30)}});
  state().culture.PhasenListe[2].Phasennamen = state().culture.PhasenListe[1].Phasennamen;
  Belegungen({B(D(2024, 3, 1), D(2024, 4, 30), "30"), B(D(2024, 4, 1), D(2024, 4, 30), "70", "10")});
  const auto e = PhasenFlaechenBerechnen(state().culture);
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].Phase, 1);
  EXPECT_EQ(e[0].Flaeche, "30");
  EXPECT_EQ(e[1].Phase, 2);
  EXPECT_EQ(e[1].Flaeche, "100");
  EXPECT_EQ(e[1].BruttoFlaeche, "107");
}

}  // namespace
}  // namespace tolvar::mdlBerrechnung
