// The wage-group editors (settings tab and frmTarif) and the calculators, whose result
// reaches the field that asked for it through the result file.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <fstream>
#include <functional>

#include "data/state.h"
#include "platform/ui/grid.h"
#include "platform/ui/prompts.h"
#include "settings/mdlExcel.h"
#include "settings/mdlTarif.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/frmTabellenrechner.h"
#include "settings/ui/frmTarif.h"
#include "platform/ui/tabstrip.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class LohngruppenTest : public EinstellungenTest {
 protected:
  frmEinstellungen& Einstellungen() {
    frmEinstellungen& f = frmEinstellungen::instanz();
    ui::FormAccess::Activate(f);
    return f;
  }
  // Works in the calculator once it is open: `eingeben` fills the sheet, then "Übernehmen".
  static void ImRechner(std::function<void(frmTabellenrechner&)> eingeben) {
    QTimer::singleShot(0, [eingeben] {
      ASSERT_TRUE(frmTabellenrechner::IsLoaded());
      frmTabellenrechner& r = frmTabellenrechner::instanz();
      eingeben(r);
      r.cmbUebernehmen_Click();
    });
  }
  // Works in the calculator as soon as a run has shown it (the click that starts the run
  // delivers events of its own before).
  static void ImLauf(std::function<void(frmTabellenrechner&)> arbeiten) {
    auto* warten = new QTimer;
    QObject::connect(warten, &QTimer::timeout, [warten, arbeiten] {
      if (!frmTabellenrechner::IsLoaded() || !frmTabellenrechner::instanz().isVisible()) return;
      warten->stop();
      warten->deleteLater();
      arbeiten(frmTabellenrechner::instanz());
    });
    warten->start(5);
  }
  std::string Ergebnisdatei(mdlExcel::Rechner rechner) const {
    std::ifstream in(mdlExcel::ErgebnisdateiPfad(rechner));
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(LohngruppenTest, CreatingOnTheTabRefusesAStoredNameAndReturnsToEditModeAfterwards) {
  frmEinstellungen& f = Einstellungen();
  f.opbNeueLohngruppe->setChecked(true);
  EXPECT_EQ(f.cmbLoeschen->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(f.lblBezeichnung[1]->text(), QStringLiteral("Neue Lohngruppe:"));
  EXPECT_TRUE(f.txtLohngruppeB->text().isEmpty());

  f.txtLohngruppeB->setText(QStringLiteral("Saisonkraft"));
  f.txtLohnB->setText(QStringLiteral("13,50"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  f.cmbSpeichern_Click();
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral("Der vergebene Name ist nicht eindeutig")});
  EXPECT_TRUE(f.opbNeueLohngruppe->isChecked());

  f.txtLohngruppeB->setText(QStringLiteral("Aushilfe"));
  f.cmbSpeichern_Click();
  EXPECT_TRUE(f.opbLohngruppeBearbeiten->isChecked());
  EXPECT_EQ(f.cmbLoeschen->text(), QStringLiteral("Entfernen"));
  EXPECT_EQ(f.txtLohngruppeB->text(), QStringLiteral("Gärtner/in"));
  EXPECT_EQ(f.comLohn->count(), 5) << "four groups and the empty entry";
  EXPECT_EQ(f.comLohn->itemText(3), QStringLiteral("Aushilfe"));
}

TEST_F(LohngruppenTest, CancelOnTheTabLeavesNewModeWithoutStoring) {
  frmEinstellungen& f = Einstellungen();
  f.opbNeueLohngruppe->setChecked(true);
  f.txtLohngruppeB->setText(QStringLiteral("Aushilfe"));
  f.cmbLoeschen_Click();
  EXPECT_TRUE(f.opbLohngruppeBearbeiten->isChecked());
  EXPECT_EQ(f.txtLohngruppeB->text(), QStringLiteral("Gärtner/in"));
  EXPECT_EQ(Spalte(Morvin(), "Lohn", "Tarif").size(), 3u);
}

TEST_F(LohngruppenTest, ChangingAndRemovingOnTheTabKeepTheListInStep) {
  frmEinstellungen& f = Einstellungen();
  f.LohnWaehlen(1);
  f.txtLohnB->setText(QStringLiteral("19,80"));
  f.cmbSpeichern_Click();
  EXPECT_EQ(f.comLohn->currentIndex(), 1);
  EXPECT_EQ(f.txtLohnB->text(), QStringLiteral("19,80"));
  f.cmbLoeschen_Click();
  EXPECT_EQ(Spalte(Morvin(), "Lohn", "Tarif"), (std::vector<std::string>{"Gärtner/in", "Saisonkraft"}));
  EXPECT_EQ(f.comLohn->currentIndex(), 0);
}

TEST_F(LohngruppenTest, TarifSelectingTheEmptyEntryAndSavingWritesNothing) {
  mdlTarif::TarifLaden();
  frmTarif& t = frmTarif::instanz();
  EXPECT_EQ(t.comLohn->count(), 3) << "no empty entry on loading";
  t.opbNeu->setChecked(true);
  t.txtLohngruppe->setText(QStringLiteral("Aushilfe"));
  t.txtLohn->setText(QStringLiteral("12,00"));
  t.cmbNeuSpeichern_Click();
  EXPECT_FALSE(t.fraNeu->isHidden()) << "stays in new mode";
  t.opbBearbeiten->setChecked(true);
  EXPECT_TRUE(t.comLohn->currentText().isEmpty()) << "the last entry is the empty one";
  const auto vorher = Spalte(Tolvar(), "Tarif", "Lohngruppe");
  t.cmbOK_Click();
  EXPECT_EQ(Spalte(Tolvar(), "Tarif", "Lohngruppe"), vorher);
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(LohngruppenTest, TheWageCalculatorFillsTheBoxOfTheShownFrameAndEmptiesItsFile) {
  mdlTarif::TarifLaden();
  frmTarif& t = frmTarif::instanz();
  t.opbNeu->setChecked(true);
  ImRechner([](frmTabellenrechner& r) {
    EXPECT_EQ(r.AktivesBlatt(), mdlExcel::Rechner::Lohnkosten);
    r.txtBruttolohn->setText(QStringLiteral("2500"));
    r.txtArbeitgeberanteil->setText(QStringLiteral("20"));
    r.txtStunden->setText(QStringLiteral("1600"));
  });
  t.cmbLohnkostenxls_Click();
  EXPECT_EQ(t.txtLohn->text(), QStringLiteral("22,50"));
  EXPECT_EQ(Ergebnisdatei(mdlExcel::Rechner::Lohnkosten), "\n");

  frmEinstellungen& f = Einstellungen();
  ImRechner([](frmTabellenrechner& r) {
    r.txtBruttolohn->setText(QStringLiteral("2000"));
    r.txtStunden->setText(QStringLiteral("1200"));
  });
  f.cmbLohnkalkulationxls_Click();
  EXPECT_EQ(f.txtLohnB->text(), QStringLiteral("20,00"));
}

TEST_F(LohngruppenTest, ClosingTheCalculatorWithoutAResultLeavesTheField) {
  frmEinstellungen& f = Einstellungen();
  f.txtLohnB->setText(QStringLiteral("14,00"));
  QTimer::singleShot(0, [] { frmTabellenrechner::instanz().cmbAbbrechen_Click(); });
  f.cmbLohnkalkulationxls_Click();
  EXPECT_EQ(f.txtLohnB->text(), QStringLiteral("14,00"));
}

TEST_F(LohngruppenTest, AMissingResultFileReportsThatNoCalculatorCanRun) {
  std::remove(mdlExcel::ErgebnisdateiPfad(mdlExcel::Rechner::Gemeinkosten).c_str());
  frmEinstellungen& f = Einstellungen();
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  f.cmbGemeinkostenxls_Click();
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].style, ui::msgbox::Critical);
  EXPECT_FALSE(frmTabellenrechner::IsLoaded());
}

TEST_F(LohngruppenTest, TheOverheadsCalculatorWritesIntoTheBoxOrTheAimedGridRow) {
  frmEinstellungen& f = Einstellungen();
  const auto summe = [](frmTabellenrechner& r) {
    EXPECT_EQ(r.AktivesBlatt(), mdlExcel::Rechner::Gemeinkosten);
    r.txtPosten[0]->setText(QStringLiteral("1000"));
    r.txtPosten[3]->setText(QStringLiteral("250,5"));
  };
  state().StandortTabelleAktiv = false;
  ImRechner(summe);
  f.cmbGemeinkostenxls_Click();
  EXPECT_EQ(f.txtGemeinkosten->text(), QStringLiteral("1250,50"));

  f.dtgStandort->SetRows(12);
  state().StandortTabelleAktiv = true;
  state().StandortTabelleZeile = 2;
  ImRechner(summe);
  f.cmbGemeinkostenxls_Click();
  EXPECT_EQ(f.dtgStandort->TextMatrix(2, 1), QStringLiteral("1250,50"));
}

// A run shows only the sheet it was started for and starts from an emptied result file, so
// what an earlier run left there (a run switched to another sheet used to) never reaches the
// field, and "Abbrechen" leaves the field and the stored setting as they were.
TEST_F(LohngruppenTest, ARunShowsAndTakesOnlyTheSheetItWasStartedFor) {
  frmEinstellungen& f = frmEinstellungen::instanz();
  f.Show();
  ASSERT_TRUE(ActivateWindowOf(&f));
  // The tab that holds `knopf` to the front.
  const auto seiteMit = [&f](QWidget* knopf) {
    for (int i = 0; i < f.regEinstellungen->Count(); ++i) {
      if (f.regEinstellungen->Page(i)->isAncestorOf(knopf)) f.regEinstellungen->SetTab(i);
    }
  };
  seiteMit(f.cmbGemeinkostenxls);
  state().StandortTabelleAktiv = false;
  ASSERT_TRUE(mdlExcel::ErgebnisSchreiben(mdlExcel::Rechner::Gemeinkosten, "13345,50"));
  const QString vorher = f.txtGemeinkosten->text();
  ImLauf([](frmTabellenrechner& r) {
    EXPECT_EQ(r.AktivesBlatt(), mdlExcel::Rechner::Gemeinkosten);
    EXPECT_FALSE(r.regBlatt->TabVisible(0));
    EXPECT_TRUE(r.regBlatt->TabVisible(1));
    EXPECT_FALSE(r.regBlatt->TabVisible(2));
    EXPECT_TRUE(Click(r.cmbAbbrechen));
  });
  ASSERT_TRUE(Click(f.cmbGemeinkostenxls));
  EXPECT_FALSE(frmTabellenrechner::IsLoaded());
  EXPECT_EQ(f.txtGemeinkosten->text(), vorher);
  EXPECT_EQ(Ergebnisdatei(mdlExcel::Rechner::Gemeinkosten), "\n");
  ASSERT_TRUE(Click(f.cmbGemeikostenSpeichern));
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Gemeinkosten").front(), vorher.toStdString());

  // The wage run offers its own sheet only; its result goes into its own file.
  seiteMit(f.cmbLohnkalkulationxls);
  ImLauf([](frmTabellenrechner& r) {
    EXPECT_TRUE(r.regBlatt->TabVisible(0));
    EXPECT_FALSE(r.regBlatt->TabVisible(1));
    EXPECT_FALSE(r.regBlatt->TabVisible(2));
    EXPECT_TRUE(TypeInto(r.txtBruttolohn, QStringLiteral("2000")));
    EXPECT_TRUE(TypeInto(r.txtStunden, QStringLiteral("1200")));
    EXPECT_TRUE(Click(r.cmbUebernehmen));
  });
  ASSERT_TRUE(Click(f.cmbLohnkalkulationxls));
  EXPECT_EQ(f.txtLohnB->text(), QStringLiteral("20,00"));
  // The wage result was taken from its own file; the overheads file got nothing.
  EXPECT_EQ(Ergebnisdatei(mdlExcel::Rechner::Lohnkosten), "\n");
  EXPECT_EQ(Ergebnisdatei(mdlExcel::Rechner::Gemeinkosten), "\n");
}

// The workbook is a helper of the settings window: closing it returns to the window as it was
// left, so the activation of coming back neither refills the wage tab nor goes back to the
// first tab, and the value worked out stays in its box.
TEST_F(LohngruppenTest, ComingBackFromTheCalculatorKeepsItsValueAndTheTab) {
  frmEinstellungen& f = frmEinstellungen::instanz();
  f.Show();
  ASSERT_TRUE(ActivateWindowOf(&f));
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 1));
  ASSERT_EQ(f.txtLohnB->text(), QStringLiteral("16,50"));
  // Works in the workbook started by `knopf`, takes the result and comes back: the window
  // manager activates the settings window again.
  const auto rechnen = [&f](QPushButton* knopf, std::function<void(frmTabellenrechner&)> eingeben) {
    ImLauf([eingeben](frmTabellenrechner& r) {
      eingeben(r);
      EXPECT_TRUE(Click(r.cmbUebernehmen));
    });
    ASSERT_TRUE(Click(knopf));
    ASSERT_TRUE(ActivateWindowOf(&f));
    Settle();
  };
  rechnen(f.cmbLohnkalkulationxls, [](frmTabellenrechner& r) {
    EXPECT_TRUE(TypeInto(r.txtBruttolohn, QStringLiteral("2500")));
    EXPECT_TRUE(TypeInto(r.txtArbeitgeberanteil, QStringLiteral("25")));
    EXPECT_TRUE(TypeInto(r.txtStunden, QStringLiteral("1600")));
  });
  EXPECT_EQ(f.regEinstellungen->Tab(), 1);
  EXPECT_EQ(f.txtLohnB->text(), QStringLiteral("23,44"));

  // The same for the overheads, which go into the box that had the focus.
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 4));
  ASSERT_TRUE(FocusByClick(f.txtGemeinkosten));
  rechnen(f.cmbGemeinkostenxls, [](frmTabellenrechner& r) {
    EXPECT_TRUE(TypeInto(r.txtPosten[0], QStringLiteral("30000")));
    EXPECT_TRUE(TypeInto(r.txtPosten[1], QStringLiteral("2500,5")));
  });
  EXPECT_EQ(f.regEinstellungen->Tab(), 4);
  EXPECT_EQ(f.txtGemeinkosten->text(), QStringLiteral("32500,50"));
  ASSERT_TRUE(Click(f.cmbGemeikostenSpeichern));
  EXPECT_EQ(state().AktuelleEinstellungen.Gemeinkosten, "32500,50");
}

}  // namespace
}  // namespace tolvar::test
