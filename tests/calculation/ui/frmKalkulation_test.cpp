// The calculation window on the sample enterprise: choosing a culture, the key filter of the
// value boxes, the calculation against the reference results, the cost buttons, the
// culture surviving a tree rebuild, and storing a result.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/message_sink.h"
#include "calculation/einstellungslader.h"
#include "calculation/kalkulation.h"
#include "calculation/ui/frmKalkulation.h"
#include "calculation/ui/frmMaterialInfo.h"
#include "calculation/ui/frmVantelInfo.h"
#include "calculation/vergleichskultur.h"
#include "data/master_loaders.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/ui/keyedtree.h"
#include "support/fixtures.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"
#include "frmKalkulation_fixture.h"

namespace tolvar {
namespace {

using mdlKalkulation::Kostenart;

// The calculation logic's reference results, "K1003 txtHeizung=1088,63" per line.
std::map<std::string, std::map<std::string, std::string>> Referenz() {
  const std::string quelle = __FILE__;
  const std::string pfad = quelle.substr(0, quelle.find_last_of('/')) + "/../kalkulation_mustergaertnerei.txt";
  std::ifstream datei(pfad);
  EXPECT_TRUE(datei) << pfad;
  std::map<std::string, std::map<std::string, std::string>> referenz;
  std::string zeile;
  while (std::getline(datei, zeile)) {
    const auto blank = zeile.find(' ');
    const auto gleich = zeile.find('=');
    referenz[zeile.substr(0, blank)][zeile.substr(blank + 1, gleich - blank - 1)] = zeile.substr(gleich + 1);
  }
  return referenz;
}

class KalkulationFensterTest : public test::KalkulationFensterBasis {};

TEST_F(KalkulationFensterTest, SampleCulturesShowTheReferenceResults) {
  struct Fall {
    const char* nr;
    const char* preis;
    const char* menge;  // the last phase's plants
  };
  const Fall faelle[] = {{"K1003", "3,20", "5900"}, {"K1004", "2,40", "5000"},
                         {"K1005", "0,95", "12000"}, {"K1006", "1,60", "4000"}};
  const auto referenz = Referenz();
  frmKalkulation& f = Fenster();
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.nr);
    Waehlen(fall.nr);
    EXPECT_EQ(f.txtMenge->text(), QString::fromLatin1(fall.menge));
    EXPECT_FALSE(f.txtAnfang->text().isEmpty());
    EXPECT_FALSE(f.txtEnde->text().isEmpty());
    EXPECT_TRUE(f.cmbStart->isEnabled());
    EXPECT_FALSE(f.cmbErgebnisSpeichern->isEnabled());
    f.txtPreis->setText(QString::fromLatin1(fall.preis));
    f.cmbStart_Click();
    ASSERT_EQ(referenz.count(fall.nr), 1U);
    for (const auto& [box, soll] : referenz.at(fall.nr)) {
      auto* feld = f.findChild<QLineEdit*>(QString::fromStdString(box));
      ASSERT_NE(feld, nullptr) << box;
      EXPECT_EQ(feld->text().toStdString(), soll) << box;
    }
    EXPECT_TRUE(f.cmbHeizkosten->isEnabled() && f.cmbGemeinkostenMenu->isEnabled() &&
                f.cmbErgebnisSpeichern->isEnabled());
  }
  EXPECT_TRUE(meldungen.messages.empty());
}

TEST_F(KalkulationFensterTest, ChoosingAGroupOrAnotherCultureResetsTheWindow) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  state().HerkunftHeizung = Herkunft::Eingegeben;
  f.BeschriftungSetzen();
  ASSERT_EQ(f.cmbHeizkosten->text().toStdString(), *mdlKalkulation::Beschriftung(Kostenart::Heizung, 3));

  Waehlen("K1004");
  EXPECT_EQ(state().HerkunftHeizung, Herkunft::Errechnet);
  EXPECT_EQ(f.cmbHeizkosten->text(), QStringLiteral("+ Heizkosten ***"));  // the reset caption
  EXPECT_TRUE(f.txtHeizung->text().isEmpty());
  EXPECT_TRUE(f.txtPreis->text().isEmpty());
  EXPECT_FALSE(f.cmbHeizkosten->isEnabled());

  const std::string gruppe = Gruppe();
  ASSERT_FALSE(gruppe.empty());
  Waehlen(gruppe);
  EXPECT_TRUE(f.txtName->text().isEmpty());
  EXPECT_TRUE(f.txtMenge->text().isEmpty());
  EXPECT_FALSE(f.cmbStart->isEnabled());
  f.txtPreis->setText(QStringLiteral("3"));
  EXPECT_FALSE(f.Kalkulieren());  // a group is nothing to calculate
}

TEST_F(KalkulationFensterTest, TreeKeysChooseOnlyWithArrows) {
  frmKalkulation& f = Fenster();
  Waehlen("K1003");
  const QString name = f.txtName->text();
  f.trvKulturen->Select(QStringLiteral("K1004"));
  f.trvKulturen_KeyUp(Qt::Key_A);
  EXPECT_EQ(f.txtName->text(), name);
  f.trvKulturen_KeyUp(Qt::Key_Down);
  EXPECT_EQ(f.txtName->text().toStdString(), Kultur("K1004").Kulturname);
}

TEST_F(KalkulationFensterTest, KeyFilterOfTheValueBoxes) {
  struct Fall {
    const char* was;
    int key;
    QString text;
    const char* vorher;
    const char* nachher;
    int16_t flag;
    int beeps;
  };
  const Fall faelle[] = {
      {"digit", Qt::Key_5, QStringLiteral("5"), "1", "15", Herkunft::Eingegeben, 0},
      {"comma", Qt::Key_Comma, QStringLiteral(","), "1", "1,", Herkunft::Eingegeben, 0},
      {"backspace in an empty box", Qt::Key_Backspace, QString(QChar(8)), "", "", Herkunft::Eingegeben, 0},
      {"letter", Qt::Key_A, QStringLiteral("a"), "1", "1", Herkunft::Errechnet, 1},
      {"point", Qt::Key_Period, QStringLiteral("."), "1", "1", Herkunft::Errechnet, 1},
  };
  frmKalkulation& f = Fenster();
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    state().HerkunftMaterial = Herkunft::Errechnet;
    f.txtMaterial->setText(QString::fromLatin1(fall.vorher));
    f.txtMaterial->setCursorPosition(f.txtMaterial->text().size());
    f.cmbMaterialkosten->setText(QStringLiteral("alt"));
    const int beeps = prompts->beeps();
    Taste(f.txtMaterial, fall.key, fall.text);
    EXPECT_EQ(f.txtMaterial->text(), QString::fromLatin1(fall.nachher));
    EXPECT_EQ(state().HerkunftMaterial, fall.flag);
    EXPECT_EQ(prompts->beeps() - beeps, fall.beeps);
    // Every key but Enter rewrites the captions.
    EXPECT_EQ(f.cmbMaterialkosten->text(),
              QString::fromStdString(*mdlKalkulation::Beschriftung(Kostenart::Material, fall.flag)));
  }
}

TEST_F(KalkulationFensterTest, EnterMovesToTheMenuButtonAndKeepsTheFlag) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  f.txtPSM->setFocus();
  const QString knopf = f.cmbPSMKosten->text();
  Taste(f.txtPSM, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(f.focusWidget(), f.cmbPSMKostenMenu);
  EXPECT_EQ(state().HerkunftPSM, Herkunft::Errechnet);
  EXPECT_EQ(f.cmbPSMKosten->text(), knopf);  // not rewritten
}

TEST_F(KalkulationFensterTest, LeavingATypedBoxRecalculatesWithTheTypedValue) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  const QString sachkosten = f.txtSachkosten->text();
  f.txtHeizung->setText(QString());
  for (const char* z : {"1", "0", "0"}) Taste(f.txtHeizung, Qt::Key_0, QString::fromLatin1(z));
  ASSERT_EQ(f.txtHeizung->text(), QStringLiteral("100"));
  QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(f.txtHeizung, &weg);
  EXPECT_EQ(f.txtHeizung->text(), QStringLiteral("100"));
  EXPECT_EQ(f.cmbHeizkosten->text().toStdString(), *mdlKalkulation::Beschriftung(Kostenart::Heizung, 3));
  EXPECT_NE(f.txtSachkosten->text(), sachkosten);
  EXPECT_EQ(f.txtSachkosten->text(), QStringLiteral("591,00"));  // 1579,63 - 1088,63 + 100
}

TEST_F(KalkulationFensterTest, CostButtonsOpenDetailsOnlyForComputedPositiveValues) {
  struct Fall {
    const char* was;
    Kostenart art;
    int16_t flag;
    const char* wert;  // nullptr: as calculated
    bool offen;
  };
  const Fall faelle[] = {
      {"heating computed", Kostenart::Heizung, Herkunft::Errechnet, nullptr, true},
      {"heating typed in", Kostenart::Heizung, Herkunft::Eingegeben, nullptr, false},
      {"heating taken over", Kostenart::Heizung, Herkunft::Vergleichskultur, nullptr, false},
      {"heating zero", Kostenart::Heizung, Herkunft::Errechnet, "0,00", false},
      {"heating no number", Kostenart::Heizung, Herkunft::Errechnet, "1,2,3", false},
      {"material computed", Kostenart::Material, Herkunft::Errechnet, nullptr, true},
      {"material empty", Kostenart::Material, Herkunft::Errechnet, "", false},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    frmKalkulation& f = Fenster();
    Berechnen("K1003", "3,20");
    mdlKalkulation::HerkunftVon(state(), fall.art) = fall.flag;
    if (fall.wert) f.Wertfeld(fall.art)->setText(QString::fromLatin1(fall.wert));
    f.Kostenknopf_Click(fall.art);
    const bool offen = fall.art == Kostenart::Heizung ? frmVantelInfo::IsLoaded() : frmMaterialInfo::IsLoaded();
    EXPECT_EQ(offen, fall.offen);
    test::UnloadAllWindows();
  }
}

TEST_F(KalkulationFensterTest, ChosenCultureSurvivesATreeRebuild) {
  const auto referenz = Referenz();
  frmKalkulation& f = Fenster();
  Waehlen("K1004");
  f.txtPreis->setText(QStringLiteral("2,40"));
  Aktivieren();  // the rebuild runs the tree builder, which moves KulturIndex
  EXPECT_EQ(f.trvKulturen->SelectedItem(), QStringLiteral("K1004"));
  f.cmbStart_Click();
  EXPECT_EQ(f.txtHeizung->text().toStdString(), referenz.at("K1004").at("txtHeizung"));
  EXPECT_EQ(f.txtGewinn[2]->text().toStdString(), referenz.at("K1004").at("txtGewinn(2)"));
}

TEST_F(KalkulationFensterTest, StoringAppendsOneComparisonCultureSilently) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
  const int vorher = state().AnzahlVergleichskulturen;
  const KalkulationsFenster inhalt = f.Inhalt();
  f.cmbErgebnisSpeichern_Click();
  mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
  ASSERT_EQ(state().AnzahlVergleichskulturen, vorher + 1);
  const VergleichskulturSatz& neu = state().VergleichskulturListe[vorher];
  EXPECT_EQ(neu.Kultur, inhalt.txtName);
  EXPECT_EQ(neu.Heizung, inhalt.txtHeizung);
  EXPECT_EQ(neu.DQHeizung, "1");
  EXPECT_EQ(neu.Nr, std::to_string(vorher));
  EXPECT_TRUE(prompts->messageBoxes().empty());
  EXPECT_EQ(f.txtHeizung->text().toStdString(), inhalt.txtHeizung);
}

}  // namespace
}  // namespace tolvar
