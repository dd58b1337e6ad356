#pragma once
// Shared fixture of the window tests: a fresh data root, scripted prompts, the logic's
// messages shown as message boxes, no window loaded before or after the test, and steps to
// make the sample enterprise the open one and load its lists.

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "app/message_sink.h"
#include "data/messages.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar {
class mdiTolvarZentral;
}

namespace tolvar::test {

class FensterTest : public ::testing::Test {
 protected:
  // Unloads leftover windows, resets the program state and routes the logic's messages
  // to the scripted prompts.
  FensterTest();
  ~FensterTest() override;
  // Unloads every window while the data root and the doubles still exist.
  void TearDown() override;

  // Loads the main window as the program's start does and unloads every other window, then
  // resets the state: the main window's loading reads the enterprise of the system database,
  // which the test replaces by its own.
  mdiTolvarZentral& HauptfensterLaden();

  // Makes the sample enterprise below the data root the open one: its database and its
  // ".Tolvar" twin, the material database of the data root, BetriebOffen. Its settings row
  // is not read (see EinstellungenLaden).
  void MusterbetriebEinsetzen();
  // Reads the open enterprise's settings row; the result database of the data root.
  void EinstellungenLaden();
  // Loads the cultures, sites, materials, staff and activities of the open enterprise.
  void ListenLaden();

  // The open enterprise's database and its twin.
  std::string Morvin() const;
  std::string Tolvar() const;
  // Texts of the message boxes shown so far.
  std::vector<QString> Meldungen() const;

  FreshDataRoot root;
  ScopedPrompts prompts;

 private:
  app::PromptMessageSink sink_;
  ScopedMessageSink sinkInUse_{&sink_};
};

}  // namespace tolvar::test
