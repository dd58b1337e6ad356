#pragma once
// Fixture of the culture data window tests: the sample enterprise in a fresh data root, the
// window loaded and activated in data-entry mode, scripted prompts, and the logic's messages
// shown as message boxes.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <vector>

#include "app/mdiTolvarZentral.h"
#include "app/message_sink.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/enterprise_files.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/keyedtree_drag.h"
#include "platform/ui/prompts.h"
#include "support/fixtures.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar::test {

class BewegungsdatenFenster : public testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    mdiTolvarZentral::instanz();
    ui::Forms::UnloadAllExcept();
    ProcessEvents();
    ResetState();
    State& s = state();
    s.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
    s.TolvarDatenbankPfad = data::Zwillingspfad(s.AktuellerBetrieb, ".Tolvar");
    s.AktuelleEinstellungen.MaterialPfad = root.Join("Tolvar_DB/Material.mdb");
    s.BetriebOffen = true;
    s.ModusErfassung = true;
    vorherigeSenke = data::SetMessageSink(&senke);
    form = &frmBewegungsdaten::instanz();
    ui::FormAccess::Activate(*form);
  }
  void TearDown() override {
    ui::DragController::Cancel();
    UnloadAllWindows();
    data::SetMessageSink(vorherigeSenke);
    ResetState();
  }

  void KulturWaehlen(const char* nr) {
    ASSERT_TRUE(form->trvKulturen->Select(QString::fromLatin1(nr))) << nr;
    form->trvKulturen_Click();
  }
  void PhaseWaehlen(ui::KeyedTree* baum, int position) {
    ASSERT_TRUE(baum->Select(baum->KeyAt(position)));
  }
  // Drags the node `key` of `baum` onto `ziel`, as the mouse does: the press selects it.
  static void Ziehen(ui::KeyedTree* baum, const QString& key, QWidget* ziel) {
    ASSERT_TRUE(baum->Select(key)) << key.toStdString();
    ui::DragController::Begin(baum);
    ui::DragController::Drop(ziel, QPoint(5, 5));
  }

  std::string Morvin() const { return state().AktuellerBetrieb; }
  std::string Tolvar() const { return state().TolvarDatenbankPfad; }

  static void Exec(const std::string& pfad, const std::string& sql) {
    auto database = db::Database::Open(pfad);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute(sql)) << database->LastError();
  }
  // The rows of a query as "a|b|c" texts.
  static std::vector<std::string> Zeilen(const std::string& pfad, const std::string& sql) {
    std::vector<std::string> zeilen;
    auto database = db::Database::Open(pfad);
    if (!database) return zeilen;
    db::Recordset rs = database->Query(sql);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      std::string text;
      for (int i = 0; i < static_cast<int>(rs.ColumnNames().size()); ++i) {
        if (i > 0) text += "|";
        text += rs.Field(i).text();
      }
      zeilen.push_back(text);
    }
    return zeilen;
  }
  // A data row of a grid as "a|b|c" over its first `spalten` columns.
  static std::string GitterZeile(const ui::Grid* g, int r, int spalten) {
    std::string text;
    for (int c = 0; c < spalten; ++c) {
      if (c > 0) text += "|";
      text += g->TextMatrix(r, c).toStdString();
    }
    return text;
  }
  static bool Markiert(const ui::Grid* g, int r, int bisSpalte) {
    for (int c = 0; c <= bisSpalte; ++c) {
      if (g->CellBackColor(r, c) != frmBewegungsdaten::kMarkierung) return false;
    }
    return true;
  }
  std::vector<QString> Meldungen() {
    std::vector<QString> texte;
    for (const ShownPrompt& p : prompts->shown()) texte.push_back(p.text);
    return texte;
  }

  FreshDataRoot root;
  ScopedPrompts prompts;
  app::PromptMessageSink senke;
  data::MessageSink* vorherigeSenke = nullptr;
  frmBewegungsdaten* form = nullptr;
};

}  // namespace tolvar::test
