// Material rows of a culture: loading in date order, the grid rows, saving as a whole.

#include "culture/mdlKulturMaterial.h"

#include <gtest/gtest.h>

#include "culture_fixture.h"
#include "support/tables.h"

namespace tolvar::mdlKulturMaterial {
namespace {

using test::D;
using Tabelle = std::vector<std::vector<std::string>>;

class MaterialRowsTest : public test::CultureFixture {
 protected:
  void SetUp() override {
    CultureFixture::SetUp();
    auto m = [](const char* nr, const char* gruppe, const char* name, int16_t bezug) {
      MaterialSatz s;
      s.MaterialNr = nr;
      s.UeberPNr = gruppe;
      s.Materialname = name;
      s.Bezug = bezug;
      return s;
    };
    state().masters.MaterialListe = {m("M1011", "1007", "Topf 12 cm", 2), m("M1014", "1008", "Einheitserde", 2),
                                     m("M1020", "1002", "Etikett", 1), m("M1021", "1002", "Etikett", 4)};
  }

  void Zeile(const std::string& kultur, db::Value maNr, db::Value menge, db::Value datum) {
    Ausfuehren(*tolvar, "INSERT INTO \"Material\" VALUES (?, ?, ?, ?)", {db::Value(kultur), maNr, menge, datum});
  }

  Tabelle Gespeichert(const std::string& kultur = "K1023") {
    return Zeilen(*tolvar,
                  "SELECT \"MaNr\", \"Menge\", \"Datum\" FROM \"Material\" WHERE \"KulturNr\" = ? ORDER BY rowid",
                  {db::Value(kultur)});
  }
};

TEST_F(MaterialRowsTest, LoadInDateOrderWithNamesAndDefaults) {
  Zeile("K1023", "M1014", "2,5", "2024-04-01");
  Zeile("K1023", "M1011", "1000", "2024-03-01");
  Zeile("K1024", "M1011", "9", "2024-01-01");
  Zeile("K1023", "M1020", db::Value(), "2024-04-01");
  Zeile("K1023", "M1099", "0", db::Value());
  ASSERT_TRUE(KulturMaterialLaden());
  const State& s = state();
  ASSERT_EQ(s.culture.AnzahlKulturMaterialien, 4);
  ASSERT_EQ(s.culture.KulturMaterialListe.size(), 5u);
  const auto& l = s.culture.KulturMaterialListe;
  EXPECT_EQ(l[0].MaNr, "M1099");  // no date: 01.01.1900 comes first
  EXPECT_EQ(l[0].Datum, base::kNoDate);
  EXPECT_EQ(l[0].Menge, "0");
  EXPECT_EQ(l[0].Materialname, "");
  EXPECT_EQ(l[0].Bezug, "");
  EXPECT_EQ(l[1].Materialname, "Topf 12 cm");
  EXPECT_EQ(l[1].Datum, D(2024, 3, 1));
  // Same date: stored order.
  EXPECT_EQ(l[2].MaNr, "M1014");
  EXPECT_EQ(l[2].Bezug, "2");
  EXPECT_EQ(l[3].MaNr, "M1020");
  EXPECT_EQ(l[3].Menge, "");  // an empty quantity stays empty: missing, not zero
  EXPECT_EQ(l[4].MaNr, "");
  EXPECT_EQ(l[4].KulturNr, "");
  for (const auto& z : l) EXPECT_EQ(z.KostenJePflanze, "");

  const auto zeilen = KulturMaterialTabelle(state().culture, state().masters);
  ASSERT_EQ(zeilen.size(), 4u);
  // A material no longer in the master list shows its number and is not cut off.
  EXPECT_EQ(zeilen[0].Materialname, "M1099");
  EXPECT_EQ(zeilen[0].Datum, "01.01.1900");
  EXPECT_EQ(zeilen[0].Bezugstext, "");
  EXPECT_EQ(zeilen[1].Bezugstext, "je 1000 Pflanzen");
  EXPECT_EQ(zeilen[2].Bezugstext, "m³");
  EXPECT_EQ(zeilen[3].Bezugstext, "je Pflanze");
}

TEST_F(MaterialRowsTest, ACultureWithoutRowsHasOnlyTheEndMark) {
  ASSERT_TRUE(KulturMaterialLaden());
  EXPECT_EQ(state().culture.AnzahlKulturMaterialien, 0);
  EXPECT_EQ(state().culture.KulturMaterialListe.size(), 1u);
  EXPECT_TRUE(KulturMaterialTabelle(state().culture, state().masters).empty());
}

TEST(MaterialReferenceText, ByBezugAndGroup) {
  struct Fall {
    const char* bezug;
    const char* gruppe;
    const char* text;
  };
  const std::vector<Fall> faelle = {{"1", "1008", "Liter"},      {"1", "1007", "je Pflanze"},
                                    {"2", "1008", "m³"},         {"2", "1007", "je 1000 Pflanzen"},
                                    {"3", "1008", "je Nm²"},     {"3", "1002", "je Nm²"},
                                    {"4", "1008", "je 1000Nm²"}, {"4", "1009", "je 1000Nm²"},
                                    {"0", "1002", ""},           {"", "1008", ""}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.bezug) + "/" + f.gruppe);
    EXPECT_EQ(Bezugstext(f.bezug, f.gruppe), f.text);
  }
}

TEST_F(MaterialRowsTest, SaveReplacesTheCulturesRowsAndKeepsEachRowsMaterial) {
  Zeile("K1023", "M1011", "1", "2024-01-01");
  Zeile("K1024", "M1011", "9", "2024-01-01");
  Zeile("K1023", "M1099", "3", "2024-02-01");
  ASSERT_TRUE(KulturMaterialLaden());
  auto zeilen = KulturMaterialTabelle(state().culture, state().masters);
  ASSERT_EQ(zeilen.size(), 2u);
  zeilen.push_back({"Etikett", "M1020", "05.03.2024", "", "je Pflanze"});
  zeilen.push_back({"Etikett", "", "06.03.2024", "2,50", ""});  // by name: the last one wins
  zeilen.push_back({"Unbekannt", "", "07.03.2024", "1", ""});   // no material: not stored
  zeilen.push_back({"", "", "", "", ""});
  zeilen.push_back({"Topf 12 cm", "M1011", "08.03.2024", "1", ""});  // after the first empty name
  ASSERT_TRUE(KulturMaterialSpeichern(zeilen));
  EXPECT_EQ(Gespeichert(), (Tabelle{{"M1011", "1", "2024-01-01"},
                                    {"M1099", "3", "2024-02-01"},
                                    {"M1020", "", "2024-03-05"},
                                    {"M1021", "2,50", "2024-03-06"}}));
  EXPECT_EQ(Gespeichert("K1024").size(), 1u);
  EXPECT_EQ(state().culture.AnzahlKulturMaterialien, 4);

  // Saving again gives exactly one row per grid row.
  ASSERT_TRUE(KulturMaterialLaden());
  ASSERT_TRUE(KulturMaterialSpeichern(KulturMaterialTabelle(state().culture, state().masters)));
  EXPECT_EQ(Gespeichert().size(), 4u);
  // Deleting every grid row removes the culture's rows.
  ASSERT_TRUE(KulturMaterialSpeichern({}));
  EXPECT_TRUE(Gespeichert().empty());
  EXPECT_EQ(Gespeichert("K1024").size(), 1u);
}

// The units of every row are checked before anything is written: a refused text leaves the
// database as it was, an allowed one is stored as the grid shows it.
TEST_F(MaterialRowsTest, UnitsAreAnAmountOrEmpty) {
  Zeile("K1023", "M1011", "1", "2024-01-01");
  const std::string pfad = dir.Join("Betrieb.Tolvar");
  for (const auto& [text, gespeichert] :
       std::vector<std::pair<std::string, const char*>>{{"abc", nullptr},
                                                        {"1,2,3", nullptr},
                                                        {"-5", nullptr},
                                                        {"1e308", nullptr},
                                                        {"1000000000001", nullptr},
                                                        {"", ""},
                                                        {"0", "0"},
                                                        {"12,5", "12,5"},
                                                        {"1000000000000", "1000000000000"}}) {
    SCOPED_TRACE(text);
    meldungen.messages.clear();
    const std::string vorher = test::Datenbankinhalt(pfad);
    const bool ok = KulturMaterialSpeichern(
        {{"Topf 12 cm", "M1011", "01.03.2024", "2", ""}, {"Etikett", "M1020", "02.03.2024", text, ""}});
    if (gespeichert == nullptr) {
      EXPECT_FALSE(ok);
      EXPECT_EQ(meldungen.messages.size(), 1u);
      EXPECT_EQ(test::Datenbankinhalt(pfad), vorher);
      continue;
    }
    ASSERT_TRUE(ok);
    EXPECT_EQ(Gespeichert(), (Tabelle{{"M1011", "2", "2024-03-01"}, {"M1020", gespeichert, "2024-03-02"}}));
  }
}

TEST_F(MaterialRowsTest, AnInvalidDateOrAFailingWriteChangesNothing) {
  Zeile("K1023", "M1011", "1", "2024-01-01");
  EXPECT_FALSE(KulturMaterialSpeichern({{"Topf 12 cm", "M1011", "31.02.2024", "1", ""}}));
  EXPECT_EQ(meldungen.messages.size(), 1u);
  Ausfuehren(*tolvar, "CREATE TRIGGER sperre BEFORE INSERT ON \"Material\" BEGIN SELECT RAISE(ABORT, 'x'); END");
  EXPECT_FALSE(KulturMaterialSpeichern({{"Topf 12 cm", "M1011", "01.03.2024", "1", ""}}));
  EXPECT_EQ(meldungen.messages.size(), 2u);
  EXPECT_EQ(Gespeichert(), (Tabelle{{"M1011", "1", "2024-01-01"}}));
}

}  // namespace
}  // namespace tolvar::mdlKulturMaterial
