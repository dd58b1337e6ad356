// The pot, substrate and combination editors, the standard vessel sizes, and where the
// pocket calculator's result lands.
#include "masterdata/ui/frmTopf.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <string>

#include "data/state.h"
#include "masterdata/calculator.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTopfSubstrat.h"
#include "masterdata/ui/frmVolumen.h"
#include "material_editor_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "support/tables.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"

namespace tolvar {
namespace {

class TopfEditorTest : public test::MaterialEditorFixture {
 protected:
  static frmTopf& TopfOeffnen(const std::string& modus, const std::string& nr = "M1007") {
    state().selection.BearbeitungsmodusTopf = modus;
    state().selection.TopfIndex = Index(nr);
    frmTopf& form = frmTopf::instanz();
    form.Show();
    return form;
  }
  static frmTopfSubstrat& KombinationOeffnen(const std::string& modus, const std::string& nr) {
    state().selection.Bearbeitungsmodus = modus;
    state().selection.MaterialIndex = Index(nr);
    frmTopfSubstrat& form = frmTopfSubstrat::instanz();
    form.Show();
    return form;
  }
};

TEST_F(TopfEditorTest, CalculatorWritesIntoTheBoxItsTargetNames) {
  struct Fall {
    int ziel;
    std::function<QLineEdit*()> box;
  };
  state().selection.BearbeitungsmodusTopf = "Neu";
  state().selection.BearbeitungsmodusSubstrat = "Neu";
  state().selection.Bearbeitungsmodus = "Neu";
  state().selection.MaterialIndex = Index("M1002");
  const Fall faelle[] = {
      {masterdata::kTopfMenge, [] { return frmTopf::instanz().txtMenge; }},
      {masterdata::kTopfPreis, [] { return frmTopf::instanz().txtPreis; }},
      {masterdata::kTopfVolumen, [] { return frmTopf::instanz().txtVolumen; }},
      {masterdata::kSubstratPreis, [] { return frmSubstrat::instanz().txtPreis; }},
      {masterdata::kMaterialMenge, [] { return frmMaterial4opt::instanz().txtMenge; }},
      {masterdata::kMaterialPreis, [] { return frmMaterial4opt::instanz().txtPreis; }},
      {masterdata::kStandardVolumen, [] { return frmVolumen::instanz().txtVolumen; }},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.ziel);
    QLineEdit* box = fall.box();
    frmRechner& rechner = frmRechner::instanz();
    rechner.Show();
    state().windows.Merkwert = fall.ziel;
    ASSERT_TRUE(test::Click(rechner.Number[4]));
    ASSERT_TRUE(test::Click(rechner.Decimal));
    ASSERT_TRUE(test::Click(rechner.Number[5]));
    rechner.Unload();
    EXPECT_EQ(box->text(), QStringLiteral("4,5"));
    test::UnloadAllWindows();
  }
}

TEST_F(TopfEditorTest, ChangingAPotShowsItsPriceOfOnePotAndUpdatesItsCombination) {
  frmTopf& form = TopfOeffnen("Aendern", "M1011");
  EXPECT_EQ(form.txtName->text(), QStringLiteral("Topf 12 cm"));
  EXPECT_EQ(form.txtVolumen->text(), QStringLiteral("0,8"));
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,07"));
  EXPECT_EQ(form.txtWdh->text(), QStringLiteral("1"));
  EXPECT_TRUE(form.opbBezug[1]->isChecked());
  EXPECT_FALSE(form.cmbNeu->isVisible());
  EXPECT_EQ(state().windows.Merkwert, masterdata::kTopfMenge);

  state().selection.TopfIndex = Index("M1012");  // moved by another window meanwhile
  state().selection.MaterialIndex = 7;
  ASSERT_TRUE(test::TypeInto(form.txtPreis, QStringLiteral("6")));
  ASSERT_TRUE(test::TypeInto(form.txtWdh, QStringLiteral("3")));
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmTopf::IsLoaded());
  EXPECT_EQ(Anzahl("Material", "M1011"), 1);
  EXPECT_EQ(Anzahl("Gefaesse", "M1011"), 1);
  EXPECT_EQ(Anzahl("Material", "M1012"), 1);
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE MaterialNr = 'M1011'"), "2");
  // Pot 2 + 0,8 l × 42 €/m³ / 1000.
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE MaterialNr = 'M1016'"), "2,03");
  EXPECT_EQ(state().selection.MaterialIndex, 7);
}

// Each number box of the pot editor, typed through its key filter and saved: a value that is
// no amount is refused with the message naming its field, and nothing is stored.
TEST_F(TopfEditorTest, SaveRefusesValuesThatAreNoAmount) {
  using F = frmTopf;
  struct Fall {
    QLineEdit* F::*box;
    const char* getippt;
    const char* angezeigt;  // after the key filter
    const char* meldung;    // empty: stored
  };
  const Fall faelle[] = {
      {&F::txtMenge, "1,2,3", "1,2,3", "Der Wert für \"Einheiten\" ist keine gültige Zahl."},
      {&F::txtPreis, "1,2,3", "1,2,3", "Der Wert für \"Preis\" ist keine gültige Zahl."},
      {&F::txtPreis, "-5", "5", ""},
      {&F::txtVolumen, "1,2,3", "1,2,3", "Der Wert für \"Volumen\" ist keine gültige Zahl."},
      {&F::txtVolumen, "1e308", "1308", ""},
      {&F::txtWdh, "abc", "abc", "Der Wert für \"Wiederverwendung\" ist keine gültige Zahl."},
      {&F::txtWdh, "-5", "-5", "Der Wert für \"Wiederverwendung\" muss eine Zahl über 0 bis 1.000.000.000.000 sein."},
      {&F::txtWdh, "1e308", "1e308",
       "Der Wert für \"Wiederverwendung\" muss eine Zahl über 0 bis 1.000.000.000.000 sein."},
      // Within the range, but the price of one use (price ÷ reuse) would be no finite number.
      {&F::txtWdh, "1e-310", "1e-310",
       "Der Wert für \"Wiederverwendung\" ist zu klein: Der Preis je Verwendung wäre keine gültige Zahl."},
      {&F::txtWdh, "", "", ""},
      {&F::txtWdh, "4", "4", ""},
  };
  for (const Fall& fall : faelle) {
    frmTopf& form = TopfOeffnen("Aendern", "M1011");
    QLineEdit* box = form.*fall.box;
    SCOPED_TRACE(ui::S(box->objectName()) + " \"" + fall.getippt + "\"");
    ASSERT_TRUE(test::TypeInto(box, QString::fromUtf8(fall.getippt)));
    ASSERT_EQ(box->text(), QString::fromUtf8(fall.angezeigt));
    const std::string vorher = test::Datenbankinhalt(state().enterprise.AktuelleEinstellungen.MaterialPfad);
    const std::size_t gezeigt = prompts_->shown().size();
    const bool abgelehnt = *fall.meldung != 0;
    if (abgelehnt) prompts_->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(form.cmbSpeichern));
    if (!abgelehnt) {
      EXPECT_EQ(prompts_->shown().size(), gezeigt);
      EXPECT_FALSE(frmTopf::IsLoaded());
      continue;
    }
    ASSERT_TRUE(frmTopf::IsLoaded());
    ASSERT_EQ(prompts_->shown().size(), gezeigt + 1);
    EXPECT_EQ(prompts_->shown().back().text, QString::fromUtf8(fall.meldung));
    EXPECT_EQ(test::Datenbankinhalt(state().enterprise.AktuelleEinstellungen.MaterialPfad), vorher);
    EXPECT_EQ(test::FocusWidget(), box);
    form.Unload();
  }
}

TEST_F(TopfEditorTest, NewPotAsksForEmptyValuesAndWritesNothingOnNo) {
  frmTopf& form = TopfOeffnen("Neu");
  const std::string nr = "M1" + ui::S(form.txtCode->text().right(3));
  EXPECT_TRUE(form.chbAktuell->isChecked());
  ASSERT_TRUE(test::TypeInto(form.txtName, QStringLiteral("Container 3 Liter eckig")));
  ASSERT_TRUE(test::TypeInto(form.txtPreis, QStringLiteral("0,5")));
  prompts_->AnswerMsgBox(ui::msgbox::No);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_TRUE(frmTopf::IsLoaded());
  EXPECT_EQ(form.txtKuerzel->text(), QStringLiteral("Container "));
  EXPECT_EQ(Anzahl("Material", nr), 0);

  prompts_->AnswerMsgBox(ui::msgbox::Yes).AnswerMsgBox(ui::msgbox::Yes);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmTopf::IsLoaded());
  EXPECT_EQ(Wert("SELECT Einheit FROM Material WHERE MaterialNr = '" + nr + "'"), "1");
  EXPECT_EQ(Wert("SELECT Volumen FROM Gefaesse WHERE MaterialNr = '" + nr + "'"), "1");
  EXPECT_EQ(Wert("SELECT Wdh FROM Material WHERE MaterialNr = '" + nr + "'"), "1");
  EXPECT_EQ(Wert("SELECT UeberPNr FROM Material WHERE MaterialNr = '" + nr + "'"), "1007");
}

TEST_F(TopfEditorTest, ChosenStandardSizeGoesToThePotAndMovesToTheEnd) {
  frmTopf& topf = TopfOeffnen("Neu");
  ASSERT_TRUE(test::Click(topf.cmbVolumen));
  frmVolumen& volumen = frmVolumen::instanz();
  EXPECT_EQ(volumen.trvVolumen->Text(QStringLiteral("12er Topf0,8")), QStringLiteral("12er Topf   0,8 Liter"));
  ASSERT_TRUE(test::ClickNode(volumen.trvVolumen, QStringLiteral("12er Topf0,8")));
  EXPECT_FALSE(volumen.Formular().NeuesVolumen);
  EXPECT_EQ(volumen.txtBezeichnung->text(), QStringLiteral("12er Topf"));
  ASSERT_TRUE(test::Click(volumen.cmbOK));
  EXPECT_FALSE(frmVolumen::IsLoaded());
  EXPECT_EQ(topf.txtVolumen->text(), QStringLiteral("0,8"));
  EXPECT_EQ(Wert("SELECT Bezeichnung FROM Standardgroessen ORDER BY rowid DESC LIMIT 1"), "12er Topf");
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Standardgroessen"), "4");
}

TEST_F(TopfEditorTest, StandardSizeAlreadyListedIsNotAddedAndOkStaysOpen) {
  frmVolumen& volumen = frmVolumen::instanz();
  volumen.Show();
  ASSERT_TRUE(test::Click(volumen.cmbNeu));
  ASSERT_TRUE(test::TypeInto(volumen.txtBezeichnung, QStringLiteral("9er Topf")));
  ASSERT_TRUE(test::TypeInto(volumen.txtVolumen, QStringLiteral("0,4")));
  ASSERT_TRUE(test::Click(volumen.cmbOK));
  EXPECT_TRUE(frmVolumen::IsLoaded());
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Standardgroessen"), "4");

  // The same name with another volume: a question; Yes lists both.
  ASSERT_TRUE(test::TypeInto(volumen.txtVolumen, QStringLiteral("0,45")));
  prompts_->AnswerMsgBox(ui::msgbox::Yes);
  ASSERT_TRUE(test::Click(volumen.cmbSpeichern));
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].text,
            QStringLiteral("Die eingegebene Bezeichnung existiert bereits.\n\nWollen sie den selben Name für 2 "
                           "unterschiedliche Gefäße vergeben?"));
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Standardgroessen WHERE Bezeichnung = '9er Topf'"), "2");
  EXPECT_EQ(volumen.trvVolumen->Children(QStringLiteral("Standard")).size(), 5);

  // "Löschen" removes the size the boxes show.
  ASSERT_TRUE(test::Click(volumen.cmbLoeschen));
  EXPECT_TRUE(volumen.Formular().NeuesVolumen);
  EXPECT_TRUE(volumen.txtBezeichnung->text().isEmpty());
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Standardgroessen WHERE Bezeichnung = '9er Topf'"), "1");
}

TEST_F(TopfEditorTest, NewSubstrateStartsNotCurrentAndOffersOneForAnEmptyPrice) {
  state().selection.BearbeitungsmodusSubstrat = "Neu";
  frmSubstrat& form = frmSubstrat::instanz();
  form.Show();
  EXPECT_EQ(state().windows.Merkwert, masterdata::kSubstratPreis);
  EXPECT_FALSE(form.chbAktuell->isChecked());
  EXPECT_TRUE(form.opbBezug[1]->isChecked());
  EXPECT_FALSE(form.cmbNeu->isVisible());
  const std::string nr = "M1" + ui::S(form.txtCode->text().right(3));
  ASSERT_TRUE(test::TypeInto(form.txtName, QStringLiteral("Kokossubstrat")));
  ASSERT_TRUE(test::Click(form.opbBezug[2]));
  prompts_->AnswerMsgBox(ui::msgbox::Yes);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].text,
            QStringLiteral("Sie haben keinen Preis eingegeben.\n\nSoll der Wert mit 1 bestzt werden?"));
  EXPECT_FALSE(frmSubstrat::IsLoaded());
  EXPECT_EQ(Wert("SELECT Aktuell FROM Material WHERE MaterialNr = '" + nr + "'"), "0");
  EXPECT_EQ(Wert("SELECT Bezug FROM Material WHERE MaterialNr = '" + nr + "'"), "2");
  EXPECT_EQ(Wert("SELECT UeberPNr FROM Material WHERE MaterialNr = '" + nr + "'"), "1008");
}

TEST_F(TopfEditorTest, CombinationShowsItsStoredPairAndKeepsTheUsersChoiceOnReactivation) {
  frmTopfSubstrat& form = KombinationOeffnen("Aendern", "M1016");
  EXPECT_TRUE(form.fraInfo->isVisible());
  EXPECT_EQ(form.comTopf->currentText(), QStringLiteral("Topf 12 cm"));
  EXPECT_EQ(form.comSubstrat->currentText(), QStringLiteral("Einheitserde ED73"));
  // 0,07 + 0,8 l × 42 €/m³ / 1000, recomputed from the current values.
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,10"));

  ASSERT_TRUE(test::ChooseEntry(form.comTopf, QStringLiteral("Topf 14 cm")));
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,15"));
  ui::FormAccess::Activate(form);
  EXPECT_EQ(form.comTopf->currentText(), QStringLiteral("Topf 14 cm"));

  state().selection.MaterialIndex = Index("M1017");  // the tree's selection moves meanwhile
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmTopfSubstrat::IsLoaded());
  EXPECT_EQ(Anzahl("Material", "M1016"), 1);
  EXPECT_EQ(Anzahl("Topfsubstrat", "M1016"), 1);
  EXPECT_EQ(Anzahl("Material", "M1017"), 1);
  EXPECT_EQ(Wert("SELECT TopfNr FROM Topfsubstrat WHERE MaterialNr = 'M1016'"), "M1013");
}

TEST_F(TopfEditorTest, CombinationOpensItsPotAndShowsTheNewPriceWhenThePotEditorCloses) {
  frmTopfSubstrat& form = KombinationOeffnen("Aendern", "M1016");
  ASSERT_TRUE(test::Click(form.cmbTopf));
  ASSERT_TRUE(frmTopf::IsLoaded());
  frmTopf& topf = frmTopf::instanz();
  EXPECT_TRUE(topf.cmbNeu->isVisible());
  EXPECT_EQ(topf.txtName->text(), QStringLiteral("Topf 12 cm"));
  ASSERT_TRUE(test::TypeInto(topf.txtPreis, QStringLiteral("1")));
  ASSERT_TRUE(test::Click(topf.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("1,03"));
  EXPECT_EQ(form.comTopf->currentText(), QStringLiteral("Topf 12 cm"));
}

TEST_F(TopfEditorTest, NewRecordInThePotEditorKeepsTheShownPot) {
  // "Neuer Datensatz" is offered when the combination editor opened the pot editor.
  ASSERT_TRUE(test::Click(KombinationOeffnen("Aendern", "M1016").cmbTopf));
  frmTopf& form = frmTopf::instanz();
  ASSERT_EQ(form.txtName->text(), QStringLiteral("Topf 12 cm"));
  ASSERT_TRUE(test::TypeInto(form.txtWdh, QStringLiteral("4")));
  const QString alterCode = form.txtCode->text();
  ASSERT_TRUE(test::Click(form.cmbNeu));
  EXPECT_TRUE(form.txtName->text().isEmpty());
  EXPECT_EQ(form.txtWdh->text(), QStringLiteral("4"));
  EXPECT_NE(form.txtCode->text(), alterCode);
  EXPECT_EQ(form.Kontext().Bearbeitungsmodus, "Neu");
  EXPECT_EQ(state().selection.BearbeitungsmodusTopf, "Neu");
  ASSERT_TRUE(test::TypeInto(form.txtName, QStringLiteral("Topf 17 cm")));
  ASSERT_TRUE(test::TypeInto(form.txtMenge, QStringLiteral("1")));
  ASSERT_TRUE(test::TypeInto(form.txtPreis, QStringLiteral("0,8")));
  ASSERT_TRUE(test::TypeInto(form.txtVolumen, QStringLiteral("2,5")));
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_EQ(Anzahl("Material", "M1011"), 1);
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE MaterialNr = 'M1" + ui::S(alterCode.right(3)) + "'"), "0,07");
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE Materialname = 'Topf 17 cm'"), "0,2");
}

// The combination's price box takes typing through the numeric filter; a typed number is
// stored, a text that is no number is refused and the window keeps it.
TEST_F(TopfEditorTest, CombinationStoresATypedPriceAndRefusesOneThatIsNoNumber) {
  frmTopfSubstrat& form = KombinationOeffnen("Aendern", "M1016");
  ASSERT_TRUE(test::TypeInto(form.txtPreis, QStringLiteral("0,2x5")));
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,25"));
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmTopfSubstrat::IsLoaded());
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE MaterialNr = 'M1016'"), "0,25");

  test::ProcessEvents();
  frmTopfSubstrat& wieder = KombinationOeffnen("Aendern", "M1016");
  ASSERT_TRUE(test::TypeInto(wieder.txtPreis, QStringLiteral("1,2,3")));
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(wieder.cmbSpeichern));
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].text, QStringLiteral("Der Wert für \"Preis\" ist keine gültige Zahl."));
  ASSERT_TRUE(frmTopfSubstrat::IsLoaded());
  EXPECT_EQ(wieder.txtPreis->text(), QStringLiteral("1,2,3"));
  EXPECT_EQ(test::FocusWidget(), wieder.txtPreis);
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE MaterialNr = 'M1016'"), "0,25");
}

TEST_F(TopfEditorTest, NewCombinationHidesThePriceAndProposesABarcode) {
  frmTopfSubstrat& form = KombinationOeffnen("Neu", "M1001");
  EXPECT_FALSE(form.fraInfo->isVisible());
  EXPECT_TRUE(form.chbAktuell->isChecked());
  EXPECT_FALSE(form.txtCode->text().isEmpty());
  EXPECT_EQ(form.comTopf->count(), 4);
  EXPECT_EQ(form.comSubstrat->count(), 2);
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].text, QStringLiteral("Sie müssen erst einen Namen vergeben"));
  EXPECT_TRUE(frmTopfSubstrat::IsLoaded());
}

}  // namespace
}  // namespace tolvar
