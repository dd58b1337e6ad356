// The SystemInfo row: read at opening, written at closing.

#include "data/mdlDatenbank_systeminfo.h"

#include <functional>
#include <string>
#include <vector>

#include "data/data_fixture.h"
#include "data/paths.h"
#include "platform/sys/files.h"

namespace tolvar::test {
namespace {

class SystemInfoTest : public DataTest {
 public:
  std::string File() const { return Path("Tolvar_DB/SystemInfo.mdb"); }
};

TEST_F(SystemInfoTest, ReadsTheFirstRow) {
  {
    auto database = Make(File(), kSystemInfoSchema);
    Insert(*database, "SystemInfo",
           {{"AktuellerBetrieb", "/daten/Gärtnerei Muster.mdb"}, {"FarbeTolvar", 3}, {"FarbeMorvin", 5}});
    Insert(*database, "SystemInfo", {{"AktuellerBetrieb", "/zweite/Zeile.mdb"}});
  }
  EXPECT_TRUE(mdlDatenbank::SystemInfoLesen());
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, "/daten/Gärtnerei Muster.mdb");
  EXPECT_EQ(state().windows.FarbeTolvar, 3);
  EXPECT_EQ(state().windows.FarbeMorvin, 5);
}

TEST_F(SystemInfoTest, UnreadableSystemDatabaseMeansNoEnterprise) {
  struct Case {
    const char* name;
    std::function<void(SystemInfoTest*)> make;
  };
  const std::vector<Case> cases = {
      {"Datei fehlt", [](SystemInfoTest*) {}},
      {"keine Datenbank", [](SystemInfoTest* t) { t->MakeGarbage(t->File()); }},
      {"Tabelle fehlt", [](SystemInfoTest* t) { t->Make(t->File(), "CREATE TABLE x (y);"); }},
      {"Tabelle ohne Zeile", [](SystemInfoTest* t) { t->Make(t->File(), kSystemInfoSchema); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state().enterprise.AktuellerBetrieb = "/vorher/Betrieb.mdb";
    state().windows.FarbeTolvar = 4;
    c.make(this);
    EXPECT_FALSE(mdlDatenbank::SystemInfoLesen());
    EXPECT_EQ(state().enterprise.AktuellerBetrieb, "KeinAktuellerBetrieb");
    EXPECT_EQ(state().windows.FarbeTolvar, 4);
    if (sys::FileExists(File())) sys::DeleteFile(File());
  }
}

TEST_F(SystemInfoTest, WriteRoundTrip) {
  struct Case {
    const char* name;
    int rowsBefore;
  };
  for (const Case& c : std::vector<Case>{{"eine Zeile", 1}, {"zwei Zeilen", 2}, {"keine Zeile", 0}}) {
    SCOPED_TRACE(c.name);
    {
      auto database = Make(File(), kSystemInfoSchema);
      for (int i = 0; i < c.rowsBefore; ++i) {
        Insert(*database, "SystemInfo",
               {{"AktuellerBetrieb", "KeinAktuellerBetrieb"}, {"FarbeTolvar", 2}, {"FarbeMorvin", 2}});
      }
    }
    state().windows.FarbenStand.reset();  // as a program that has not read this row
    state().enterprise.AktuellerBetrieb = "/daten/Muster.mdb";
    state().windows.FarbeTolvar = 1;
    state().windows.FarbeMorvin = 4;
    ASSERT_TRUE(mdlDatenbank::SystemInfoSchreiben());

    auto database = db::Database::Open(File());
    ASSERT_NE(database, nullptr);
    db::Recordset rs = database->OpenTable("SystemInfo");
    ASSERT_EQ(rs.RecordCount(), std::max(c.rowsBefore, 1));
    rs.MoveFirst();
    EXPECT_EQ(rs["AktuellerBetrieb"].text(), "/daten/Muster.mdb");
    EXPECT_EQ(rs["FarbeTolvar"], db::Value(1));
    EXPECT_EQ(rs["FarbeMorvin"], db::Value(4));
    EXPECT_EQ(rs["LetzteAenderung"].text(), "10.12.2024 14:05:09");
    if (c.rowsBefore == 2) {
      rs.MoveNext();
      EXPECT_EQ(rs["AktuellerBetrieb"].text(), "KeinAktuellerBetrieb");
    }
    database.reset();

    state().enterprise.AktuellerBetrieb.clear();
    ASSERT_TRUE(mdlDatenbank::SystemInfoLesen());
    EXPECT_EQ(state().enterprise.AktuellerBetrieb, "/daten/Muster.mdb");
    EXPECT_EQ(state().windows.FarbeMorvin, 4);
    sys::DeleteFile(File());
  }
}

// "KeinAktuellerBetrieb" read at opening goes back unchanged at closing.
TEST_F(SystemInfoTest, NoEnterpriseIsWrittenBackUnchanged) {
  Insert(*Make(File(), kSystemInfoSchema), "SystemInfo", {{"AktuellerBetrieb", "KeinAktuellerBetrieb"}});
  ASSERT_TRUE(mdlDatenbank::SystemInfoLesen());
  ASSERT_TRUE(mdlDatenbank::SystemInfoSchreiben());
  EXPECT_EQ(FirstRow(File(), "SystemInfo")["AktuellerBetrieb"].text(), "KeinAktuellerBetrieb");
}

TEST_F(SystemInfoTest, WritingNeverCreatesTheFile) {
  state().enterprise.AktuellerBetrieb = "/daten/Muster.mdb";
  EXPECT_FALSE(mdlDatenbank::SystemInfoSchreiben());
  EXPECT_FALSE(sys::FileExists(File()));
  EXPECT_FALSE(sys::FolderExists(Path("Tolvar_DB")));
}

}  // namespace
}  // namespace tolvar::test
