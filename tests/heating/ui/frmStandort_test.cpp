// The site and greenhouse editor on the sample enterprise: opening from the site tree's
// pop-ups in both modes, the kind and surface options, activation, saving, the copy to a
// group's houses, closing with the rebuild of the site tree, and help.
#include "heating/ui/frmStandort.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>
#include <vector>

#include "app/mdlHilfe.h"
#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "support/tables.h"
#include "support/ui_fixture.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar {
namespace {

// A row for the group Sta1001 (the sample has none): Venlo with five spans, the left side
// wall a boundary surface at 15 °C, wood pellets with a condensing boiler, no screen.
const char* const kGruppenzeile =
    "INSERT INTO \"Vantel\" VALUES ('Sta1001', '0', '0', '0', '3', '5', '12', '2', '5', 'Isolierglas', "
    "'Isolierglas', 'Isolierglas', 'Isolierglas', 'Isolierglas', -1, -1, 0, -1, '0', '0', '15', '0', "
    "'Holzpellets (kg)', '88', -1, 0, '25', '1,2')";

class StandortFensterTest : public test::FensterTest {
 protected:
  void SetUp() override {
    HauptfensterLaden();
    MusterbetriebEinsetzen();
    tolvar::State& s = state();
    s.enterprise.AktuelleEinstellungen.VantelPfad = root.Join("Vantel/Material/TechDaten.mdb");
    s.selection.AktuellerBaum = "Standort";
    ASSERT_TRUE(mdlDatenLaden::StandorteLaden());
    Exec(Tolvar(), kGruppenzeile);
  }

  static void Exec(const std::string& pfad, const std::string& sql) {
    auto database = db::Database::Open(pfad);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute(sql)) << database->LastError();
  }
  static std::string Wert(const std::string& pfad, const std::string& sql) {
    auto database = db::Database::Open(pfad);
    return database ? database->Scalar(sql).text() : "?";
  }
  std::string Vantel(const std::string& nr, const char* feld) const {
    return Wert(Tolvar(), std::string("SELECT ") + db::QuoteIdentifier(feld) +
                              " FROM \"Vantel\" WHERE \"StandortNr\" = '" + nr + "' ORDER BY rowid");
  }
  static int Index(const std::string& nr) {
    const auto& liste = state().masters.StandortListe;
    for (std::size_t i = 0; i < liste.size(); ++i) {
      if (liste[i].StandortNr == nr) return static_cast<int>(i);
    }
    ADD_FAILURE() << nr;
    return -1;
  }
  // A right press on `nr` in the master-data window's site tree and "new" or "Ändern" in its
  // pop-up.
  static frmStandort& Oeffnen(bool neu, const std::string& nr) {
    frmStammdaten& stamm = Stammdaten();
    const QString key = ui::Q(nr);
    const bool gruppe = !stamm.trvStandort->Children(key).isEmpty();
    const QString befehl = neu ? (gruppe ? QStringLiteral("mnuPopUp2Neu") : QStringLiteral("mnuPopUp1Neu"))
                               : (gruppe ? QStringLiteral("mnuPopUp2Aendern") : QStringLiteral("mnuPopUp3Aendern"));
    EXPECT_TRUE(test::PopUpCommand(stamm.trvStandort, key, befehl)) << nr;
    EXPECT_TRUE(frmStandort::IsLoaded());
    frmStandort& f = frmStandort::instanz();
    EXPECT_TRUE(test::ActivateWindowOf(&f));
    return f;
  }
  // The master-data window, shown in the main window's frame.
  static frmStammdaten& Stammdaten() {
    tolvar::State& s = state();
    if (!s.enterprise.ModusStammdaten) {
      s.enterprise.ModusStammdaten = true;
      test::MainWindowShown();
    }
    frmStammdaten& form = frmStammdaten::instanz();
    if (!form.isVisible()) {
      form.Show();
      ui::FormAccess::Activate(form);
    }
    return form;
  }
};

TEST_F(StandortFensterTest, NewRecordFromAGroupShowsProposalsAndTheGroupsData) {
  frmStandort& f = Oeffnen(true, "Sta1001");
  EXPECT_EQ(f.Caption(), QStringLiteral("Standort"));
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.regStandort->Tab(), 0);
  EXPECT_FALSE(f.opbHaus->isHidden());
  EXPECT_FALSE(f.opbGruppe->isHidden());
  EXPECT_TRUE(f.opbHaus->isChecked());
  EXPECT_EQ(f.txtNr->text(), QStringLiteral("Sta1008"));
  EXPECT_EQ(f.txtCode->text(), QStringLiteral("300008"));
  EXPECT_EQ(f.txtName->text(), QString());
  EXPECT_TRUE(f.chbAktuell->isChecked());
  // House measures from the group's row: length and width "0".
  EXPECT_FALSE(f.fraMasseGWH->isHidden());
  EXPECT_TRUE(f.fraMasseBlock->isHidden());
  EXPECT_EQ(f.txtLaenge->text(), QStringLiteral("0"));
  EXPECT_EQ(f.txtBreite->text(), QStringLiteral("0"));
  EXPECT_EQ(f.txtStehwand->text(), QStringLiteral("3"));
  EXPECT_EQ(f.txtHaus->text(), QStringLiteral("5"));
  EXPECT_EQ(f.txtWege->text(), QStringLiteral("12"));
  EXPECT_TRUE(f.opbTyp[2]->isChecked());
  EXPECT_EQ(f.txtKappenzahl->text(), QStringLiteral("5"));
  EXPECT_EQ(f.comEinDach->currentText(), QStringLiteral("Isolierglas"));
  EXPECT_EQ(f.comEinStehR->currentText(), QStringLiteral("Isolierglas"));
  // Only coverings fit for roofs are offered for the roof; every covering for the walls.
  EXPECT_EQ(f.comEinDach->findText(QStringLiteral("Mauerwerk 24 cm")), -1);
  EXPECT_NE(f.comEinGiebelH->findText(QStringLiteral("Mauerwerk 24 cm")), -1);
  EXPECT_TRUE(f.opbStehL[2]->isChecked());
  EXPECT_TRUE(f.txtGrenzStehL->isEnabled());
  EXPECT_EQ(f.txtGrenzStehL->text(), QStringLiteral("15"));
  EXPECT_TRUE(f.opbStehR[1]->isChecked());
  EXPECT_FALSE(f.txtGrenzStehR->isEnabled());
  EXPECT_EQ(f.comBrennstoff->currentText(), QStringLiteral("Holzpellets (kg)"));
  EXPECT_EQ(f.txtWirkungsgrad->text(), QStringLiteral("88"));
  EXPECT_TRUE(f.chbBrennwert->isChecked());
  EXPECT_FALSE(f.chbEnergieschirm->isChecked());
  EXPECT_EQ(f.txtEinsparung->text(), QString());
  EXPECT_EQ(f.txtFaktor->text(), QStringLiteral("1,2"));
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(StandortFensterTest, ChangeModeShowsTheRecordInTheLayoutOfItsKind) {
  struct Fall {
    const char* nr;
    bool gruppe;
    const char* name;
    QLineEdit* frmStandort::*stehwand;
    const char* venlo;
  };
  const Fall faelle[] = {
      {"Sta1002", false, "Venlo-Haus 1", &frmStandort::txtStehwand, "Venlo-GWH  Kappenzahl"},
      {"Sta1001", true, "Gewächshäuser", &frmStandort::txtGruStehwand, "Venlo-GWH"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.nr);
    frmStandort& f = Oeffnen(false, fall.nr);
    EXPECT_TRUE(f.opbHaus->isHidden());
    EXPECT_TRUE(f.opbGruppe->isHidden());
    EXPECT_EQ(f.txtNr->text(), QString::fromLatin1(fall.nr));
    EXPECT_EQ(f.txtName->text(), ui::Q(fall.name));
    EXPECT_EQ(f.fraMasseBlock->isHidden(), !fall.gruppe);
    EXPECT_EQ(f.fraMasseGWH->isHidden(), fall.gruppe);
    EXPECT_EQ(f.txtKappenzahl->isHidden(), fall.gruppe);
    EXPECT_EQ(f.fraGrenz->isHidden(), fall.gruppe);
    EXPECT_EQ(f.opbTyp[2]->text(), ui::Q(fall.venlo));
    EXPECT_TRUE(f.opbTyp[2]->isChecked());
    EXPECT_EQ((f.*fall.stehwand)->text(), fall.gruppe ? QStringLiteral("3") : QStringLiteral("4"));
    ASSERT_TRUE(test::Click(f.cmbAbbruch));
    test::ProcessEvents();
    EXPECT_FALSE(frmStandort::IsLoaded());
  }
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(StandortFensterTest, KindOptionsSwitchTheLayoutAndAHouseReloadsTheDefaults) {
  frmStandort& f = Oeffnen(true, "Sta1001");
  ASSERT_TRUE(test::TypeInto(f.txtStehwand, QStringLiteral("9")));
  ASSERT_TRUE(test::Click(f.opbGruppe));
  EXPECT_FALSE(f.fraMasseBlock->isHidden());
  EXPECT_FALSE(f.cmbFuerAlle->isHidden());
  EXPECT_EQ(f.cmbFuerAlle->text(), QStringLiteral("Speichern und für alle Häuser in der Gruppe übernehmen"));
  EXPECT_TRUE(f.fraMasseGWH->isHidden());
  EXPECT_TRUE(f.txtKappenzahl->isHidden());
  EXPECT_TRUE(f.fraGrenz->isHidden());
  EXPECT_EQ(f.opbTyp[2]->text(), QStringLiteral("Venlo-GWH"));
  EXPECT_EQ(f.txtStehwand->text(), QStringLiteral("9"));  // nothing loaded

  ASSERT_TRUE(test::Click(f.opbHaus));
  EXPECT_TRUE(f.fraMasseBlock->isHidden());
  EXPECT_FALSE(f.fraMasseGWH->isHidden());
  EXPECT_FALSE(f.txtKappenzahl->isHidden());
  EXPECT_FALSE(f.fraGrenz->isHidden());
  EXPECT_EQ(f.opbTyp[2]->text(), QStringLiteral("Venlo-GWH  Kappenzahl"));
  EXPECT_EQ(f.txtStehwand->text(), QStringLiteral("3"));
}

TEST_F(StandortFensterTest, BoundarySurfaceEnablesItsBoxAndOuterSurfaceEmptiesIt) {
  struct Fall {
    std::array<QRadioButton*, 3> frmStandort::*optionen;
    QLineEdit* frmStandort::*box;
  };
  const Fall faelle[] = {{&frmStandort::opbGiebelH, &frmStandort::txtGrenzGiebelH},
                         {&frmStandort::opbGiebelV, &frmStandort::txtGrenzGiebelV},
                         {&frmStandort::opbStehL, &frmStandort::txtGrenzStehL},
                         {&frmStandort::opbStehR, &frmStandort::txtGrenzStehR}};
  frmStandort& f = Oeffnen(false, "Sta1005");  // every surface outer
  ASSERT_TRUE(test::ClickTab(f.regStandort, 1));
  // "Grenzfläche" chosen by a click, or by the arrow key from the outer surface's option.
  for (const bool pfeil : {false, true}) {
    for (const Fall& fall : faelle) {
      QLineEdit* box = f.*fall.box;
      SCOPED_TRACE(ui::S(box->objectName()) + (pfeil ? " arrow" : " click"));
      EXPECT_FALSE(box->isEnabled());
      if (pfeil) {
        ASSERT_TRUE(test::FocusByClick((f.*fall.optionen)[1]));
        ASSERT_TRUE(test::Press(Qt::Key_Down));
        EXPECT_TRUE((f.*fall.optionen)[2]->isChecked());
      } else {
        ASSERT_TRUE(test::Click((f.*fall.optionen)[2]));
      }
      EXPECT_TRUE(box->isEnabled());
      EXPECT_EQ(QApplication::focusWidget(), box);
      ASSERT_TRUE(test::TypeInto(box, QStringLiteral("12")));
      ASSERT_TRUE(test::Click((f.*fall.optionen)[1]));
      EXPECT_FALSE(box->isEnabled());
      EXPECT_EQ(box->text(), QString());
    }
  }
}

// The option pair level with a covering label belongs to that label's surface: choosing
// "Grenzfläche" on that line stores the boundary for that surface.
TEST_F(StandortFensterTest, EachSurfaceOptionSitsLevelWithItsCoveringList) {
  struct Fall {
    const char* label;
    const char* aussen;  // the Vantel field of the surface, none for the roof
    const char* temperatur;
  };
  const Fall faelle[] = {{"Dach:", nullptr, nullptr},
                         {"Stehwand links:", "AFStehL", "GTStehL"},
                         {"Stehwand rechts:", "AFStehR", "GTStehR"},
                         {"Giebelseite vorne:", "AFGiebelV", "GTGiebelV"},
                         {"Giebelseite hinten:", "AFGiebelH", "GTGiebelH"}};
  frmStandort& f = Oeffnen(false, "Sta1005");  // every surface outer
  ASSERT_TRUE(test::ClickTab(f.regStandort, 1));
  test::ProcessEvents();
  const auto mitte = [&f](QWidget* w) { return w->mapTo(&f, w->rect().center()).y(); };
  const QList<QRadioButton*> grenzOptionen = f.fraGrenz->findChildren<QRadioButton*>();
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.label);
    QLabel* label = nullptr;
    for (QLabel* l : f.fraEindeckung->findChildren<QLabel*>()) {
      if (l->text() == ui::Q(fall.label)) label = l;
    }
    ASSERT_NE(label, nullptr);
    QRadioButton* grenze = nullptr;
    for (QRadioButton* o : grenzOptionen) {
      const QRect zeile(o->mapTo(&f, QPoint(0, 0)), o->size());
      if (o->text() == QStringLiteral("Grenzfläche") && zeile.top() <= mitte(label) && mitte(label) <= zeile.bottom())
        grenze = o;
    }
    if (fall.aussen == nullptr) {
      EXPECT_EQ(grenze, nullptr);
      continue;
    }
    ASSERT_NE(grenze, nullptr);
    ASSERT_TRUE(test::Click(grenze));
    ASSERT_NE(qobject_cast<QLineEdit*>(test::FocusWidget()), nullptr);
    ASSERT_TRUE(test::Type(QStringLiteral("7")));
  }
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  test::ProcessEvents();
  for (const Fall& fall : faelle) {
    if (fall.aussen == nullptr) continue;
    EXPECT_EQ(Vantel("Sta1005", fall.aussen), "0") << fall.label;
    EXPECT_EQ(Vantel("Sta1005", fall.temperatur), "7") << fall.label;
  }
}

TEST_F(StandortFensterTest, SavingANewHouseStoresBothRecordsClosesAndRebuildsTheTree) {
  frmStammdaten& stamm = Stammdaten();
  frmStandort& f = Oeffnen(true, "Sta1001");
  ASSERT_TRUE(test::TypeInto(f.txtName, QStringLiteral("Neues Haus")));
  ASSERT_TRUE(test::TypeInto(f.txtLaenge, QStringLiteral("10")));
  ASSERT_TRUE(test::TypeInto(f.txtBreite, QStringLiteral("5")));
  ASSERT_TRUE(test::ClickTab(f.regStandort, 2));
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_FALSE(frmStandort::IsLoaded());
  EXPECT_EQ(Wert(Morvin(), "SELECT \"UeberPNr\" FROM \"Standort\" WHERE \"StandortNr\" = 'Sta1008'"), "1001");
  EXPECT_EQ(Wert(Morvin(), "SELECT \"Fläche\" FROM \"Standort\" WHERE \"StandortNr\" = 'Sta1008'"), "50");
  EXPECT_EQ(Vantel("Sta1008", "Länge"), "10");
  EXPECT_EQ(Vantel("Sta1008", "Stehwand"), "3");
  EXPECT_EQ(Vantel("Sta1008", "Gemeinkosten"), "");
  EXPECT_EQ(Vantel("Sta1008", "Brennstoff"), "Holzpellets (kg)");
  EXPECT_EQ(Vantel("Sta1008", "GTStehL"), "15");
  EXPECT_EQ(Vantel("Sta1008", "Einsparung"), "20");  // the empty box
  EXPECT_TRUE(stamm.trvStandort->Has(QStringLiteral("Sta1008")));
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(StandortFensterTest, NewRecordKeepsTheGroupTheMenuSetWhateverIsRightClickedLater) {
  tolvar::State& s = state();
  // "New" in the pop-up of the group Sta1001: the editor opens, then the menu sets the parent.
  frmStandort& f = Oeffnen(true, "Sta1001");
  EXPECT_EQ(s.selection.AktuelleUeberPNr, "1001");
  test::ProcessEvents();
  // A right press on a site of another group moves the program-wide selection while the
  // editor is open.
  frmStammdaten& stamm = Stammdaten();
  stamm.trvStandort->EnsureVisible(QStringLiteral("Sta1006"));
  ASSERT_TRUE(test::RightClickNode(stamm.trvStandort, QStringLiteral("Sta1006")));
  ASSERT_TRUE(test::PressEscape());
  ASSERT_EQ(s.selection.AktuelleUeberPNr, "1004");
  ASSERT_TRUE(test::TypeInto(f.txtName, QStringLiteral("Neues Haus")));
  ASSERT_TRUE(test::TypeInto(f.txtLaenge, QStringLiteral("10")));
  ASSERT_TRUE(test::TypeInto(f.txtBreite, QStringLiteral("5")));
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_FALSE(frmStandort::IsLoaded());
  EXPECT_EQ(Wert(Morvin(), "SELECT \"UeberPNr\" FROM \"Standort\" WHERE \"StandortNr\" = 'Sta1008'"), "1001");
  EXPECT_EQ(Vantel("Sta1008", "Länge"), "10");
  EXPECT_EQ(s.selection.AktuelleUeberPNr, "1004");
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(StandortFensterTest, RefusedMasterRecordStoresNothingAndKeepsTheWindowOpen) {
  struct Fall {
    const char* name;
    const char* laenge;
    QString meldung;
    QLineEdit* frmStandort::*fokus;
  };
  const Fall faelle[] = {
      {"", "10", QStringLiteral("Sie müssen erst einen Namen vergeben"), &frmStandort::txtName},
      {"Neues Haus", "zehn", QStringLiteral("Überprüfen sie bitte ihre Werte"), &frmStandort::txtLaenge},
  };
  const std::string vorherVantel = test::Tabelleninhalt(Tolvar(), "Vantel");
  const std::string vorherStandort = test::Tabelleninhalt(Morvin(), "Standort");
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.laenge);
    frmStandort& f = Oeffnen(true, "Sta1001");
    ASSERT_TRUE(test::TypeInto(f.txtName, ui::Q(fall.name)));
    ASSERT_TRUE(test::TypeInto(f.txtLaenge, QString::fromLatin1(fall.laenge)));
    ASSERT_TRUE(test::TypeInto(f.txtBreite, QStringLiteral("5")));
    ASSERT_TRUE(test::ClickTab(f.regStandort, 2));
    const std::size_t vorher = prompts->shown().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(f.cmbSpeichern));
    test::ProcessEvents();
    ASSERT_TRUE(frmStandort::IsLoaded());
    ASSERT_EQ(prompts->shown().size(), vorher + 1);
    EXPECT_EQ(prompts->shown().back().text, fall.meldung);
    EXPECT_EQ(f.regStandort->Tab(), 0);
    EXPECT_EQ(QApplication::focusWidget(), f.*fall.fokus);
    EXPECT_EQ(test::Tabelleninhalt(Tolvar(), "Vantel"), vorherVantel);
    EXPECT_EQ(test::Tabelleninhalt(Morvin(), "Standort"), vorherStandort);
    ASSERT_TRUE(test::Click(f.cmbAbbruch));
    test::ProcessEvents();
  }
}

// Each greenhouse and heating box of a house (Sta1002, a Venlo house) and of a group
// (Sta1001), typed and saved: a value outside the box's rule is refused before anything is
// written, the box keeps its text and gets the focus on its tab; a value inside it is stored
// and the window closes. The saving is checked with the energy screen off too, as it is
// stored either way.
TEST_F(StandortFensterTest, SavingRefusesHeatingValuesOutsideTheirBoxRule) {
  using F = frmStandort;
  struct Fall {
    const char* nr;
    QLineEdit* F::*box;
    const char* getippt;
    bool abgelehnt;
    bool mitSchirm = true;  // the energy screen ticked when the saving is typed
  };
  std::vector<Fall> faelle;
  for (QLineEdit* F::*box : {&F::txtLaenge, &F::txtBreite, &F::txtStehwand, &F::txtHaus, &F::txtWege, &F::txtKappenzahl,
                             &F::txtGrenzStehL, &F::txtWirkungsgrad, &F::txtEinsparung, &F::txtFaktor}) {
    for (const char* falsch : {"abc", "1,2,3", "1e308"}) faelle.push_back({"Sta1002", box, falsch, true});
    // A temperature beyond a boundary surface may lie below zero.
    faelle.push_back({"Sta1002", box, "-5", box != &F::txtGrenzStehL});
  }
  for (QLineEdit* F::*box : {&F::txtGruStehwand, &F::txtGruHaus, &F::txtGruWege}) {
    for (const char* falsch : {"abc", "1,2,3", "-5", "1e308"}) faelle.push_back({"Sta1001", box, falsch, true});
  }
  faelle.insert(faelle.end(), {
                                  {"Sta1002", &F::txtWirkungsgrad, "0,0", true},  // only the text "0" stands for 85 %
                                  {"Sta1002", &F::txtEinsparung, "abc", true, false},
                                  {"Sta1001", &F::txtEinsparung, "abc", true, false},
                                  {"Sta1002", &F::txtHaus, "3,5", true},  // below the side wall of 4 m
                                  {"Sta1002", &F::txtWege, "100", true},
                                  {"Sta1002", &F::txtKappenzahl, "2,5", true},
                                  {"Sta1002", &F::txtKappenzahl, "0", true},
                                  {"Sta1002", &F::txtEinsparung, "101", true},
                                  {"Sta1001", &F::txtGruHaus, "2", true},  // below the group's side wall of 3 m
                                  {"Sta1001", &F::txtGruWege, "100", true},
                                  {"Sta1002", &F::txtLaenge, "30", false},
                                  {"Sta1002", &F::txtLaenge, "0", false},  // the "0" a group proposes
                                  {"Sta1002", &F::txtBreite, "0", false},
                                  {"Sta1002", &F::txtStehwand, "0", false},  // a house without side walls
                                  {"Sta1001", &F::txtGruStehwand, "0", false},
                                  {"Sta1002", &F::txtWirkungsgrad, "0", false},  // read as 85 %
                                  {"Sta1002", &F::txtFaktor, "0", false},        // read as factor 1
                                  {"Sta1002", &F::txtFaktor, "0,0", false},
                                  {"Sta1002", &F::txtEinsparung, "35", false, false},
                                  {"Sta1002", &F::txtHaus, "4", false},
                                  {"Sta1002", &F::txtWege, "12,5", false},
                                  {"Sta1002", &F::txtWege, "", false},
                                  {"Sta1002", &F::txtKappenzahl, "", false},
                                  {"Sta1002", &F::txtWirkungsgrad, "", false},
                                  {"Sta1002", &F::txtFaktor, "", false},
                                  {"Sta1002", &F::txtGrenzStehL, "", false},
                                  {"Sta1001", &F::txtGruWege, "", false},
                              });
  for (const Fall& fall : faelle) {
    frmStandort& f = Oeffnen(false, fall.nr);
    QLineEdit* box = f.*fall.box;
    SCOPED_TRACE(std::string(fall.nr) + " " + ui::S(box->objectName()) + " \"" + fall.getippt + "\"");
    int seite = 0;
    while (seite < f.regStandort->Count() && !f.regStandort->Page(seite)->isAncestorOf(box)) ++seite;
    ASSERT_TRUE(test::ClickTab(f.regStandort, seite));
    if (box == f.txtGrenzStehL) {
      ASSERT_TRUE(test::Click(f.opbStehL[2]));
    }
    if (box == f.txtEinsparung && !f.chbEnergieschirm->isChecked()) {
      ASSERT_TRUE(test::Click(f.chbEnergieschirm));
    }
    ASSERT_TRUE(test::TypeInto(box, QString::fromUtf8(fall.getippt)));
    if (box == f.txtEinsparung && !fall.mitSchirm) {
      ASSERT_TRUE(test::Click(f.chbEnergieschirm));
    }
    const std::string vorher = test::Tabelleninhalt(Tolvar(), "Vantel") + test::Tabelleninhalt(Morvin(), "Standort");
    const std::size_t gezeigt = prompts->shown().size();
    if (fall.abgelehnt) prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::ClickTab(f.regStandort, seite == 0 ? 1 : 0));  // away from the box's tab
    ASSERT_TRUE(test::Click(f.cmbSpeichern));
    test::ProcessEvents();
    if (!fall.abgelehnt) {
      EXPECT_EQ(prompts->shown().size(), gezeigt);
      EXPECT_FALSE(frmStandort::IsLoaded());
      continue;
    }
    ASSERT_TRUE(frmStandort::IsLoaded());
    ASSERT_EQ(prompts->shown().size(), gezeigt + 1);
    EXPECT_EQ(prompts->shown().back().text, QStringLiteral("Überprüfen sie bitte ihre Werte"));
    EXPECT_EQ(test::Tabelleninhalt(Tolvar(), "Vantel") + test::Tabelleninhalt(Morvin(), "Standort"), vorher);
    EXPECT_EQ(box->text(), QString::fromUtf8(fall.getippt));
    EXPECT_EQ(f.regStandort->Tab(), seite);
    EXPECT_EQ(QApplication::focusWidget(), box);
    ASSERT_TRUE(test::Click(f.cmbAbbruch));
    test::ProcessEvents();
  }
}

// Activation refreshes the lists, keeps what was typed and stores nothing; cancelling then
// leaves the stored data as they were.
TEST_F(StandortFensterTest, ActivationAndCancelKeepTheStoredRow) {
  Exec(Tolvar(), "UPDATE \"Vantel\" SET \"Brennstoff\" = 'Torf' WHERE \"StandortNr\" = 'Sta1002'");
  const std::string vorher = test::Tabelleninhalt(Tolvar(), "Vantel");
  frmStandort& f = Oeffnen(false, "Sta1002");
  EXPECT_EQ(f.comBrennstoff->currentText(), QStringLiteral("Heizöl EL (l)"));  // unknown: the first
  ASSERT_TRUE(test::TypeInto(f.txtStehwand, QStringLiteral("9")));
  ASSERT_TRUE(test::ClickTab(f.regStandort, 2));
  ASSERT_TRUE(test::ChooseEntry(f.comBrennstoff, QStringLiteral("Erdgas H (m³)")));
  Exec(state().enterprise.AktuelleEinstellungen.VantelPfad,
       "INSERT INTO \"Heizmaterialien\" VALUES (6, 'Hackschnitzel (kg)', 3.5, 4.0, 0.2)");
  ui::FormAccess::Activate(f);
  EXPECT_NE(f.comBrennstoff->findText(QStringLiteral("Hackschnitzel (kg)")), -1);
  EXPECT_EQ(f.comBrennstoff->currentText(), QStringLiteral("Erdgas H (m³)"));
  EXPECT_EQ(f.txtStehwand->text(), QStringLiteral("9"));
  EXPECT_EQ(test::Tabelleninhalt(Tolvar(), "Vantel"), vorher);
  ASSERT_TRUE(test::Click(f.cmbAbbruch));
  test::ProcessEvents();
  EXPECT_FALSE(frmStandort::IsLoaded());
  EXPECT_EQ(test::Tabelleninhalt(Tolvar(), "Vantel"), vorher);
}

TEST_F(StandortFensterTest, ChangedGroupHandsItsDataToItsHouses) {
  Exec(Tolvar(), "UPDATE \"Vantel\" SET \"Gemeinkosten\" = '1200' WHERE \"StandortNr\" = 'Sta1002'");
  frmStandort& f = Oeffnen(false, "Sta1001");
  ASSERT_TRUE(test::TypeInto(f.txtGruStehwand, QStringLiteral("3,5")));
  ASSERT_TRUE(test::Click(f.cmbFuerAlle));
  test::ProcessEvents();
  EXPECT_FALSE(frmStandort::IsLoaded());
  EXPECT_EQ(Vantel("Sta1001", "Länge"), "0");
  for (const char* haus : {"Sta1002", "Sta1003", "Sta1005", "Sta1007"}) {
    SCOPED_TRACE(haus);
    EXPECT_EQ(Vantel(haus, "Stehwand"), "3,5");
    EXPECT_EQ(Vantel(haus, "Brennstoff"), "Holzpellets (kg)");
  }
  EXPECT_EQ(Vantel("Sta1002", "Länge"), "40");
  EXPECT_EQ(Vantel("Sta1002", "Gemeinkosten"), "1200");
  EXPECT_EQ(Vantel("Sta1006", "Stehwand"), "");  // another group's site has no row
}

// Another pop-up may change the program-wide mode and selection while the editor is open; the
// editor still saves the record it shows.
TEST_F(StandortFensterTest, SaveUsesTheEditorsOwnRecordAfterTheSelectionMoved) {
  Exec(Tolvar(), "UPDATE \"Vantel\" SET \"Gemeinkosten\" = '1200' WHERE \"StandortNr\" = 'Sta1002'");
  const std::string andererVorher = Vantel("Sta1003", "Stehwand") + Vantel("Sta1003", "Bauart");
  frmStandort& f = Oeffnen(false, "Sta1002");
  ASSERT_TRUE(test::TypeInto(f.txtStehwand, QStringLiteral("4,2")));
  state().selection.StandortIndex = Index("Sta1003");
  state().selection.Bearbeitungsmodus = "Neu";
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_FALSE(frmStandort::IsLoaded());
  EXPECT_EQ(Vantel("Sta1002", "Stehwand"), "4,2");
  EXPECT_EQ(Vantel("Sta1002", "Gemeinkosten"), "1200");
  EXPECT_EQ(Vantel("Sta1003", "Stehwand") + Vantel("Sta1003", "Bauart"), andererVorher);
  EXPECT_EQ(Wert(Morvin(), "SELECT COUNT(*) FROM \"Standort\" WHERE \"StandortNr\" = 'Sta1002'"), "1");
  EXPECT_EQ(state().selection.Bearbeitungsmodus, "Neu");
}

TEST_F(StandortFensterTest, ClosingRebuildsTheSiteTreeInTheViewItShows) {
  const QString alt = QStringLiteral("Sta1007");  // not current
  for (bool alles : {false, true}) {
    SCOPED_TRACE(alles);
    frmStammdaten& stamm = Stammdaten();
    if (alles != stamm.trvStandort->Has(alt)) {
      ASSERT_TRUE(test::Click(stamm.cmbAnzeigen[1]));
    }
    ASSERT_EQ(stamm.trvStandort->Has(alt), alles);
    frmStandort& f = Oeffnen(false, "Sta1003");
    Exec(Morvin(), "UPDATE \"Standort\" SET \"Standortname\" = 'Umbenannt' WHERE \"StandortNr\" = 'Sta1003'");
    f.close();
    test::ProcessEvents();
    EXPECT_FALSE(frmStandort::IsLoaded());
    EXPECT_EQ(stamm.trvStandort->Text(QStringLiteral("Sta1003")), QStringLiteral("Umbenannt"));
    EXPECT_EQ(stamm.trvStandort->Has(alt), alles);
    Exec(Morvin(), "UPDATE \"Standort\" SET \"Standortname\" = 'Venlo-Haus 2' WHERE \"StandortNr\" = 'Sta1003'");
  }
}

TEST_F(StandortFensterTest, ManagementButtonsOpenTheFuelAndCoveringEditors) {
  struct Fall {
    QPushButton* frmStandort::*knopf;
    int tab;
    QString editor;
  };
  const Fall faelle[] = {{&frmStandort::cmbBrennstoffverwaltung, 2, QStringLiteral("frmBrennstoff")},
                         {&frmStandort::cmbMaterialverwaltung, 1, QStringLiteral("frmEindeckung")}};
  frmStandort& f = Oeffnen(false, "Sta1002");
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(ui::S(fall.editor));
    ASSERT_TRUE(test::ActivateWindowOf(&f));
    ASSERT_TRUE(test::ClickTab(f.regStandort, fall.tab));
    ASSERT_TRUE(test::Click((f.*fall.knopf)));
    ui::Form* editor = ui::Forms::Find(fall.editor);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(frmStandort::IsLoaded());
  }
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(StandortFensterTest, HelpButtonAndF1ShowTopicFiveTwo) {
  frmStandort& f = Oeffnen(false, "Sta1002");
  mdlHilfe::HilfeAufrufen("Index");
  ASSERT_TRUE(test::Click(f.cmbHilfe));
  EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), QStringLiteral("Abschnitt5.2.htm"));
  mdlHilfe::HilfeAufrufen("Index");
  ASSERT_TRUE(test::PressIn(f.txtName, Qt::Key_F1));
  EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), QStringLiteral("Abschnitt5.2.htm"));
}

}  // namespace
}  // namespace tolvar
