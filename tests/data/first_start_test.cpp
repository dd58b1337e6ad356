// First start: the data root is seeded from the shipped tree once and never overwritten.

#include "data/first_start.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "data/data_fixture.h"
#include "data/mdlDatenbank_systeminfo.h"
#include "data/paths.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"

namespace tolvar::test {
namespace {

using Ausgang = data::Ersteinrichtung::Ausgang;

class FirstStartTest : public DataTest {
 public:
  // A small shipped tree: the system database naming no enterprise, the sample enterprise,
  // a material database and an empty backup folder.
  void SetUp() override {
    DataTest::SetUp();
    auto system = Make(Shipped("Tolvar_DB/SystemInfo.mdb"), kSystemInfoSchema);
    Insert(*system, "SystemInfo", {{"AktuellerBetrieb", "KeinAktuellerBetrieb"}, {"FarbeTolvar", 2}});
    system.reset();
    Make(Shipped("Betriebe/Mustergärtnerei.mdb"), kMorvin5Schema);
    auto material = Make(Shipped("Tolvar_DB/Material.mdb"), kMaterialSchema);
    Insert(*material, "Material", {{"MaterialNr", "M1001"}, {"Materialname", "ausgeliefert"}});
    sys::CreateFolder(Shipped("Sicherungsdateien"));
  }
  std::string Shipped(const std::string& relative) const { return Path("share/" + relative); }
  std::string Root(const std::string& relative = "") const {
    return relative.empty() ? Path("daten") : Path("daten/" + relative);
  }
  data::Ersteinrichtung Seed() { return data::DatenwurzelEinrichten(Path("share"), Root()); }
  std::string Column(const std::string& path, const char* table, const char* column) {
    return FirstRow(path, table).Field(column).text();
  }
};

TEST_F(FirstStartTest, SeedsAMissingRootAndNamesTheSample) {
  const data::Ersteinrichtung e = Seed();
  ASSERT_EQ(e.ausgang, Ausgang::Angelegt) << e.fehler;
  EXPECT_TRUE(sys::FileExists(Root("Betriebe/Mustergärtnerei.mdb")));
  EXPECT_TRUE(sys::FileExists(Root("Tolvar_DB/Material.mdb")));
  EXPECT_TRUE(sys::FolderExists(Root("Sicherungsdateien")));
  EXPECT_EQ(Column(Root("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb"),
            Root("Betriebe/Mustergärtnerei.mdb"));
  EXPECT_EQ(Column(Root("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "FarbeTolvar"), "2");
  // The shipped tree itself is not changed.
  EXPECT_EQ(Column(Shipped("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb"), "KeinAktuellerBetrieb");
  EXPECT_FALSE(sys::FileExists(Root("Tolvar_DB/SystemInfo.mdb.neu")));
}

TEST_F(FirstStartTest, LaterStartsKeepTheUsersData) {
  ASSERT_EQ(Seed().ausgang, Ausgang::Angelegt);
  {
    auto system = db::Database::Open(Root("Tolvar_DB/SystemInfo.mdb"));
    ASSERT_TRUE(system->Execute(R"(UPDATE "SystemInfo" SET "AktuellerBetrieb" = '/home/anna/Betrieb.mdb')"));
    auto material = db::Database::Open(Root("Tolvar_DB/Material.mdb"));
    ASSERT_TRUE(material->Execute(R"(UPDATE "Material" SET "Materialname" = 'geändert')"));
  }
  EXPECT_EQ(Seed().ausgang, Ausgang::SchonVorhanden);
  EXPECT_EQ(Column(Root("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb"), "/home/anna/Betrieb.mdb");
  EXPECT_EQ(Column(Root("Tolvar_DB/Material.mdb"), "Material", "Materialname"), "geändert");
}

TEST_F(FirstStartTest, RootWithoutSystemDatabaseIsCompletedWithoutOverwriting) {
  // An earlier seeding stopped before the system database was in place.
  auto material = Make(Root("Tolvar_DB/Material.mdb"), kMaterialSchema);
  Insert(*material, "Material", {{"MaterialNr", "M1001"}, {"Materialname", "eigenes"}});
  material.reset();
  const data::Ersteinrichtung e = Seed();
  ASSERT_EQ(e.ausgang, Ausgang::Angelegt) << e.fehler;
  EXPECT_EQ(Column(Root("Tolvar_DB/Material.mdb"), "Material", "Materialname"), "eigenes");
  EXPECT_TRUE(sys::FileExists(Root("Betriebe/Mustergärtnerei.mdb")));
  EXPECT_TRUE(sys::FileExists(Root("Tolvar_DB/SystemInfo.mdb")));
}

TEST_F(FirstStartTest, WithoutTheSampleNoEnterpriseIsNamed) {
  sys::DeleteFile(Shipped("Betriebe/Mustergärtnerei.mdb"));
  ASSERT_EQ(Seed().ausgang, Ausgang::Angelegt);
  EXPECT_EQ(Column(Root("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb"), "KeinAktuellerBetrieb");
}

TEST_F(FirstStartTest, FailuresGiveAReasonAndLeaveNoSystemDatabase) {
  struct Case {
    const char* name;
    std::string shipped;
    std::string root;
  };
  MakeGarbage(Path("eine Datei"));
  const std::vector<Case> cases = {
      {"keine Auslieferung", Path("fehlt"), Root()},
      {"Datenwurzel ist eine Datei", Path("share"), Path("eine Datei")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const data::Ersteinrichtung e = data::DatenwurzelEinrichten(c.shipped, c.root);
    EXPECT_EQ(e.ausgang, Ausgang::Fehlgeschlagen);
    EXPECT_FALSE(e.fehler.empty());
    EXPECT_FALSE(sys::FileExists(sys::JoinPath(c.root, "Tolvar_DB/SystemInfo.mdb")));
  }
  EXPECT_FALSE(sys::FolderExists(Root()));
}

TEST_F(FirstStartTest, TheShippedTreeOpensOnTheSampleEnterprise) {
  const data::Ersteinrichtung e = data::DatenwurzelEinrichten(ShippedTreeForTests(), Root());
  ASSERT_EQ(e.ausgang, Ausgang::Angelegt) << e.fehler;
  sys::SetDataRoot(Root());
  EXPECT_TRUE(mdlDatenbank::SystemInfoLesen());
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, Root("Betriebe/Mustergärtnerei.mdb"));
  EXPECT_TRUE(sys::FileExists(state().enterprise.AktuellerBetrieb));
  EXPECT_EQ(data::DatenwurzelEinrichten(ShippedTreeForTests(), Root()).ausgang, Ausgang::SchonVorhanden);
}

// An empty or unreadable system database is restored from the shipped tree on the next
// start; the damaged file is kept beside it and the user's other files stay.
TEST_F(FirstStartTest, ADamagedSystemDatabaseIsRestored) {
  ASSERT_EQ(Seed().ausgang, Ausgang::Angelegt);
  {
    auto material = db::Database::Open(Root("Tolvar_DB/Material.mdb"));
    ASSERT_TRUE(material->Execute(R"(UPDATE "Material" SET "Materialname" = 'geändert')"));
  }
  for (const char* art : {"leer", "Zufall"}) {
    SCOPED_TRACE(art);
    if (std::string(art) == "leer") {
      std::ofstream(Root("Tolvar_DB/SystemInfo.mdb"), std::ios::trunc);
    } else {
      MakeGarbage(Root("Tolvar_DB/SystemInfo.mdb"));
    }
    const data::Ersteinrichtung e = Seed();
    EXPECT_EQ(e.ausgang, Ausgang::Wiederhergestellt) << e.fehler;
    EXPECT_EQ(Column(Root("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb"),
              Root("Betriebe/Mustergärtnerei.mdb"));
    EXPECT_TRUE(sys::FileExists(Root("Tolvar_DB/SystemInfo.mdb.beschädigt")));
    EXPECT_EQ(Column(Root("Tolvar_DB/Material.mdb"), "Material", "Materialname"), "geändert");
    EXPECT_NE(data::Einrichtungsmeldung(e).find("wiederhergestellt"), std::string::npos);
  }
  // Without the shipped tree the restore fails and says so.
  MakeGarbage(Root("Tolvar_DB/SystemInfo.mdb"));
  const data::Ersteinrichtung e = data::DatenwurzelEinrichten(Path("fehlt"), Root());
  EXPECT_EQ(e.ausgang, Ausgang::NichtWiederhergestellt);
  EXPECT_NE(data::Einrichtungsmeldung(e).find("Betrieb öffnen"), std::string::npos);
}

}  // namespace
}  // namespace tolvar::test
