#include "app_fixture.h"

#include "app/mdlGroesse.h"
#include "data/state.h"
#include "platform/sys/files.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "support/ui_input.h"

namespace tolvar::test {

AppTest::AppTest() {
  ResetState();
  state().windows.AufloesungOk = 0;
}

AppTest::~AppTest() { ResetState(); }

void AppTest::TearDown() {
  // Closing runs while the data root and the doubles still exist.
  UnloadAllWindows();
}

std::string AppTest::Muster() const { return root.Join("Betriebe/Mustergärtnerei.mdb"); }

std::string AppTest::MusterKopieren(const std::string& mdb, bool mitTolvar) const {
  sys::CreateFolder(sys::FolderOf(mdb));
  EXPECT_TRUE(sys::CopyFile(Muster(), mdb, true));
  if (mitTolvar) {
    EXPECT_TRUE(
        sys::CopyFile(root.Join("Betriebe/Mustergärtnerei.Tolvar"), sys::WithoutExtension(mdb) + ".Tolvar", true));
  }
  return mdb;
}

void AppTest::SystemInfoSetzen(const std::string& betrieb) const {
  FeldSetzen(root.Join("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb", betrieb);
}

mdiTolvarZentral& AppTest::Oeffnen() {
  mdiTolvarZentral& haupt = mdiTolvarZentral::instanz();
  haupt.Show();
  return haupt;
}

mdiTolvarZentral& AppTest::MusterOeffnen() {
  SystemInfoSetzen(Muster());
  mdiTolvarZentral& haupt = Oeffnen();
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  return haupt;
}

void AppTest::Befehl(const char* befehl) {
  ui::MainForm* haupt = ui::Forms::Main();
  ASSERT_NE(haupt, nullptr) << "no main window for " << befehl;
  ASSERT_TRUE(TriggerCommand(haupt, ui::Q(befehl))) << befehl;
  ProcessEvents();
}

db::Recordset AppTest::ErsteZeile(const std::string& path, const std::string& table) {
  auto database = db::Database::Open(path);
  if (!database) return {};
  db::Recordset rs = database->OpenTable(table);
  if (rs.RecordCount() > 0) rs.MoveFirst();
  return rs;
}

std::string AppTest::Feld(const std::string& path, const std::string& table, const std::string& column) {
  const db::Recordset rs = ErsteZeile(path, table);
  return rs.RecordCount() > 0 ? rs.Field(column).text() : std::string("<keine Zeile>");
}

void AppTest::FeldSetzen(const std::string& path, const std::string& table, const std::string& column,
                         const std::string& value) {
  auto database = db::Database::Open(path);
  ASSERT_TRUE(database) << path;
  ASSERT_TRUE(database->Execute("UPDATE " + db::QuoteIdentifier(table) + " SET " + db::QuoteIdentifier(column) + " = ?",
                                {db::Value(value)}));
}

std::string AppTest::Inhalt(const std::string& path) { return FileContents(path); }

std::vector<QString> Texte(const ScriptedPrompts& prompts) {
  std::vector<QString> texte;
  for (const ShownPrompt& shown : prompts.messageBoxes()) texte.push_back(shown.text);
  return texte;
}

}  // namespace tolvar::test
