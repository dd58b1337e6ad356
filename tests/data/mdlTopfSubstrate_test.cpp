// The pot list: rebuilt from table Gefaesse with the names of the current material list.

#include "data/mdlTopfSubstrate.h"

#include <functional>
#include <string>
#include <vector>

#include "data/data_fixture.h"
#include "platform/sys/files.h"

namespace tolvar::test {
namespace {

class PotListTest : public DataTest {
 public:
  void SetUp() override {
    DataTest::SetUp();
    state().enterprise.AktuelleEinstellungen.MaterialPfad = Path("Tolvar_DB/Material.mdb");
  }
  void MakePots(const std::vector<std::pair<const char*, db::Value>>& pots) {
    auto database = Make(state().enterprise.AktuelleEinstellungen.MaterialPfad, kMaterialSchema);
    for (const auto& [nr, volume] : pots) {
      Insert(*database, "Gefaesse", {{"MaterialNr", nr}, {"Volumen", volume}});
    }
  }
  void SetMaterials(const std::vector<std::pair<const char*, const char*>>& materials) {
    state().masters.MaterialListe.clear();
    for (const auto& [nr, name] : materials) {
      MaterialSatz m;
      m.MaterialNr = nr;
      m.Materialname = name;
      state().masters.MaterialListe.push_back(m);
    }
  }
};

TEST_F(PotListTest, PotsInTableOrderNamedFromTheMaterialList) {
  MakePots({{"M1702", "0,5"}, {"M1701", 1.5}, {"M1799", "2"}, {"M1703", db::Value()}});
  SetMaterials({{"M1701", "Topf 9 cm"}, {"M1702", "Topf 12 cm"}, {"M1702", "Doppelt"}, {"M1703", "Schale"}});
  ASSERT_TRUE(mdlTopfSubstrate::GefaesseLaden());
  const std::vector<GefaessSatz>& list = state().masters.GefaessListe;
  ASSERT_EQ(list.size(), 4u);
  struct Expected {
    const char* nr;
    const char* name;
    const char* volume;
  };
  const std::vector<Expected> expected = {{"M1702", "Topf 12 cm", "0,5"},  // first match wins
                                          {"M1701", "Topf 9 cm", "1,5"},
                                          {"M1799", "", "2"},  // no such material
                                          {"M1703", "Schale", ""}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(list[i].MaterialNr, expected[i].nr);
    EXPECT_EQ(list[i].Materialname, expected[i].name);
    EXPECT_EQ(list[i].Volumen, expected[i].volume);
  }
}

TEST_F(PotListTest, ReloadStartsFromScratch) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, db::Value>> pots;
    int count;
  };
  std::vector<std::pair<const char*, db::Value>> many(200, {"M1701", "1"});
  const std::vector<Case> cases = {
      {"leere Tabelle", {}, 0},
      {"ein Topf ohne Material", {{"M1788", "3"}}, 1},
      {"mehr als 151 Töpfe", many, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetState();
    state().enterprise.AktuelleEinstellungen.MaterialPfad = Path("Tolvar_DB/Material.mdb");
    MakePots({{"M1701", "1"}, {"M1702", "2"}, {"M1703", "3"}});
    SetMaterials({{"M1701", "Alt 1"}, {"M1788", "Alt 88"}});
    ASSERT_TRUE(mdlTopfSubstrate::GefaesseLaden());
    ASSERT_EQ(state().masters.GefaessListe.size(), 3u);
    sys::DeleteFile(state().enterprise.AktuelleEinstellungen.MaterialPfad);

    MakePots(c.pots);
    SetMaterials({{"M1701", "Neu 1"}});
    ASSERT_TRUE(mdlTopfSubstrate::GefaesseLaden());
    ASSERT_EQ(state().masters.GefaessListe.size(), static_cast<std::size_t>(c.count));
    for (const GefaessSatz& g : state().masters.GefaessListe) {
      EXPECT_EQ(g.Materialname, g.MaterialNr == "M1701" ? "Neu 1" : "");
    }
    sys::DeleteFile(state().enterprise.AktuelleEinstellungen.MaterialPfad);
  }
}

TEST_F(PotListTest, UnusableDatabaseLeavesTheListEmpty) {
  struct Case {
    const char* name;
    std::function<void(PotListTest*)> make;
  };
  const std::vector<Case> cases = {
      {"Datei fehlt", [](PotListTest*) {}},
      {"keine Datenbank",
       [](PotListTest* t) { t->MakeGarbage(state().enterprise.AktuelleEinstellungen.MaterialPfad); }},
      {"Tabelle fehlt",
       [](PotListTest* t) {
         t->Make(state().enterprise.AktuelleEinstellungen.MaterialPfad, "CREATE TABLE \"Material\" (x);");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state().masters.GefaessListe.assign(3, GefaessSatz{"M1701", "Alt", "1"});
    c.make(this);
    EXPECT_FALSE(mdlTopfSubstrate::GefaesseLaden());
    EXPECT_TRUE(state().masters.GefaessListe.empty());
    if (sys::FileExists(state().enterprise.AktuelleEinstellungen.MaterialPfad)) {
      sys::DeleteFile(state().enterprise.AktuelleEinstellungen.MaterialPfad);
    }
  }
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace tolvar::test
