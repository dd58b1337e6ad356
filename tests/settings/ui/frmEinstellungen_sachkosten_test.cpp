// Tab "Sachkosten": the marketing share, and the activity material-cost editor on the tab
// and in the stand-alone frmArbeitMaterial.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>

#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/activity_material_editor.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmArbeitMaterial.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/tables.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class SachkostenTest : public EinstellungenTest {
 protected:
  frmEinstellungen& Tab() { return Oeffnen(5); }
  // Drags the activity `key` (its group opened) onto the grid.
  static bool Ablegen(settings::ui::ArbeitMaterialEditor& e, const QString& key) { return Ablegen(e, key, e); }
  // The same onto the grid of the editor `ziel`.
  static bool Ablegen(settings::ui::ArbeitMaterialEditor& e, const QString& key,
                      settings::ui::ArbeitMaterialEditor& ziel) {
    e.trvTaetigkeit->EnsureVisible(key);
    return DragNodeTo(e.trvTaetigkeit, key, ziel.dtgArbeitMaterial);
  }
  static QStringList Namen(const settings::ui::ArbeitMaterialEditor& e) {
    QStringList namen;
    for (int r = 1; r <= 100 && !e.dtgArbeitMaterial->TextMatrix(r, 0).isEmpty(); ++r) {
      namen << e.dtgArbeitMaterial->TextMatrix(r, 0);
    }
    return namen;
  }
};

TEST_F(SachkostenTest, TurnoverAndMarketingCostsGiveTheShare) {
  frmEinstellungen& f = Tab();
  EXPECT_EQ(f.txtVermarktung->text(), QStringLiteral("8"));
  EXPECT_TRUE(f.fraUmsatz->isHidden());
  struct Fall {
    QString umsatz, kosten, anteil;
  };
  const std::vector<Fall> faelle = {{QStringLiteral("30000"), QStringLiteral("1500"), QStringLiteral("5")},
                                    {QStringLiteral("8000"), QStringLiteral("1000"), QStringLiteral("12,5")},
                                    {QStringLiteral("30000"), QStringLiteral("0"), QStringLiteral("0")}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(ui::S(fall.umsatz));
    ASSERT_TRUE(Click(f.opbVermarktung[0]));
    EXPECT_FALSE(f.fraUmsatz->isHidden());
    EXPECT_TRUE(f.txtUmsatz->text().isEmpty());
    ASSERT_TRUE(TypeInto(f.txtUmsatz, fall.umsatz));
    ASSERT_TRUE(TypeInto(f.txtVermarktungskosten, fall.kosten));
    ASSERT_TRUE(Click(f.cmbUmsatzOK));
    EXPECT_EQ(f.txtVermarktung->text(), fall.anteil);
    EXPECT_TRUE(f.fraUmsatz->isHidden());
    EXPECT_FALSE(f.opbVermarktung[0]->isChecked());
  }
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, "8") << "OK stores nothing";
}

TEST_F(SachkostenTest, AZeroTurnoverIsRefusedAndAnEmptyShareIsStoredAsZero) {
  frmEinstellungen& f = Tab();
  ASSERT_TRUE(Click(f.opbVermarktung[0]));
  ASSERT_TRUE(TypeInto(f.txtUmsatz, QStringLiteral("0,00")));
  ASSERT_TRUE(TypeInto(f.txtVermarktungskosten, QStringLiteral("10")));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(f.cmbUmsatzOK));
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral("Überprüfen sie bitte ihre Werte")});
  EXPECT_FALSE(f.fraUmsatz->isHidden());

  ASSERT_TRUE(Click(f.opbVermarktung[1]));
  EXPECT_TRUE(f.txtVermarktung->text().isEmpty());
  ASSERT_TRUE(Click(f.cmbVermarktungskostenSpeichern));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, "0");
  ASSERT_TRUE(TypeInto(f.txtVermarktung, QStringLiteral("9")));
  ASSERT_TRUE(Click(f.cmbReset));
  EXPECT_EQ(f.txtVermarktung->text(), QStringLiteral("0"));
}

// The turnover calculator and the share, typed and confirmed: a refused value writes no
// share, stores nothing, keeps its text and gets the focus; negative amounts and shares above
// 100 are taken.
TEST_F(SachkostenTest, RefusedValuesWriteAndStoreNothing) {
  const QString pruefen = QStringLiteral("Überprüfen sie bitte ihre Werte");
  const QString fehlen = QStringLiteral("Sie haben nicht alle notwendigen Werte eingegeben");
  struct Fall {
    QLineEdit* frmEinstellungen::*box;
    const char* getippt;
    const QString* meldung;  // null: taken
    const char* anteil;      // the share shown (calculator) or stored (share box) when taken
  };
  using F = frmEinstellungen;
  std::vector<Fall> faelle;
  for (QLineEdit* F::*box : {&F::txtUmsatz, &F::txtVermarktungskosten, &F::txtVermarktung}) {
    for (const char* falsch : {"abc", "1,2,3", "1e308"}) faelle.push_back({box, falsch, &pruefen, ""});
  }
  faelle.insert(faelle.end(), {{&F::txtUmsatz, "", &fehlen, ""},
                               {&F::txtUmsatz, "0", &pruefen, ""},
                               {&F::txtUmsatz, "20000", nullptr, "2,5"},
                               {&F::txtVermarktungskosten, "", &fehlen, ""},
                               {&F::txtVermarktungskosten, "3000", nullptr, "30"},
                               // Negative amounts and any share are taken.
                               {&F::txtUmsatz, "-5000", nullptr, "-10"},
                               {&F::txtVermarktungskosten, "-300", nullptr, "-3"},
                               {&F::txtVermarktungskosten, "40000", nullptr, "400"},
                               {&F::txtVermarktung, "-1", nullptr, "-1"},
                               {&F::txtVermarktung, "133,333333333333", nullptr, "133,333333333333"},
                               {&F::txtVermarktung, "", nullptr, "0"},
                               {&F::txtVermarktung, "12,5", nullptr, "12,5"}});
  for (const Fall& fall : faelle) {
    ui::Forms::UnloadAllExcept();
    frmEinstellungen& f = Tab();
    QLineEdit* box = f.*fall.box;
    SCOPED_TRACE(ui::S(box->objectName()) + " \"" + fall.getippt + "\"");
    const bool rechner = box != f.txtVermarktung;
    if (rechner) {
      ASSERT_TRUE(Click(f.opbVermarktung[0]));
      ASSERT_TRUE(TypeInto(f.txtUmsatz, QStringLiteral("10000")));
      ASSERT_TRUE(TypeInto(f.txtVermarktungskosten, QStringLiteral("500")));
    }
    ASSERT_TRUE(TypeInto(box, QString::fromUtf8(fall.getippt)));
    const std::string vorher = state().enterprise.AktuelleEinstellungen.Vermarktungskosten + "\n" +
                               Tabelleninhalt(Tolvar(), "BetriebEinstellungen");
    const std::size_t gezeigt = Meldungen().size();
    if (fall.meldung != nullptr) prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(Click(rechner ? f.cmbUmsatzOK : f.cmbVermarktungskostenSpeichern));
    if (fall.meldung == nullptr) {
      EXPECT_EQ(Meldungen().size(), gezeigt);
      EXPECT_EQ(rechner ? ui::S(f.txtVermarktung) : state().enterprise.AktuelleEinstellungen.Vermarktungskosten,
                fall.anteil);
      continue;
    }
    ASSERT_EQ(Meldungen().size(), gezeigt + 1);
    EXPECT_EQ(Meldungen().back(), *fall.meldung);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten + "\n" +
                  Tabelleninhalt(Tolvar(), "BetriebEinstellungen"),
              vorher);
    EXPECT_EQ(box->text(), QString::fromUtf8(fall.getippt));
    EXPECT_EQ(FocusWidget(), box);
    if (rechner) {
      EXPECT_EQ(f.txtVermarktung->text(), QStringLiteral("8"));
    }
  }
}

TEST_F(SachkostenTest, TheGridShowsTheStoredCostsOfTheActivitiesInTheTree) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  EXPECT_EQ(Namen(e), (QStringList{QStringLiteral("Topfen"), QStringLiteral("Gießen"), QStringLiteral("Pflanzenschutz"),
                                   QStringLiteral("Vermarktung")}));
  EXPECT_EQ(e.dtgArbeitMaterial->TextMatrix(1, 1), QStringLiteral("1,50"));
  EXPECT_EQ(e.dtgArbeitMaterial->TextMatrix(0, 1), QStringLiteral("€/Stunde"));
}

TEST_F(SachkostenTest, DropsAddActivitiesToFreeRowsAndADoubleIsRefusedOnSaving) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  ASSERT_TRUE(Ablegen(e, QStringLiteral("StdT1006")));
  EXPECT_EQ(Namen(e).size(), 5) << "the group's one member, listed already, is added again";
  EXPECT_EQ(Namen(e).back(), QStringLiteral("Vermarktung"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(e.cmbArbeitMaterialSpeichern));
  EXPECT_EQ(Meldungen(),
            std::vector<QString>{QStringLiteral("Sie können nicht einer Tätigkeit mehrere Kosten zuweisen.")});
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "TaetigkeitNr").size(), 4u);
}

TEST_F(SachkostenTest, TypedCostsAreStoredAndAMarkedRowIsDeleted) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  ASSERT_TRUE(Ablegen(e, QStringLiteral("StdT1008")));
  ui::Grid& g = *e.dtgArbeitMaterial;
  ASSERT_TRUE(ClickCell(&g, 5, 0));
  ASSERT_TRUE(PressEnter());
  EXPECT_EQ(g.Col(), 1);
  ASSERT_TRUE(Type(QStringLiteral("2,7/a")));
  ASSERT_TRUE(PressEnter());
  EXPECT_EQ(g.Row(), 6);
  EXPECT_EQ(g.Col(), 0);
  ASSERT_TRUE(Click(e.cmbArbeitMaterialSpeichern));
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "Kosten je Stunde").back(), "2,7");

  ASSERT_TRUE(Click(e.cmbArbeitMaterialLoeschen));
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "TaetigkeitNr").size(), 5u) << "nothing marked, nothing deleted";
  ASSERT_TRUE(DoubleClickCell(&g, 2, 0));
  ASSERT_TRUE(Click(e.cmbArbeitMaterialLoeschen));
  EXPECT_EQ(Namen(e), (QStringList{QStringLiteral("Topfen"), QStringLiteral("Pflanzenschutz"),
                                   QStringLiteral("Vermarktung"), QStringLiteral("Stecken")}));
}

// A cost typed into the grid of either editor (digits and the comma pass its key filter):
// a save refuses what is no amount ("1,2,3", a lone comma) and stores nothing; an emptied
// cost is stored as the empty text.
TEST_F(SachkostenTest, CostsThatAreNoAmountAreRefusedAndAnEmptiedCostIsStoredEmpty) {
  struct Fall {
    const char* getippt;
    const char* angezeigt;
    bool abgelehnt;
  };
  const Fall faelle[] = {{"abc", "", false}, {"1,2,3", "1,2,3", true}, {"-5", "5", false}, {"1e308", "1308", false},
                         {"", "", false},    {"2,7", "2,7", false},    {",", ",", true}};
  for (const bool eigenstaendig : {false, true}) {
    for (const Fall& fall : faelle) {
      SCOPED_TRACE(std::string(eigenstaendig ? "frmArbeitMaterial " : "tab ") + fall.getippt);
      ui::Forms::UnloadAllExcept();
      settings::ui::ArbeitMaterialEditor* e = nullptr;
      if (eigenstaendig) {
        frmArbeitMaterial& w = frmArbeitMaterial::instanz();
        w.Show();
        ASSERT_TRUE(ActivateWindowOf(&w));
        e = w.editor;
      } else {
        e = Tab().arbeitMaterial;
      }
      ui::Grid& g = *e->dtgArbeitMaterial;
      ASSERT_EQ(g.TextMatrix(1, 0), QStringLiteral("Topfen"));
      const std::string nr = ui::S(g.TextMatrix(1, 2));
      ASSERT_TRUE(ClickCell(&g, 1, 1));
      for (int i = 0; i < 8; ++i) ASSERT_TRUE(Press(Qt::Key_Backspace));
      ASSERT_TRUE(Type(QString::fromUtf8(fall.getippt)));
      ASSERT_EQ(g.TextMatrix(1, 1), QString::fromUtf8(fall.angezeigt));
      const std::string vorher = Tabelleninhalt(Tolvar(), "ArbeitMaterial");
      const std::string datei = FileContents(Tolvar());
      const std::size_t gezeigt = Meldungen().size();
      if (fall.abgelehnt) prompts->AnswerMsgBox(ui::msgbox::Ok);
      ASSERT_TRUE(Click(e->cmbArbeitMaterialSpeichern));
      const auto gespeichert =
          Abfragezeilen(Tolvar(), "SELECT \"Kosten je Stunde\" FROM ArbeitMaterial WHERE TaetigkeitNr = '" + nr + "'");
      if (!fall.abgelehnt) {
        EXPECT_EQ(Meldungen().size(), gezeigt);
        EXPECT_EQ(gespeichert, std::vector<std::string>{fall.angezeigt});
        ui::Forms::UnloadAllExcept();
        std::ofstream(Tolvar(), std::ios::binary | std::ios::trunc) << datei;  // as before, for the next case
        continue;
      }
      ASSERT_EQ(Meldungen().size(), gezeigt + 1);
      EXPECT_EQ(Meldungen().back(), QStringLiteral("Überprüfen sie bitte ihre Werte"));
      EXPECT_EQ(Tabelleninhalt(Tolvar(), "ArbeitMaterial"), vorher);
      EXPECT_EQ(g.TextMatrix(1, 1), QString::fromUtf8(fall.angezeigt));
      EXPECT_TRUE(g.isAncestorOf(FocusWidget())) << "the grid has the focus";
      EXPECT_EQ(g.Row(), 1);
      EXPECT_EQ(g.Col(), 1);
    }
  }
}

TEST_F(SachkostenTest, StandAloneResetButtonSwitchesBetweenResetAndClose) {
  frmEinstellungen& f = Tab();
  settings::ui::ArbeitMaterialEditor& andere = *f.arbeitMaterial;
  frmArbeitMaterial& w = frmArbeitMaterial::instanz();
  w.Show();
  ASSERT_TRUE(ActivateWindowOf(&w));
  settings::ui::ArbeitMaterialEditor& e = *w.editor;
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Beenden"));
  // A drop from the activity tree of the settings window, the two windows side by side: it
  // adds nothing, yet the list counts as changed. The settings window shows its first tab
  // again when it becomes active, so its tab is chosen anew.
  f.move(0, 0);
  w.move(0, f.frameGeometry().bottom() + 8);
  Settle();
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 5));
  ASSERT_TRUE(Ablegen(andere, QStringLiteral("StdT1006"), e));
  EXPECT_EQ(Namen(e).size(), 4) << "a drop from another control adds nothing";
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Zurücksetzen"));
  ASSERT_TRUE(Ablegen(e, QStringLiteral("Taetigkeit")));
  EXPECT_EQ(Namen(e).size(), 4 + 6);
  ASSERT_TRUE(Click(e.cmbArbeitMaterialReset));
  EXPECT_EQ(Namen(e).size(), 4);
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Beenden"));
  ASSERT_TRUE(Click(e.cmbArbeitMaterialReset));
  ProcessEvents();
  EXPECT_FALSE(frmArbeitMaterial::IsLoaded());
}

}  // namespace
}  // namespace tolvar::test
