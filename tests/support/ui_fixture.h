#pragma once
// Shared fixture of the tests of the program's windows: a fresh data root, scripted prompts,
// the logic's messages shown as message boxes, no window loaded before or after the test, and
// steps to make the sample enterprise the open one and load its lists; and the main window's
// helpers. Built with the windows library (tolvar_test_support_windows); the platform's own
// window tests do without it.

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
namespace tolvar::ui {
class KeyedTree;
}

namespace tolvar::test {

// Shows the program's main window, large enough that its child windows are whole inside it,
// so that clicks at their controls reach them. Loads it when it is not.
void MainWindowShown();

// Chooses `command` (object name or text) in the pop-up menu that a right press on the node
// `key` of `tree` shows, as a person does: the right press selects the node. The menu is
// closed afterwards. False (the test has failed) when a step cannot be done.
bool PopUpCommand(ui::KeyedTree* tree, const QString& key, const QString& command);

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
