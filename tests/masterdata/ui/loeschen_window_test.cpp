// The record menu's deletion: the question, the rows deleted by the selected tree, and the
// reloaded lists and rebuilt trees of the work area.
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
#include "masterdata/ui/mdlLoeschen_ui.h"
#include "platform/db/database.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "support/fixtures.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar {
namespace {

const QString kFrage = QStringLiteral(
    "Es werden nur Tolvar-spezifische Daten gelöscht, Morvin-Daten sind von diesem Vorgang nicht "
    "betroffen.\n\nSoll der Vorgang fortgesetz werden?");

class LoeschenTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    mdiTolvarZentral::instanz();
    ui::Forms::UnloadAllExcept();
    test::ProcessEvents();
    ResetState();
    State& s = state();
    s.AktuellerBetrieb = root_.Join("Betriebe/Mustergärtnerei.mdb");
    s.TolvarDatenbankPfad = data::Zwillingspfad(s.AktuellerBetrieb, ".Tolvar");
    s.AktuelleEinstellungen.MaterialPfad = root_.Join("Tolvar_DB/Material.mdb");
    s.BetriebOffen = true;
    previousSink_ = data::SetMessageSink(&sink_);
  }
  void TearDown() override {
    test::UnloadAllWindows();
    data::SetMessageSink(previousSink_);
    ResetState();
  }

  frmStammdaten& Stammdaten() {
    state().ModusStammdaten = true;
    frmStammdaten& form = frmStammdaten::instanz();
    ui::FormAccess::Activate(form);
    return form;
  }
  // Selects record `nr` of the kind the way the right-click does.
  static void Waehlen(const std::string& baum, const std::string& nr) {
    State& s = state();
    s.AktuellerBaum = baum;
    auto finde = [&nr](const auto& liste, auto feld) {
      for (std::size_t i = 0; i < liste.size(); ++i) {
        if (liste[i].*feld == nr) return static_cast<int>(i);
      }
      ADD_FAILURE() << nr << " not in its list";
      return static_cast<int>(liste.size());
    };
    if (baum == "Kulturen") s.KulturIndex = finde(s.KulturListe, &KulturSatz::KulturNr);
    if (baum == "Standort") s.StandortIndex = finde(s.StandortListe, &StandortSatz::StandortNr);
    if (baum == "StdTaetigkeiten") {
      s.StdTaetigkeitIndex = finde(s.StdTaetigkeitListe, &StdTaetigkeitSatz::StdTaetigkeitNr);
    }
    if (baum == "Material") s.MaterialIndex = finde(s.MaterialListe, &MaterialSatz::MaterialNr);
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
  static std::string Inhalt(const std::string& pfad) {
    auto database = db::Database::Open(pfad);
    std::string text;
    for (const std::string& table : database->Tables()) {
      db::Recordset rs = database->Query("SELECT * FROM " + db::QuoteIdentifier(table) + " ORDER BY rowid");
      text += table + ":";
      for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        for (int i = 0; i < static_cast<int>(rs.ColumnNames().size()); ++i) text += rs.Field(i).text() + "|";
        text += ";";
      }
      text += "\n";
    }
    return text;
  }
  static void Exec(const std::string& pfad, const std::string& sql) {
    auto database = db::Database::Open(pfad);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute(sql)) << database->LastError();
  }
  const std::string& Tolvar() const { return state().TolvarDatenbankPfad; }
  const std::string& Material() const { return state().AktuelleEinstellungen.MaterialPfad; }
  void ExpectQuestion(const test::ShownPrompt& p) {
    EXPECT_EQ(p.kind, test::PromptKind::MsgBox);
    EXPECT_EQ(p.text, kFrage);
    EXPECT_EQ(p.style, ui::msgbox::YesNo);  // Yes/No, no icon
    EXPECT_EQ(p.title, QStringLiteral("Tolvar-Information"));
  }

  test::FreshDataRoot root_;
  test::ScopedPrompts prompts_;
  app::PromptMessageSink sink_;
  data::MessageSink* previousSink_ = nullptr;
};

// A culture, a site and an activity lose their own rows; their nodes stay after the rebuild.
TEST_F(LoeschenTest, OwnRowsGoAndTheNodeStays) {
  struct Fall {
    const char* baum;
    const char* nr;
    int tree;  // frmStammdaten tree index
    const char* table;
    const char* column;
  };
  const Fall faelle[] = {
      {"Kulturen", "K1003", 0, "KulturPhasen", "Kulturnummer"},
      {"Kulturen", "K1004", 0, "Material", "KulturNr"},
      {"Standort", "Sta1002", 1, "Vantel", "StandortNr"},
      {"StdTaetigkeiten", "StdT1002", 4, "ArbeitMaterial", "TaetigkeitNr"},
  };
  frmStammdaten& form = Stammdaten();
  std::size_t fragen = 0;
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.nr);
    const QString key = QString::fromLatin1(fall.nr);
    ASSERT_TRUE(form.Baum(fall.tree)->Has(key));
    ASSERT_GT(Anzahl(Tolvar(), fall.table, fall.column, fall.nr), 0);
    Waehlen(fall.baum, fall.nr);
    prompts_->AnswerMsgBox(ui::msgbox::Yes);
    mdlLoeschen::DatenLoeschen();
    ASSERT_EQ(prompts_->shown().size(), ++fragen);
    ExpectQuestion(prompts_->shown().back());
    EXPECT_EQ(Anzahl(Tolvar(), fall.table, fall.column, fall.nr), 0);
    EXPECT_TRUE(form.Baum(fall.tree)->Has(key));
    ui::FormAccess::Activate(form);
  }
  EXPECT_EQ(Anzahl(Tolvar(), "KulturPhasen", "Kulturnummer", "K1005"), 2);  // other cultures keep theirs
}

TEST_F(LoeschenTest, NoAndStaffChangeNothing) {
  Stammdaten();
  const std::string tolvar = Inhalt(Tolvar());
  const std::string material = Inhalt(Material());
  struct Fall {
    const char* baum;
    const char* nr;
    int antwort;
  };
  const Fall faelle[] = {
      {"Kulturen", "K1003", ui::msgbox::No},
      {"Material", "M1012", ui::msgbox::No},
      {"Personal", "", ui::msgbox::No},
      {"Personal", "", ui::msgbox::Yes},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(std::string(fall.baum) + " " + std::to_string(fall.antwort));
    Waehlen(fall.baum, fall.nr);
    state().PersonalIndex = 0;
    prompts_->AnswerMsgBox(fall.antwort);
    mdlLoeschen::DatenLoeschen();
  }
  ASSERT_EQ(prompts_->shown().size(), 4u);  // the question every time, nothing else
  for (const test::ShownPrompt& p : prompts_->shown()) ExpectQuestion(p);
  EXPECT_EQ(Inhalt(Tolvar()), tolvar);
  EXPECT_EQ(Inhalt(Material()), material);
}

// A pot: its Material and Gefaesse rows, its combination with that one's Material row go; the
// culture row naming the combination stays; the lists and the material tree follow.
TEST_F(LoeschenTest, PotDeletionRemovesItsCombinations) {
  frmStammdaten& form = Stammdaten();
  ui::KeyedTree* tree = form.Baum(2);
  ASSERT_TRUE(tree->Has(QStringLiteral("M1012")));
  ASSERT_TRUE(tree->Has(QStringLiteral("M1017")));
  ASSERT_EQ(Anzahl(Tolvar(), "Material", "MaNr", "M1017"), 1);
  Waehlen("Material", "M1012");
  prompts_->AnswerMsgBox(ui::msgbox::Yes);
  mdlLoeschen::DatenLoeschen();

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
  for (const GefaessSatz& g : state().GefaessListe) EXPECT_NE(g.MaterialNr, "M1012");
  for (const MaterialSatz& m : state().MaterialListe) EXPECT_NE(m.MaterialNr, "M1017");
  EXPECT_EQ(prompts_->shown().size(), 1u);
}

TEST_F(LoeschenTest, CombinationDeletionKeepsPotAndSubstrate) {
  frmStammdaten& form = Stammdaten();
  Waehlen("Material", "M1017");
  prompts_->AnswerMsgBox(ui::msgbox::Yes);
  mdlLoeschen::DatenLoeschen();
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
  Exec(state().AktuellerBetrieb,
       "INSERT INTO \"Standort\" (\"StandortNr\", \"UeberPNr\", \"Standortname\", \"Gliederungspunkt\", "
       "\"Aktuell\") VALUES ('Sta1099', '1001', 'Haus 99', 0, -1)");
  Waehlen("Standort", "Sta1001");
  const std::string tolvar = Inhalt(Tolvar());
  prompts_->AnswerMsgBox(ui::msgbox::Yes);
  mdlLoeschen::DatenLoeschen();
  EXPECT_EQ(Inhalt(Tolvar()), tolvar);
  EXPECT_TRUE(form.Baum(1)->Has(QStringLiteral("Sta1099")));
  EXPECT_EQ(prompts_->shown().size(), 1u);
}

TEST_F(LoeschenTest, SelectionPastTheListDeletesNothing) {
  Stammdaten();
  const std::string tolvar = Inhalt(Tolvar());
  const std::string material = Inhalt(Material());
  state().AktuellerBaum = "Material";
  state().MaterialIndex = state().AnzahlMaterialien + 1;
  prompts_->AnswerMsgBox(ui::msgbox::Yes);
  mdlLoeschen::DatenLoeschen();
  EXPECT_EQ(Inhalt(Tolvar()), tolvar);
  EXPECT_EQ(Inhalt(Material()), material);
}

TEST_F(LoeschenTest, FailureIsReportedAndLeavesTheRows) {
  frmStammdaten& form = Stammdaten();
  Exec(Tolvar(),
       "CREATE TRIGGER \"sperre\" BEFORE DELETE ON \"Material\" BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  Waehlen("Kulturen", "K1003");
  const std::string tolvar = Inhalt(Tolvar());
  prompts_->AnswerMsgBox(ui::msgbox::Yes).AnswerMsgBox(ui::msgbox::Ok);
  mdlLoeschen::DatenLoeschen();
  EXPECT_EQ(Inhalt(Tolvar()), tolvar);  // the phases deleted first came back
  ASSERT_EQ(prompts_->shown().size(), 2u);
  const test::ShownPrompt& meldung = prompts_->shown()[1];
  EXPECT_EQ(meldung.title, QStringLiteral("Tolvar-Information"));
  EXPECT_EQ(meldung.style, ui::msgbox::Critical);
  EXPECT_TRUE(meldung.text.contains(QStringLiteral("gesperrt"))) << meldung.text.toStdString();
  EXPECT_TRUE(form.Baum(0)->Has(QStringLiteral("K1003")));
}

// In data entry and calculation the culture tree of that window is rebuilt fully expanded.
TEST_F(LoeschenTest, CultureTreeOfTheWorkAreaIsExpanded) {
  for (bool erfassung : {true, false}) {
    SCOPED_TRACE(erfassung ? "Erfassung" : "Kalkulation");
    State& s = state();
    s.ModusStammdaten = false;
    s.ModusErfassung = erfassung;
    s.ModusKalkulation = !erfassung;
    ui::KeyedTree* tree = nullptr;
    if (erfassung) {
      s.PhasenListe.resize(26);
      frmBewegungsdaten& form = frmBewegungsdaten::instanz();
      ui::FormAccess::Activate(form);
      tree = form.trvKulturen;
    } else {
      frmKalkulation& form = frmKalkulation::instanz();
      ui::FormAccess::Activate(form);
      tree = form.trvKulturen;
    }
    ASSERT_TRUE(tree->Has(QStringLiteral("K1003")));
    for (const QString& key : tree->Keys()) tree->SetExpanded(key, false);
    Waehlen("Kulturen", "K1003");
    prompts_->AnswerMsgBox(ui::msgbox::Yes);
    mdlLoeschen::DatenLoeschen();
    EXPECT_EQ(Anzahl(Tolvar(), "KulturPhasen", "Kulturnummer", "K1003"), 0);
    EXPECT_TRUE(tree->Has(QStringLiteral("K1003")));
    int eltern = 0;
    for (const QString& key : tree->Keys()) {
      if (tree->Children(key).isEmpty()) continue;
      ++eltern;
      EXPECT_TRUE(tree->Expanded(key)) << key.toStdString();
    }
    EXPECT_GT(eltern, 1);
    test::UnloadAllWindows();
  }
}

}  // namespace
}  // namespace tolvar
