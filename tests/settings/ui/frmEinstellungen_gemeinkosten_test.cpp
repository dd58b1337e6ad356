// The overheads tab: the uniform area with its totals, and the distribution per site with
// drops from the site tree, amounts, sums, removal and saving.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/tables.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

const QColor kMarkiert(255, 255, 128);

class GemeinkostenTest : public EinstellungenTest {
 protected:
  frmEinstellungen& Tab() { return Oeffnen(4); }
  frmEinstellungen& ProStandort() {
    state().enterprise.AktuelleEinstellungen.Gemeinkostentyp = "1";
    return Tab();
  }
  // Drags the node `key` (its group opened) onto the grid.
  static bool Ablegen(frmEinstellungen& f, const QString& key) {
    f.trvStandort->EnsureVisible(key);
    return DragNodeTo(f.trvStandort, key, f.dtgStandort);
  }
  // Clicks the amount cell of `zeile` and types `betrag` there.
  static bool Betrag(frmEinstellungen& f, int zeile, const QString& betrag) {
    return ClickCell(f.dtgStandort, zeile, 1) && Type(betrag);
  }
  static QStringList Spalte0(const frmEinstellungen& f) {
    QStringList namen;
    for (int r = 1; r < f.dtgStandort->Rows() && !f.dtgStandort->TextMatrix(r, 0).isEmpty(); ++r) {
      namen << f.dtgStandort->TextMatrix(r, 0);
    }
    return namen;
  }
};

TEST_F(GemeinkostenTest, OpeningShowsTheSettingsAndTheUniformPanel) {
  state().enterprise.AktuelleEinstellungen.Belegung = "";
  frmEinstellungen& f = Tab();
  EXPECT_EQ(f.txtGemeinkosten->text(), QStringLiteral("45000"));
  EXPECT_EQ(f.txtBelegung->text(), QStringLiteral("75"));
  EXPECT_TRUE(f.opbGemeinkosten[0]->isChecked());
  EXPECT_FALSE(f.fraFlaeche->isHidden());
  EXPECT_TRUE(f.fraFlaechenSpezifisch->isHidden());
  EXPECT_EQ(f.txtFlaeche->text(), QStringLiteral("1000"));
}

TEST_F(GemeinkostenTest, TheAreaTotalsCountTheCurrentSitesLessTheirPaths) {
  frmEinstellungen& f = Tab();
  ASSERT_TRUE(Click(f.chbFlaeche[0]));
  EXPECT_EQ(f.txtBrutto->text(), QStringLiteral("1600"));
  EXPECT_EQ(f.txtWege->text(), QStringLiteral("116"));
  EXPECT_EQ(f.txtFlaeche->text(), QStringLiteral("1484"));
  EXPECT_FALSE(f.txtWege->isHidden());
  ASSERT_TRUE(Click(f.chbFlaeche[0]));
  EXPECT_TRUE(f.txtWege->isHidden());
  EXPECT_EQ(f.txtFlaeche->text(), QStringLiteral("1484"));
}

TEST_F(GemeinkostenTest, DroppingTheRootListsEverySiteOnceAndMarksTheLast) {
  frmEinstellungen& f = ProStandort();
  EXPECT_FALSE(f.fraFlaechenSpezifisch->isHidden());
  ASSERT_TRUE(Ablegen(f, QStringLiteral("Standort")));
  const QStringList alle = {QStringLiteral("Venlo-Haus 1"), QStringLiteral("Venlo-Haus 2"),
                            QStringLiteral("Folienhaus 1"), QStringLiteral("Stellfläche Freiland")};
  EXPECT_EQ(Spalte0(f), alle);
  EXPECT_EQ(f.dtgStandort->CellBackColor(4, 0), kMarkiert);
  EXPECT_EQ(state().windows.StandortTabelleZeile, 4);
  EXPECT_TRUE(state().windows.StandortTabelleAktiv);

  ASSERT_TRUE(Betrag(f, 2, QStringLiteral("300")));
  ASSERT_EQ(f.dtgStandort->TextMatrix(2, 1), QStringLiteral("300"));
  ASSERT_TRUE(Ablegen(f, QStringLiteral("Sta1003")));
  EXPECT_EQ(Spalte0(f), alle) << "a listed site is not added twice";
  EXPECT_TRUE(f.dtgStandort->TextMatrix(2, 1).isEmpty());
  EXPECT_EQ(f.dtgStandort->CellBackColor(2, 0), kMarkiert);
  EXPECT_NE(f.dtgStandort->CellBackColor(4, 0), kMarkiert);
}

TEST_F(GemeinkostenTest, UnsavedAmountsDoNotSurviveOpeningTheTabAgain) {
  frmEinstellungen& f = ProStandort();
  ASSERT_TRUE(Ablegen(f, QStringLiteral("Standort")));
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 0));
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 4));
  EXPECT_TRUE(Spalte0(f).isEmpty());
}

TEST_F(GemeinkostenTest, TypedAmountsAreSummedAndSaved) {
  frmEinstellungen& f = ProStandort();
  ASSERT_TRUE(Ablegen(f, QStringLiteral("Standort")));
  ASSERT_TRUE(TypeInto(f.txtGemeinkosten, QStringLiteral("1000")));
  ASSERT_TRUE(Betrag(f, 1, QStringLiteral("12,5x")));
  EXPECT_EQ(f.dtgStandort->TextMatrix(1, 1), QStringLiteral("12,5"));
  ASSERT_TRUE(PressEnter());
  EXPECT_EQ(f.dtgStandort->Row(), 2);
  EXPECT_EQ(f.txtGemeinkostenFlache->text(), QStringLiteral("12,50"));
  EXPECT_EQ(f.txtGemeinkostenRest->text(), QStringLiteral("987,50"));

  ASSERT_TRUE(TypeInto(f.txtJahr, QString()));
  ASSERT_TRUE(TypeInto(f.txtBelegung, QString()));
  ASSERT_TRUE(Click(f.cmbGemeikostenSpeichern));
  const EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  EXPECT_EQ(e.Jahr, "0");
  EXPECT_EQ(e.Belegung, "75");
  EXPECT_EQ(e.Gemeinkostentyp, "1");
  EXPECT_EQ(Spalte(Tolvar(), "Vantel", "Gemeinkosten").front(), "12,5");
}

// Each box of the tab, typed and saved: a refused value takes nothing over, stores nothing,
// keeps its text and gets the focus.
TEST_F(GemeinkostenTest, SaveRefusesValuesOutsideTheirBoxRule) {
  const QString pruefen = QStringLiteral("Überprüfen sie bitte ihre Werte");
  const QString fehlen = QStringLiteral("Sie haben nicht alle notwendigen Werte eingegeben");
  struct Fall {
    QLineEdit* frmEinstellungen::*box;
    const char* typ;
    const char* getippt;
    const QString* meldung;  // null: taken over
    std::string EinstellungenSatz::*feld;
    const char* gespeichert;
  };
  using F = frmEinstellungen;
  using E = EinstellungenSatz;
  std::vector<Fall> faelle;
  for (const char* falsch : {"abc", "1,2,3", "-5", "1e308"}) {
    faelle.push_back({&F::txtGemeinkosten, "0", falsch, &pruefen, nullptr, ""});
    faelle.push_back({&F::txtBelegung, "0", falsch, &pruefen, nullptr, ""});
    faelle.push_back({&F::txtFlaeche, "0", falsch, &pruefen, nullptr, ""});
    faelle.push_back({&F::txtAktuelleFlaeche, "1", falsch, &pruefen, nullptr, ""});
  }
  faelle.insert(faelle.end(), {
                                  {&F::txtGemeinkosten, "0", "", &fehlen, nullptr, ""},
                                  {&F::txtGemeinkosten, "0", "40000", nullptr, &E::Gemeinkosten, "40000"},
                                  {&F::txtBelegung, "0", "0", &pruefen, nullptr, ""},
                                  {&F::txtBelegung, "0", "100,5", &pruefen, nullptr, ""},
                                  {&F::txtBelegung, "0", "", nullptr, &E::Belegung, "75"},
                                  {&F::txtBelegung, "0", "80", nullptr, &E::Belegung, "80"},
                                  {&F::txtFlaeche, "0", "0", &pruefen, nullptr, ""},
                                  {&F::txtFlaeche, "0", "", &fehlen, nullptr, ""},
                                  {&F::txtFlaeche, "0", "1200", nullptr, &E::Flaeche, "1200"},
                                  {&F::txtAktuelleFlaeche, "1", "0", &pruefen, nullptr, ""},
                                  {&F::txtAktuelleFlaeche, "1", "", &fehlen, nullptr, ""},
                                  {&F::txtAktuelleFlaeche, "1", "1300", nullptr, &E::Flaeche, "1300"},
                              });
  auto einstellungen = [this] {
    const E& e = state().enterprise.AktuelleEinstellungen;
    return e.Gemeinkosten + "|" + e.Belegung + "|" + e.Flaeche + "|" + e.Gemeinkostentyp + "|" + e.Jahr + "\n" +
           Tabelleninhalt(Tolvar(), "BetriebEinstellungen") + Tabelleninhalt(Tolvar(), "Vantel");
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.typ) + " \"" + f.getippt + "\"");
    ui::Forms::UnloadAllExcept();
    state().enterprise.AktuelleEinstellungen.Gemeinkostentyp = f.typ;
    frmEinstellungen& fenster = Tab();
    QLineEdit* box = fenster.*f.box;
    SCOPED_TRACE(ui::S(box->objectName()));
    ASSERT_TRUE(TypeInto(box, QString::fromUtf8(f.getippt)));
    const std::string vorher = einstellungen();
    const std::size_t gezeigt = Meldungen().size();
    if (f.meldung != nullptr) prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(Click(fenster.cmbGemeikostenSpeichern));
    if (f.meldung == nullptr) {
      EXPECT_EQ(Meldungen().size(), gezeigt);
      EXPECT_EQ(state().enterprise.AktuelleEinstellungen.*f.feld, f.gespeichert);
      continue;
    }
    ASSERT_EQ(Meldungen().size(), gezeigt + 1);
    EXPECT_EQ(Meldungen().back(), *f.meldung);
    EXPECT_EQ(einstellungen(), vorher);
    EXPECT_EQ(box->text(), QString::fromUtf8(f.getippt));
    EXPECT_EQ(FocusWidget(), box);
  }
}

TEST_F(GemeinkostenTest, AmountsAboveTheOverheadsAreReportedAndNotSaved) {
  frmEinstellungen& f = ProStandort();
  ASSERT_TRUE(Ablegen(f, QStringLiteral("Standort")));
  ASSERT_TRUE(TypeInto(f.txtGemeinkosten, QStringLiteral("500")));
  ASSERT_TRUE(Betrag(f, 1, QStringLiteral("300")));
  ASSERT_TRUE(Betrag(f, 2, QStringLiteral("300")));
  // Leaving the grid sums (and reports) the amounts; "Speichern" refuses the negative rest.
  prompts->AnswerMsgBox(ui::msgbox::Ok).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(f.cmbGemeikostenSpeichern));
  ASSERT_EQ(Meldungen().size(), 2u);
  EXPECT_EQ(Meldungen()[0], Meldungen()[1]);
  EXPECT_TRUE(Meldungen()[1].startsWith(QStringLiteral("Die einzelenen Flächen zugewiesenen Gemeinkosten")));
  EXPECT_EQ(Spalte(Tolvar(), "Vantel", "Gemeinkosten").front(), "");
}

TEST_F(GemeinkostenTest, RemovingTheMarkedRowStoresZeroAtOnce) {
  frmEinstellungen& f = ProStandort();
  ASSERT_TRUE(Ablegen(f, QStringLiteral("Standort")));
  ASSERT_TRUE(Betrag(f, 1, QStringLiteral("100")));
  ASSERT_TRUE(Click(f.cmbGemeikostenSpeichern));
  const int zeilen = f.dtgStandort->Rows();
  ASSERT_TRUE(DoubleClickCell(f.dtgStandort, 1, 1));
  EXPECT_TRUE(f.dtgStandort->TextMatrix(1, 1).isEmpty());
  ASSERT_TRUE(Click(f.cmbFlaecheLoeschen));
  EXPECT_EQ(f.dtgStandort->Rows(), zeilen);
  EXPECT_EQ(f.dtgStandort->TextMatrix(1, 0), QStringLiteral("Venlo-Haus 2"));
  EXPECT_EQ(Spalte(Tolvar(), "Vantel", "Gemeinkosten").front(), "0");
}

// Amounts above the overheads are reported once each time the sums run (Enter in the grid,
// leaving the grid): the message box taking the focus is no loss of the grid's focus.
TEST_F(GemeinkostenTest, TooHighAmountsAreReportedOnceByEnterAndOnceByLeavingTheGrid) {
  frmEinstellungen& f = ProStandort();
  ASSERT_TRUE(Ablegen(f, QStringLiteral("Standort")));
  ASSERT_TRUE(TypeInto(f.txtGemeinkosten, QStringLiteral("500")));
  ASSERT_TRUE(Betrag(f, 1, QStringLiteral("300")));
  ASSERT_TRUE(Betrag(f, 2, QStringLiteral("300")));
  Settle();
  ASSERT_TRUE(Meldungen().empty());

  prompts->SetTakesFocus(true);
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(PressEnter());
  Settle();
  ASSERT_EQ(Meldungen().size(), 1u);
  EXPECT_TRUE(Meldungen()[0].startsWith(QStringLiteral("Die einzelenen Flächen zugewiesenen Gemeinkosten")));
  EXPECT_TRUE(f.dtgStandort->isAncestorOf(FocusWidget())) << "the grid keeps the focus";

  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(FocusByClick(f.txtJahr));
  Settle();
  EXPECT_EQ(Meldungen().size(), 2u);
  EXPECT_EQ(FocusWidget(), f.txtJahr);
}

}  // namespace
}  // namespace tolvar::test
