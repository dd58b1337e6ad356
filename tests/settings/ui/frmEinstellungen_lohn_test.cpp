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
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/mdlExcel.h"
#include "settings/mdlTarif.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/frmTabellenrechner.h"
#include "settings/ui/frmTarif.h"
#include "support/tables.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class LohngruppenTest : public EinstellungenTest {
 protected:
  frmTarif& Tarif() {
    mdlTarif::TarifLaden();
    frmTarif& t = frmTarif::instanz();
    t.Show();
    EXPECT_TRUE(ActivateWindowOf(&t));
    return t;
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
  // Fills the calculator's sheet once it is open (`eingeben`), then "Übernehmen".
  static void ImRechner(std::function<void(frmTabellenrechner&)> eingeben) {
    ImLauf([eingeben](frmTabellenrechner& r) {
      eingeben(r);
      EXPECT_TRUE(Click(r.cmbUebernehmen));
    });
  }
  std::string Ergebnisdatei(mdlExcel::Rechner rechner) const {
    std::ifstream in(mdlExcel::ErgebnisdateiPfad(rechner));
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(LohngruppenTest, CreatingOnTheTabRefusesAStoredNameAndReturnsToEditModeAfterwards) {
  frmEinstellungen& f = Oeffnen(1);
  ASSERT_TRUE(Click(f.opbNeueLohngruppe));
  EXPECT_EQ(f.cmbLoeschen->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(f.lblBezeichnung[1]->text(), QStringLiteral("Neue Lohngruppe:"));
  EXPECT_TRUE(f.txtLohngruppeB->text().isEmpty());

  ASSERT_TRUE(TypeInto(f.txtLohngruppeB, QStringLiteral("Saisonkraft")));
  ASSERT_TRUE(TypeInto(f.txtLohnB, QStringLiteral("13,50")));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(f.cmbSpeichern));
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral("Der vergebene Name ist nicht eindeutig")});
  EXPECT_TRUE(f.opbNeueLohngruppe->isChecked());

  ASSERT_TRUE(TypeInto(f.txtLohngruppeB, QStringLiteral("Aushilfe")));
  ASSERT_TRUE(Click(f.cmbSpeichern));
  EXPECT_TRUE(f.opbLohngruppeBearbeiten->isChecked());
  EXPECT_EQ(f.cmbLoeschen->text(), QStringLiteral("Entfernen"));
  EXPECT_EQ(f.txtLohngruppeB->text(), QStringLiteral("Gärtner/in"));
  EXPECT_EQ(f.comLohn->count(), 5) << "four groups and the empty entry";
  EXPECT_EQ(f.comLohn->itemText(3), QStringLiteral("Aushilfe"));
}

TEST_F(LohngruppenTest, CancelOnTheTabLeavesNewModeWithoutStoring) {
  frmEinstellungen& f = Oeffnen(1);
  ASSERT_TRUE(Click(f.opbNeueLohngruppe));
  ASSERT_TRUE(TypeInto(f.txtLohngruppeB, QStringLiteral("Aushilfe")));
  ASSERT_TRUE(Click(f.cmbLoeschen));
  EXPECT_TRUE(f.opbLohngruppeBearbeiten->isChecked());
  EXPECT_EQ(f.txtLohngruppeB->text(), QStringLiteral("Gärtner/in"));
  EXPECT_EQ(Spalte(Morvin(), "Lohn", "Tarif").size(), 3u);
}

TEST_F(LohngruppenTest, ChangingAndRemovingOnTheTabKeepTheListInStep) {
  frmEinstellungen& f = Oeffnen(1);
  ASSERT_TRUE(ChooseEntry(f.comLohn, 1));
  ASSERT_TRUE(TypeInto(f.txtLohnB, QStringLiteral("19,80")));
  ASSERT_TRUE(Click(f.cmbSpeichern));
  EXPECT_EQ(f.comLohn->currentIndex(), 1);
  EXPECT_EQ(f.txtLohnB->text(), QStringLiteral("19,80"));
  ASSERT_TRUE(Click(f.cmbLoeschen));
  EXPECT_EQ(Spalte(Morvin(), "Lohn", "Tarif"), (std::vector<std::string>{"Gärtner/in", "Saisonkraft"}));
  EXPECT_EQ(f.comLohn->currentIndex(), 0);
}

TEST_F(LohngruppenTest, TarifSelectingTheEmptyEntryAndSavingWritesNothing) {
  frmTarif& t = Tarif();
  EXPECT_EQ(t.comLohn->count(), 3) << "no empty entry on loading";
  ASSERT_TRUE(Click(t.opbNeu));
  ASSERT_TRUE(TypeInto(t.txtLohngruppe, QStringLiteral("Aushilfe")));
  ASSERT_TRUE(TypeInto(t.txtLohn, QStringLiteral("12,00")));
  ASSERT_TRUE(Click(t.cmbNeuSpeichern));
  EXPECT_FALSE(t.fraNeu->isHidden()) << "stays in new mode";
  ASSERT_TRUE(Click(t.opbBearbeiten));
  EXPECT_TRUE(t.comLohn->currentText().isEmpty()) << "the last entry is the empty one";
  const auto vorher = Spalte(Tolvar(), "Tarif", "Lohngruppe");
  ASSERT_TRUE(Click(t.cmbOK));
  EXPECT_EQ(Spalte(Tolvar(), "Tarif", "Lohngruppe"), vorher);
  EXPECT_TRUE(Meldungen().empty());
}

// The wage, typed into each of the four places that store one: a value that is no amount
// is refused with a message, nothing is written, and the box keeps its text and the focus.
TEST_F(LohngruppenTest, AWageThatIsNoAmountIsRefusedEverywhere) {
  enum class Ort { TabNeu, TabAendern, TarifNeu, TarifAendern };
  struct Fall {
    const char* getippt;
    bool abgelehnt;  // with "Überprüfen sie bitte ihre Werte"
  };
  const Fall faelle[] = {{"abc", true}, {"1,2,3", true}, {"-5", true}, {"1e308", true}, {"", false}, {"14,20", false}};
  int neu = 0;
  for (const Ort ort : {Ort::TabNeu, Ort::TabAendern, Ort::TarifNeu, Ort::TarifAendern}) {
    for (const Fall& fall : faelle) {
      SCOPED_TRACE(std::to_string(static_cast<int>(ort)) + " \"" + fall.getippt + "\"");
      ui::Forms::UnloadAllExcept();
      QLineEdit* box = nullptr;
      QPushButton* speichern = nullptr;
      const QString name = QStringLiteral("Aushilfe %1").arg(++neu);
      if (ort == Ort::TabNeu || ort == Ort::TabAendern) {
        frmEinstellungen& f = Oeffnen(1);
        if (ort == Ort::TabNeu) {
          ASSERT_TRUE(Click(f.opbNeueLohngruppe));
          ASSERT_TRUE(TypeInto(f.txtLohngruppeB, name));
        } else {
          ASSERT_TRUE(ChooseEntry(f.comLohn, 1));
        }
        box = f.txtLohnB;
        speichern = f.cmbSpeichern;
      } else {
        frmTarif& t = Tarif();
        if (ort == Ort::TarifNeu) {
          ASSERT_TRUE(Click(t.opbNeu));
          ASSERT_TRUE(TypeInto(t.txtLohngruppe, name));
          box = t.txtLohn;
          speichern = t.cmbNeuSpeichern;
        } else {
          ASSERT_TRUE(ChooseEntry(t.comLohn, 1));
          box = t.txtLohnB;
          speichern = t.cmbOK;
        }
      }
      ASSERT_TRUE(TypeInto(box, QString::fromUtf8(fall.getippt)));
      const std::string vorher = Tabelleninhalt(Tolvar(), "Tarif") + Tabelleninhalt(Morvin(), "Lohn");
      const std::size_t gezeigt = Meldungen().size();
      if (fall.abgelehnt) prompts->AnswerMsgBox(ui::msgbox::Ok);
      ASSERT_TRUE(Click(speichern));
      const std::string nachher = Tabelleninhalt(Tolvar(), "Tarif") + Tabelleninhalt(Morvin(), "Lohn");
      if (!fall.abgelehnt) {
        EXPECT_EQ(Meldungen().size(), gezeigt);
        EXPECT_EQ(nachher != vorher, *fall.getippt != 0) << "an empty wage writes nothing, quietly";
        continue;
      }
      ASSERT_EQ(Meldungen().size(), gezeigt + 1);
      EXPECT_EQ(Meldungen().back(), QStringLiteral("Überprüfen sie bitte ihre Werte"));
      EXPECT_EQ(nachher, vorher);
      EXPECT_EQ(box->text(), QString::fromUtf8(fall.getippt));
      EXPECT_EQ(FocusWidget(), box);
    }
  }
}

TEST_F(LohngruppenTest, TheWageCalculatorFillsTheBoxOfTheShownFrameAndEmptiesItsFile) {
  frmTarif& t = Tarif();
  ASSERT_TRUE(Click(t.opbNeu));
  ImRechner([](frmTabellenrechner& r) {
    EXPECT_EQ(r.AktivesBlatt(), mdlExcel::Rechner::Lohnkosten);
    EXPECT_TRUE(TypeInto(r.txtBruttolohn, QStringLiteral("2500")));
    EXPECT_TRUE(TypeInto(r.txtArbeitgeberanteil, QStringLiteral("20")));
    EXPECT_TRUE(TypeInto(r.txtStunden, QStringLiteral("1600")));
  });
  ASSERT_TRUE(Click(t.cmbLohnkostenxls));
  EXPECT_EQ(t.txtLohn->text(), QStringLiteral("22,50"));
  EXPECT_EQ(Ergebnisdatei(mdlExcel::Rechner::Lohnkosten), "\n");
  t.Unload();

  frmEinstellungen& f = Oeffnen(1);
  ImRechner([](frmTabellenrechner& r) {
    EXPECT_TRUE(TypeInto(r.txtBruttolohn, QStringLiteral("2000")));
    EXPECT_TRUE(TypeInto(r.txtStunden, QStringLiteral("1200")));
  });
  ASSERT_TRUE(Click(f.cmbLohnkalkulationxls));
  EXPECT_EQ(f.txtLohnB->text(), QStringLiteral("20,00"));
}

TEST_F(LohngruppenTest, ClosingTheCalculatorWithoutAResultLeavesTheField) {
  frmEinstellungen& f = Oeffnen(1);
  ASSERT_TRUE(TypeInto(f.txtLohnB, QStringLiteral("14,00")));
  ImLauf([](frmTabellenrechner& r) { EXPECT_TRUE(Click(r.cmbAbbrechen)); });
  ASSERT_TRUE(Click(f.cmbLohnkalkulationxls));
  EXPECT_EQ(f.txtLohnB->text(), QStringLiteral("14,00"));
}

TEST_F(LohngruppenTest, AMissingResultFileReportsThatNoCalculatorCanRun) {
  std::remove(mdlExcel::ErgebnisdateiPfad(mdlExcel::Rechner::Gemeinkosten).c_str());
  frmEinstellungen& f = Oeffnen(4);
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(f.cmbGemeinkostenxls));
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].style, ui::msgbox::Critical);
  EXPECT_FALSE(frmTabellenrechner::IsLoaded());
}

// The result goes into the overheads box after a click into it, into the amount of a grid row
// after a double-click on that row.
TEST_F(LohngruppenTest, TheOverheadsCalculatorWritesIntoTheBoxOrTheAimedGridRow) {
  state().enterprise.AktuelleEinstellungen.Gemeinkostentyp = "1";
  frmEinstellungen& f = Oeffnen(4);
  const auto summe = [](frmTabellenrechner& r) {
    EXPECT_EQ(r.AktivesBlatt(), mdlExcel::Rechner::Gemeinkosten);
    EXPECT_TRUE(TypeInto(r.txtPosten[0], QStringLiteral("1000")));
    EXPECT_TRUE(TypeInto(r.txtPosten[3], QStringLiteral("250,5")));
  };
  ASSERT_TRUE(FocusByClick(f.txtGemeinkosten));
  ImRechner(summe);
  ASSERT_TRUE(Click(f.cmbGemeinkostenxls));
  EXPECT_EQ(f.txtGemeinkosten->text(), QStringLiteral("1250,50"));

  ASSERT_TRUE(DragNodeTo(f.trvStandort, QStringLiteral("Standort"), f.dtgStandort));
  ASSERT_TRUE(DoubleClickCell(f.dtgStandort, 2, 1));
  ImRechner(summe);
  ASSERT_TRUE(Click(f.cmbGemeinkostenxls));
  EXPECT_EQ(f.dtgStandort->TextMatrix(2, 1), QStringLiteral("1250,50"));
}

// A run shows only the sheet it was started for and starts from an emptied result file, so
// what an earlier run left there (a run switched to another sheet used to) never reaches the
// field, and "Abbrechen" leaves the field and the stored setting as they were.
TEST_F(LohngruppenTest, ARunShowsAndTakesOnlyTheSheetItWasStartedFor) {
  frmEinstellungen& f = Oeffnen(4);
  ASSERT_TRUE(FocusByClick(f.txtGemeinkosten));
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
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Gemeinkosten").front(), ui::S(vorher));

  // The wage run offers its own sheet only; its result goes into its own file.
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 1));
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

// "Übernehmen" without a result: an empty box the wage needs is a value not entered, a box
// that holds no number a value to check. The calculator stays open and nothing is taken.
TEST_F(LohngruppenTest, CalculatorWithoutAResultSaysWhy) {
  frmEinstellungen& f = Oeffnen(1);
  const QString vorher = f.txtLohnB->text();
  ImLauf([this](frmTabellenrechner& r) {
    EXPECT_TRUE(TypeInto(r.txtBruttolohn, QStringLiteral("2000")));
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    EXPECT_TRUE(Click(r.cmbUebernehmen));  // the hours are empty
    EXPECT_TRUE(TypeInto(r.txtStunden, QStringLiteral("1,2,3")));
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    EXPECT_TRUE(Click(r.cmbUebernehmen));
    EXPECT_TRUE(frmTabellenrechner::IsLoaded());
    EXPECT_TRUE(Click(r.cmbAbbrechen));
  });
  ASSERT_TRUE(Click(f.cmbLohnkalkulationxls));
  EXPECT_EQ(Meldungen(), (std::vector<QString>{QStringLiteral("Sie haben nicht alle notwendigen Werte eingegeben"),
                                               QStringLiteral("Überprüfen sie bitte ihre Werte")}));
  EXPECT_EQ(f.txtLohnB->text(), vorher);
}

// After the message of "Übernehmen" without a result the cursor is in the first box of the
// sheet, in its tab order, that the message is about: the first empty box the result needs,
// else the first box that holds no number or one the sheet cannot divide by.
TEST_F(LohngruppenTest, CalculatorPutsTheCursorIntoTheBoxItsMessageIsAbout) {
  Oeffnen(1);
  using R = frmTabellenrechner;
  struct Fall {
    const char* was;
    mdlExcel::Rechner blatt;
    std::vector<std::pair<QLineEdit * R::*, const char*>> eingaben;
    QLineEdit* R::*cursor;
    bool fehlen;  // "Sie haben nicht alle ...", else "Überprüfen sie bitte ihre Werte"
  };
  const Fall faelle[] = {
      {"wage without wage", mdlExcel::Rechner::Lohnkosten, {{&R::txtStunden, "1600"}}, &R::txtBruttolohn, true},
      {"wage with a share that is no number",
       mdlExcel::Rechner::Lohnkosten,
       {{&R::txtBruttolohn, "2000"},
        {&R::txtArbeitgeberanteil, "2,5,"},
        {&R::txtSonderzahlungen, "1,2,3"},
        {&R::txtStunden, "1600"}},
       &R::txtArbeitgeberanteil,
       false},
      {"wage over no hours",
       mdlExcel::Rechner::Lohnkosten,
       {{&R::txtBruttolohn, "2000"}, {&R::txtStunden, "0"}},
       &R::txtStunden,
       false},
      {"machine without years",
       mdlExcel::Rechner::Maschinenkosten,
       {{&R::txtAnschaffung, "5000"}, {&R::txtAuslastung, "100"}},
       &R::txtNutzungsdauer,
       true},
      {"machine with a rate that is no number",
       mdlExcel::Rechner::Maschinenkosten,
       {{&R::txtAnschaffung, "5000"},
        {&R::txtNutzungsdauer, "5"},
        {&R::txtZinssatz, "4,,5"},
        {&R::txtAuslastung, "100"}},
       &R::txtZinssatz,
       false},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    R& r = R::instanz();
    r.BlattAktivieren(fall.blatt);
    r.Show();
    ASSERT_TRUE(ActivateWindowOf(&r));
    for (const auto& [box, text] : fall.eingaben) ASSERT_TRUE(TypeInto(r.*box, ui::Q(text)));
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(Click(r.cmbUebernehmen));
    EXPECT_EQ(Meldungen().back(), fall.fehlen ? QStringLiteral("Sie haben nicht alle notwendigen Werte eingegeben")
                                              : QStringLiteral("Überprüfen sie bitte ihre Werte"));
    EXPECT_EQ(FocusWidget(), r.*fall.cursor) << ui::S(FocusWidget() ? FocusWidget()->objectName() : QString());
    r.Unload();
    Settle();
  }
  // The overheads: a cost item that is no number, after one that is.
  R& r = R::instanz();
  r.BlattAktivieren(mdlExcel::Rechner::Gemeinkosten);
  r.Show();
  ASSERT_TRUE(ActivateWindowOf(&r));
  ASSERT_TRUE(TypeInto(r.txtPosten[1], QStringLiteral("300")));
  ASSERT_TRUE(TypeInto(r.txtPosten[3], QStringLiteral("1,2,3")));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(r.cmbUebernehmen));
  EXPECT_EQ(Meldungen().back(), QStringLiteral("Überprüfen sie bitte ihre Werte"));
  EXPECT_EQ(FocusWidget(), r.txtPosten[3]);
  r.Unload();
}

// The workbook is a helper of the settings window: closing it returns to the window as it was
// left, so the activation of coming back neither refills the wage tab nor goes back to the
// first tab, and the value worked out stays in its box.
TEST_F(LohngruppenTest, ComingBackFromTheCalculatorKeepsItsValueAndTheTab) {
  frmEinstellungen& f = Oeffnen(1);
  ASSERT_EQ(f.txtLohnB->text(), QStringLiteral("16,50"));
  // Works in the workbook started by `knopf`, takes the result and comes back: the window
  // manager activates the settings window again.
  const auto rechnen = [&f](QPushButton* knopf, std::function<void(frmTabellenrechner&)> eingeben) {
    ImRechner(eingeben);
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
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Gemeinkosten, "32500,50");
}

}  // namespace
}  // namespace tolvar::test
