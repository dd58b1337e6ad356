#pragma once
// Fixture of the material editor window tests: a fresh data root with its material database
// loaded into the lists, scripted prompts, messages routed to the prompts, and helpers to
// find a material in the list and read the database back.

#include <gtest/gtest.h>

#include <string>

#include "app/message_sink.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlTopfSubstrate.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar::test {

class MaterialEditorFixture : public testing::Test {
 protected:
  void SetUp() override {
    UnloadAllWindows();
    ResetState();
    state().enterprise.AktuelleEinstellungen.MaterialPfad = root_.Join("Tolvar_DB/Material.mdb");
    mdlDatenLaden::MaterialienLaden();
    mdlTopfSubstrate::GefaesseLaden();
  }
  void TearDown() override {
    UnloadAllWindows();
    ResetState();
  }

  // The position of material `nr` in MaterialListe.
  static int Index(const std::string& nr) {
    const auto& liste = state().masters.MaterialListe;
    for (std::size_t i = 0; i < liste.size(); ++i) {
      if (liste[i].MaterialNr == nr) return static_cast<int>(i);
    }
    ADD_FAILURE() << nr << " not in MaterialListe";
    return -1;
  }
  std::string Wert(const std::string& sql) {
    auto database = db::Database::Open(state().enterprise.AktuelleEinstellungen.MaterialPfad);
    return database ? database->Scalar(sql).text() : std::string("?");
  }
  // The rows of `tabelle` (Material when not named) with MaterialNr `nr`.
  int Anzahl(const std::string& tabelle, const std::string& nr) {
    return std::stoi(Wert("SELECT COUNT(*) FROM " + tabelle + " WHERE MaterialNr = '" + nr + "'"));
  }
  int Anzahl(const std::string& nr) { return Anzahl("Material", nr); }

  FreshDataRoot root_;
  ScopedPrompts prompts_;
  app::PromptMessageSink sink_;
  ScopedMessageSink sinkInUse_{&sink_};
};

}  // namespace tolvar::test
