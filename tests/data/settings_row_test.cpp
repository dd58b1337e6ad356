// The settings row: loading with its replacements, the reset between enterprises, and the
// closing write.

#include "data/settings_row.h"

#include <string>
#include <vector>

#include "data/data_fixture.h"
#include "data/paths.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"

namespace tolvar::test {
namespace {

using Row = std::vector<std::pair<std::string, db::Value>>;

// A complete row of an enterprise that has been written before.
Row FullRow() {
  return {{"Wetterstation", "Hof"},
          {"StandardStation", 0},
          {"Strom", "0,2"},
          {"MaterialPfad", "/alt/Material.mdb"},
          {"VantelPfad", "/alt/Tech.mdb"},
          {"KlimaPfad", "/alt/Klima.mdb"},
          {"Ergebnisdatenbank", "/alt/Erg.mdb"},
          {"Gemeinkostentyp", "1"},
          {"Gemeinkosten", "25000"},
          {"Flaeche", "1200"},
          {"Jahr", "2023"},
          {"Belegung", "80"},
          {"Vermarktungskosten", "3,5"}};
}

Row With(Row row, const std::string& column, db::Value value) {
  for (auto& [name, v] : row) {
    if (name == column) v = std::move(value);
  }
  return row;
}

class SettingsRowTest : public DataTest {
 public:
  void MakeTolvar(const Row& row) {
    state().enterprise.TolvarDatenbankPfad = Path("Betriebe/Muster.Tolvar");
    auto database = Make(state().enterprise.TolvarDatenbankPfad, kTolvarSchema);
    Insert(*database, "BetriebEinstellungen", row);
  }
};

TEST_F(SettingsRowTest, EmptyColumnsTakeTheirReplacementsAndValuesStayUnchanged) {
  using F = std::string EinstellungenSatz::*;
  struct Case {
    const char* column;
    db::Value stored;
    F field;
    std::string expected;
  };
  const std::string material = data::InstallPath(data::kStandardMaterialdatenbank);
  const std::vector<Case> cases = {
      {"Strom", db::Value(), &EinstellungenSatz::Strom, "0,12"},
      {"Strom", "", &EinstellungenSatz::Strom, "0,12"},
      {"Strom", "0", &EinstellungenSatz::Strom, "0"},
      {"MaterialPfad", "", &EinstellungenSatz::MaterialPfad, material},
      {"MaterialPfad", db::Value(), &EinstellungenSatz::MaterialPfad, material},
      {"MaterialPfad", "/woanders/M.mdb", &EinstellungenSatz::MaterialPfad, "/woanders/M.mdb"},
      {"VantelPfad", "", &EinstellungenSatz::VantelPfad, data::InstallPath(data::kStandardVanteldatenbank)},
      {"KlimaPfad", db::Value(), &EinstellungenSatz::KlimaPfad, data::InstallPath(data::kStandardWetterdatenbank)},
      {"KlimaPfad", "", &EinstellungenSatz::KlimaPfad, data::InstallPath(data::kStandardWetterdatenbank)},
      {"Ergebnisdatenbank", "", &EinstellungenSatz::Ergebnisdatenbank,
       data::InstallPath(data::kStandardErgebnisdatenbank)},
      {"Gemeinkostentyp", "", &EinstellungenSatz::Gemeinkostentyp, "0"},
      {"Gemeinkosten", db::Value(), &EinstellungenSatz::Gemeinkosten, "0"},
      {"Gemeinkosten", "0", &EinstellungenSatz::Gemeinkosten, "0"},
      {"Belegung", "", &EinstellungenSatz::Belegung, "75"},
      {"Belegung", "80", &EinstellungenSatz::Belegung, "80"},
      {"Vermarktungskosten", db::Value(), &EinstellungenSatz::Vermarktungskosten, "0"},
      {"Jahr", db::Value(), &EinstellungenSatz::Jahr, ""},
      {"Jahr", "", &EinstellungenSatz::Jahr, ""},
      {"Flaeche", db::Value(), &EinstellungenSatz::Flaeche, ""},
      {"Flaeche", "0", &EinstellungenSatz::Flaeche, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.column) + " = '" + c.stored.text() + "'" + (c.stored.isNull() ? " (Null)" : ""));
    ResetState();
    MakeTolvar(With(FullRow(), c.column, c.stored));
    ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.*c.field, c.expected);
    sys::DeleteFile(state().enterprise.TolvarDatenbankPfad);
  }
}

TEST_F(SettingsRowTest, WeatherStationAndStandardStation) {
  struct Case {
    db::Value station;
    db::Value standard;
    std::string expectedStation;
    int16_t expectedStandard;
  };
  const std::vector<Case> cases = {
      {"", 0, "Landesmitte", base::kTrue},       {db::Value(), db::Value(), "Landesmitte", base::kTrue},
      {"Hof", 0, "Hof", base::kFalse},           {"Hof", -1, "Hof", base::kTrue},
      {"Hof", db::Value(), "Hof", base::kFalse},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("Wetterstation '" + c.station.text() + "', StandardStation '" + c.standard.text() + "'");
    ResetState();
    MakeTolvar(With(With(FullRow(), "Wetterstation", c.station), "StandardStation", c.standard));
    ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Wetterstation, c.expectedStation);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.StandardStation, c.expectedStandard);
    sys::DeleteFile(state().enterprise.TolvarDatenbankPfad);
  }
}

TEST_F(SettingsRowTest, ReplacementPathsFollowTheRunningInstallationFolder) {
  MakeTolvar(With(FullRow(), "MaterialPfad", ""));
  TempDir other;
  sys::SetDataRoot(other.Path());
  ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.MaterialPfad, other.Join("Tolvar_DB/Material.mdb"));
  sys::SetDataRoot(dir_.Path());
}

// Opening another enterprise never keeps anything of the one before.
TEST_F(SettingsRowTest, NothingOfThePreviousEnterpriseSurvivesALoad) {
  struct Case {
    const char* name;
    bool loads;
    void (*make)(SettingsRowTest*);
  };
  const std::vector<Case> cases = {
      {"Zeile mit leeren Spalten", true,
       [](SettingsRowTest* t) {
         t->MakeTolvar({{"Wetterstation", ""}, {"Strom", ""}, {"Belegung", ""}});
       }},
      {"Tabelle ohne Zeile", false,
       [](SettingsRowTest* t) {
         state().enterprise.TolvarDatenbankPfad = t->Path("Betriebe/B.Tolvar");
         t->Make(state().enterprise.TolvarDatenbankPfad, kTolvarSchema);
       }},
      {"Datei fehlt", false,
       [](SettingsRowTest* t) { state().enterprise.TolvarDatenbankPfad = t->Path("Betriebe/fehlt.Tolvar"); }},
      {"keine Datenbank", false,
       [](SettingsRowTest* t) {
         state().enterprise.TolvarDatenbankPfad = t->Path("Betriebe/kaputt.Tolvar");
         t->MakeGarbage(state().enterprise.TolvarDatenbankPfad);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir previous;
    state().enterprise.TolvarDatenbankPfad = previous.Join("A.Tolvar");
    Insert(*Make(state().enterprise.TolvarDatenbankPfad, kTolvarSchema), "BetriebEinstellungen", FullRow());
    ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
    ASSERT_EQ(state().enterprise.AktuelleEinstellungen.Gemeinkosten, "25000");

    c.make(this);
    EXPECT_EQ(mdlDatenLaden::BetriebEinstellungenLaden(), c.loads);
    const EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
    const EinstellungenSatz r = data::EinstellungenErsatzwerte();
    EXPECT_EQ(e.Wetterstation, "Landesmitte");
    EXPECT_EQ(e.StandardStation, base::kTrue);
    EXPECT_EQ(e.Strom, "0,12");
    EXPECT_EQ(e.MaterialPfad, r.MaterialPfad);
    EXPECT_EQ(e.VantelPfad, r.VantelPfad);
    EXPECT_EQ(e.KlimaPfad, r.KlimaPfad);
    EXPECT_EQ(e.Ergebnisdatenbank, r.Ergebnisdatenbank);
    EXPECT_EQ(e.Gemeinkostentyp, "0");
    EXPECT_EQ(e.Gemeinkosten, "0");
    EXPECT_EQ(e.Flaeche, "");
    EXPECT_EQ(e.Jahr, "");
    EXPECT_EQ(e.Belegung, "75");
    EXPECT_EQ(e.Vermarktungskosten, "0");
    if (sys::FileExists(state().enterprise.TolvarDatenbankPfad))
      sys::DeleteFile(state().enterprise.TolvarDatenbankPfad);
  }
  EXPECT_TRUE(Messages().empty());
}

EinstellungenSatz Distinct() {
  EinstellungenSatz e;
  e.StandardStation = base::kTrue;
  e.Wetterstation = "Kempten";
  e.Strom = "0,31";
  e.MaterialPfad = "/p/Material.mdb";
  e.VantelPfad = "/p/TechDaten.mdb";
  e.KlimaPfad = "/p/Klimadaten.mdb";
  e.Ergebnisdatenbank = "/p/Ergebnisse.mdb";
  e.Gemeinkostentyp = "1";
  e.Gemeinkosten = "12345,5";
  e.Flaeche = "";
  e.Jahr = "2024";
  e.Belegung = "60";
  e.Vermarktungskosten = "7";
  return e;
}

void ExpectSame(const EinstellungenSatz& a, const EinstellungenSatz& b) {
  EXPECT_EQ(a.StandardStation, b.StandardStation);
  EXPECT_EQ(a.Wetterstation, b.Wetterstation);
  EXPECT_EQ(a.Strom, b.Strom);
  EXPECT_EQ(a.MaterialPfad, b.MaterialPfad);
  EXPECT_EQ(a.VantelPfad, b.VantelPfad);
  EXPECT_EQ(a.KlimaPfad, b.KlimaPfad);
  EXPECT_EQ(a.Ergebnisdatenbank, b.Ergebnisdatenbank);
  EXPECT_EQ(a.Gemeinkostentyp, b.Gemeinkostentyp);
  EXPECT_EQ(a.Gemeinkosten, b.Gemeinkosten);
  EXPECT_EQ(a.Flaeche, b.Flaeche);
  EXPECT_EQ(a.Jahr, b.Jahr);
  EXPECT_EQ(a.Belegung, b.Belegung);
  EXPECT_EQ(a.Vermarktungskosten, b.Vermarktungskosten);
}

TEST_F(SettingsRowTest, ClosingWriteRoundTrip) {
  struct Case {
    const char* name;
    int rowsBefore;
  };
  for (const Case& c : std::vector<Case>{{"eine Zeile", 1}, {"zwei Zeilen", 2}, {"keine Zeile", 0}}) {
    SCOPED_TRACE(c.name);
    ResetState();
    state().enterprise.TolvarDatenbankPfad = Path("Betriebe/Rund.Tolvar");
    {
      auto database = Make(state().enterprise.TolvarDatenbankPfad, kTolvarSchema);
      for (int i = 0; i < c.rowsBefore; ++i) Insert(*database, "BetriebEinstellungen", FullRow());
    }
    state().enterprise.AktuelleEinstellungen = Distinct();
    ASSERT_TRUE(mdlDatenbank::BetriebEinstellungenSchreiben());

    state().enterprise.AktuelleEinstellungen = EinstellungenSatz();
    ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
    ExpectSame(state().enterprise.AktuelleEinstellungen, Distinct());

    auto database = db::Database::Open(state().enterprise.TolvarDatenbankPfad);
    ASSERT_NE(database, nullptr);
    db::Recordset rs = database->OpenTable("BetriebEinstellungen");
    ASSERT_EQ(rs.RecordCount(), std::max(c.rowsBefore, 1));
    rs.MoveFirst();
    EXPECT_EQ(rs["LetzteAenderung"].text(), "10.12.2024 14:05:09");
    EXPECT_EQ(rs["StandardStation"], db::Value(-1));
    EXPECT_EQ(rs["Flaeche"], db::Value(""));
    if (c.rowsBefore == 2) {
      rs.MoveNext();
      EXPECT_EQ(rs["Wetterstation"].text(), "Hof");  // only the first row is written
    }
    database.reset();
    sys::DeleteFile(state().enterprise.TolvarDatenbankPfad);
  }
}

// Two instances of the program on one enterprise: a write takes only what this instance
// changed since it read the row, so what the other one confirmed meanwhile stays; with
// nothing changed nothing is written.
TEST_F(SettingsRowTest, AWriteKeepsWhatAnotherInstanceWroteMeanwhile) {
  Row row = FullRow();
  row.emplace_back("LetzteAenderung", "01.03.2025 08:00:00");
  MakeTolvar(row);
  const std::string pfad = state().enterprise.TolvarDatenbankPfad;
  ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  ASSERT_TRUE(mdlDatenbank::BetriebEinstellungenSchreiben());
  EXPECT_EQ(FirstRow(pfad, "BetriebEinstellungen")["LetzteAenderung"].text(), "01.03.2025 08:00:00")
      << "nothing changed";

  {
    auto anderer = db::Database::Open(pfad);
    ASSERT_NE(anderer, nullptr);
    ASSERT_TRUE(anderer->Execute("UPDATE BetriebEinstellungen SET Strom = '0,31', Jahr = '2030'"));
  }
  state().enterprise.AktuelleEinstellungen.Jahr = "2031";
  ASSERT_TRUE(mdlDatenbank::BetriebEinstellungenSchreiben());
  EXPECT_EQ(FirstRow(pfad, "BetriebEinstellungen")["Strom"].text(), "0,31");
  EXPECT_EQ(FirstRow(pfad, "BetriebEinstellungen")["Jahr"].text(), "2031");
  EXPECT_EQ(FirstRow(pfad, "BetriebEinstellungen")["LetzteAenderung"].text(), "10.12.2024 14:05:09");
  EXPECT_EQ(FirstRow(pfad, "BetriebEinstellungen")["Gemeinkosten"].text(), "25000");
}

TEST_F(SettingsRowTest, ClosingWriteCreatesNoFile) {
  state().enterprise.TolvarDatenbankPfad = Path("Betriebe/fehlt.Tolvar");
  state().enterprise.AktuelleEinstellungen = Distinct();
  EXPECT_FALSE(mdlDatenbank::BetriebEinstellungenSchreiben());
  EXPECT_FALSE(sys::FileExists(state().enterprise.TolvarDatenbankPfad));
}

}  // namespace
}  // namespace tolvar::test
