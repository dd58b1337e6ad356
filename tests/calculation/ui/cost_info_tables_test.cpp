// The breakdown grids of the energy, machine, labour and activity-material windows on the
// sample enterprise, opened from the calculation window's cost buttons: headers, widths and
// bold cells, rows that add up to the calculation's figure, and the total row.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "calculation/ui/frmArbeitInfo.h"
#include "calculation/ui/frmEnergieInfo.h"
#include "calculation/ui/frmMaschinenInfo.h"
#include "calculation/ui/frmPSMInfo.h"
#include "frmKalkulation_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {
namespace {

struct Kopf {
  const char* text;
  int breite;
  bool fett;
};

struct TabellenFall {
  const char* name;
  const char* kultur;
  const char* preis;
  Kostenart art;
  std::function<ui::Grid*()> grid;
  std::vector<Kopf> koepfe;
  int sortierSpalte;  // -1: list order
};

std::vector<TabellenFall> Faelle() {
  return {
      {"frmEnergieInfo",
       "K1006",
       "1,60",
       Kostenart::Energie,
       [] { return frmEnergieInfo::instanz().dtgEnergie; },
       {{"Kulturphase", 2500, true},
        {"Intensität in W/m²", 2000, false},
        {"Belichtungsdauer in h/Tag", 2000, false},
        {"Anzahl Pflanzen je Nm² ", 2000, false},
        {"€/1000Pfl.", 2000, true}},
       3},
      {"frmMaschinenInfo",
       "K1003",
       "3,20",
       Kostenart::Maschinen,
       [] { return frmMaschinenInfo::instanz().dtgMaschinen; },
       {{"Maschinen", 2000, true},
        {"Einheiten", 1500, false},
        {"Preis in €/Einheit", 2000, false},
        {"Datum", 1500, true},
        {"Kulturphase", 2000, false},
        {"Anzahl Pflanzen", 1500, false},
        {"€/1000Pfl.", 1500, false}},
       5},
      {"frmArbeitInfo",
       "K1003",
       "3,20",
       Kostenart::Arbeit,
       [] { return frmArbeitInfo::instanz().dtgArbeit; },
       {{"Kulturphase", 2000, true},
        {"Anzahl Pflanzen", 1800, false},
        {"Fläche in Bm²", 1200, false},
        {"Mitarbeiter", 1200, false},
        {"Tätigkeit", 2800, true},
        {"Dauer in Std.", 1500, false},
        {"€/1000Pfl.", 1500, true}},
       1},
      {"frmPSMInfo",
       "K1003",
       "3,20",
       Kostenart::PSM,
       [] { return frmPSMInfo::instanz().dtgArbeitMaterial; },
       {{"Tätigkeit", 2000, true},
        {"Kulturhase", 2000, true},
        {"Datum", 1500, false},
        {"€ je Std.", 1500, false},
        {"Dauer in Std", 1500, false},
        {"€/1000Pfl.", 1500, true}},
       -1},
  };
}

class AufschluesselungsTabelleTest : public test::KalkulationFensterBasis {};

TEST_F(AufschluesselungsTabelleTest, CostButtonShowsTheBreakdownOfTheComputedFigure) {
  for (const TabellenFall& fall : Faelle()) {
    SCOPED_TRACE(fall.name);
    Berechnen(fall.kultur, fall.preis);
    const QString summe = Fenster().Wertfeld(fall.art)->text();
    ASSERT_GT(base::NumberOr(ui::S(summe)), 0.0);
    ASSERT_TRUE(test::Click(Fenster().Kostenknopf(fall.art)));
    test::ProcessEvents();
    ui::Grid* grid = fall.grid();
    ASSERT_TRUE(grid->isVisible());
    const int spalten = static_cast<int>(fall.koepfe.size());
    ASSERT_EQ(grid->Cols(), spalten);
    EXPECT_EQ(grid->Rows(), kTabellenZeilen);
    for (int c = 0; c < spalten; ++c) {
      EXPECT_EQ(grid->TextMatrix(0, c), ui::Q(fall.koepfe[static_cast<std::size_t>(c)].text));
      EXPECT_EQ(grid->ColWidth(c), fall.koepfe[static_cast<std::size_t>(c)].breite);
      EXPECT_EQ(grid->CellFontBold(0, c), fall.koepfe[static_cast<std::size_t>(c)].fett) << c;
    }
    // The data rows, then "Summe" and the calculation window's figure.
    int zeile = 1;
    double zeilensumme = 0.0;
    double vorher = 1e300;
    while (grid->TextMatrix(zeile, spalten - 2) != QStringLiteral("Summe")) {
      ASSERT_LT(zeile, grid->Rows() - 1);
      zeilensumme += base::NumberOr(ui::S(grid->TextMatrix(zeile, spalten - 1)));
      if (fall.sortierSpalte >= 0) {
        const double wert = base::NumberOr(ui::S(grid->TextMatrix(zeile, fall.sortierSpalte)));
        EXPECT_LE(wert, vorher) << "row " << zeile;
        vorher = wert;
      }
      ++zeile;
    }
    EXPECT_GT(zeile, 1);
    EXPECT_EQ(grid->TextMatrix(zeile, spalten - 1), summe);
    EXPECT_TRUE(grid->CellFontBold(zeile, spalten - 1));
    EXPECT_TRUE(grid->CellFontBold(zeile, spalten - 2));
    EXPECT_NEAR(zeilensumme, base::NumberOr(ui::S(summe)), 0.01 * zeile);
    test::UnloadAllWindows();
    test::ProcessEvents();
  }
}

// A computed machine cost of 0 has nothing to break down: the click says so instead of
// doing nothing.
TEST_F(AufschluesselungsTabelleTest, AZeroMachineCostSaysWhyNoBreakdownOpens) {
  Berechnen("K1006", "1,60");
  ASSERT_EQ(Fenster().txtMaschinen()->text(), QStringLiteral("0,00"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(Fenster().cmbMaschinenkosten()));
  test::ProcessEvents();
  const auto boxen = prompts->messageBoxes();
  ASSERT_EQ(boxen.size(), 1u);
  EXPECT_EQ(ui::S(boxen[0].text), mdlKalkulation::KeineAufschluesselung(Kostenart::Maschinen));
  EXPECT_EQ(boxen[0].style, ui::msgbox::Information);
  EXPECT_FALSE(frmMaschinenInfo::IsLoaded());
}

TEST_F(AufschluesselungsTabelleTest, ActivityMaterialRowsFollowTheRecordedWork) {
  Berechnen("K1003", "3,20");
  ASSERT_TRUE(test::Click(Fenster().cmbPSMKosten()));
  test::ProcessEvents();
  frmPSMInfo& info = frmPSMInfo::instanz();
  EXPECT_FALSE(info.fraVergleich->isVisibleTo(&info));
  const auto& arbeiten = state().calculation.KulturArbeitListe;
  for (int a = 0; a < static_cast<int>(arbeiten.size()); ++a) {
    SCOPED_TRACE(a);
    EXPECT_EQ(ui::S(info.dtgArbeitMaterial->TextMatrix(a + 1, 0)), arbeiten[static_cast<std::size_t>(a)].Taetigkeit);
    EXPECT_EQ(ui::S(info.dtgArbeitMaterial->TextMatrix(a + 1, 4)), arbeiten[static_cast<std::size_t>(a)].Zeitdauer);
  }
  EXPECT_EQ(info.dtgArbeitMaterial->TextMatrix(static_cast<int>(arbeiten.size()) + 1, 4), QStringLiteral("Summe"));
}

TEST_F(AufschluesselungsTabelleTest, MachineWindowOpensOnItsGridWithTheMaterialDatabase) {
  Berechnen("K1003", "3,20");
  ASSERT_TRUE(test::Click(Fenster().cmbMaschinenkosten()));
  test::ProcessEvents();
  frmMaschinenInfo& info = frmMaschinenInfo::instanz();
  EXPECT_EQ(info.regMaschinenkosten->Tab(), 1);
  EXPECT_TRUE(info.regMaschinenkosten->TabEnabled(1));
  // Both frames lie on the tab "Datenherkunft", which is not in front.
  EXPECT_FALSE(info.fraMaschinen->isHidden());
  EXPECT_TRUE(info.fraVergleich->isHidden());
  EXPECT_EQ(ui::S(info.txtMaschinenPfad->text()), state().enterprise.AktuelleEinstellungen.MaterialPfad);
}

TEST_F(AufschluesselungsTabelleTest, ComparisonPresentationBuildsNoGrid) {
  Berechnen("K1003", "3,20");
  state().calculation.HerkunftPSM() = 2;
  frmPSMInfo& psm = frmPSMInfo::instanz();
  EXPECT_TRUE(psm.fraVergleich->isVisibleTo(&psm));
  EXPECT_FALSE(psm.dtgArbeitMaterial->isVisibleTo(&psm));
  EXPECT_TRUE(psm.dtgArbeitMaterial->TextMatrix(0, 0).isEmpty());
  // Incomplete culture data do no harm where the grid is not shown.
  state().calculation.HerkunftArbeit() = 2;
  state().settings.LohneinteilungListe.assign(state().settings.LohneinteilungListe.size(), LohneinteilungSatz{});
  frmArbeitInfo& arbeit = frmArbeitInfo::instanz();
  EXPECT_TRUE(arbeit.dtgArbeit->TextMatrix(0, 0).isEmpty());
}

TEST_F(AufschluesselungsTabelleTest, GridGrowsBeyondItsRowsForALongList) {
  Berechnen("K1003", "3,20");
  frmMaschinenInfo& info = frmMaschinenInfo::instanz();
  tolvar::State& s = state();
  auto maschine = std::find_if(s.masters.MaterialListe.begin(), s.masters.MaterialListe.end(),
                               [](const MaterialSatz& m) { return m.UeberPNr == "1009"; });
  ASSERT_NE(maschine, s.masters.MaterialListe.end());
  KulturMaterialSatz zeile;
  zeile.MaNr = maschine->MaterialNr;
  zeile.Materialname = maschine->Materialname;
  zeile.Menge = "1";
  zeile.Datum = s.culture.PhasenListe[1].Anfang;
  s.culture.KulturMaterialListe.assign(200, zeile);
  s.culture.AnzahlKulturMaterialien = 200;
  info.MaschinenTabelleAufbauen();
  EXPECT_EQ(info.dtgMaschinen->Rows(), 202);
  EXPECT_EQ(ui::S(info.dtgMaschinen->TextMatrix(200, 0)), maschine->Materialname);
  EXPECT_EQ(info.dtgMaschinen->TextMatrix(201, 5), QStringLiteral("Summe"));
}

}  // namespace
}  // namespace tolvar
