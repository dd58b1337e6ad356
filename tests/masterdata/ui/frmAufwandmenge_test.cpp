// The application-rate calculator, the pot-substrate combination editor and the standard
// vessel sizes: their main roads and the edge cases of their windows.
#include "masterdata/ui/frmAufwandmenge.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "data/mdlDatenLaden.h"
#include "data/mdlTopfSubstrate.h"
#include "data/state.h"
#include "masterdata/calculator.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/frmTopfSubstrat.h"
#include "masterdata/ui/frmVolumen.h"
#include "masterdata/ui/mdlPopUp.h"
#include "material_editor_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_desktop.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"

namespace tolvar {
namespace {

// Presses and releases the key of each character in `box`, as typing does.
void Tippen(QWidget* box, const QString& text) {
  for (QChar c : text) {
    int key = Qt::Key_Period;
    if (c.isDigit())
      key = Qt::Key_0 + c.digitValue();
    else if (c == QLatin1Char(','))
      key = Qt::Key_Comma;
    else if (c == QLatin1Char('-'))
      key = Qt::Key_Minus;
    else if (c.isLetter())
      key = Qt::Key_A + (c.toUpper().unicode() - 'A');
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &los);
  }
}

void Enter(QWidget* box) {
  QKeyEvent druck(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(box, &druck);
}

class RechnerVolumenTest : public test::MaterialEditorFixture {
 protected:
  // The general material editor on material `nr`, opened through the tree's pop-up dispatch.
  static frmMaterial4opt& MaterialOeffnen(const std::string& nr) {
    state().selection.AktuellerBaum = "Material";
    state().selection.MaterialIndex = Index(nr);
    mdlPopUp::PopUpAendern();
    return frmMaterial4opt::instanz();
  }
  static frmTopfSubstrat& KombinationOeffnen(const std::string& modus, const std::string& nr) {
    state().selection.Bearbeitungsmodus = modus;
    state().selection.MaterialIndex = Index(nr);
    frmTopfSubstrat& form = frmTopfSubstrat::instanz();
    form.Show();
    return form;
  }
  static void Waehlen(QComboBox* liste, const char* name) { ASSERT_TRUE(test::ChooseEntry(liste, ui::Q(name))); }
  // Types the concentration, the application rate and the price into the calculator.
  static void WerteTippen(frmAufwandmenge& rate, const char* konzentration, const char* aufwand, const char* preis) {
    ASSERT_TRUE(test::TypeInto(rate.txtKonzentration, ui::Q(konzentration)));
    ASSERT_TRUE(test::TypeInto(rate.txtAufwandmenge, ui::Q(aufwand)));
    ASSERT_TRUE(test::TypeInto(rate.txtPreis, ui::Q(preis)));
  }
  void Ausfuehren(const std::string& sql) {
    auto database = db::Database::Open(state().enterprise.AktuelleEinstellungen.MaterialPfad);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute(sql)) << sql;
  }
  // Reloads the material and pot lists after the database was changed behind the windows.
  static void ListenLaden() {
    mdlDatenLaden::MaterialienLaden();
    mdlTopfSubstrate::GefaesseLaden();
  }
  int Groessen() { return std::stoi(Wert("SELECT COUNT(*) FROM Standardgroessen")); }
  std::string LetzteGroesse() {
    return Wert("SELECT Bezeichnung || '|' || Volumen FROM Standardgroessen ORDER BY rowid DESC LIMIT 1");
  }
};

// ---------------------------------------------------------------------------------------------
// Application-rate calculator

TEST_F(RechnerVolumenTest, ApplicationRateRoundsToCentsAndTakesTheRoundedTextOver) {
  struct Fall {
    const char *k, *a, *p, *jeLiter, *jeEinheit;
  };
  const Fall faelle[] = {
      {"2", "0,5", "40", "8,00", "0,04"},  {"12,5", "4", "120", "150,00", "6,00"},
      {"3", "0,25", "10", "3,00", "0,01"},  // 0,0075 rounds up
      {"1", "0,1", "40", "4,00", "0,00"},   // 0,004: below half a cent
      {"0,5", "1", "9", "0,45", "0,00"},    // 0,0045
  };
  frmMaterial4opt& material = MaterialOeffnen("M1024");
  ASSERT_TRUE(test::Click(material.cmbAufwandMenge));
  frmAufwandmenge& rate = frmAufwandmenge::instanz();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.jeEinheit);
    ASSERT_NO_FATAL_FAILURE(WerteTippen(rate, f.k, f.a, f.p));
    ASSERT_TRUE(test::Click(rate.cmbOK));
    EXPECT_EQ(rate.txtKostenLiter->text(), ui::Q(f.jeLiter));
    EXPECT_EQ(rate.txtKostenEinheit->text(), ui::Q(f.jeEinheit));
    ASSERT_TRUE(test::Click(rate.cmbBeenden));  // "Neu"
    EXPECT_EQ(rate.cmbOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(rate.cmbBeenden->text(), QStringLiteral("Beenden"));
  }
  // The last case, below half a cent, is taken over as 0,00.
  ASSERT_TRUE(test::Click(rate.cmbOK));
  ASSERT_TRUE(test::Click(rate.cmbOK));
  EXPECT_FALSE(frmAufwandmenge::IsLoaded());
  EXPECT_EQ(material.txtPreis->text(), QStringLiteral("0,00"));
  EXPECT_TRUE(prompts_->messageBoxes().empty());
}

TEST_F(RechnerVolumenTest, ApplicationRateWithABoxThatHoldsNoNumberAsksToCheckAndStaysInInput) {
  struct Fall {
    const char *k, *a, *p;
  };
  const Fall faelle[] = {
      {"", "0,5", "40"},    {"2", "", "40"},    {"2", "0,5", ""}, {",", "0,5", "40"},
      {"2", "1,2,3", "40"}, {"2", "0,5", ",,"}, {"", "", ""},
  };
  frmMaterial4opt& material = MaterialOeffnen("M1024");
  const QString preis = material.txtPreis->text();
  ASSERT_TRUE(test::Click(material.cmbAufwandMenge));
  frmAufwandmenge& rate = frmAufwandmenge::instanz();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.k) + "|" + f.a + "|" + f.p);
    const std::size_t vorher = prompts_->messageBoxes().size();
    ASSERT_NO_FATAL_FAILURE(WerteTippen(rate, f.k, f.a, f.p));
    prompts_->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(rate.cmbOK));
    ASSERT_EQ(prompts_->messageBoxes().size(), vorher + 1);
    EXPECT_EQ(prompts_->messageBoxes().back().text, QStringLiteral("Überprüfen sie bitte ihre Werte"));
    EXPECT_TRUE(frmAufwandmenge::IsLoaded());
    EXPECT_EQ(rate.cmbOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(rate.cmbBeenden->text(), QStringLiteral("Beenden"));
    EXPECT_TRUE(rate.txtKostenLiter->text().isEmpty());
    EXPECT_TRUE(rate.txtKostenEinheit->text().isEmpty());
  }
  ASSERT_TRUE(test::Click(rate.cmbBeenden));
  EXPECT_FALSE(frmAufwandmenge::IsLoaded());
  EXPECT_EQ(material.txtPreis->text(), preis);
}

TEST_F(RechnerVolumenTest, ApplicationRateBoxesFilterKeysAndEnterMovesOn) {
  ASSERT_TRUE(test::Click(MaterialOeffnen("M1024").cmbAufwandMenge));
  frmAufwandmenge& rate = frmAufwandmenge::instanz();
  struct Fall {
    QLineEdit* box;
    QWidget* naechstes;
  };
  const Fall eingaben[] = {
      {rate.txtKonzentration, rate.txtAufwandmenge},
      {rate.txtAufwandmenge, rate.txtPreis},
      {rate.txtPreis, rate.cmbOK},
  };
  for (const Fall& f : eingaben) {
    SCOPED_TRACE(ui::S(f.box->objectName()));
    const int beeps = prompts_->beeps();
    Tippen(f.box, QStringLiteral("1a,5.-,"));
    // Digits and commas pass, several commas too; every other key is dropped with one beep.
    EXPECT_EQ(f.box->text(), QStringLiteral("1,5,"));
    EXPECT_EQ(prompts_->beeps() - beeps, 3);
    f.box->setFocus();
    Enter(f.box);
    EXPECT_EQ(rate.focusWidget(), f.naechstes);
  }
  for (QLineEdit* ergebnis : {rate.txtKostenLiter, rate.txtKostenEinheit}) {
    SCOPED_TRACE(ui::S(ergebnis->objectName()));
    const int beeps = prompts_->beeps();
    Tippen(ergebnis, QStringLiteral("7"));
    EXPECT_TRUE(ergebnis->text().isEmpty());
    EXPECT_EQ(prompts_->beeps() - beeps, 2);  // on pressing and on releasing
  }
}

TEST_F(RechnerVolumenTest, ApplicationRateGoesOnlyToTheEditorOfItsMaterial) {
  ASSERT_TRUE(test::Click(MaterialOeffnen("M1024").cmbAufwandMenge));
  frmAufwandmenge& rate = frmAufwandmenge::instanz();
  EXPECT_EQ(rate.Caption(), QStringLiteral("Aufwandmenge für Fungizid (Spritzung)"));

  // The editor of the first material closes and another material is opened meanwhile.
  frmMaterial4opt::instanz().Unload();
  test::ProcessEvents();
  frmMaterial4opt& anderes = MaterialOeffnen("M1025");
  const QString preis = anderes.txtPreis->text();
  // The editor just opened takes the focus first; the person then goes back to the calculator.
  ASSERT_TRUE(test::WaitUntilPlaced(&anderes));
  ASSERT_TRUE(test::ActivateWindowOf(&anderes));
  ASSERT_NO_FATAL_FAILURE(WerteTippen(rate, "2", "0,5", "40"));
  ASSERT_TRUE(test::Click(rate.cmbOK));
  ASSERT_TRUE(test::Click(rate.cmbOK));
  EXPECT_FALSE(frmAufwandmenge::IsLoaded());
  EXPECT_EQ(anderes.txtPreis->text(), preis);
  test::ProcessEvents();

  // Opened from this editor, the window starts from its design state and feeds this editor.
  ASSERT_TRUE(test::Click(anderes.cmbAufwandMenge));
  frmAufwandmenge& neu = frmAufwandmenge::instanz();
  EXPECT_EQ(neu.Caption(), QStringLiteral("Aufwandmenge für Insektizid (Spritzung)"));
  EXPECT_EQ(neu.lblBezug[1]->text(), QStringLiteral("€/1000Nm²"));
  EXPECT_TRUE(neu.txtKonzentration->text().isEmpty());
  EXPECT_TRUE(neu.txtKostenEinheit->text().isEmpty());
  EXPECT_EQ(neu.cmbOK->text(), QStringLiteral("OK"));
  ASSERT_NO_FATAL_FAILURE(WerteTippen(neu, "2", "100", "40"));
  ASSERT_TRUE(test::Click(neu.cmbOK));
  ASSERT_TRUE(test::Click(neu.cmbOK));
  EXPECT_EQ(anderes.txtPreis->text(), QStringLiteral("8,00"));
  test::ProcessEvents();

  // The same material reopened and the button pressed again, the caption staying as it was:
  // the reopened editor takes the result.
  ASSERT_TRUE(test::Click(anderes.cmbAufwandMenge));
  anderes.Unload();
  test::ProcessEvents();
  frmMaterial4opt& wieder = MaterialOeffnen("M1025");
  ASSERT_TRUE(test::Click(wieder.cmbAufwandMenge));
  frmAufwandmenge& gleich = frmAufwandmenge::instanz();
  ASSERT_NO_FATAL_FAILURE(WerteTippen(gleich, "1", "100", "40"));
  ASSERT_TRUE(test::Click(gleich.cmbOK));
  ASSERT_TRUE(test::Click(gleich.cmbOK));
  EXPECT_EQ(wieder.txtPreis->text(), QStringLiteral("4,00"));
}

// ---------------------------------------------------------------------------------------------
// Pot-substrate combination editor

TEST_F(RechnerVolumenTest, CombinationPriceFollowsThePotsReference) {
  // Topf 14 cm becomes a pot priced per 1000 plants.
  Ausfuehren("UPDATE Material SET Bezug = 2, Preis = 150 WHERE MaterialNr = 'M1013'");
  ListenLaden();
  struct Fall {
    const char *topf, *substrat, *preis;
    int option;
  };
  const Fall faelle[] = {
      {"Topf 13 cm", "Torfsubstrat fein", "0,13", 1},    // 0,08 + 1 l × 0,05 €/l
      {"Topf 13 cm", "Einheitserde ED73", "0,12", 1},    // 0,08 + 1 l × 42 €/m³ / 1000
      {"Topf 14 cm", "Torfsubstrat fein", "215,00", 2},  // 150 + 1,3 l × 0,05 €/l × 1000
      {"Topf 14 cm", "Einheitserde ED73", "204,60", 2},  // 150 + 1,3 l × 42 €/m³
  };
  frmTopfSubstrat& form = KombinationOeffnen("Neu", "M1001");
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.topf) + " / " + f.substrat);
    Waehlen(form.comTopf, f.topf);
    Waehlen(form.comSubstrat, f.substrat);
    EXPECT_EQ(form.txtPreis->text(), ui::Q(f.preis));
    EXPECT_TRUE(form.opbBezug[static_cast<std::size_t>(f.option)]->isChecked());
  }
}

TEST_F(RechnerVolumenTest, NewCombinationIsSavedWithItsPairPriceAndReference) {
  Ausfuehren("UPDATE Material SET Bezug = 2, Preis = 150 WHERE MaterialNr = 'M1013'");
  ListenLaden();
  frmTopfSubstrat& form = KombinationOeffnen("Neu", "M1001");
  const std::string nr = "M1" + ui::S(form.txtCode->text().right(3));
  ASSERT_TRUE(test::TypeInto(form.txtName, QStringLiteral("Topf 14 cm mit Torf")));
  form.txtBemerkung->setPlainText(QStringLiteral("je 1000 Pflanzen"));
  Waehlen(form.comTopf, "Topf 14 cm");
  Waehlen(form.comSubstrat, "Torfsubstrat fein");
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("215,00"));

  // Typing in the barcode box changes nothing and beeps.
  const QString code = form.txtCode->text();
  const int beeps = prompts_->beeps();
  Tippen(form.txtCode, QStringLiteral("9"));
  EXPECT_EQ(form.txtCode->text(), code);
  EXPECT_EQ(prompts_->beeps() - beeps, 2);

  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmTopfSubstrat::IsLoaded());
  EXPECT_EQ(Wert("SELECT UeberPNr FROM Material WHERE MaterialNr = '" + nr + "'"), "1001");
  EXPECT_EQ(Wert("SELECT Materialname FROM Material WHERE MaterialNr = '" + nr + "'"), "Topf 14 cm mit Torf");
  EXPECT_EQ(Wert("SELECT Kuerzel FROM Material WHERE MaterialNr = '" + nr + "'"), "Topf 14 cm");
  EXPECT_EQ(Wert("SELECT Bezug FROM Material WHERE MaterialNr = '" + nr + "'"), "2");
  EXPECT_EQ(Wert("SELECT Preis FROM Material WHERE MaterialNr = '" + nr + "'"), "215");
  EXPECT_EQ(Wert("SELECT TopfNr || '|' || SubstratNr FROM Topfsubstrat WHERE MaterialNr = '" + nr + "'"),
            "M1013|M1015");
  // Closing reloaded the material list: the new combination is there.
  EXPECT_GE(Index(nr), 0);
}

TEST_F(RechnerVolumenTest, ReferenceChosenByHandIsSavedButDoesNotChangeThePrice) {
  frmTopfSubstrat& form = KombinationOeffnen("Aendern", "M1018");
  EXPECT_EQ(form.comTopf->currentText(), QStringLiteral("Topf 9 cm"));
  EXPECT_EQ(form.comSubstrat->currentText(), QStringLiteral("Torfsubstrat fein"));
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,06"));  // 0,04 + 0,4 l × 0,05 €/l
  ASSERT_TRUE(test::Click(form.opbBezug[2]));
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,06"));
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  EXPECT_FALSE(frmTopfSubstrat::IsLoaded());
  EXPECT_EQ(Wert("SELECT Bezug FROM Material WHERE MaterialNr = 'M1018'"), "2");
  EXPECT_EQ(Anzahl("Topfsubstrat", "M1018"), 1);
}

TEST_F(RechnerVolumenTest, CombinationWithAMissingOrUnreadablePartner) {
  // The stored pot is gone: the first pot is shown and priced.
  Ausfuehren("DELETE FROM Material WHERE MaterialNr = 'M1011'");
  Ausfuehren("DELETE FROM Gefaesse WHERE MaterialNr = 'M1011'");
  ListenLaden();
  frmTopfSubstrat& form = KombinationOeffnen("Aendern", "M1016");
  EXPECT_EQ(form.comTopf->currentText(), QStringLiteral("Topf 9 cm"));
  EXPECT_EQ(form.comSubstrat->currentText(), QStringLiteral("Einheitserde ED73"));
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,06"));  // 0,04 + 0,4 l × 42 €/m³ / 1000

  // A pot whose price is no number leaves the price box as it was.
  for (MaterialSatz& m : state().masters.MaterialListe) {
    if (m.MaterialNr == "M1012") m.Preis = "acht Cent";
  }
  Waehlen(form.comTopf, "Topf 13 cm");
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,06"));
  Waehlen(form.comTopf, "Topf 14 cm");
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,15"));  // 0,1 + 1,3 l × 42 €/m³ / 1000
}

TEST_F(RechnerVolumenTest, CombinationWithoutPotsAndSubstratesPricesNothingAndStaysUsable) {
  auto& liste = state().masters.MaterialListe;
  std::erase_if(liste, [](const MaterialSatz& m) { return m.UeberPNr == "1007" || m.UeberPNr == "1008"; });
  frmTopfSubstrat& form = KombinationOeffnen("Neu", "M1001");
  EXPECT_EQ(form.comTopf->count(), 0);
  EXPECT_EQ(form.comSubstrat->count(), 0);
  EXPECT_EQ(form.comTopf->currentIndex(), -1);
  EXPECT_EQ(form.txtPreis->text(), QStringLiteral("0,00"));
  ASSERT_TRUE(test::Click(form.cmbTopf));  // no pot to open: the pot editor comes all the same
  EXPECT_TRUE(frmTopf::IsLoaded());
}

TEST_F(RechnerVolumenTest, NewCombinationProposesTheBarcodeAnewAtEachActivation) {
  frmTopfSubstrat& form = KombinationOeffnen("Neu", "M1001");
  const qlonglong code = form.txtCode->text().toLongLong();
  ASSERT_GT(code, 0);
  // A material saved meanwhile takes that barcode.
  Ausfuehren("INSERT INTO Material (MaterialNr, UeberPNr, Materialname, Barcode) VALUES ('M1" +
             std::to_string(code).substr(std::to_string(code).size() - 3) + "', '1002', 'Etikett neu', " +
             std::to_string(code) + ")");
  ui::FormAccess::Activate(form);
  EXPECT_EQ(form.txtCode->text().toLongLong(), code + 1);
}

// ---------------------------------------------------------------------------------------------
// Standard vessel sizes

TEST_F(RechnerVolumenTest, SizesAreAddedChangedDeletedAndOneIsHandedToThePot) {
  state().selection.BearbeitungsmodusTopf = "Neu";
  frmTopf& topf = frmTopf::instanz();
  topf.Show();
  ASSERT_TRUE(test::Click(topf.cmbVolumen));
  frmVolumen& fenster = frmVolumen::instanz();
  fenster.Show();
  ui::KeyedTree* baum = fenster.trvVolumen;
  EXPECT_EQ(fenster.Caption(), QStringLiteral("Standardvolumen"));
  EXPECT_EQ(baum->Text(QStringLiteral("Standard")), QStringLiteral("Vorhandene Standardgefäße"));
  EXPECT_EQ(baum->Children(QStringLiteral("Standard")),
            (QStringList{QStringLiteral("9er Topf0,4"), QStringLiteral("12er Topf0,8"), QStringLiteral("13er Topf1"),
                         QStringLiteral("14er Topf1,3")}));
  for (const QString& key : baum->Keys()) EXPECT_TRUE(baum->Expanded(key)) << ui::S(key);
  EXPECT_EQ(baum->Image(QStringLiteral("9er Topf0,4")), QStringLiteral("open"));

  // Add.
  ASSERT_TRUE(test::Click(fenster.cmbNeu));
  ASSERT_TRUE(test::TypeInto(fenster.txtBezeichnung, QStringLiteral("Container 3 l")));
  ASSERT_TRUE(test::TypeInto(fenster.txtVolumen, QStringLiteral("3")));
  ASSERT_TRUE(test::Click(fenster.cmbSpeichern));
  EXPECT_FALSE(fenster.Formular().NeuesVolumen);
  EXPECT_EQ(baum->Text(QStringLiteral("Container 3 l3")), QStringLiteral("Container 3 l   3 Liter"));
  EXPECT_EQ(Groessen(), 5);

  // Change the size just added.
  ASSERT_TRUE(test::TypeInto(fenster.txtVolumen, QStringLiteral("3,2")));
  ASSERT_TRUE(test::Click(fenster.cmbSpeichern));
  EXPECT_FALSE(baum->Has(QStringLiteral("Container 3 l3")));
  EXPECT_TRUE(baum->Has(QStringLiteral("Container 3 l3,2")));
  EXPECT_EQ(Groessen(), 5);
  EXPECT_EQ(LetzteGroesse(), "Container 3 l|3,2");

  // Change a listed size: it moves to the end.
  ASSERT_TRUE(test::ClickNode(fenster.trvVolumen, QStringLiteral("9er Topf0,4")));
  ASSERT_TRUE(test::TypeInto(fenster.txtBezeichnung, QStringLiteral("9er Topf rund")));
  ASSERT_TRUE(test::Click(fenster.cmbSpeichern));
  EXPECT_EQ(LetzteGroesse(), "9er Topf rund|0,4");
  EXPECT_EQ(baum->Children(QStringLiteral("Standard")).last(), QStringLiteral("9er Topf rund0,4"));
  EXPECT_EQ(Groessen(), 5);

  // Delete.
  ASSERT_TRUE(test::ClickNode(fenster.trvVolumen, QStringLiteral("12er Topf0,8")));
  ASSERT_TRUE(test::Click(fenster.cmbLoeschen));
  EXPECT_TRUE(fenster.Formular().NeuesVolumen);
  EXPECT_TRUE(fenster.txtBezeichnung->text().isEmpty());
  EXPECT_TRUE(fenster.txtVolumen->text().isEmpty());
  EXPECT_FALSE(baum->Has(QStringLiteral("12er Topf0,8")));
  EXPECT_EQ(Groessen(), 4);

  // Hand a size to the pot editor.
  ASSERT_TRUE(test::ClickNode(fenster.trvVolumen, QStringLiteral("13er Topf1")));
  ASSERT_TRUE(test::Click(fenster.cmbOK));
  EXPECT_FALSE(frmVolumen::IsLoaded());
  EXPECT_EQ(topf.txtVolumen->text(), QStringLiteral("1"));
  EXPECT_EQ(LetzteGroesse(), "13er Topf|1");
  EXPECT_EQ(Groessen(), 4);
  EXPECT_TRUE(prompts_->messageBoxes().empty());
}

TEST_F(RechnerVolumenTest, SizeEdgeCases) {
  frmVolumen& fenster = frmVolumen::instanz();
  fenster.Show();

  // "Löschen" right after "Neu" only empties the boxes.
  ASSERT_TRUE(test::Click(fenster.cmbNeu));
  ASSERT_TRUE(test::TypeInto(fenster.txtBezeichnung, QStringLiteral("Schale")));
  ASSERT_TRUE(test::TypeInto(fenster.txtVolumen, QStringLiteral("2")));
  ASSERT_TRUE(test::Click(fenster.cmbLoeschen));
  EXPECT_TRUE(fenster.txtBezeichnung->text().isEmpty());
  EXPECT_TRUE(fenster.Formular().NeuesVolumen);
  EXPECT_EQ(Groessen(), 4);

  // Saving twice after "Neu" lists the size once.
  ASSERT_TRUE(test::TypeInto(fenster.txtBezeichnung, QStringLiteral("Schale")));
  ASSERT_TRUE(test::TypeInto(fenster.txtVolumen, QStringLiteral("2")));
  ASSERT_TRUE(test::Click(fenster.cmbSpeichern));
  ASSERT_TRUE(test::Click(fenster.cmbSpeichern));
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Standardgroessen WHERE Bezeichnung = 'Schale'"), "1");

  // A name in use with another volume, answered No: nothing added, "OK" stays open.
  ASSERT_TRUE(test::Click(fenster.cmbNeu));
  ASSERT_TRUE(test::TypeInto(fenster.txtBezeichnung, QStringLiteral("Schale")));
  ASSERT_TRUE(test::TypeInto(fenster.txtVolumen, QStringLiteral("2,5")));
  prompts_->AnswerMsgBox(ui::msgbox::No);
  ASSERT_TRUE(test::Click(fenster.cmbOK));
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].title, QStringLiteral("Tolvar-Information"));
  EXPECT_EQ(prompts_->messageBoxes()[0].style & 7, ui::msgbox::YesNo);
  EXPECT_TRUE(frmVolumen::IsLoaded());
  EXPECT_TRUE(fenster.Formular().NeuesVolumen);
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Standardgroessen WHERE Bezeichnung = 'Schale'"), "1");

  // A click on the root changes nothing but the mode.
  ASSERT_TRUE(test::ClickNode(fenster.trvVolumen, QStringLiteral("Standard")));
  EXPECT_FALSE(fenster.Formular().NeuesVolumen);
  EXPECT_EQ(fenster.txtVolumen->text(), QStringLiteral("2,5"));

  // Deleting a size that is no longer in the table keeps the boxes.
  ASSERT_TRUE(test::ClickNode(fenster.trvVolumen, QStringLiteral("14er Topf1,3")));
  Ausfuehren("DELETE FROM Standardgroessen WHERE Bezeichnung = '14er Topf'");
  ASSERT_TRUE(test::Click(fenster.cmbLoeschen));
  EXPECT_EQ(fenster.txtBezeichnung->text(), QStringLiteral("14er Topf"));
  EXPECT_FALSE(fenster.Formular().NeuesVolumen);
  EXPECT_FALSE(fenster.trvVolumen->Has(QStringLiteral("14er Topf1,3")));

  // "Taschenrechner" aims the pocket calculator at the volume box.
  ASSERT_TRUE(test::Click(fenster.cmbRechner));
  EXPECT_EQ(state().windows.Merkwert, masterdata::kStandardVolumen);
  EXPECT_TRUE(frmRechner::IsLoaded());
}

TEST_F(RechnerVolumenTest, EmptySizeTableShowsTheRootAndTakesTheFirstSize) {
  Ausfuehren("DELETE FROM Standardgroessen");
  frmVolumen& fenster = frmVolumen::instanz();
  fenster.Show();
  EXPECT_EQ(fenster.trvVolumen->Keys(), QStringList{QStringLiteral("Standard")});
  ASSERT_TRUE(test::TypeInto(fenster.txtBezeichnung, QStringLiteral("Topf 10,5")));
  ASSERT_TRUE(test::TypeInto(fenster.txtVolumen, QStringLiteral("0,5")));
  ASSERT_TRUE(test::Click(fenster.cmbSpeichern));
  EXPECT_EQ(Groessen(), 1);
  EXPECT_EQ(fenster.trvVolumen->Children(QStringLiteral("Standard")), QStringList{QStringLiteral("Topf 10,50,5")});

  // An empty box saves nothing; "OK" for a listed size still hands the box over and closes.
  state().selection.BearbeitungsmodusTopf = "Neu";
  frmTopf& topf = frmTopf::instanz();
  fenster.txtBezeichnung->clear();
  ASSERT_TRUE(test::TypeInto(fenster.txtVolumen, QStringLiteral("0,7")));
  ASSERT_TRUE(test::Click(fenster.cmbOK));
  EXPECT_FALSE(frmVolumen::IsLoaded());
  EXPECT_EQ(topf.txtVolumen->text(), QStringLiteral("0,7"));
  EXPECT_EQ(Groessen(), 1);
}

TEST_F(RechnerVolumenTest, SizesWhoseNameAndVolumeRunTogetherAreToldApart) {
  Ausfuehren("DELETE FROM Standardgroessen");
  Ausfuehren("INSERT INTO Standardgroessen VALUES ('A1', '0'), ('A', '10'), ('A', '10')");
  frmVolumen& fenster = frmVolumen::instanz();
  fenster.Show();
  const QStringList knoten = fenster.trvVolumen->Children(QStringLiteral("Standard"));
  ASSERT_EQ(knoten.size(), 3);
  struct Fall {
    int knoten;
    const char *bezeichnung, *volumen;
  };
  const Fall faelle[] = {{0, "A1", "0"}, {1, "A", "10"}, {2, "A", "10"}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.knoten);
    ASSERT_TRUE(test::ClickNode(fenster.trvVolumen, knoten[f.knoten]));
    EXPECT_EQ(fenster.txtBezeichnung->text(), ui::Q(f.bezeichnung));
    EXPECT_EQ(fenster.txtVolumen->text(), ui::Q(f.volumen));
  }
  // Deleting one of two equal sizes leaves the other and the look-alike.
  ASSERT_TRUE(test::Click(fenster.cmbLoeschen));
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Standardgroessen WHERE Bezeichnung = 'A'"), "1");
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Standardgroessen WHERE Bezeichnung = 'A1'"), "1");
  EXPECT_EQ(fenster.trvVolumen->Children(QStringLiteral("Standard")).size(), 2);
}

}  // namespace
}  // namespace tolvar
