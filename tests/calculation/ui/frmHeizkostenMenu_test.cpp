// The origin menus of the heating and material lines and the take-over from a comparison
// culture in their detail windows.
#include "calculation/ui/frmHeizkostenMenu.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculation/mdlkulturVergleich.h"
#include "calculation/ui/frmMaterialInfo.h"
#include "calculation/ui/frmMaterialkostenMenu.h"
#include "calculation/ui/frmVantelInfo.h"
#include "frmKalkulation_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/tabstrip.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

class KostenMenueTest : public test::KalkulationFensterBasis {
 protected:
  // Opens the line's menu by its "[Menü]" button, clicks the option `wahl` and closes the
  // menu with OK or the close box.
  void MenueWaehlen(Kostenart art, int wahl, bool ok) {
    ASSERT_TRUE(test::Click(Fenster().Menueknopf(art)));
    const bool heizung = art == Kostenart::Heizung;
    ASSERT_TRUE(heizung ? frmHeizkostenMenu::IsLoaded() : frmMaterialkostenMenu::IsLoaded());
    KostenMenue& m = heizung ? static_cast<KostenMenue&>(frmHeizkostenMenu::instanz())
                             : static_cast<KostenMenue&>(frmMaterialkostenMenu::instanz());
    EXPECT_EQ(m.opbHerkunft->Selected(), 1);
    ASSERT_TRUE(test::Click(m.opbHerkunft->Button(wahl)));
    if (ok) {
      ASSERT_TRUE(test::Click(m.cmbOK));
    } else {
      m.close();
    }
    test::ProcessEvents();
  }
};

TEST_F(KostenMenueTest, MenusApplyTheirChoice) {
  struct Fall {
    const char* was;
    Kostenart art;
    int wahl;
    bool ok;
    int16_t flag;       // afterwards
    const char* knopf;  // caption afterwards; nullptr: the calculation's wording for the flag
    bool leer;          // the value box emptied
    bool vergleich;     // the detail window opened with the comparison frame
  };
  const Fall faelle[] = {
      {"heating, close box, type in", Kostenart::Heizung, 3, false, 3, "+ Heizkosten *", true, false},
      {"heating, OK, type in", Kostenart::Heizung, 3, true, 3, "+ Heizkosten *", true, false},
      {"heating, close box, comparison", Kostenart::Heizung, 2, false, 2, "+ Heizkosten **", false, true},
      {"heating, OK, compute", Kostenart::Heizung, 1, true, 1, nullptr, false, false},
      {"material, close box, type in", Kostenart::Material, 3, false, 1, "+ Material ***", false, false},
      {"material, OK, type in", Kostenart::Material, 3, true, 3, "+ Material *", true, false},
      {"material, OK, comparison", Kostenart::Material, 2, true, 2, "+ Material **", false, true},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    Berechnen("K1003", "3,20");
    frmKalkulation& f = Fenster();
    const QString wert = f.Wertfeld(fall.art)->text();
    MenueWaehlen(fall.art, fall.wahl, fall.ok);
    EXPECT_FALSE(frmHeizkostenMenu::IsLoaded() || frmMaterialkostenMenu::IsLoaded());
    EXPECT_EQ(state().calculation.HerkunftVon(fall.art), fall.flag);
    EXPECT_EQ(ui::S(f.Kostenknopf(fall.art)->text()),
              fall.knopf ? std::string(fall.knopf) : *mdlKalkulation::Beschriftung(fall.art, fall.flag));
    EXPECT_EQ(f.Wertfeld(fall.art)->text(), fall.leer ? QString() : wert);
    if (fall.leer) {
      EXPECT_EQ(f.focusWidget(), f.Wertfeld(fall.art));
    }
    const bool offen = fall.art == Kostenart::Heizung ? frmVantelInfo::IsLoaded() : frmMaterialInfo::IsLoaded();
    EXPECT_EQ(offen, fall.vergleich);
    if (fall.vergleich && fall.art == Kostenart::Heizung) {
      frmVantelInfo& info = frmVantelInfo::instanz();
      EXPECT_TRUE(info.fraVergleich->isVisibleTo(&info));
      EXPECT_FALSE(info.fraVantel->isVisibleTo(&info));
      EXPECT_FALSE(info.regHeizkosten->TabEnabled(1));
      EXPECT_EQ(info.regHeizkosten->Tab(), 0);
      EXPECT_GT(info.comVergleichskulturen->count(), 0);
    }
    if (fall.vergleich && fall.art == Kostenart::Material) {
      frmMaterialInfo& info = frmMaterialInfo::instanz();
      EXPECT_TRUE(info.fraVergleich->isVisibleTo(&info));
      EXPECT_FALSE(info.fraMaterial->isVisibleTo(&info));
      EXPECT_FALSE(info.regMaterialkosten->TabEnabled(1));
      EXPECT_EQ(info.regMaterialkosten->Tab(), 0);
    }
    test::UnloadAllWindows();
  }
}

TEST_F(KostenMenueTest, ComputeChoiceRecalculatesATypedLine) {
  Berechnen("K1003", "3,20");
  frmKalkulation& f = Fenster();
  const QString berechnet = f.txtMaterial()->text();
  ASSERT_TRUE(test::TypeInto(f.txtMaterial(), QStringLiteral("1")));
  ASSERT_TRUE(test::Click(f.cmbStart));
  ASSERT_EQ(f.txtMaterial()->text(), QStringLiteral("1"));
  ASSERT_EQ(state().calculation.HerkunftMaterial(), Herkunft::Eingegeben);
  MenueWaehlen(Kostenart::Material, 1, true);
  EXPECT_EQ(f.txtMaterial()->text(), berechnet);
  EXPECT_EQ(ui::S(f.cmbMaterialkosten()->text()), *mdlKalkulation::Beschriftung(Kostenart::Material, 1));
}

// A stored culture whose line was computed (grade "1") is taken over as 2; one whose line
// was itself taken over or typed in (grades "2", "3") as typed in.
TEST_F(KostenMenueTest, TakeOverSetsTheFlagByTheStoredGrade) {
  struct Fall {
    Kostenart art;
    int16_t gespeichert;  // flag of the line when the comparison culture was stored
    int16_t danach;
  };
  const Fall faelle[] = {
      {Kostenart::Heizung, 1, 2},  {Kostenart::Heizung, 2, 3},  {Kostenart::Heizung, 3, 3},
      {Kostenart::Material, 1, 2}, {Kostenart::Material, 2, 3}, {Kostenart::Material, 3, 3},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(fall.art) << " stored as " << fall.gespeichert);
    Berechnen("K1004", "2,40");
    frmKalkulation& f = Fenster();
    // The line as each origin leaves it: a flag and value no single input gives together.
    state().calculation.HerkunftVon(fall.art) = fall.gespeichert;
    f.Wertfeld(fall.art)->setText(QStringLiteral("123,45"));
    ASSERT_TRUE(test::Click(f.cmbErgebnisSpeichern));

    Berechnen("K1003", "3,20");
    MenueWaehlen(fall.art, 2, true);
    QComboBox* liste = fall.art == Kostenart::Heizung ? frmVantelInfo::instanz().comVergleichskulturen
                                                      : frmMaterialInfo::instanz().comVergleichskulturen;
    ASSERT_TRUE(test::ChooseEntry(liste, liste->count() - 1));  // the culture stored last
    if (fall.art == Kostenart::Heizung) {
      EXPECT_EQ(frmVantelInfo::instanz().txtKostenVergleichskultur->text(), QStringLiteral("123,45"));
      ASSERT_TRUE(test::Click(frmVantelInfo::instanz().cmbOk));
    } else {
      EXPECT_EQ(frmMaterialInfo::instanz().txtKostenVergleichskultur->text(), QStringLiteral("123,45"));
      ASSERT_TRUE(test::Click(frmMaterialInfo::instanz().cmbOk));
    }
    test::ProcessEvents();
    EXPECT_FALSE(frmVantelInfo::IsLoaded() || frmMaterialInfo::IsLoaded());
    EXPECT_EQ(f.Wertfeld(fall.art)->text(), QStringLiteral("123,45"));
    EXPECT_EQ(state().calculation.HerkunftVon(fall.art), fall.danach);
    EXPECT_EQ(ui::S(f.Kostenknopf(fall.art)->text()), *mdlKalkulation::Beschriftung(fall.art, fall.danach));
    test::UnloadAllWindows();
  }
}

TEST_F(KostenMenueTest, TakeOverWithoutStoredCulturesOrWithTypedTextInTheList) {
  // An empty result database: the template.
  state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = root.Join("Tolvar_DB/VorlageErgebnisse.tvd");
  Berechnen("K1003", "3,20");
  frmKalkulation& f = Fenster();
  MenueWaehlen(Kostenart::Heizung, 2, true);
  frmVantelInfo& info = frmVantelInfo::instanz();
  ASSERT_EQ(info.comVergleichskulturen->count(), 1);
  EXPECT_EQ(info.comVergleichskulturen->currentText(), QStringLiteral("Kein Datensatz vorhanden"));

  // Typed text names no stored culture: nothing happens.
  info.comVergleichskulturen->setEditText(QStringLiteral("irgendwas"));
  ASSERT_TRUE(test::Click(info.cmbOk));
  ASSERT_TRUE(frmVantelInfo::IsLoaded());
  EXPECT_FALSE(f.txtHeizung()->text().isEmpty());

  // The single entry: the box is emptied and the flag stays.
  ASSERT_TRUE(test::ChooseEntry(info.comVergleichskulturen, 0));
  ASSERT_TRUE(test::Click(info.cmbOk));
  EXPECT_TRUE(f.txtHeizung()->text().isEmpty());
  EXPECT_EQ(state().calculation.HerkunftHeizung(), Herkunft::Vergleichskultur);
}

}  // namespace
}  // namespace tolvar
