#pragma once
// Fixture of the comparison window tests: a fresh data root, a result database built in code
// as the enterprise's own, scripted prompts and the logic's messages shown as message boxes.

#include <gtest/gtest.h>

#include <string>

#include "app/message_sink.h"
#include "comparison/comparison_column.h"
#include "comparison/ergebnis_fixture.h"
#include "data/state.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar::test {

class VergleichFensterTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    ErgebnisdatenbankAnlegen(eigene);
    state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = eigene;
    state().enterprise.BetriebOffen = true;
  }
  void TearDown() override {
    UnloadAllWindows();
    ResetState();
  }

  FreshDataRoot root;
  ScopedPrompts prompts;
  std::string eigene = root.Join("Tolvar_DB/Eigene.mdb");

 private:
  app::PromptMessageSink sink_;
  ScopedMessageSink sinkInUse_{&sink_};
};

}  // namespace tolvar::test
