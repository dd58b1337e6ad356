// The general material editor, the group editor and the two calculators that feed the
// material editor's boxes.
#include "masterdata/ui/frmMaterial.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "data/state.h"
#include "masterdata/calculator.h"
#include "masterdata/ui/frmAufwandmenge.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/mdlPopUp.h"
#include "material_editor_fixture.h"
#include "platform/ui/builders.h"
#include "support/tables.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"

namespace tolvar {
namespace {

class MaterialEditorTest : public test::MaterialEditorFixture {
 protected:
  // Opens the general material editor through the tree's pop-up dispatch.
  static frmMaterial4opt& Oeffnen(const std::string& modus, const std::string& nr) {
    state().selection.AktuellerBaum = "Material";
    state().selection.MaterialIndex = Index(nr);
    modus == "Neu" ? mdlPopUp::PopUpNeu() : mdlPopUp::PopUpAendern();
    return frmMaterial4opt::instanz();
  }
};

// Clicks the calculator's keys: digits, "," "+" "-" "X" "/" "=" "%", "E" for CE, "C".
void Tippen(frmRechner& rechner, const std::string& tasten) {
  if (!rechner.isVisible()) rechner.Show();
  for (char t : tasten) {
    QPushButton* taste = nullptr;
    switch (t) {
      case ',':
        taste = rechner.Decimal;
        break;
      case '/':
        taste = rechner.Operator[0];
        break;
      case '+':
        taste = rechner.Operator[1];
        break;
      case 'X':
        taste = rechner.Operator[2];
        break;
      case '-':
        taste = rechner.Operator[3];
        break;
      case '=':
        taste = rechner.Operator[4];
        break;
      case '%':
        taste = rechner.Percent;
        break;
      case 'E':
        taste = rechner.CancelEntry;
        break;
      case 'C':
        taste = rechner.Cancel;
        break;
      default:
        taste = rechner.Number[static_cast<std::size_t>(t - '0')];
        break;
    }
    ASSERT_TRUE(test::Click(taste)) << t;
  }
}

TEST_F(MaterialEditorTest, CalculatorKeysShowTheirReadout) {
  struct Fall {
    const char* tasten;
    const char* readout;
  };
  const Fall faelle[] = {
      {"", "0"},         {"12", "12,"},     {"7+5=", "12"},  {"1,5+1=", "2,5"}, {"200X5%", "0,05"},
      {"200X5%=", "10"}, {"200+5%=", "10"}, {"7+5==", "12"}, {"5X-3=", "-15"},  {"5+3E4=", "9"},
      {"-", "-0"},       {"-3", "-3,"},     {"5+3C", "0"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.tasten);
    frmRechner& rechner = frmRechner::instanz();
    Tippen(rechner, fall.tasten);
    EXPECT_EQ(rechner.Readout->text(), ui::Q(fall.readout));
    rechner.Unload();
    test::ProcessEvents();
  }
}

TEST_F(MaterialEditorTest, CalculatorRefusesDivisionByZeroAndWritesTheFirstOperand) {
  frmMaterial4opt& material = Oeffnen("Neu", "M1002");
  frmRechner& rechner = frmRechner::instanz();
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  Tippen(rechner, "8/0=");
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].text, QStringLiteral("Division durch Null ist nicht möglich"));
  EXPECT_EQ(prompts_->messageBoxes()[0].title, QStringLiteral("Rechner"));
  EXPECT_EQ(prompts_->messageBoxes()[0].style, ui::msgbox::Exclamation);
  EXPECT_EQ(rechner.Readout->text(), QStringLiteral("8,"));
  // Loading the material editor aimed the calculator at its units box.
  rechner.Unload();
  EXPECT_EQ(material.txtMenge->text(), QStringLiteral("8"));
  EXPECT_TRUE(material.txtPreis->text().isEmpty());
}

TEST_F(MaterialEditorTest, CalculatorWritesNothingIntoAClosedEditor) {
  Oeffnen("Neu", "M1002").Unload();
  test::ProcessEvents();
  state().windows.Merkwert = masterdata::kMaterialPreis;
  frmRechner& rechner = frmRechner::instanz();
  Tippen(rechner, "3");
  rechner.Unload();
  EXPECT_FALSE(frmMaterial4opt::IsLoaded());
}

// A result too large for a number is said once and never shown: the readout keeps the last
// number, the next operation goes on from it (not from 0), and closing writes it into the box.
TEST_F(MaterialEditorTest, CalculatorRefusesAResultTooLargeAndGoesOnFromTheLastNumber) {
  frmMaterial4opt& material = Oeffnen("Neu", "M1002");
  material.Show();
  ASSERT_TRUE(test::FocusByClick(material.txtPreis));
  ASSERT_TRUE(test::Click(material.cmbRechner));
  ASSERT_TRUE(frmRechner::IsLoaded());
  frmRechner& rechner = frmRechner::instanz();
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  // 99999999999999 multiplied by itself: the 23rd factor leaves the range of numbers.
  QString vorher;
  for (int faktor = 1; faktor <= 23; ++faktor) {
    vorher = rechner.Readout->text();
    for (int i = 0; i < 14; ++i) ASSERT_TRUE(test::Click(rechner.Number[9]));
    ASSERT_TRUE(test::Click(rechner.Operator[2]));  // "X"
  }
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].title, QStringLiteral("Rechner"));
  EXPECT_EQ(prompts_->messageBoxes()[0].style, ui::msgbox::Exclamation);
  const QString groesste = rechner.Readout->text();
  EXPECT_EQ(groesste, vorher);
  EXPECT_FALSE(groesste.contains(QStringLiteral("Inf"), Qt::CaseInsensitive));
  ASSERT_TRUE(test::Click(rechner.Operator[1]));  // "+"
  ASSERT_TRUE(test::Click(rechner.Number[5]));
  ASSERT_TRUE(test::Click(rechner.Operator[4]));  // "="
  EXPECT_EQ(rechner.Readout->text(), groesste);   // not 5
  rechner.Unload();
  EXPECT_EQ(material.txtPreis->text(), groesste);
}

// An operand of 310 nines is said as too large rather than counted as 0, and closing writes
// no figure made from it.
TEST_F(MaterialEditorTest, CalculatorSaysAnOperandTooLarge) {
  frmMaterial4opt& material = Oeffnen("Neu", "M1002");
  material.Show();
  ASSERT_TRUE(test::FocusByClick(material.txtPreis));
  ASSERT_TRUE(test::Click(material.cmbRechner));
  frmRechner& rechner = frmRechner::instanz();
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  Tippen(rechner, std::string(310, '9') + "+1=");
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].text,
            QStringLiteral("Das Ergebnis ist zu groß und kann nicht angezeigt werden"));
  EXPECT_EQ(prompts_->messageBoxes()[0].title, QStringLiteral("Rechner"));
  rechner.Unload();
  EXPECT_EQ(material.txtPreis->text(), QStringLiteral("1"));
}

// The application-rate calculator says so when a result is too large and writes no figure.
TEST_F(MaterialEditorTest, ApplicationRateRefusesAResultTooLargeAndTheEditorKeepsItsPrice) {
  frmMaterial4opt& material = Oeffnen("Aendern", "M1024");
  material.Show();
  const QString preis = material.txtPreis->text();
  ASSERT_TRUE(test::Click(material.cmbAufwandMenge));
  ASSERT_TRUE(frmAufwandmenge::IsLoaded());
  frmAufwandmenge& rate = frmAufwandmenge::instanz();
  const QString riesig = QStringLiteral("1") + QString(200, QLatin1Char('0'));
  ASSERT_TRUE(test::TypeInto(rate.txtKonzentration, riesig));
  ASSERT_TRUE(test::TypeInto(rate.txtAufwandmenge, QStringLiteral("1")));
  ASSERT_TRUE(test::TypeInto(rate.txtPreis, riesig));
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(rate.cmbOK));
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].title, QStringLiteral("Rechner"));
  EXPECT_TRUE(rate.txtKostenLiter->text().isEmpty());
  EXPECT_TRUE(rate.txtKostenEinheit->text().isEmpty());
  EXPECT_EQ(rate.cmbOK->text(), QStringLiteral("OK"));
  ASSERT_TRUE(test::Click(rate.cmbBeenden));
  EXPECT_EQ(material.txtPreis->text(), preis);
  ASSERT_TRUE(test::Click(material.cmbSpeichern));
  EXPECT_FALSE(frmMaterial4opt::IsLoaded());
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE MaterialNr = 'M1024'"), "0,02");
}

TEST_F(MaterialEditorTest, GroupSetUpShowsTheRowsAndButtonsOfTheGroup) {
  struct Fall {
    const char* gruppe;
    bool wdh, flaeche, aufwand, rechner, maschinen;
  };
  const Fall faelle[] = {
      {"M1002", false, true, false, true, false}, {"M1003", true, false, false, true, false},
      {"M1004", false, true, true, false, false}, {"M1005", true, true, false, true, false},
      {"M1006", true, true, false, true, false},  {"M1009", false, true, false, false, true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.gruppe);
    frmMaterial4opt& form = Oeffnen("Neu", f.gruppe);
    EXPECT_EQ(form.txtWdh->isVisible(), f.wdh);
    EXPECT_EQ(form.lblKalkulation[5]->isVisible(), f.wdh);
    EXPECT_EQ(form.Shape7->isVisible(), f.wdh);
    EXPECT_EQ(form.opbBezug[3]->isVisible(), f.flaeche);
    EXPECT_EQ(form.opbBezug[4]->isVisible(), f.flaeche);
    EXPECT_EQ(form.cmbAufwandMenge->isVisible(), f.aufwand);
    EXPECT_EQ(form.cmbRechner->isVisible(), f.rechner);
    EXPECT_EQ(form.cmbMaschinenkostenxls->isVisible(), f.maschinen);
    EXPECT_EQ(form.Kontext().UeberPNr, std::string(f.gruppe).substr(1));
    EXPECT_FALSE(form.txtCode->text().isEmpty());
    form.Unload();
    test::ProcessEvents();
  }
  // Groups in the design's set-up leave an open window as an earlier set-up made it.
  Oeffnen("Neu", "M1004");
  EXPECT_TRUE(Oeffnen("Neu", "M1005").cmbAufwandMenge->isVisible());
}

TEST_F(MaterialEditorTest, ChangeShowsThePriceOfOneUnitAndReplacesTheMaterialAsOpened) {
  frmMaterial4opt& form = Oeffnen("Aendern", "M1023");
  EXPECT_EQ(form.txtName->text(), QStringLiteral("Palettentray 6er"));
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("1,20"));
  EXPECT_EQ(form.txtWdh->text(), QStringLiteral("10"));
  EXPECT_EQ(form.txtMenge->text(), QStringLiteral("167"));
  EXPECT_TRUE(form.opbBezug[2]->isChecked());
  EXPECT_EQ(state().windows.Merkwert, masterdata::kMaterialMenge);

  // A right-click elsewhere in the tree meanwhile does not redirect the save.
  state().selection.MaterialIndex = Index("M1020");
  state().selection.AktuelleUeberPNr = "1002";
  ASSERT_TRUE(test::TypeInto(form.txtPreis, QStringLiteral("12,50")));
  ASSERT_TRUE(test::TypeInto(form.txtWdh, QStringLiteral("5")));
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmMaterial4opt::IsLoaded());
  EXPECT_EQ(Anzahl("M1023"), 1);
  EXPECT_EQ(Anzahl("M1020"), 1);
  EXPECT_EQ(Wert("SELECT UeberPNr FROM Material WHERE MaterialNr = 'M1023'"), "1003");
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE MaterialNr = 'M1023'"), "2,5");
  // Closing reloaded the list: the material is there with its new price.
  EXPECT_EQ(state().masters.MaterialListe[static_cast<std::size_t>(Index("M1023"))].Wdh, "5");
}

// Each number box of the editor, typed through its key filter and saved: a value that is no
// amount is refused with the message naming its field, nothing is stored, and the box keeps
// its text and the focus; an emptied box of units or price is offered the value 1 (No keeps
// the editor open).
TEST_F(MaterialEditorTest, SaveRefusesValuesThatAreNoAmount) {
  using F = frmMaterial4opt;
  const std::string keineZahl = "\" ist keine gültige Zahl.";
  const std::string ueberNull = "\" muss eine Zahl über 0 bis 1.000.000.000.000 sein.";
  struct Fall {
    QLineEdit* F::*box;
    const char* getippt;
    const char* angezeigt;  // after the key filter
    std::string meldung;    // empty: stored; "?": the offer of the value 1, answered No
  };
  const std::vector<Fall> faelle = {
      {&F::txtMenge, "abc", "167", ""},  // nothing passes the key filter: the text stays
      {&F::txtMenge, "1,2,3", "1,2,3", "Der Wert für \"Einheiten" + keineZahl},
      {&F::txtMenge, "-5", "5", ""},
      {&F::txtMenge, "1e308", "1308", ""},
      {&F::txtMenge, "", "", "?"},
      {&F::txtPreis, "1,2,3", "1,2,3", "Der Wert für \"Preis" + keineZahl},
      {&F::txtPreis, "", "", "?"},
      {&F::txtPreis, "2,40", "2,40", ""},
      {&F::txtWdh, "abc", "abc", "Der Wert für \"Wiederverwendung" + keineZahl},
      {&F::txtWdh, "1,2,3", "1,2,3", "Der Wert für \"Wiederverwendung" + keineZahl},
      {&F::txtWdh, "-5", "-5", "Der Wert für \"Wiederverwendung" + ueberNull},
      {&F::txtWdh, "0", "0", "Der Wert für \"Wiederverwendung" + ueberNull},
      {&F::txtWdh, "1e308", "1e308", "Der Wert für \"Wiederverwendung" + ueberNull},
      // Within the range, but the price of one use (price ÷ reuse) would be no finite number.
      {&F::txtWdh, "1e-310", "1e-310",
       "Der Wert für \"Wiederverwendung\" ist zu klein: Der Preis je Verwendung wäre keine gültige Zahl."},
      {&F::txtWdh, "", "", ""},
      {&F::txtWdh, "8", "8", ""},
  };
  for (const Fall& fall : faelle) {
    frmMaterial4opt& form = Oeffnen("Aendern", "M1023");
    QLineEdit* box = form.*fall.box;
    SCOPED_TRACE(ui::S(box->objectName()) + " \"" + fall.getippt + "\"");
    ASSERT_TRUE(test::TypeInto(box, QString::fromUtf8(fall.getippt)));
    ASSERT_EQ(box->text(), QString::fromUtf8(fall.angezeigt));
    const std::string vorher = test::Tabelleninhalt(state().enterprise.AktuelleEinstellungen.MaterialPfad, "Material");
    const std::size_t gezeigt = prompts_->shown().size();
    if (!fall.meldung.empty()) prompts_->AnswerMsgBox(fall.meldung == "?" ? ui::msgbox::No : ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(form.cmbSpeichern));
    if (fall.meldung.empty()) {
      EXPECT_EQ(prompts_->shown().size(), gezeigt);
      EXPECT_FALSE(frmMaterial4opt::IsLoaded());
      continue;
    }
    ASSERT_TRUE(frmMaterial4opt::IsLoaded());
    ASSERT_EQ(prompts_->shown().size(), gezeigt + 1);
    if (fall.meldung != "?") {
      EXPECT_EQ(prompts_->shown().back().text, ui::Q(fall.meldung));
      EXPECT_EQ(test::FocusWidget(), box);
    }
    EXPECT_EQ(test::Tabelleninhalt(state().enterprise.AktuelleEinstellungen.MaterialPfad, "Material"), vorher);
    EXPECT_EQ(box->text(), QString::fromUtf8(fall.angezeigt));
    form.Unload();
  }
}

TEST_F(MaterialEditorTest, NewMaterialOffersOneForEmptyUnitsAndStaysOpenOnNo) {
  frmMaterial4opt& form = Oeffnen("Neu", "M1004");
  state().selection.AktuelleUeberPNr = "1004";
  const std::string nr = "M1" + ui::S(form.txtCode->text().right(3));
  ASSERT_TRUE(test::TypeInto(form.txtName, QStringLiteral("Netzmittel Spezial")));
  ASSERT_TRUE(test::TypeInto(form.txtPreis, QStringLiteral("3")));
  prompts_->AnswerMsgBox(ui::msgbox::No);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_TRUE(frmMaterial4opt::IsLoaded());
  EXPECT_EQ(Anzahl(nr), 0);
  EXPECT_EQ(form.txtKuerzel->text(), QStringLiteral("Netzmittel"));

  prompts_->AnswerMsgBox(ui::msgbox::Yes);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmMaterial4opt::IsLoaded());
  EXPECT_EQ(Anzahl(nr), 1);
  EXPECT_EQ(Wert("SELECT Einheit FROM Material WHERE MaterialNr = '" + nr + "'"), "1");
  EXPECT_EQ(Wert("SELECT Wdh FROM Material WHERE MaterialNr = '" + nr + "'"), "1");
  EXPECT_EQ(Wert("SELECT UeberPNr FROM Material WHERE MaterialNr = '" + nr + "'"), "1004");
}

TEST_F(MaterialEditorTest, ApplicationRateIsWorkedOutAndTakenOverAsThePrice) {
  frmMaterial4opt& material = Oeffnen("Aendern", "M1024");
  ASSERT_TRUE(test::Click(material.opbBezug[3]));
  ASSERT_TRUE(test::Click(material.cmbAufwandMenge));
  frmAufwandmenge& rate = frmAufwandmenge::instanz();
  EXPECT_EQ(rate.Caption(), QStringLiteral("Aufwandmenge für Fungizid (Spritzung)"));
  EXPECT_EQ(rate.lblBezug[0]->text(), QStringLiteral("l/Nm²"));
  EXPECT_EQ(rate.lblBezug[1]->text(), QStringLiteral("€/Nm²"));

  ASSERT_TRUE(test::TypeInto(rate.txtKonzentration, QStringLiteral("2")));
  ASSERT_TRUE(test::TypeInto(rate.txtAufwandmenge, QStringLiteral("0,5")));
  ASSERT_TRUE(test::TypeInto(rate.txtPreis, QStringLiteral("40")));
  ASSERT_TRUE(test::Click(rate.cmbOK));
  EXPECT_EQ(rate.txtKostenLiter->text(), QStringLiteral("8,00"));
  EXPECT_EQ(rate.txtKostenEinheit->text(), QStringLiteral("0,04"));
  EXPECT_EQ(rate.cmbOK->text(), QStringLiteral("Übernehmen"));
  EXPECT_EQ(rate.cmbBeenden->text(), QStringLiteral("Neu"));

  // "Neu" keeps every box; "OK" recalculates from them.
  ASSERT_TRUE(test::Click(rate.cmbBeenden));
  EXPECT_EQ(rate.cmbOK->text(), QStringLiteral("OK"));
  EXPECT_EQ(rate.txtKostenEinheit->text(), QStringLiteral("0,04"));
  ASSERT_TRUE(test::TypeInto(rate.txtPreis, QStringLiteral("80")));
  ASSERT_TRUE(test::Click(rate.cmbOK));
  EXPECT_EQ(rate.txtKostenEinheit->text(), QStringLiteral("0,08"));

  ASSERT_TRUE(test::Click(rate.cmbOK));
  EXPECT_FALSE(frmAufwandmenge::IsLoaded());
  EXPECT_EQ(material.txtPreis->text(), QStringLiteral("0,08"));
}

TEST_F(MaterialEditorTest, ApplicationRateEndsWithoutTouchingTheEditor) {
  frmMaterial4opt& material = Oeffnen("Aendern", "M1024");
  const QString preis = material.txtPreis->text();
  ASSERT_TRUE(test::Click(material.cmbAufwandMenge));
  frmAufwandmenge& rate = frmAufwandmenge::instanz();
  rate.txtKostenLiter->setFocus();
  ASSERT_TRUE(test::Click(rate.cmbBeenden));
  EXPECT_FALSE(frmAufwandmenge::IsLoaded());
  EXPECT_EQ(material.txtPreis->text(), preis);
}

TEST_F(MaterialEditorTest, GroupEditorEditsTheGroupRowInPlace) {
  state().selection.Bearbeitungsmodus = "Aendern";
  state().selection.MaterialIndex = Index("M1007");
  frmMaterial& form = frmMaterial::instanz();
  form.Show();
  EXPECT_EQ(form.Caption(), QStringLiteral("Material"));
  EXPECT_EQ(form.txtName->text(), QStringLiteral("Kulturgefäße"));
  EXPECT_EQ(form.txtCode->text(), QStringLiteral("60007"));
  const std::string id = Wert("SELECT ID FROM Material WHERE MaterialNr = 'M1007'");

  // An empty name is refused with the missing-values message.
  form.txtName->clear();
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].text, QStringLiteral("Sie haben nicht alle notwendigen Werte eingegeben"));
  EXPECT_TRUE(frmMaterial::IsLoaded());

  state().selection.MaterialIndex = Index("M1002");  // the tree's selection moves meanwhile
  ASSERT_TRUE(test::TypeInto(form.txtName, QStringLiteral("Töpfe und Schalen aller Art")));
  form.txtKuerzel->clear();
  form.chbAktuell->setChecked(false);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmMaterial::IsLoaded());
  EXPECT_EQ(Wert("SELECT Kuerzel FROM Material WHERE MaterialNr = 'M1007'"), "Töpfe und ");
  EXPECT_EQ(Wert("SELECT Aktuell FROM Material WHERE MaterialNr = 'M1007'"), "0");
  EXPECT_EQ(Wert("SELECT ID FROM Material WHERE MaterialNr = 'M1007'"), id);
  EXPECT_EQ(Wert("SELECT Materialname FROM Material WHERE MaterialNr = 'M1002'"), "Allgemeines Material");
}

}  // namespace
}  // namespace tolvar
