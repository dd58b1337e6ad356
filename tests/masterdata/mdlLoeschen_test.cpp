// Deleting the program's own rows of a culture, site, standard activity or material: exact key
// matches only, the pot-substrate combination clean-up, and all-or-nothing per database.
#include "masterdata/mdlLoeschen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/messages.h"
#include "data/state.h"
#include "morvin_fixture.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/schema.h"
#include "support/tables.h"

namespace tolvar {
namespace {

using masterdata::LoeschErgebnis;
using Werte = std::vector<std::string>;

const char* const kNull = "<Null>";

class DeletionTest : public test::DatenbankTest {
 protected:
  DeletionTest() : tolvarPfad_(dir_.Join("Betrieb.Tolvar")), materialPfad_(dir_.Join("Material.mdb")) {
    Anlegen(tolvarPfad_, test::SchemaOf({"KulturPhasen", "tolvar_schema.Material", "tolvar_schema.Vantel",
                                         "tolvar_schema.ArbeitMaterial"}));
    Anlegen(materialPfad_, test::SchemaOf({"Material", "Gefaesse", "Topfsubstrat"}));
  }

  // Inserts one row per value into `table`.`column` (kNull for Null).
  static void Zeilen(const std::string& pfad, const std::string& table, const std::string& column, const Werte& werte) {
    for (const std::string& w : werte) {
      Exec(pfad, "INSERT INTO \"" + table + "\" (\"" + column + "\") VALUES (?)",
           {w == kNull ? db::Value() : db::Value(w)});
    }
  }
  // The values of `column` in table order; Null as kNull.
  static Werte Spalte(const std::string& pfad, const std::string& table, const std::string& column) {
    Werte werte;
    auto database = db::Database::Open(pfad);
    if (!database) return {"<keine Datenbank>"};
    db::Recordset rs = database->Query("SELECT \"" + column + "\" FROM \"" + table + "\" ORDER BY rowid");
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      werte.push_back(rs.Field(0).isNull() ? kNull : rs.Field(0).text());
    }
    return werte;
  }
  // A trigger that makes every delete from `table` fail.
  static void Sperren(const std::string& pfad, const std::string& table) {
    Exec(pfad, "CREATE TRIGGER \"sperre_" + table + "\" BEFORE DELETE ON \"" + table +
                   "\" BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  }

  // Pots T1, T2; substrates S1, S2; combinations C1 = T1+S1, C2 = T1+S2, C3 = T2+S1 and
  // C4 = C1 used as pot with S2 (uses C1, not T1).
  void Materialbestand() {
    Zeilen(materialPfad_, "Material", "MaterialNr", {"T1", "T2", "S1", "S2", "C1", "C2", "C3", "C4"});
    Zeilen(materialPfad_, "Gefaesse", "MaterialNr", {"T1", "T2"});
    for (const Werte& k :
         {Werte{"C1", "T1", "S1"}, Werte{"C2", "T1", "S2"}, Werte{"C3", "T2", "S1"}, Werte{"C4", "C1", "S2"}}) {
      Exec(materialPfad_, "INSERT INTO \"Topfsubstrat\" VALUES (?, ?, ?)", {k[0], k[1], k[2]});
    }
    for (const Werte& m : {Werte{"K1", "T1"}, Werte{"K1", "C1"}, Werte{"K2", "S1"}, Werte{"K2", "C3"}}) {
      Exec(tolvarPfad_, "INSERT INTO \"Material\" (\"KulturNr\", \"MaNr\") VALUES (?, ?)", {m[0], m[1]});
    }
  }

  test::TempDir dir_;
  std::string tolvarPfad_;
  std::string materialPfad_;
};

// --- Cultures, sites, activities: exact text equality -------------------------------------

struct EinfacherFall {
  const char* name;
  LoeschErgebnis (*loeschen)(const std::string&, const std::string&);
  const char* table;
  const char* column;
};

const EinfacherFall kEinfacheFaelle[] = {
    {"KulturPhasen", masterdata::KulturDatenLoeschen, "KulturPhasen", "Kulturnummer"},
    {"KulturMaterial", masterdata::KulturDatenLoeschen, "Material", "KulturNr"},
    {"Standort", masterdata::StandortDatenLoeschen, "Vantel", "StandortNr"},
    {"Taetigkeit", masterdata::TaetigkeitDatenLoeschen, "ArbeitMaterial", "TaetigkeitNr"},
};

TEST_F(DeletionTest, OwnRowsOfAKindGoOnlyOnExactMatch) {
  // Case, prefixes, blanks and LIKE wildcards all count as different.
  const Werte vorher = {"X1", "x1", "X10", "AX1", "X1 ", " X1", "X_", "X%", kNull, "", "X1"};
  const Werte danach = {"x1", "X10", "AX1", "X1 ", " X1", "X_", "X%", kNull, ""};
  for (const EinfacherFall& fall : kEinfacheFaelle) {
    SCOPED_TRACE(fall.name);
    Exec(tolvarPfad_, std::string("DELETE FROM \"") + fall.table + "\"");
    Zeilen(tolvarPfad_, fall.table, fall.column, vorher);
    const LoeschErgebnis e = fall.loeschen(tolvarPfad_, "X1");
    EXPECT_TRUE(e.ok) << e.fehler;
    EXPECT_EQ(Spalte(tolvarPfad_, fall.table, fall.column), danach);
  }
}

TEST_F(DeletionTest, WildcardOrAbsentKeysDeleteNothing) {
  for (const EinfacherFall& fall : kEinfacheFaelle) {
    Zeilen(tolvarPfad_, fall.table, fall.column, {"X1", "X2"});
  }
  const std::string vorher = test::Datenbankinhalt(tolvarPfad_);
  for (const char* key : {"%", "X_", "X", "Y1", "x1"}) {
    for (const EinfacherFall& fall : kEinfacheFaelle) {
      SCOPED_TRACE(std::string(fall.name) + " " + key);
      EXPECT_TRUE(fall.loeschen(tolvarPfad_, key).ok);
    }
  }
  EXPECT_EQ(test::Datenbankinhalt(tolvarPfad_), vorher);
}

TEST_F(DeletionTest, CultureDeletesPhasesAndMaterialRowsTogether) {
  Zeilen(tolvarPfad_, "KulturPhasen", "Kulturnummer", {"K1", "K2", "K1"});
  Zeilen(tolvarPfad_, "Material", "KulturNr", {"K2", "K1"});
  ASSERT_TRUE(masterdata::KulturDatenLoeschen(tolvarPfad_, "K1").ok);
  EXPECT_EQ(Spalte(tolvarPfad_, "KulturPhasen", "Kulturnummer"), Werte{"K2"});
  EXPECT_EQ(Spalte(tolvarPfad_, "Material", "KulturNr"), Werte{"K2"});
}

// --- Materials: pots, substrates, combinations -----------------------------------------------

struct MaterialFall {
  const char* key;
  Werte material;        // Material.MaterialNr left in the material database
  Werte gefaesse;        // Gefaesse.MaterialNr left
  Werte kombinationen;   // Topfsubstrat.MaterialNr left
  Werte kulturMaterial;  // MaNr of the culture material rows left
};

const MaterialFall kMaterialFaelle[] = {
    // A pot: its rows, the combinations using it as pot and their material rows; the culture
    // row naming combination C1 stays.
    {"T1", {"T2", "S1", "S2", "C3", "C4"}, {"T2"}, {"C3", "C4"}, {"C1", "S1", "C3"}},
    // A substrate: the combinations using it; the pots stay.
    {"S1", {"T1", "T2", "S2", "C2", "C4"}, {"T1", "T2"}, {"C2", "C4"}, {"T1", "C1", "C3"}},
    // A combination: its own material row and its row; a combination using it as pot goes too.
    {"C1", {"T1", "T2", "S1", "S2", "C2", "C3"}, {"T1", "T2"}, {"C2", "C3"}, {"T1", "S1", "C3"}},
    // A combination nobody uses: only its own rows.
    {"C3", {"T1", "T2", "S1", "S2", "C1", "C2", "C4"}, {"T1", "T2"}, {"C1", "C2", "C4"}, {"T1", "C1", "S1"}},
    // A key in no row deletes nothing.
    {"M9",
     {"T1", "T2", "S1", "S2", "C1", "C2", "C3", "C4"},
     {"T1", "T2"},
     {"C1", "C2", "C3", "C4"},
     {"T1", "C1", "S1", "C3"}},
    // Case counts.
    {"t1",
     {"T1", "T2", "S1", "S2", "C1", "C2", "C3", "C4"},
     {"T1", "T2"},
     {"C1", "C2", "C3", "C4"},
     {"T1", "C1", "S1", "C3"}},
};

TEST_F(DeletionTest, MaterialDeletionCleansUpCombinations) {
  for (const MaterialFall& fall : kMaterialFaelle) {
    SCOPED_TRACE(fall.key);
    for (const char* t : {"Material", "Gefaesse", "Topfsubstrat"}) Exec(materialPfad_, std::string("DELETE FROM ") + t);
    Exec(tolvarPfad_, "DELETE FROM \"Material\"");
    Materialbestand();
    const LoeschErgebnis e = masterdata::MaterialDatenLoeschen(tolvarPfad_, materialPfad_, fall.key);
    EXPECT_TRUE(e.ok) << e.fehler;
    EXPECT_EQ(Spalte(materialPfad_, "Material", "MaterialNr"), fall.material);
    EXPECT_EQ(Spalte(materialPfad_, "Gefaesse", "MaterialNr"), fall.gefaesse);
    EXPECT_EQ(Spalte(materialPfad_, "Topfsubstrat", "MaterialNr"), fall.kombinationen);
    EXPECT_EQ(Spalte(tolvarPfad_, "Material", "MaNr"), fall.kulturMaterial);
  }
}

TEST_F(DeletionTest, CombinationWithoutNumberNamesNoMaterialRow) {
  // Rows using the pot whose own number is Null or empty go; material rows with an empty
  // number are not theirs and stay.
  Zeilen(materialPfad_, "Material", "MaterialNr", {"T1", "", kNull});
  Exec(materialPfad_, "INSERT INTO \"Topfsubstrat\" VALUES (NULL, 'T1', 'S1')");
  Exec(materialPfad_, "INSERT INTO \"Topfsubstrat\" VALUES ('', 'S2', 'T1')");
  ASSERT_TRUE(masterdata::MaterialDatenLoeschen(tolvarPfad_, materialPfad_, "T1").ok);
  EXPECT_EQ(Spalte(materialPfad_, "Material", "MaterialNr"), (Werte{"", kNull}));
  EXPECT_TRUE(Spalte(materialPfad_, "Topfsubstrat", "MaterialNr").empty());
}

TEST_F(DeletionTest, CombinationListedTwiceLosesEveryRow) {
  Zeilen(materialPfad_, "Material", "MaterialNr", {"C1", "T1", "C1"});
  Exec(materialPfad_, "INSERT INTO \"Topfsubstrat\" VALUES ('C1', 'T1', 'S1')");
  Exec(materialPfad_, "INSERT INTO \"Topfsubstrat\" VALUES ('C1', 'T1', 'S1')");
  ASSERT_TRUE(masterdata::MaterialDatenLoeschen(tolvarPfad_, materialPfad_, "T1").ok);
  EXPECT_TRUE(Spalte(materialPfad_, "Material", "MaterialNr").empty());
  EXPECT_TRUE(Spalte(materialPfad_, "Topfsubstrat", "MaterialNr").empty());
}

// --- Failures: the database concerned stays as it was ---------------------------------------

TEST_F(DeletionTest, FailureMidWayLeavesTheDatabaseUnchanged) {
  struct Fall {
    const char* name;
    const char* gesperrt;  // table whose deletes fail
    bool inMaterialdatenbank;
  };
  const Fall faelle[] = {
      {"Gefaesse", "Gefaesse", true},
      {"Topfsubstrat", "Topfsubstrat", true},
      {"Material", "Material", true},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    for (const char* t : {"Material", "Gefaesse", "Topfsubstrat"}) Exec(materialPfad_, std::string("DELETE FROM ") + t);
    Exec(tolvarPfad_, "DELETE FROM \"Material\"");
    Materialbestand();
    Sperren(materialPfad_, fall.gesperrt);
    const std::string vorher = test::Datenbankinhalt(materialPfad_);
    const LoeschErgebnis e = masterdata::MaterialDatenLoeschen(tolvarPfad_, materialPfad_, "T1");
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.datenbank, materialPfad_);
    EXPECT_NE(e.fehler.find("gesperrt"), std::string::npos) << e.fehler;
    EXPECT_EQ(test::Datenbankinhalt(materialPfad_), vorher);
    // The culture rows were deleted in their own database before.
    EXPECT_EQ(Spalte(tolvarPfad_, "Material", "MaNr"), (Werte{"C1", "S1", "C3"}));
    Exec(materialPfad_, std::string("DROP TRIGGER \"sperre_") + fall.gesperrt + "\"");
  }
}

TEST_F(DeletionTest, CultureRowsThatCannotGoKeepTheMaterial) {
  Materialbestand();
  Sperren(tolvarPfad_, "Material");
  const std::string tolvar = test::Datenbankinhalt(tolvarPfad_);
  const std::string material = test::Datenbankinhalt(materialPfad_);
  const LoeschErgebnis e = masterdata::MaterialDatenLoeschen(tolvarPfad_, materialPfad_, "T1");
  EXPECT_FALSE(e.ok);
  EXPECT_EQ(e.datenbank, tolvarPfad_);
  EXPECT_EQ(test::Datenbankinhalt(tolvarPfad_), tolvar);
  EXPECT_EQ(test::Datenbankinhalt(materialPfad_), material);
}

TEST_F(DeletionTest, CulturePhasesStayWhenItsMaterialRowsCannotGo) {
  Zeilen(tolvarPfad_, "KulturPhasen", "Kulturnummer", {"K1"});
  Zeilen(tolvarPfad_, "Material", "KulturNr", {"K1"});
  Sperren(tolvarPfad_, "Material");
  EXPECT_FALSE(masterdata::KulturDatenLoeschen(tolvarPfad_, "K1").ok);
  EXPECT_EQ(Spalte(tolvarPfad_, "KulturPhasen", "Kulturnummer"), Werte{"K1"});
  EXPECT_EQ(Spalte(tolvarPfad_, "Material", "KulturNr"), Werte{"K1"});
}

TEST_F(DeletionTest, MissingDatabaseOrTableIsAFailure) {
  Zeilen(tolvarPfad_, "Vantel", "StandortNr", {"S1"});
  const std::string fehlt = dir_.Join("fehlt.Tolvar");
  EXPECT_FALSE(masterdata::StandortDatenLoeschen(fehlt, "S1").ok);
  EXPECT_FALSE(masterdata::StandortDatenLoeschen("", "S1").ok);
  EXPECT_FALSE(masterdata::MaterialDatenLoeschen(tolvarPfad_, fehlt, "S1").ok);

  // Without ArbeitMaterial the activity deletion fails; without Gefaesse the material one
  // changes nothing in the material database.
  Exec(tolvarPfad_, "DROP TABLE \"ArbeitMaterial\"");
  const LoeschErgebnis e = masterdata::TaetigkeitDatenLoeschen(tolvarPfad_, "A1");
  EXPECT_FALSE(e.ok);
  EXPECT_NE(e.fehler.find("ArbeitMaterial"), std::string::npos) << e.fehler;
  Materialbestand();
  Exec(materialPfad_, "DROP TABLE \"Gefaesse\"");
  const std::string material = test::Datenbankinhalt(materialPfad_);
  EXPECT_FALSE(masterdata::MaterialDatenLoeschen(tolvarPfad_, materialPfad_, "T1").ok);
  EXPECT_EQ(test::Datenbankinhalt(materialPfad_), material);
  EXPECT_EQ(Spalte(tolvarPfad_, "Vantel", "StandortNr"), Werte{"S1"});
}

TEST(DeletionText, NamesReasonAndDatabase) {
  LoeschErgebnis e;
  e.ok = false;
  e.fehler = "Die Tabelle \"Vantel\" fehlt.";
  e.datenbank = "/tmp/a.Tolvar";
  const std::string text = masterdata::LoeschFehlerText(e);
  EXPECT_NE(text.find(e.fehler), std::string::npos);
  EXPECT_NE(text.find(e.datenbank), std::string::npos);
}

// --- The selection wrappers ------------------------------------------------------------------

class SelectionDeletionTest : public DeletionTest {
 protected:
  SelectionDeletionTest() {
    ResetState();
    State& s = state();
    s.enterprise.TolvarDatenbankPfad = tolvarPfad_;
    s.enterprise.AktuelleEinstellungen.MaterialPfad = materialPfad_;
    KulturSatz k;
    k.KulturNr = "K1";
    s.masters.KulturListe = {k};
    StandortSatz st;
    st.StandortNr = "S1";
    s.masters.StandortListe = {st};
    StdTaetigkeitSatz t;
    t.StdTaetigkeitNr = "A1";
    s.masters.StdTaetigkeitListe = {t};
    MaterialSatz m;
    m.MaterialNr = "T1";
    s.masters.MaterialListe = {m};
    Zeilen(tolvarPfad_, "KulturPhasen", "Kulturnummer", {"K1"});
    Zeilen(tolvarPfad_, "Vantel", "StandortNr", {"S1"});
    Zeilen(tolvarPfad_, "ArbeitMaterial", "TaetigkeitNr", {"A1"});
    Materialbestand();
  }
  ~SelectionDeletionTest() override { ResetState(); }
  void Auswahl(int index) {
    State& s = state();
    s.selection.KulturIndex = s.selection.StandortIndex = s.selection.StdTaetigkeitIndex = s.selection.MaterialIndex =
        index;
  }
  static bool AlleLoeschen() {
    bool ok = mdlLoeschen::KulturDatenLoeschen();
    ok = mdlLoeschen::StandortDatenLoeschen() && ok;
    ok = mdlLoeschen::TaetigkeitDatenLoeschen() && ok;
    return mdlLoeschen::MaterialDatenLoeschen() && ok;
  }

  test::ScopedRecordingSink sink_;
};

TEST_F(SelectionDeletionTest, IndexOutsideTheListDeletesNothing) {
  const std::string tolvar = test::Datenbankinhalt(tolvarPfad_);
  const std::string material = test::Datenbankinhalt(materialPfad_);
  for (int index : {1, 2, -1}) {
    SCOPED_TRACE(index);
    Auswahl(index);
    EXPECT_TRUE(AlleLoeschen());
  }
  EXPECT_EQ(test::Datenbankinhalt(tolvarPfad_), tolvar);
  EXPECT_EQ(test::Datenbankinhalt(materialPfad_), material);
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(SelectionDeletionTest, SelectedRecordsLoseTheirOwnRows) {
  Auswahl(0);
  EXPECT_TRUE(AlleLoeschen());
  EXPECT_TRUE(Spalte(tolvarPfad_, "KulturPhasen", "Kulturnummer").empty());
  EXPECT_TRUE(Spalte(tolvarPfad_, "Vantel", "StandortNr").empty());
  EXPECT_TRUE(Spalte(tolvarPfad_, "ArbeitMaterial", "TaetigkeitNr").empty());
  EXPECT_EQ(Spalte(materialPfad_, "Gefaesse", "MaterialNr"), Werte{"T2"});
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(SelectionDeletionTest, FailureIsReportedAsCriticalMessage) {
  Auswahl(0);
  Sperren(tolvarPfad_, "Vantel");
  EXPECT_FALSE(mdlLoeschen::StandortDatenLoeschen());
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].style, data::MessageStyle::Critical);
  EXPECT_EQ(sink_.messages[0].title, "Tolvar-Information");
  EXPECT_NE(sink_.messages[0].text.find(tolvarPfad_), std::string::npos);
  EXPECT_EQ(Spalte(tolvarPfad_, "Vantel", "StandortNr"), Werte{"S1"});
}

}  // namespace
}  // namespace tolvar
