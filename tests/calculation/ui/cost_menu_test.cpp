// The cost-origin menus of the six cost lines on the sample enterprise: the options shown,
// what each choice does to the calculation window, when the choice applies, and help.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <functional>
#include <vector>

#include "app/mdlHilfe.h"
#include "calculation/ui/frmArbeitInfo.h"
#include "calculation/ui/frmArbeitskostenMenu.h"
#include "calculation/ui/frmEnergieInfo.h"
#include "calculation/ui/frmEnergiekostenMenu.h"
#include "calculation/ui/frmGemeinkostenInfo.h"
#include "calculation/ui/frmGemeinkostenMenu.h"
#include "calculation/ui/frmMaschinenInfo.h"
#include "calculation/ui/frmMaschinenkostenMenu.h"
#include "calculation/ui/frmPSMInfo.h"
#include "calculation/ui/frmPSMKostenMenu.h"
#include "calculation/ui/frmVermarktungInfo.h"
#include "calculation/ui/frmVermarktungskostenMenu.h"
#include "frmKalkulation_fixture.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/tabstrip.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

struct MenueFall {
  const char* name;
  Kostenart art;
  std::function<KostenMenue&()> laden;
  const char* caption;
  // Option texts top to bottom with their index.
  std::vector<std::pair<int, const char*>> optionen;
  // The cost button's caption the menu writes for flags 2 and 3.
  const char* zwei;
  const char* drei;
  // The choice also applies through the close box.
  bool beimSchliessen;
  // The detail window in comparison presentation, as the menu leaves it.
  std::function<void()> vergleichPruefen;
};

constexpr const char* kManuell = "Manuelle Eingabe von Standardwerten aus einer Datensammlung o.ä.";

void RahmenGeladen(KostenInfoFenster& info) {
  EXPECT_TRUE(info.isVisible());
  EXPECT_TRUE(info.fraVergleich->isVisibleTo(&info));
  EXPECT_EQ(info.comVergleichskulturen->count(), 3);
  EXPECT_EQ(info.ListIndex(), 0);
  EXPECT_EQ(info.comVergleichskulturen->currentText(), QStringLiteral("Weihnachtsstern 13 cm"));
  EXPECT_EQ(info.txtQualitaet->text(), QStringLiteral("***"));
  EXPECT_FALSE(info.txtErgebnisdatenbank->text().isEmpty());
}

std::vector<MenueFall> Menues() {
  return {
      {"frmEnergiekostenMenu",
       Kostenart::Energie,
       []() -> KostenMenue& { return frmEnergiekostenMenu::instanz(); },
       "elektrische Energie",
       {{1, "Kosten für Zusatzbelichtung aus den eingegebenen Kulturdaten errechnen."},
        {2, "Kosten für Zusatzbelichtung einer vergleichbaren Kultur aus der Ergebnisdatenbank laden."},
        {3, kManuell}},
       "+ elek.Energie **",
       "+ elek.Energie *",
       false,
       [] {
         frmEnergieInfo& info = frmEnergieInfo::instanz();
         RahmenGeladen(info);
         EXPECT_EQ(info.txtKostenVergleichskultur->text(), QStringLiteral("0,00"));
         EXPECT_FALSE(info.dtgEnergie->isVisibleTo(&info));
         EXPECT_FALSE(info.cmbBeenden[0]->isVisibleTo(&info));
         EXPECT_TRUE(info.cmbBeenden[1]->isVisibleTo(&info));
       }},
      {"frmMaschinenkostenMenu",
       Kostenart::Maschinen,
       []() -> KostenMenue& { return frmMaschinenkostenMenu::instanz(); },
       "Maschinenkosten",
       {{1, "Maschinenkosten aus den eingegebenen Kulturdaten errechnen."},
        {2, "Maschinenkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden."},
        {3, kManuell}},
       "+ Maschinen **",
       "+ Maschinen *",
       true,
       [] {
         frmMaschinenInfo& info = frmMaschinenInfo::instanz();
         RahmenGeladen(info);
         EXPECT_EQ(info.txtKostenVergleichskultur->text(), QStringLiteral("36,20"));
         EXPECT_FALSE(info.regMaschinenkosten->TabEnabled(1));
         EXPECT_EQ(info.regMaschinenkosten->Tab(), 0);
         EXPECT_TRUE(info.cmbBeenden->isVisibleTo(&info));
       }},
      {"frmPSMKostenMenu",
       Kostenart::PSM,
       []() -> KostenMenue& { return frmPSMKostenMenu::instanz(); },
       "Über Tätigkeiten zugewiesene Materialien",
       {{1, "Über Tätigkeiten zugewiesene Materialkosten aus den in Morvin erfassten Tätigkeiten errechnen."},
        {2,
         "Über Tätigkeiten zugewiesene Materialkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank "
         "laden."},
        {3, kManuell}},
       "+ Material[Std] **",
       "+ Material[Std] *",
       false,
       [] {
         frmPSMInfo& info = frmPSMInfo::instanz();
         RahmenGeladen(info);
         EXPECT_EQ(info.txtKostenVergleichskultur->text(), QStringLiteral("24,80"));
         EXPECT_FALSE(info.dtgArbeitMaterial->isVisibleTo(&info));
         EXPECT_FALSE(info.cmbBeenden[0]->isVisibleTo(&info));
       }},
      {"frmVermarktungskostenMenu",
       Kostenart::Vermarktung,
       []() -> KostenMenue& { return frmVermarktungskostenMenu::instanz(); },
       "Vermarktungskosten",
       {{1, "Vermarktungskosten aus den Betriebseinstellungen errechnen."},
        {0, "Vermarktungskosten kulturspezifisch errechnen."},
        {2, "Vermarktungskosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden."},
        {3, kManuell}},
       "+ Vermarktung **",
       "+ Vermarktung *",
       false,
       [] {
         frmVermarktungInfo& info = frmVermarktungInfo::instanz();
         RahmenGeladen(info);
         EXPECT_EQ(info.txtKostenVergleichskultur->text(), QStringLiteral("168,00"));
         EXPECT_EQ(info.width(), sys::TwipsToPixels(12960));
         EXPECT_TRUE(info.cmbOK->isVisibleTo(&info));
         EXPECT_EQ(info.cmbOK->x(), sys::TwipsToPixels(7200));
         EXPECT_FALSE(info.fraVermarktung->isVisibleTo(&info));
       }},
      {"frmArbeitskostenMenu",
       Kostenart::Arbeit,
       []() -> KostenMenue& { return frmArbeitskostenMenu::instanz(); },
       "Arbeitskosten",
       {{1, "Arbeitskosten aus den für die Kultur in Morvin erfassten Arbeitszeiten errechnen."},
        {2, "Arbeitszkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden."},
        {3, kManuell}},
       "- Arbeit **",
       "- Arbeit *",
       true,
       [] {
         frmArbeitInfo& info = frmArbeitInfo::instanz();
         RahmenGeladen(info);
         // The labour window shows the culture through its selection handler.
         EXPECT_EQ(info.txtKostenVergleichskultur->text(), QStringLiteral("498,30"));
         EXPECT_FALSE(info.dtgArbeit->isVisibleTo(&info));
         EXPECT_TRUE(info.cmbBeenden[0]->isVisibleTo(&info));
       }},
      {"frmGemeinkostenMenu",
       Kostenart::Gemeinkosten,
       []() -> KostenMenue& { return frmGemeinkostenMenu::instanz(); },
       "Gemeinkosten",
       {{1, "Gemeinkosten aus den Betriebseinstellungen und Kulturdaten errechnen"},
        {2, "Gemeinkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden"},
        {3, kManuell}},
       "- Gemeinkosten **",
       "- Gemeinkosten *",
       false,
       [] {
         frmGemeinkostenInfo& info = frmGemeinkostenInfo::instanz();
         RahmenGeladen(info);
         EXPECT_EQ(info.txtKostenVergleichskultur->text(), QStringLiteral("254,60"));
         EXPECT_FALSE(info.fraGemeinkostenInfo->isVisibleTo(&info));
         EXPECT_FALSE(info.cmbBeenden->isVisibleTo(&info));
       }},
  };
}

class HerkunftsMenueTest : public test::KalkulationFensterBasis {
 protected:
  void SetUp() override {
    test::KalkulationFensterBasis::SetUp();
    Berechnen("K1006", "1,60");  // the culture with supplementary light
  }
  // Opens the line's menu by its "[Menü]" button.
  KostenMenue& Oeffnen(const MenueFall& fall) {
    EXPECT_TRUE(test::Click(Fenster().Menueknopf(fall.art)));
    EXPECT_NE(ui::Forms::Find(ui::Q(fall.name)), nullptr);
    return fall.laden();
  }
  static void Waehlen(KostenMenue& menue, int option) { ASSERT_TRUE(test::Click(menue.opbHerkunft->Button(option))); }
  static void Ok(KostenMenue& menue) { ASSERT_TRUE(test::Click(menue.cmbOK)); }
  QLineEdit* Feld(const MenueFall& fall) { return Fenster().Wertfeld(fall.art); }
  QString Knopf(const MenueFall& fall) { return Fenster().Kostenknopf(fall.art)->text(); }
  int16_t& Flag(const MenueFall& fall) { return state().calculation.HerkunftVon(fall.art); }
  void Schliessen() { test::ProcessEvents(); }
};

TEST_F(HerkunftsMenueTest, OptionsCaptionAndOptionOneSelectedWhateverTheFlag) {
  for (const MenueFall& fall : Menues()) {
    SCOPED_TRACE(fall.name);
    Flag(fall) = 2;
    KostenMenue& menue = Oeffnen(fall);
    EXPECT_EQ(menue.Caption(), ui::Q(fall.caption));
    std::vector<std::pair<int, QRadioButton*>> reihe(menue.opbHerkunft->Buttons().begin(),
                                                     menue.opbHerkunft->Buttons().end());
    std::sort(reihe.begin(), reihe.end(), [](auto& a, auto& b) { return a.second->y() < b.second->y(); });
    ASSERT_EQ(reihe.size(), fall.optionen.size());
    for (std::size_t i = 0; i < reihe.size(); ++i) {
      EXPECT_EQ(reihe[i].first, fall.optionen[i].first);
      EXPECT_EQ(reihe[i].second->text(), ui::Q(fall.optionen[i].second));
    }
    EXPECT_EQ(menue.opbHerkunft->Selected(), 1);
    EXPECT_EQ(menue.focusWidget(), menue.cmbOK);
    EXPECT_EQ(Flag(fall), 2);  // opening changes nothing
    menue.Unload();
    Schliessen();
  }
}

TEST_F(HerkunftsMenueTest, OptionOneComputesTheLineAgain) {
  for (const MenueFall& fall : Menues()) {
    SCOPED_TRACE(fall.name);
    const QString berechnet = Feld(fall)->text();
    Flag(fall) = 2;  // the line as a take-over from a comparison culture leaves it
    Feld(fall)->setText(QStringLiteral("999,00"));
    KostenMenue& menue = Oeffnen(fall);
    Ok(menue);
    Schliessen();
    EXPECT_EQ(ui::Forms::Find(ui::Q(fall.name)), nullptr);
    EXPECT_EQ(Flag(fall), 1);
    EXPECT_EQ(Feld(fall)->text(), berechnet);
    EXPECT_EQ(ui::S(Knopf(fall)), *mdlKalkulation::Beschriftung(fall.art, 1));
  }
}

TEST_F(HerkunftsMenueTest, OptionThreeEmptiesTheBoxForTyping) {
  for (const MenueFall& fall : Menues()) {
    SCOPED_TRACE(fall.name);
    KostenMenue& menue = Oeffnen(fall);
    Waehlen(menue, 3);
    Ok(menue);
    Schliessen();
    EXPECT_EQ(Flag(fall), 3);
    EXPECT_TRUE(Feld(fall)->text().isEmpty());
    EXPECT_EQ(Fenster().focusWidget(), Feld(fall));
    EXPECT_EQ(Knopf(fall), ui::Q(fall.drei));
  }
}

TEST_F(HerkunftsMenueTest, OptionTwoOpensTheComparisonCultures) {
  for (const MenueFall& fall : Menues()) {
    SCOPED_TRACE(fall.name);
    const QString vorher = Feld(fall)->text();
    KostenMenue& menue = Oeffnen(fall);
    Waehlen(menue, 2);
    Ok(menue);
    Schliessen();
    EXPECT_EQ(Flag(fall), 2);
    EXPECT_EQ(Knopf(fall), ui::Q(fall.zwei));
    EXPECT_EQ(Feld(fall)->text(), vorher);  // nothing taken over yet
    fall.vergleichPruefen();
  }
}

TEST_F(HerkunftsMenueTest, CloseBoxAppliesOnlyInTheMachineAndLabourMenus) {
  for (const MenueFall& fall : Menues()) {
    SCOPED_TRACE(fall.name);
    Flag(fall) = 1;
    const QString vorher = Feld(fall)->text();
    KostenMenue& menue = Oeffnen(fall);
    Waehlen(menue, 3);
    menue.close();
    Schliessen();
    if (fall.beimSchliessen) {
      EXPECT_EQ(Flag(fall), 3);
      EXPECT_TRUE(Feld(fall)->text().isEmpty());
      EXPECT_EQ(Fenster().focusWidget(), Feld(fall));
      Feld(fall)->setText(vorher);
    } else {
      EXPECT_EQ(Flag(fall), 1);
      EXPECT_EQ(Feld(fall)->text(), vorher);
    }
  }
}

TEST_F(HerkunftsMenueTest, ClosingAllWindowsAppliesNothing) {
  for (const MenueFall& fall : Menues()) {
    SCOPED_TRACE(fall.name);
    const QString vorher = Feld(fall)->text();
    KostenMenue& menue = Oeffnen(fall);
    Waehlen(menue, 3);
    ui::Forms::UnloadAllExcept(&Fenster());
    Schliessen();
    EXPECT_EQ(Flag(fall), 1);
    EXPECT_EQ(Feld(fall)->text(), vorher);
  }
}

TEST_F(HerkunftsMenueTest, LabourCaptionIsRenewedByTheNextCaptionRefresh) {
  ASSERT_TRUE(test::Click(Fenster().cmbArbeitskostenMenu()));
  frmArbeitskostenMenu& menue = frmArbeitskostenMenu::instanz();
  Waehlen(menue, 2);
  Ok(menue);
  Schliessen();
  EXPECT_EQ(Fenster().cmbArbeitskosten()->text(), QStringLiteral("- Arbeit **"));
  Fenster().BeschriftungSetzen();
  EXPECT_EQ(Fenster().cmbArbeitskosten()->text(), QStringLiteral("- Arbeitskosten **"));
}

TEST_F(HerkunftsMenueTest, MarketingOptionZeroOpensTheCultureSpecificEntry) {
  ASSERT_TRUE(test::Click(Fenster().cmbVermarktungskostenMenu()));
  frmVermarktungskostenMenu& menue = frmVermarktungskostenMenu::instanz();
  const QString vorher = Fenster().txtVermarktung()->text();
  Waehlen(menue, 0);
  Ok(menue);
  Schliessen();
  EXPECT_EQ(state().calculation.HerkunftVermarktung(), 0);
  EXPECT_EQ(Fenster().cmbVermarktungskosten()->text(), QStringLiteral("+ Vermarktung ***"));
  EXPECT_EQ(Fenster().txtVermarktung()->text(), vorher);  // nothing calculated
  ASSERT_TRUE(frmVermarktungInfo::IsLoaded());
  frmVermarktungInfo& info = frmVermarktungInfo::instanz();
  EXPECT_TRUE(info.isVisible());
  EXPECT_EQ(info.width(), sys::TwipsToPixels(10000));
  EXPECT_EQ(info.cmbOK->x(), sys::TwipsToPixels(3950));
  EXPECT_TRUE(info.cmbOK->isVisibleTo(&info));
  EXPECT_TRUE(info.fraVermarktung->isVisibleTo(&info));
  EXPECT_FALSE(info.fraVermarktungskostenInfo->isVisibleTo(&info));
  EXPECT_FALSE(info.fraUmsatz->isVisibleTo(&info));
  EXPECT_FALSE(info.fraVergleich->isVisibleTo(&info));
  EXPECT_EQ(info.opbVermarktung->Selected(), -1);
  EXPECT_EQ(info.comVergleichskulturen->count(), 0);  // no comparison list loaded
}

TEST_F(HerkunftsMenueTest, MarketingOptionOneWithoutAnEnterpriseShareEmptiesTheLine) {
  state().enterprise.AktuelleEinstellungen.Vermarktungskosten.clear();
  ASSERT_TRUE(test::Click(Fenster().cmbVermarktungskostenMenu()));
  Ok(frmVermarktungskostenMenu::instanz());
  Schliessen();
  EXPECT_EQ(state().calculation.HerkunftVermarktung(), 1);
  EXPECT_TRUE(Fenster().txtVermarktung()->text().isEmpty());
}

TEST_F(HerkunftsMenueTest, F1ShowsTopicSixTwo) {
  for (const MenueFall& fall : Menues()) {
    SCOPED_TRACE(fall.name);
    if (ui::HelpViewer::Exists()) ui::HelpViewer::Instance().hide();
    mdlHilfe::HilfeAufrufen("Index");
    KostenMenue& menue = Oeffnen(fall);
    ASSERT_TRUE(test::ActivateWindowOf(menue.cmbOK));
    ASSERT_TRUE(test::PressF1());
    ASSERT_TRUE(ui::HelpViewer::Exists());
    EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), QStringLiteral("Abschnitt6.2.htm"));
    menue.Unload();
    Schliessen();
  }
  ui::HelpViewer::Instance().hide();
}

}  // namespace
}  // namespace tolvar
