// The record menu's deletion: the question, the rows deleted by the selected tree, and the
// reloaded lists and rebuilt trees of the work area.
#include "masterdata/ui/mdlLoeschen_ui.h"

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "app/mdiTolvarZentral.h"
#include "app/message_sink.h"
#include "calculation/ui/frmKalkulation.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/mdlDatenbank.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "support/tables.h"
#include "support/ui_fixture.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar {
namespace {

const QString kFrage = QStringLiteral(
    "Es werden nur Tolvar-spezifische Daten gelöscht, Morvin-Daten sind von diesem Vorgang nicht "
    "betroffen.\n\nSoll der Vorgang fortgesetz werden?");

class LoeschenTest : public test::FensterTest {
 protected:
  void SetUp() override {
    HauptfensterLaden();
    MusterbetriebEinsetzen();
  }

  // The master-data window, shown in the main window's frame.
  frmStammdaten& Stammdaten() {
    state().enterprise.ModusStammdaten = true;
    mdiTolvarZentral::instanz().ui::MainForm::Show();  // the frame only, without the opening sequence
    frmStammdaten& form = frmStammdaten::instanz();
    form.Show();
    ui::FormAccess::Activate(form);
    return form;
  }
  // A right press on the record `nr` of `tree` and "Löschen" in its pop-up, answered `antwort`.
  void Loeschen(ui::KeyedTree* tree, const char* nr, int antwort = ui::msgbox::Yes) {
    prompts->AnswerMsgBox(antwort);
    ASSERT_TRUE(test::PopUpCommand(tree, QString::fromLatin1(nr), QStringLiteral("Löschen"))) << nr;
  }
  static int Anzahl(const std::string& pfad, const std::string& table, const std::string& column,
                    const std::string& wert) {
    auto database = db::Database::Open(pfad);
    if (!database) return -1;
    return static_cast<int>(database
                                ->Scalar("SELECT COUNT(*) FROM " + db::QuoteIdentifier(table) + " WHERE " +
                                             db::QuoteIdentifier(column) + " = ?",
                                         {wert})
                                .integerOr(-1));
  }
  static void Exec(const std::string& pfad, const std::string& sql) {
    auto database = db::Database::Open(pfad);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute(sql)) << database->LastError();
  }
  static std::string Material() { return state().enterprise.AktuelleEinstellungen.MaterialPfad; }
  void ExpectQuestion(const test::ShownPrompt& p) {
    EXPECT_EQ(p.kind, test::PromptKind::MsgBox);
    EXPECT_EQ(p.text, kFrage);
    EXPECT_EQ(p.style, ui::msgbox::YesNo);  // Yes/No, no icon
    EXPECT_EQ(p.title, QStringLiteral("Tolvar-Information"));
  }
};

// A culture, a site and an activity lose their own rows; their nodes stay after the rebuild.
TEST_F(LoeschenTest, OwnRowsGoAndTheNodeStays) {
  struct Fall {
    const char* nr;
    int tree;  // frmStammdaten tree index
    const char* table;
    const char* column;
  };
  const Fall faelle[] = {
      {"K1003", 0, "KulturPhasen", "Kulturnummer"},
      {"K1004", 0, "Material", "KulturNr"},
      {"Sta1002", 1, "Vantel", "StandortNr"},
      {"StdT1002", 4, "ArbeitMaterial", "TaetigkeitNr"},
  };
  frmStammdaten& form = Stammdaten();
  std::size_t fragen = 0;
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.nr);
    const QString key = QString::fromLatin1(fall.nr);
    ASSERT_TRUE(form.Baum(fall.tree)->Has(key));
    ASSERT_GT(Anzahl(Tolvar(), fall.table, fall.column, fall.nr), 0);
    Loeschen(form.Baum(fall.tree), fall.nr);
    ASSERT_EQ(prompts->shown().size(), ++fragen);
    ExpectQuestion(prompts->shown().back());
    EXPECT_EQ(Anzahl(Tolvar(), fall.table, fall.column, fall.nr), 0);
    EXPECT_TRUE(form.Baum(fall.tree)->Has(key));
    ui::FormAccess::Activate(form);
  }
  EXPECT_EQ(Anzahl(Tolvar(), "KulturPhasen", "Kulturnummer", "K1005"), 2);  // other cultures keep theirs
}

TEST_F(LoeschenTest, NoAndStaffChangeNothing) {
  frmStammdaten& form = Stammdaten();
  const std::string tolvar = test::Datenbankinhalt(Tolvar());
  const std::string material = test::Datenbankinhalt(Material());
  struct Fall {
    int tree;
    const char* nr;
    int antwort;
  };
  const Fall faelle[] = {
      {0, "K1003", ui::msgbox::No},
      {2, "M1012", ui::msgbox::No},
      {3, "P1003", ui::msgbox::No},
      {3, "P1003", ui::msgbox::Yes},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(std::string(fall.nr) + " " + std::to_string(fall.antwort));
    Loeschen(form.Baum(fall.tree), fall.nr, fall.antwort);
  }
  ASSERT_EQ(prompts->shown().size(), 4u);  // the question every time, nothing else
  for (const test::ShownPrompt& p : prompts->shown()) ExpectQuestion(p);
  EXPECT_EQ(test::Datenbankinhalt(Tolvar()), tolvar);
  EXPECT_EQ(test::Datenbankinhalt(Material()), material);
}

// A pot: its Material and Gefaesse rows, its combination with that one's Material row go; the
// culture row naming the combination stays; the lists and the material tree follow.
TEST_F(LoeschenTest, PotDeletionRemovesItsCombinations) {
  frmStammdaten& form = Stammdaten();
  ui::KeyedTree* tree = form.Baum(2);
  ASSERT_TRUE(tree->Has(QStringLiteral("M1012")));
  ASSERT_TRUE(tree->Has(QStringLiteral("M1017")));
  ASSERT_EQ(Anzahl(Tolvar(), "Material", "MaNr", "M1017"), 1);
  Loeschen(tree, "M1012");

  EXPECT_EQ(Anzahl(Material(), "Material", "MaterialNr", "M1012"), 0);
  EXPECT_EQ(Anzahl(Material(), "Gefaesse", "MaterialNr", "M1012"), 0);
  EXPECT_EQ(Anzahl(Material(), "Topfsubstrat", "TopfNr", "M1012"), 0);
  EXPECT_EQ(Anzahl(Material(), "Material", "MaterialNr", "M1017"), 0);
  EXPECT_EQ(Anzahl(Material(), "Material", "MaterialNr", "M1014"), 1);  // the substrate stays
  EXPECT_EQ(Anzahl(Material(), "Topfsubstrat", "MaterialNr", "M1016"), 1);
  EXPECT_EQ(Anzahl(Tolvar(), "Material", "MaNr", "M1017"), 1);
  EXPECT_FALSE(tree->Has(QStringLiteral("M1012")));
  EXPECT_FALSE(tree->Has(QStringLiteral("M1017")));
  EXPECT_TRUE(tree->Has(QStringLiteral("M1014")));
  for (const GefaessSatz& g : state().masters.GefaessListe) EXPECT_NE(g.MaterialNr, "M1012");
  for (const MaterialSatz& m : state().masters.MaterialListe) EXPECT_NE(m.MaterialNr, "M1017");
  EXPECT_EQ(prompts->shown().size(), 1u);
}

TEST_F(LoeschenTest, CombinationDeletionKeepsPotAndSubstrate) {
  frmStammdaten& form = Stammdaten();
  Loeschen(form.Baum(2), "M1017");
  EXPECT_EQ(Anzahl(Material(), "Material", "MaterialNr", "M1017"), 0);
  EXPECT_EQ(Anzahl(Material(), "Topfsubstrat", "MaterialNr", "M1017"), 0);
  EXPECT_EQ(Anzahl(Material(), "Material", "MaterialNr", "M1012"), 1);
  EXPECT_EQ(Anzahl(Material(), "Gefaesse", "MaterialNr", "M1012"), 1);
  EXPECT_EQ(Anzahl(Material(), "Material", "MaterialNr", "M1014"), 1);
  EXPECT_EQ(Anzahl(Tolvar(), "Material", "MaNr", "M1017"), 0);
  EXPECT_FALSE(form.Baum(2)->Has(QStringLiteral("M1017")));
  EXPECT_TRUE(form.Baum(2)->Has(QStringLiteral("M1012")));
}

TEST_F(LoeschenTest, KeyInNoRowStillReloadsAndRebuilds) {
  frmStammdaten& form = Stammdaten();
  // A site added behind the program's back appears after the deletion's rebuild.
  Exec(state().enterprise.AktuellerBetrieb,
       "INSERT INTO \"Standort\" (\"StandortNr\", \"UeberPNr\", \"Standortname\", \"Gliederungspunkt\", "
       "\"Aktuell\") VALUES ('Sta1099', '1001', 'Haus 99', 0, -1)");
  const std::string tolvar = test::Datenbankinhalt(Tolvar());
  Loeschen(form.Baum(1), "Sta1006");  // a site without a greenhouse row
  EXPECT_EQ(test::Datenbankinhalt(Tolvar()), tolvar);
  EXPECT_TRUE(form.Baum(1)->Has(QStringLiteral("Sta1099")));
  EXPECT_EQ(prompts->shown().size(), 1u);
}

// No tree leaves such a selection; the deletion itself must not act on it.
TEST_F(LoeschenTest, SelectionPastTheListDeletesNothing) {
  Stammdaten();
  const std::string tolvar = test::Datenbankinhalt(Tolvar());
  const std::string material = test::Datenbankinhalt(Material());
  state().selection.AktuellerBaum = "Material";
  state().selection.MaterialIndex = static_cast<int>(state().masters.MaterialListe.size()) + 1;
  prompts->AnswerMsgBox(ui::msgbox::Yes);
  mdlLoeschen::DatenLoeschen();
  EXPECT_EQ(test::Datenbankinhalt(Tolvar()), tolvar);
  EXPECT_EQ(test::Datenbankinhalt(Material()), material);
}

TEST_F(LoeschenTest, FailureIsReportedAndLeavesTheRows) {
  frmStammdaten& form = Stammdaten();
  Exec(Tolvar(), "CREATE TRIGGER \"sperre\" BEFORE DELETE ON \"Material\" BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  const std::string tolvar = test::Datenbankinhalt(Tolvar());
  prompts->AnswerMsgBox(ui::msgbox::Yes).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::PopUpCommand(form.Baum(0), QStringLiteral("K1003"), QStringLiteral("Löschen")));
  EXPECT_EQ(test::Datenbankinhalt(Tolvar()), tolvar);  // the phases deleted first came back
  ASSERT_EQ(prompts->shown().size(), 2u);
  const test::ShownPrompt& meldung = prompts->shown()[1];
  EXPECT_EQ(meldung.title, QStringLiteral("Tolvar-Information"));
  EXPECT_EQ(meldung.style, ui::msgbox::Critical);
  EXPECT_TRUE(meldung.text.contains(QStringLiteral("gesperrt"))) << ui::S(meldung.text);
  EXPECT_TRUE(form.Baum(0)->Has(QStringLiteral("K1003")));
}

// In data entry the culture tree of that window is rebuilt fully expanded; in calculation,
// whose tree shows no pop-up menu, the deletion rebuilds the calculation window's tree alike.
TEST_F(LoeschenTest, CultureTreeOfTheWorkAreaIsExpanded) {
  for (bool erfassung : {true, false}) {
    SCOPED_TRACE(erfassung ? "Erfassung" : "Kalkulation");
    State& s = state();
    s.enterprise.ModusStammdaten = false;
    s.enterprise.ModusErfassung = erfassung;
    s.enterprise.ModusKalkulation = !erfassung;
    mdiTolvarZentral::instanz().ui::MainForm::Show();
    ui::Form* form = nullptr;
    ui::KeyedTree* tree = nullptr;
    if (erfassung) {
      form = &frmBewegungsdaten::instanz();
      tree = frmBewegungsdaten::instanz().trvKulturen;
    } else {
      form = &frmKalkulation::instanz();
      tree = frmKalkulation::instanz().trvKulturen;
    }
    form->Show();
    ui::FormAccess::Activate(*form);
    ASSERT_TRUE(tree->Has(QStringLiteral("K1003")));
    prompts->AnswerMsgBox(ui::msgbox::Yes);
    if (erfassung) {
      tree->EnsureVisible(QStringLiteral("K1003"));
      for (const QString& key : tree->Keys()) {
        if (key != QStringLiteral("Kultur") && key != QStringLiteral("K1001")) tree->SetExpanded(key, false);
      }
      ASSERT_TRUE(test::PopUpCommand(tree, QStringLiteral("K1003"), QStringLiteral("Löschen")));
    } else {
      for (const QString& key : tree->Keys()) tree->SetExpanded(key, false);
      s.selection.AktuellerBaum = "Kulturen";
      for (std::size_t i = 0; i < s.masters.KulturListe.size(); ++i) {
        if (s.masters.KulturListe[i].KulturNr == "K1003") s.selection.KulturIndex = static_cast<int>(i);
      }
      mdlLoeschen::DatenLoeschen();
    }
    EXPECT_EQ(Anzahl(Tolvar(), "KulturPhasen", "Kulturnummer", "K1003"), 0);
    EXPECT_TRUE(tree->Has(QStringLiteral("K1003")));
    int eltern = 0;
    for (const QString& key : tree->Keys()) {
      if (tree->Children(key).isEmpty()) continue;
      ++eltern;
      EXPECT_TRUE(tree->Expanded(key)) << ui::S(key);
    }
    EXPECT_GT(eltern, 1);
    form->Unload();
    test::ProcessEvents();
  }
}

}  // namespace
}  // namespace tolvar
