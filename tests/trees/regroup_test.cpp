// Regrouping master records in the sample enterprise's databases.
#include "trees/regroup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"

namespace tolvar::trees {
namespace {

class RegroupTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    state().enterprise.AktuellerBetrieb = root_.Join("Betriebe/Mustergärtnerei.mdb");
    state().enterprise.AktuelleEinstellungen.MaterialPfad = root_.Join("Tolvar_DB/Material.mdb");
    // Sta1005 becomes a group of Sta1001; Sta1012 a house in Sta1001, twice in the table.
    Exec("UPDATE \"Standort\" SET \"Gliederungspunkt\" = -1 WHERE \"StandortNr\" = 'Sta1005'");
    Exec(
        "INSERT INTO \"Standort\" (\"StandortNr\", \"UeberPNr\", \"Standortname\", \"Gliederungspunkt\", "
        "\"Aktuell\") VALUES ('Sta1012', '1001', 'Haus 12', 0, -1), ('Sta1012', '1001', 'Doppelt', 0, -1)");
    ASSERT_TRUE(mdlDatenLaden::StandorteLaden());
    ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  }
  void TearDown() override { ResetState(); }

  void Exec(const std::string& sql) {
    auto db = db::Database::Open(state().enterprise.AktuellerBetrieb);
    ASSERT_TRUE(db);
    ASSERT_TRUE(db->Execute(sql));
  }
  // UeberPNr of every row with this number, in table order.
  static std::vector<std::string> Parents(const std::string& path, const char* table, const char* column,
                                          const std::string& nr) {
    std::vector<std::string> parents;
    auto db = db::Database::Open(path);
    db::Recordset rs = db->OpenTable(table);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      if (rs.Field(column).text() == nr) parents.push_back(rs.Field("UeberPNr").text());
    }
    return parents;
  }
  std::vector<std::string> SiteParents(const std::string& nr) {
    return Parents(state().enterprise.AktuellerBetrieb, "Standort", "StandortNr", nr);
  }

  test::FreshDataRoot root_;
};

TEST_F(RegroupTest, SitesMoveIntoGroupsOrToTheTop) {
  struct Case {
    const char* name;
    std::string target;
    std::string source;
    std::vector<std::string> ancestors;
    RegroupOutcome outcome;
    std::string message;
    std::vector<std::string> sta1012;  // UeberPNr of the two Sta1012 rows afterwards
    std::vector<std::string> sta1001;
  };
  const std::vector<Case> cases = {
      {"into a group",
       "Sta1005",
       "Sta1012",
       {"Sta1001", "Standort"},
       RegroupOutcome::Written,
       "",
       {"1005", "1001"},
       {"0"}},
      {"onto the root", "Standort", "Sta1012", {}, RegroupOutcome::Written, "", {"0", "1001"}, {"0"}},
      {"into its own subgroup",
       "Sta1005",
       "Sta1001",
       {"Sta1001", "Standort"},
       RegroupOutcome::Refused,
       kSubtreeMessage,
       {"1001", "1001"},
       {"0"}},
      {"onto a house",
       "Sta1002",
       "Sta1012",
       {"Sta1001", "Standort"},
       RegroupOutcome::Refused,
       "Sie können Gruppen oder Standorte nur in andere Standort-Gruppen verschieben.",
       {"1001", "1001"},
       {"0"}},
      {"onto itself",
       "Sta1012",
       "Sta1012",
       {"Sta1001", "Standort"},
       RegroupOutcome::Nothing,
       "",
       {"1001", "1001"},
       {"0"}},
      {"no selected node",
       "Sta1005",
       "",
       {"Sta1001", "Standort"},
       RegroupOutcome::Nothing,
       "",
       {"1001", "1001"},
       {"0"}},
      {"record not in the list",
       "Sta1005",
       "Sta1999",
       {"Sta1001", "Standort"},
       RegroupOutcome::Nothing,
       "",
       {"1001", "1001"},
       {"0"}},
      {"group onto its own parent",
       "Sta1001",
       "Sta1005",
       {"Standort"},
       RegroupOutcome::Written,
       "",
       {"1001", "1001"},
       {"0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Exec("UPDATE \"Standort\" SET \"UeberPNr\" = '1001' WHERE \"StandortNr\" IN ('Sta1012', 'Sta1005')");
    const RegroupResult r =
        Regroup(Kind::Standorte, c.target, c.source, c.ancestors, state().masters, state().enterprise);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(SiteParents("Sta1012"), c.sta1012);
    EXPECT_EQ(SiteParents("Sta1001"), c.sta1001);
  }
}

TEST_F(RegroupTest, MaterialsOnTheRootOnlyAsGroups) {
  const std::string path = state().enterprise.AktuelleEinstellungen.MaterialPfad;
  RegroupResult r = Regroup(Kind::Materialien, "Material", "M1010", {}, state().masters, state().enterprise);
  EXPECT_EQ(r.outcome, RegroupOutcome::Refused);
  EXPECT_EQ(r.message, kMaterialTopMessage);
  EXPECT_EQ(Parents(path, "Material", "MaterialNr", "M1010"), std::vector<std::string>{"1007"});

  r = Regroup(Kind::Materialien, "M1002", "M1010", {"Material"}, state().masters, state().enterprise);
  EXPECT_EQ(r.outcome, RegroupOutcome::Written);
  EXPECT_EQ(Parents(path, "Material", "MaterialNr", "M1010"), std::vector<std::string>{"1002"});
}

TEST_F(RegroupTest, DatabaseThatCannotBeOpenedWritesNothingAndSaysSo) {
  state().enterprise.AktuellerBetrieb = root_.Join("Betriebe/fehlt.mdb");
  const RegroupResult r = Regroup(Kind::Standorte, "Standort", "Sta1012", {}, state().masters, state().enterprise);
  EXPECT_EQ(r.outcome, RegroupOutcome::Failed);
  EXPECT_FALSE(r.message.empty());
}

TEST_F(RegroupTest, DropOnRootNeedsTheTopRecord) {
  state().masters.StandortListe.erase(state().masters.StandortListe.begin());  // Sta1000
  const RegroupResult r = Regroup(Kind::Standorte, "Standort", "Sta1012", {}, state().masters, state().enterprise);
  EXPECT_EQ(r.outcome, RegroupOutcome::Nothing);
  EXPECT_EQ(SiteParents("Sta1012"), (std::vector<std::string>{"1001", "1001"}));
}

}  // namespace
}  // namespace tolvar::trees
