#pragma once
// Fixture of the application-frame window tests: a fresh data root, a memory registry, a
// large enough screen, scripted prompts, and the logic's messages shown as message boxes.

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "app/mdiTolvarZentral.h"
#include "app/message_sink.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar::test {

class AppTest : public ::testing::Test {
 protected:
  AppTest();
  ~AppTest() override;
  void TearDown() override;

  // The sample enterprise below the data root.
  std::string Muster() const;
  // Copies the sample enterprise's pair to `mdb` (folders created); without its ".Tolvar"
  // twin when `mitTolvar` is false.
  std::string MusterKopieren(const std::string& mdb, bool mitTolvar = true) const;
  // Names `betrieb` in SystemInfo, as the opening reads it.
  void SystemInfoSetzen(const std::string& betrieb) const;
  // Loads and shows the main window (runs its opening sequence).
  mdiTolvarZentral& Oeffnen();
  // Opens the sample enterprise.
  mdiTolvarZentral& MusterOeffnen();
  // Chooses the main window's menu command `befehl` (its name or text) as a person does and
  // lets its handler run (the work-area and file commands run queued).
  static void Befehl(const char* befehl);

  // The first row of `table` in the database at `path` (empty recordset when unreadable).
  static db::Recordset ErsteZeile(const std::string& path, const std::string& table);
  static std::string Feld(const std::string& path, const std::string& table, const std::string& column);
  static void FeldSetzen(const std::string& path, const std::string& table, const std::string& column,
                         const std::string& value);
  static std::string Inhalt(const std::string& path);

  FreshDataRoot root;
  ScopedRegistry registry;
  ScopedScreen screen{1280, 1024};
  ScopedPrompts prompts;

 private:
  app::PromptMessageSink sink_;
  ScopedMessageSink sinkInUse_{&sink_};
};

// Texts of the message boxes shown so far.
std::vector<QString> Texte(const ScriptedPrompts& prompts);

}  // namespace tolvar::test
