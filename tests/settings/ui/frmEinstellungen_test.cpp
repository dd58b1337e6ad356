// The settings window's frame and its tab "Datenbanken": activation, help by tab, saving the
// paths and the station, and the weather-region map with the station information.
#include "settings/ui/frmEinstellungen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "data/state.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/mdlWetterstation.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmLandkarte.h"
#include "settings/ui/frmStatInfo.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class EinstellungenFensterTest : public EinstellungenTest {};

// Coming back from another window of the program (here the weather-region map) refills the
// boxes and the wage tab and returns to the first tab.
TEST_F(EinstellungenFensterTest, ActivationFillsThePathsAndTheWageTabAndReturnsToTheFirstTab) {
  frmEinstellungen& f = Oeffnen();
  EXPECT_EQ(f.txtStation->text(), QStringLiteral("München"));
  ASSERT_TRUE(Click(f.cmbVantel));
  frmLandkarte& karte = frmLandkarte::instanz();
  ASSERT_TRUE(ActivateWindowOf(&karte));
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 4));
  state().enterprise.AktuelleEinstellungen.Wetterstation = "Hof";
  ASSERT_TRUE(ActivateWindowOf(&karte));
  ASSERT_TRUE(ActivateWindowOf(&f));
  EXPECT_EQ(f.regEinstellungen->Tab(), 0);
  EXPECT_EQ(f.txtStation->text(), QStringLiteral("Hof"));
  EXPECT_EQ(ui::S(f.txtVantelPfad->text()), state().enterprise.AktuelleEinstellungen.VantelPfad);
  EXPECT_TRUE(f.opbLohngruppeBearbeiten->isChecked());
  EXPECT_EQ(f.txtLohngruppeB->text(), QStringLiteral("Gärtner/in"));
  EXPECT_EQ(f.txtloeschen->text(), QStringLiteral("1"));
}

TEST_F(EinstellungenFensterTest, HelpFollowsTheCurrentTab) {
  frmEinstellungen& f = Oeffnen();
  const std::vector<std::pair<int, std::string>> faelle = {{0, "4.2"}, {1, "4.5"}, {2, "4.4"}, {3, "4.1"},
                                                           {4, "4.3"}, {5, "4.6"}, {6, "4.7"}};
  for (const auto& [tab, thema] : faelle) {
    SCOPED_TRACE(tab);
    ASSERT_TRUE(ClickTab(f.regEinstellungen, tab));
    ASSERT_TRUE(PressF1());
    EXPECT_EQ(state().windows.HilfeThema, thema);
  }
}

TEST_F(EinstellungenFensterTest, SaveWithARejectedMaterialPathKeepsTheWindowAndWritesOnlyTheFallback) {
  frmEinstellungen& f = Oeffnen();
  ASSERT_TRUE(TypeInto(f.txtStation, QStringLiteral("Hof")));
  ASSERT_TRUE(TypeInto(f.txtMaterialPfad, ui::Q(root.Join("fehlt.mdb"))));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(f.cmbOK));
  ProcessEvents();
  ASSERT_TRUE(frmEinstellungen::IsLoaded());
  ASSERT_EQ(Meldungen().size(), 1u);
  EXPECT_TRUE(Meldungen()[0].startsWith(QStringLiteral("Die ausgewählte Material-Datenbank ist ungültig")));
  EXPECT_EQ(ui::S(f.txtMaterialPfad->text()), root.Join("fehlt.mdb"));
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Wetterstation"), std::vector<std::string>{"München"});
}

TEST_F(EinstellungenFensterTest, SaveWritesStationAndPathsAndClosesTheWindow) {
  frmEinstellungen& f = Oeffnen();
  ASSERT_TRUE(TypeInto(f.txtStation, QStringLiteral("Hof")));
  ASSERT_TRUE(Click(f.cmbOK));
  ProcessEvents();
  EXPECT_FALSE(frmEinstellungen::IsLoaded());
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Wetterstation"), std::vector<std::string>{"Hof"});
}

TEST_F(EinstellungenFensterTest, BrowsingTakesTheChosenResultDatabaseIntoItsBox) {
  frmEinstellungen& f = Oeffnen(6);
  const QString andere = ui::Q(root.Join("Tolvar_DB/Ergebnisse.mdb"));
  prompts->CancelFile();
  ASSERT_TRUE(Click(f.cmbErgebnisdatenbank));
  EXPECT_EQ(ui::S(f.txtErgebnisdatenbank->text()), state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank);
  prompts->AnswerFile(ui::Q(root.Join("kaputt.mdb"))).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(f.cmbErgebnisdatenbank));
  EXPECT_EQ(f.txtErgebnisdatenbank->text(), andere) << "a failed check shows the default path";
}

TEST_F(EinstellungenFensterTest, TheMapSelectsTheCurrentRegionAndTakesTheChoiceOver) {
  state().enterprise.AktuelleEinstellungen.Wetterstation = "Lkr. Roth";
  state().enterprise.AktuelleEinstellungen.KlimaPfad = "anders";
  frmEinstellungen& f = Oeffnen();
  ASSERT_TRUE(Click(f.cmbVantel));
  frmLandkarte& karte = frmLandkarte::instanz();
  ASSERT_TRUE(ActivateWindowOf(&karte));
  EXPECT_NE(state().enterprise.AktuelleEinstellungen.KlimaPfad, "anders");
  EXPECT_TRUE(karte.opbStation[19]->isChecked());
  EXPECT_EQ(karte.txtAuswahl->text(), QStringLiteral("Lkr. Roth"));

  ASSERT_TRUE(Click(karte.opbStation[13]));
  ASSERT_TRUE(Click(karte.cmbOK));
  EXPECT_FALSE(karte.isVisible());
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Wetterstation, " Kehlheim");
  EXPECT_EQ(f.txtStation->text(), QStringLiteral(" Kehlheim"));
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Wetterstation"), std::vector<std::string>{" Kehlheim"});
}

TEST_F(EinstellungenFensterTest, TakingOverWithoutAnyRegionChosenStoresNothing) {
  state().enterprise.AktuelleEinstellungen.Wetterstation = "Irgendwo";
  ASSERT_TRUE(Click(Oeffnen().cmbVantel));
  frmLandkarte& karte = frmLandkarte::instanz();
  ASSERT_TRUE(Click(karte.cmbOK));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Wetterstation, "Irgendwo");
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Wetterstation"), std::vector<std::string>{"München"});
}

TEST_F(EinstellungenFensterTest, ALabelShowsItsStationWithoutChoosingTheRegion) {
  ASSERT_TRUE(Click(Oeffnen().cmbVantel));
  frmLandkarte& karte = frmLandkarte::instanz();
  ASSERT_TRUE(Click(karte.lblStation[2]));
  ASSERT_TRUE(frmStatInfo::IsLoaded());
  frmStatInfo& info = frmStatInfo::instanz();
  EXPECT_TRUE(info.isVisible());
  EXPECT_EQ(info.txtStatName->text(), QStringLiteral("Schwabmünchen"));
  EXPECT_TRUE(info.txtHoehe->text().endsWith(QStringLiteral(" m ü.N.N.")));
  EXPECT_TRUE(info.pcbStatInfo->property("bild").toString().endsWith(QStringLiteral("Schwabmuenchen.gif")));
  EXPECT_FALSE(karte.opbStation[2]->isChecked());
  EXPECT_EQ(state().windows.GewaehlteRegion, "München");
}

// A station database that cannot be read (found damaged before in this run) opens no empty
// station window.
TEST_F(EinstellungenFensterTest, ALabelOpensNoStationWindowWithoutItsInformation) {
  db::BlockFile(mdlWetterstation::StationsdatenbankPfad());
  ASSERT_TRUE(Click(Oeffnen().cmbVantel));
  ASSERT_TRUE(Click(frmLandkarte::instanz().lblStation[2]));
  ProcessEvents();
  EXPECT_FALSE(frmStatInfo::IsLoaded() && frmStatInfo::instanz().isVisible());
}

// Every region name lies free on the map: no label covers another label or an option, and a
// click on the middle of a name opens that region's station; the station window has no title.
TEST_F(EinstellungenFensterTest, RegionLabelsLieFreeAndAClickOnTheTextShowsTheStation) {
  ASSERT_TRUE(Click(Oeffnen().cmbVantel));
  frmLandkarte& karte = frmLandkarte::instanz();
  ASSERT_TRUE(ActivateWindowOf(&karte));
  for (std::size_t i = 0; i < karte.lblStation.size(); ++i) {
    const QRect label = karte.lblStation[i]->geometry();
    SCOPED_TRACE(ui::S(karte.lblStation[i]->text()));
    EXPECT_TRUE(karte.imbLandkarte->rect().contains(label));
    EXPECT_GE(label.width(), karte.lblStation[i]->sizeHint().width());
    for (std::size_t j = 0; j < karte.lblStation.size(); ++j) {
      if (j != i) {
        EXPECT_FALSE(label.intersects(karte.lblStation[j]->geometry())) << ui::S(karte.lblStation[j]->text());
      }
      EXPECT_FALSE(label.intersects(karte.opbStation[j]->geometry())) << j;
    }
  }
  QLabel* kehlheim = karte.lblStation[13];
  ASSERT_EQ(karte.childAt(kehlheim->mapTo(&karte, kehlheim->rect().center())), kehlheim);
  ASSERT_TRUE(Click(kehlheim));
  ASSERT_TRUE(frmStatInfo::IsLoaded());
  frmStatInfo& info = frmStatInfo::instanz();
  EXPECT_EQ(info.txtStatName->text(), QStringLiteral("Kaltenberg"));
  EXPECT_TRUE(info.windowTitle().trimmed().isEmpty());
}

TEST_F(EinstellungenFensterTest, CancelOnTheMapUnloadsItAndKeepsTheStation) {
  ASSERT_TRUE(Click(Oeffnen().cmbVantel));
  ASSERT_TRUE(Click(frmLandkarte::instanz().cmbAbbruch));
  ProcessEvents();
  EXPECT_FALSE(frmLandkarte::IsLoaded());
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Wetterstation, "München");
}

TEST_F(EinstellungenFensterTest, TheColourTabShowsTheStoredColours) {
  state().windows.FarbeMorvin = 5;
  state().windows.FarbeTolvar = 2;
  frmEinstellungen& f = Oeffnen(3);
  EXPECT_TRUE(f.opbMorvin[5]->isChecked());
  EXPECT_TRUE(f.opbTolvar[2]->isChecked());
}

}  // namespace
}  // namespace tolvar::test
