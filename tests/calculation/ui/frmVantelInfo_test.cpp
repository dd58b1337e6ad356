// The breakdown grids of the heating and material detail windows on the sample cultures.
#include "calculation/ui/frmVantelInfo.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <set>
#include <string>

#include "base/values.h"
#include "calculation/mdlBerrechnung_kosten.h"
#include "calculation/ui/frmMaterialInfo.h"
#include "frmKalkulation_fixture.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/tabstrip.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

class KostenInfoTest : public test::KalkulationFensterBasis {};

// The data rows of a breakdown grid: rows from 1 up to the one before "Summe" in `summeSpalte`.
int Datenzeilen(const ui::Grid& g, int summeSpalte) {
  for (int r = 1; r < g.Rows(); ++r) {
    if (g.TextMatrix(r, summeSpalte) == QStringLiteral("Summe")) return r - 1;
  }
  ADD_FAILURE() << "no total row";
  return 0;
}

void AbsteigendGeordnet(const ui::Grid& g, int spalte, int zeilen) {
  for (int r = 2; r <= zeilen; ++r) {
    const auto oben = base::ParseNumber(ui::S(g.TextMatrix(r - 1, spalte)));
    const auto unten = base::ParseNumber(ui::S(g.TextMatrix(r, spalte)));
    ASSERT_TRUE(oben && unten) << "row " << r;
    EXPECT_GE(*oben, *unten) << "row " << r;
  }
}

TEST_F(KostenInfoTest, HeatingGridListsEachOccupancyByFallingPlantDensity) {
  for (const char* nr : {"K1003", "K1006"}) {
    SCOPED_TRACE(nr);
    Berechnen(nr, "3,20");
    frmKalkulation& f = Fenster();
    ASSERT_TRUE(test::Click(f.Kostenknopf(Kostenart::Heizung)));
    ASSERT_TRUE(frmVantelInfo::IsLoaded());
    frmVantelInfo& info = frmVantelInfo::instanz();
    EXPECT_EQ(info.regHeizkosten->Tab(), 1);
    EXPECT_FALSE(info.fraVergleich->isVisibleTo(&info));
    const ui::Grid& g = *info.dtgVantel;
    ASSERT_EQ(g.Cols(), 8);
    EXPECT_EQ(g.TextMatrix(0, 5), QStringLiteral("Brennstoffbedarf in l(m³/t)"));
    const int zeilen = Datenzeilen(g, 6);
    EXPECT_EQ(zeilen, state().culture.AnzahlKulturStandorte);
    AbsteigendGeordnet(g, 4, zeilen);
    EXPECT_EQ(g.TextMatrix(zeilen + 1, 7), f.txtHeizung()->text());
    EXPECT_TRUE(g.CellFontBold(zeilen + 1, 7));
    // Column 1 is the whole site's area, column 6 the occupancy's cost per m².
    std::multiset<QString> standorte, kosten, erwartet, erwarteteKosten;
    for (int r = 1; r <= zeilen; ++r) {
      standorte.insert(g.TextMatrix(r, 0) + QLatin1Char('|') + g.TextMatrix(r, 1));
      kosten.insert(g.TextMatrix(r, 6));
      EXPECT_FALSE(g.TextMatrix(r, 7).isEmpty()) << "row " << r;
    }
    for (int o = 0; o < state().culture.AnzahlKulturStandorte; ++o) {
      const KulturStandortSatz& b = state().culture.KulturStandortListe[o];
      for (const StandortSatz& s : state().masters.StandortListe) {
        if (s.StandortNr != b.StandortNr) continue;
        erwartet.insert(ui::Q(b.StandortName) + QLatin1Char('|') +
                        ui::Q(base::Format(*base::ParseNumber(s.Flaeche), "0")));
        break;
      }
      erwarteteKosten.insert(ui::Q(base::Format(b.HeizkostenJeQm, "0.00")));
    }
    EXPECT_EQ(standorte, erwartet);
    EXPECT_EQ(kosten, erwarteteKosten);
    test::UnloadAllWindows();
  }
}

// Two occupancies share a phase: each row's cost per 1000 plants is its own cost per m² on
// its own area, so the rows add up to the calculation's total (here every occupancy lies
// within one phase and begins with it).
TEST_F(KostenInfoTest, HeatingPerThousandPlantsCountsEachOccupancysOwnArea) {
  {
    auto morvin = db::Database::Open(state().enterprise.AktuellerBetrieb);
    ASSERT_TRUE(morvin);
    ASSERT_TRUE(
        morvin->Execute("UPDATE KulturStandorte SET Flaeche = '120' WHERE KulturNr = 'K1003' AND "
                        "Beginn = '2024-07-29'"));
    ASSERT_TRUE(
        morvin->Execute("INSERT INTO KulturStandorte VALUES ('K1003', 'Sta1003', '2024-07-29', "
                        "'2024-09-15', '80')"));
  }
  Berechnen("K1003", "3,20");
  frmKalkulation& f = Fenster();
  ASSERT_TRUE(test::Click(f.Kostenknopf(Kostenart::Heizung)));
  ASSERT_TRUE(frmVantelInfo::IsLoaded());
  const ui::Grid& g = *frmVantelInfo::instanz().dtgVantel;
  const int zeilen = Datenzeilen(g, 6);
  ASSERT_EQ(zeilen, 4);

  // The rows by site and phase, with the occupancy's area and the phase's plants.
  struct Zeile {
    double flaeche;
    double pflanzen;
  };
  const std::map<std::string, Zeile> erwartet = {{"Venlo-Haus 2|Bewurzelung", {60, 6000}},
                                                 {"Venlo-Haus 1|Topfkultur eng", {120, 6000}},
                                                 {"Venlo-Haus 2|Topfkultur eng", {80, 6000}},
                                                 {"Venlo-Haus 1|Topfkultur weit", {400, 5900}}};
  double summe = 0.0;
  for (int r = 1; r <= zeilen; ++r) {
    const std::string schluessel = ui::S(g.TextMatrix(r, 0)) + "|" + ui::S(g.TextMatrix(r, 3));
    SCOPED_TRACE(schluessel);
    const auto it = erwartet.find(schluessel);
    ASSERT_NE(it, erwartet.end());
    const KulturStandortSatz* belegung = nullptr;
    for (int o = 0; o < state().culture.AnzahlKulturStandorte; ++o) {
      const KulturStandortSatz& b = state().culture.KulturStandortListe[static_cast<std::size_t>(o)];
      if (b.StandortName == ui::S(g.TextMatrix(r, 0)) && base::ParseNumber(b.Flaeche) == it->second.flaeche) {
        belegung = &b;
      }
    }
    ASSERT_NE(belegung, nullptr);
    const double wege = *base::ParseNumber(belegung->Wege);
    const double jeQm = belegung->HeizkostenJeQm;
    const double hand = jeQm * it->second.flaeche / it->second.pflanzen * (1.0 + wege / 100.0) * 1000.0;
    EXPECT_EQ(ui::S(g.TextMatrix(r, 7)), base::Format(hand, "0.00"));
    summe += hand;
  }
  EXPECT_NEAR(summe, *base::ParseNumber(ui::S(f.txtHeizung()->text())), 0.01);
}

TEST_F(KostenInfoTest, MaterialGridLeavesOutMachinesAndEndsWithTheTotal) {
  Berechnen("K1003", "3,20");
  frmKalkulation& f = Fenster();
  ASSERT_TRUE(test::Click(f.Kostenknopf(Kostenart::Material)));
  ASSERT_TRUE(frmMaterialInfo::IsLoaded());
  frmMaterialInfo& info = frmMaterialInfo::instanz();
  EXPECT_EQ(info.regMaterialkosten->Tab(), 1);
  const ui::Grid& g = *info.dtgMaterial;
  ASSERT_EQ(g.Cols(), 7);
  const int zeilen = Datenzeilen(g, 5);

  // The culture's rows other than machines, by material name.
  std::multiset<QString> erwartet, gelistet;
  bool maschinen = false;
  for (int m = 0; m < state().culture.AnzahlKulturMaterialien; ++m) {
    const KulturMaterialSatz& r = state().culture.KulturMaterialListe[m];
    bool maschine = false;
    for (const MaterialSatz& k : state().masters.MaterialListe) {
      if (k.MaterialNr == r.MaNr) {
        maschine = k.UeberPNr == mdlBerrechnung::kMaschinengruppe;
        break;
      }
    }
    maschinen = maschinen || maschine;
    if (!maschine) erwartet.insert(ui::Q(r.Materialname));
  }
  ASSERT_TRUE(maschinen) << "the sample culture should use a machine";
  for (int r = 1; r <= zeilen; ++r) gelistet.insert(g.TextMatrix(r, 0));
  EXPECT_EQ(gelistet, erwartet);
  AbsteigendGeordnet(g, 5, zeilen);
  EXPECT_EQ(g.TextMatrix(zeilen + 1, 6), f.txtMaterial()->text());
}

}  // namespace
}  // namespace tolvar
