// The master materials by number: the first element of a number, also after the list changed.

#include "data/material_lookup.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/data_fixture.h"
#include "data/mdlDatenLaden.h"

namespace tolvar::test {
namespace {

MaterialSatz Material(const char* nr, const char* name) {
  MaterialSatz m;
  m.MaterialNr = nr;
  m.Materialname = name;
  return m;
}

// The name of the material found for `nr`, "-" for none.
std::string Gefunden(const std::string& nr) {
  const MaterialSatz* m = MaterialMitNummer(state().masters, nr);
  return m ? m->Materialname : "-";
}

class MaterialVerzeichnisTest : public DataTest {};

TEST_F(MaterialVerzeichnisTest, FindsTheFirstOfANumberAlsoInAListReplacedWithoutBuildingAgain) {
  MasterLists& stamm = state().masters;
  stamm.MaterialListeErsetzen({Material("M1010", "Topf"), Material("M1011", "erste"), Material("M1011", "zweite")});
  struct Fall {
    const char* nr;
    const char* name;
    std::optional<std::size_t> index;
  };
  for (const Fall& f : {Fall{"M1010", "Topf", 0}, Fall{"M1011", "erste", 1}, Fall{"M9999", "-", std::nullopt},
                        Fall{"", "-", std::nullopt}}) {
    EXPECT_EQ(Gefunden(f.nr), f.name) << f.nr;
    EXPECT_EQ(MaterialIndexMitNummer(stamm, f.nr), f.index) << f.nr;
  }
  // Replaced by a list of another size: searched, never an element of the old one.
  stamm.MaterialListe = {Material("M1011", "neu"), Material("M1012", "Erde")};
  EXPECT_EQ(Gefunden("M1011"), "neu");
  EXPECT_EQ(Gefunden("M1012"), "Erde");
  EXPECT_EQ(Gefunden("M1010"), "-");
  // A number changed in place: the lookup does not give an element of another number.
  stamm.MaterialListeErsetzen(stamm.MaterialListe);
  stamm.MaterialListe[0].MaterialNr = "M1013";
  EXPECT_EQ(Gefunden("M1011"), "-");
  // A list of the same size with a number the lookup never saw: found by the search.
  stamm.MaterialListe = {Material("M2000", "Vlies"), Material("M2001", "Draht")};
  EXPECT_EQ(Gefunden("M2001"), "Draht");
  EXPECT_EQ(MaterialIndexMitNummer(stamm, "M2000"), 0u);
  // Emptied through the one replacing function.
  stamm.MaterialListeErsetzen({});
  EXPECT_EQ(Gefunden("M2001"), "-");
}

// Every load builds the lookup for the list it loaded.
TEST_F(MaterialVerzeichnisTest, TheLoaderBuildsTheLookupOfTheListItLoaded) {
  state().enterprise.AktuelleEinstellungen.MaterialPfad = Path("Tolvar_DB/Material.mdb");
  {
    auto database = Make(state().enterprise.AktuelleEinstellungen.MaterialPfad, kMaterialSchema);
    Insert(*database, "Material", {{"MaterialNr", "M1100"}, {"Materialname", "Topf"}, {"Barcode", 2}});
    Insert(*database, "Material", {{"MaterialNr", "M1200"}, {"Materialname", "später"}, {"Barcode", 3}});
    Insert(*database, "Material", {{"MaterialNr", "M1200"}, {"Materialname", "früher"}, {"Barcode", 1}});
  }
  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  EXPECT_EQ(Gefunden("M1200"), "früher");  // first in barcode order
  EXPECT_EQ(Gefunden("M1100"), "Topf");

  // The same number of materials, another content.
  ASSERT_TRUE(db::Database::Open(state().enterprise.AktuelleEinstellungen.MaterialPfad)
                  ->Execute("UPDATE \"Material\" SET \"MaterialNr\" = 'M1300' WHERE \"Materialname\" = 'Topf'"));
  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  EXPECT_EQ(Gefunden("M1100"), "-");
  EXPECT_EQ(Gefunden("M1300"), "Topf");
}

}  // namespace
}  // namespace tolvar::test
