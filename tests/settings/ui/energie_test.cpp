// The fuel and covering list editors on the settings tab and as stand-alone windows, and the
// electricity price.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "data/state.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmBrennstoff.h"
#include "settings/ui/frmEindeckung.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/vantel_editors.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class EnergieTest : public EinstellungenTest {
 protected:
  frmEinstellungen& Tab() {
    frmEinstellungen& f = frmEinstellungen::instanz();
    ui::FormAccess::Activate(f);
    f.regEinstellungen->SetTab(2);
    return f;
  }
};

TEST_F(EnergieTest, TheTabShowsThePriceAndTheFirstFuelsFormatted) {
  frmEinstellungen& f = Tab();
  settings::ui::BrennstoffEditor& b = *f.brennstoff;
  EXPECT_EQ(f.txtKWH->text(), QStringLiteral("0,22"));
  EXPECT_FALSE(f.fraHeizung->isHidden());
  EXPECT_TRUE(f.fraEindeckung->isHidden());
  EXPECT_EQ(b.txtName[1]->text(), QStringLiteral("Heizöl EL (l)"));
  EXPECT_EQ(b.txtHeizwert[1]->text(), QStringLiteral("10,0"));
  EXPECT_EQ(b.txtBrennwert[1]->text(), QStringLiteral("10,6"));
  EXPECT_EQ(b.txtPreis[1]->text(), QStringLiteral("0,95"));
  EXPECT_EQ(b.txtName[5]->text(), QStringLiteral("Steinkohle (kg)"));
}

TEST_F(EnergieTest, ArrowsMoveWithinTheList) {
  // Eleven coverings: ">>" four on, "<<" five back, both kept within the list.
  frmEinstellungen& f = Tab();
  f.cmbWechsel_Click();
  settings::ui::EindeckungEditor& e = *f.eindeckung;
  EXPECT_EQ(f.cmbWechsel->text(), QStringLiteral("Brennstoff-Verwaltung"));
  struct Schritt {
    void (settings::ui::EindeckungEditor::*knopf)();
    int index;
  };
  const std::vector<Schritt> schritte = {
      {&settings::ui::EindeckungEditor::cmbZurueckE_Click, 0}, {&settings::ui::EindeckungEditor::cmb5VorE_Click, 4},
      {&settings::ui::EindeckungEditor::cmb5VorE_Click, 8},    {&settings::ui::EindeckungEditor::cmb5VorE_Click, 10},
      {&settings::ui::EindeckungEditor::cmbVorE_Click, 10},    {&settings::ui::EindeckungEditor::cmb5ZurueckE_Click, 5},
      {&settings::ui::EindeckungEditor::cmb5ZurueckE_Click, 0}};
  for (const Schritt& s : schritte) {
    (e.*s.knopf)();
    EXPECT_EQ(e.EindeckungIndex, s.index);
  }
  (e.*schritte[3].knopf)();  // to the last entry
  e.cmb5VorE_Click();
  e.cmb5VorE_Click();
  EXPECT_EQ(e.txtEindeckung[1]->text(), QStringLiteral("Sandwichpaneel 40 mm"));
  EXPECT_TRUE(e.txtEindeckung[2]->text().isEmpty());
}

TEST_F(EnergieTest, ANewFuelWithAStoredNameIsRefusedAndStaysPending) {
  settings::ui::BrennstoffEditor& b = *Tab().brennstoff;
  b.cmbNeu_Click();
  EXPECT_EQ(b.cmbBrennstoffLoeschen->text(), QStringLiteral("Neueingabe beenden"));
  EXPECT_FALSE(b.cmbVor->isEnabled());
  EXPECT_TRUE(b.txtName[1]->text().isEmpty());
  EXPECT_EQ(b.txtName[2]->text(), QStringLiteral("Heizöl EL (l)"));
  EXPECT_EQ(b.NeueBrennstoffNummer, 6);
  b.txtName[1]->setText(QStringLiteral("Erdgas H (m³)"));
  b.txtHeizwert[1]->setText(QStringLiteral("10"));
  b.txtBrennwert[1]->setText(QStringLiteral("11"));
  b.txtPreis[1]->setText(QStringLiteral("0,8"));
  prompts->AnswerMsgBox(ui::msgbox::TryAgain);
  b.cmbBrennstoffSpeichern_Click();
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].style, ui::msgbox::CancelTryAgainContinue);
  EXPECT_EQ(prompts->messageBoxes()[0].title, QStringLiteral("Tolvar-Information"));
  EXPECT_TRUE(b.NeueingabeLaeuft());
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Nummer").size(), 5u);

  b.txtName[1]->setText(QStringLiteral("Erdgas L (m³)"));
  b.cmbBrennstoffSpeichern_Click();
  EXPECT_FALSE(b.NeueingabeLaeuft());
  EXPECT_EQ(b.cmbBrennstoffLoeschen->text(), QStringLiteral("Löschen"));
  EXPECT_EQ(b.BrennstoffIndex, 5);
  EXPECT_EQ(b.txtName[1]->text(), QStringLiteral("Erdgas L (m³)"));
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Nummer").back(), "6");
}

TEST_F(EnergieTest, ANewCoveringWithoutLightTransmissionIsStoredWithZero) {
  frmEinstellungen& f = Tab();
  f.cmbWechsel_Click();
  settings::ui::EindeckungEditor& e = *f.eindeckung;
  e.cmbNeuE_Click();
  e.txtEindeckung[1]->setText(QStringLiteral("Noppenfolie"));
  e.txtKWert[1]->setText(QStringLiteral("4,5"));
  e.chbDach[1]->setChecked(true);
  e.cmbSpeichernE_Click();
  EXPECT_EQ(Spalte(Vantel(), "GWHMaterial", "Material").back(), "Noppenfolie");
  EXPECT_EQ(Spalte(Vantel(), "GWHMaterial", "Eignung").back(), "1");
  EXPECT_EQ(Spalte(Vantel(), "GWHMaterial", "Durchlässigkeit").back(), "0");
}

TEST_F(EnergieTest, DeletingMovesOneBackAndEndingANewEntryReturnsToBrowsing) {
  settings::ui::BrennstoffEditor& b = *Tab().brennstoff;
  b.cmb5Vor_Click();
  ASSERT_EQ(b.BrennstoffIndex, 4);
  b.cmbBrennstoffLoeschen_Click();
  EXPECT_EQ(b.BrennstoffIndex, 3);
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Nummer").size(), 4u);
  b.cmbNeu_Click();
  b.cmbBrennstoffLoeschen_Click();
  EXPECT_FALSE(b.NeueingabeLaeuft());
  EXPECT_TRUE(b.cmbVor->isEnabled());
  EXPECT_FALSE(b.cmbNeu->isHidden());
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Nummer").size(), 4u);
}

TEST_F(EnergieTest, NumericColumnsDropOtherKeysWithABeep) {
  settings::ui::BrennstoffEditor& b = *Tab().brennstoff;
  const std::vector<std::pair<int, int>> faelle = {{'7', '7'}, {',', ','}, {8, 8}, {'a', 0}, {'/', 0}, {13, 0}};
  for (const auto& [taste, ergebnis] : faelle) {
    SCOPED_TRACE(taste);
    EXPECT_EQ(b.txtBrennwert_KeyPress(3, taste), ergebnis);
  }
  EXPECT_EQ(prompts->beeps(), 2);
}

// "Speichern" stores a price as typed and refuses one the calculation cannot use.
TEST_F(EnergieTest, ThePriceIsCheckedThenStoredAsTyped) {
  frmEinstellungen& f = frmEinstellungen::instanz();
  f.Show();
  ASSERT_TRUE(test::ClickTab(f.regEinstellungen, 2));
  const std::string vorher = state().AktuelleEinstellungen.Strom;
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::TypeInto(f.txtKWH, QStringLiteral("-5")));
  ASSERT_TRUE(test::Click(f.cmbStromOK));
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].text, QStringLiteral("Überprüfen sie bitte ihre Werte"));
  EXPECT_EQ(state().AktuelleEinstellungen.Strom, vorher);
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Strom"), std::vector<std::string>{vorher});
  ASSERT_TRUE(test::TypeInto(f.txtKWH, QStringLiteral("0,18")));
  ASSERT_TRUE(test::Click(f.cmbStromOK));
  EXPECT_EQ(state().AktuelleEinstellungen.Strom, "0,18");
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Strom"), std::vector<std::string>{"0,18"});
}

TEST_F(EnergieTest, StandAloneWindowsCloseAfterASaveAndTheCoveringsAlsoOnCancel) {
  frmBrennstoff& b = frmBrennstoff::instanz();
  ui::FormAccess::Activate(b);
  EXPECT_EQ(b.editor->txtName[1]->text(), QStringLiteral("Heizöl EL (l)"));
  b.editor->cmbBrennstoffAbbruch_Click();
  ProcessEvents();
  EXPECT_TRUE(frmBrennstoff::IsLoaded());
  b.editor->txtPreis[1]->setText(QStringLiteral("1,05"));
  b.editor->cmbBrennstoffSpeichern_Click();
  ProcessEvents();
  EXPECT_FALSE(frmBrennstoff::IsLoaded());
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Preis").front(), "1,05");

  frmEindeckung& e = frmEindeckung::instanz();
  ui::FormAccess::Activate(e);
  e.editor->cmbAbbruchE_Click();
  ProcessEvents();
  EXPECT_FALSE(frmEindeckung::IsLoaded());
}

}  // namespace
}  // namespace tolvar::test
