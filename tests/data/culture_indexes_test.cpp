// The culture-number indexes: in every shipped file under the names the opening looks for,
// and added to a file made without them, holding no data and changing no row.

#include "data/culture_indexes.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "data/data_fixture.h"
#include "platform/sys/files.h"
#include "support/file_faults.h"
#include "support/tables.h"

namespace tolvar::test {
namespace {

// "<table>(<column>)" of each index the database at `pfad` has, in name order.
std::vector<std::string> Indizes(const std::string& pfad) {
  return Abfragezeilen(pfad,
                       "SELECT m.name, m.tbl_name, i.name FROM sqlite_master m, pragma_index_info(m.name) i "
                       "WHERE m.type = 'index' ORDER BY m.name");
}

std::vector<std::string> Erwartet(std::span<const data::Kulturindex> indizes) {
  std::vector<std::string> zeilen;
  for (const data::Kulturindex& i : indizes) {
    zeilen.push_back(std::string(i.name) + "|" + std::string(i.tabelle) + "|" + std::string(i.spalte));
  }
  std::sort(zeilen.begin(), zeilen.end());
  return zeilen;
}

class KulturindexTest : public DataTest {};

TEST_F(KulturindexTest, EveryShippedEnterpriseFileHasTheIndexesTheOpeningLooksFor) {
  const std::string tree = ShippedTreeForTests();
  struct Fall {
    const char* datei;
    std::span<const data::Kulturindex> indizes;
  };
  for (const Fall& f : {Fall{"Betriebe/Mustergärtnerei.mdb", data::Morvin5Indizes()},
                        Fall{"Betriebe/Mustergärtnerei.Tolvar", data::TolvarIndizes()},
                        Fall{"Tolvar_DB/Vorlage.Tolvar", data::TolvarIndizes()}}) {
    EXPECT_EQ(Indizes(sys::JoinPath(tree, f.datei)), Erwartet(f.indizes)) << f.datei;
  }
}

// A file made without the indexes gets them with its rows unchanged; a second opening, and a
// file that cannot take them, write nothing.
TEST_F(KulturindexTest, AFileWithoutThemGetsThemAndNoRowChanges) {
  struct Fall {
    const char* datei;
    const std::string& schema;
    std::span<const data::Kulturindex> indizes;
    const char* tabelle;
  };
  const Fall faelle[] = {{"Betriebe/Alt.mdb", kMorvin5Schema, data::Morvin5Indizes(), "Taetigkeiten"},
                         {"Betriebe/Alt.Tolvar", kTolvarSchema, data::TolvarIndizes(), "Material"}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.datei);
    const std::string pfad = Path(f.datei);
    {
      auto database = Make(pfad, f.schema);
      Insert(*database, f.tabelle, {{"KulturNr", "K1001"}});
      Insert(*database, f.tabelle, {{"KulturNr", db::Value()}});
      Insert(*database, f.tabelle, {{"KulturNr", "K1000"}});
    }
    const std::string inhalt = Datenbankinhalt(pfad);
    ASSERT_TRUE(Indizes(pfad).empty());

    const std::string ungeschuetzt = FileContents(pfad);
    {
      ScopedWriteProtection schutz(pfad);
      if (schutz.Available()) {
        EXPECT_FALSE(data::IndizesAnlegen(pfad, f.indizes));
        EXPECT_TRUE(FileContents(pfad) == ungeschuetzt);
      }
    }

    EXPECT_TRUE(data::IndizesAnlegen(pfad, f.indizes));
    EXPECT_EQ(Indizes(pfad), Erwartet(f.indizes));
    EXPECT_EQ(Datenbankinhalt(pfad), inhalt);
    const std::string mitIndizes = FileContents(pfad);
    EXPECT_TRUE(data::IndizesAnlegen(pfad, f.indizes));
    EXPECT_TRUE(FileContents(pfad) == mitIndizes);
  }
  EXPECT_TRUE(Messages().empty());
}

// Where one index cannot be made, none is: the transaction leaves the file as it was.
TEST_F(KulturindexTest, AnIndexThatCannotBeMadeLeavesTheFileWithoutAny) {
  const std::string pfad = Path("Betriebe/Belegt.mdb");
  Make(pfad, kMorvin5Schema + "CREATE TABLE \"KulturStandorte_KulturNr\" (\"x\" TEXT);");
  const std::string vorher = FileContents(pfad);
  EXPECT_FALSE(data::IndizesAnlegen(pfad, data::Morvin5Indizes()));
  EXPECT_TRUE(Indizes(pfad).empty());
  EXPECT_TRUE(FileContents(pfad) == vorher);
}

}  // namespace
}  // namespace tolvar::test
