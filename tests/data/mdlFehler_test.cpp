// Database checks, their fallbacks to the default databases, and the standard messages.

#include "data/mdlFehler.h"

#include <cctype>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "data/data_fixture.h"
#include "data/paths.h"
#include "data/settings_row.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"
#include "support/fixtures.h"
#include "support/schema.h"

namespace tolvar::test {
namespace {

const char* const kMaterialText =
    "Die ausgewählte Material-Datenbank ist ungültig und kann nicht geöffnet werden, "
    "stattdessen wird die Standard-Material-Datenbank geladen.";
const char* const kVantelText =
    "Die ausgewählte Vantel-Datenbank ist ungültig und kann nicht geöffnet werden, "
    "stattdessen wird die Standard-Vantel-Datenbank geladen.";
const char* const kErgebnisText =
    "Die ausgewählte Ergebnis-Datenbank ist ungültig und kann nicht geöffnet werden, "
    "stattdessen wird die Standard-Ergebnis-Datenbank geladen.";
const char* const kMorvin5Text = "Die ausgewählte Morvin5-Datenbank ist ungültig und kann nicht geöffnet werden";

class ChecksTest : public DataTest {
 public:
  // An enterprise whose settings name databases in "Alt/" (which tests create or not).
  void SetUp() override {
    DataTest::SetUp();
    state().enterprise.TolvarDatenbankPfad = Path("Betriebe/Muster.Tolvar");
    Insert(*Make(state().enterprise.TolvarDatenbankPfad, kTolvarSchema), "BetriebEinstellungen",
           {{"Wetterstation", "Hof"},
            {"StandardStation", 0},
            {"MaterialPfad", Path("Alt/Material.mdb")},
            {"VantelPfad", Path("Alt/TechDaten.mdb")},
            {"KlimaPfad", Path("Alt/Klimadaten.mdb")},
            {"Ergebnisdatenbank", Path("Alt/Ergebnisse.mdb")},
            {"Strom", "0,2"}});
    ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  }

  // One critical message that starts with `text` (the file and what is wrong follow it).
  void ExpectOneCritical(const std::string& text) {
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text.rfind(text, 0), 0u) << Messages()[0].text;
    EXPECT_EQ(Messages()[0].style, data::MessageStyle::Critical);
    EXPECT_EQ(Messages()[0].title, "Tolvar-Information");
  }

  db::Recordset Row() { return FirstRow(state().enterprise.TolvarDatenbankPfad, "BetriebEinstellungen"); }

  // A database at `path` holding the given tables with their shipped columns, each named as
  // given (any case); a name no schema knows gets one dummy column.
  void MakeWithTables(const std::string& path, const std::vector<std::string>& tables) {
    static const std::vector<std::string> bekannt = {
        "Kulturen",          "StdTaetigkeiten",      "Standort",     "Personal",
        "KulturStandorte",   "Taetigkeiten",         "Lohn",         "Lohneinteilung",
        "Wochenarbeitszeit", "BetriebEinstellungen", "KulturPhasen", "GWHMaterial",
        "Heizmaterialien"};
    std::string script;
    for (const std::string& t : tables) {
      std::string schema = "CREATE TABLE \"" + t + "\" (\"x\" TEXT);";
      for (const std::string& b : bekannt) {
        if (Lower(b) != Lower(t)) continue;
        schema = SchemaOf(b);
        schema.replace(schema.find("\"" + b + "\""), b.size() + 2, "\"" + t + "\"");
      }
      script += schema;
    }
    Make(path, script);
  }
  static std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }
};

TEST_F(ChecksTest, StandardMessages) {
  struct Case {
    void (*show)();
    const char* text;
  };
  const std::vector<Case> cases = {
      {mdlFehler::MeldungWerteFehlen, "Sie haben nicht alle notwendigen Werte eingegeben"},
      {[] { mdlFehler::MeldungWertePruefen("1,5x"); }, "Überprüfen sie bitte ihre Werte"},
      // A refused text with a point is told why, in every box alike.
      {[] { mdlFehler::MeldungWertePruefen("6.000"); },
       "Überprüfen sie bitte ihre Werte. Bitte geben Sie die Zahl ohne Tausenderpunkte ein."},
      {[] { mdlFehler::MeldungMorvin5DatenbankUngueltig(); }, kMorvin5Text},
      {mdlFehler::MeldungNameFehlt, "Sie müssen erst einen Namen vergeben"},
      {mdlFehler::MeldungNameNichtEindeutig, "Der vergebene Name ist nicht eindeutig"},
      {mdlFehler::MeldungTaetigkeitKostenDoppelt, "Sie können nicht einer Tätigkeit mehrere Kosten zuweisen."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    sink_.messages.clear();
    c.show();
    ExpectOneCritical(c.text);
  }
}

TEST_F(ChecksTest, Morvin5Database) {
  const std::vector<std::string> all = {"Kulturen", "StdTaetigkeiten", "Standort",
                                        "Personal", "KulturStandorte", "Taetigkeiten",
                                        "Lohn",     "Lohneinteilung",  "Wochenarbeitszeit"};
  struct Case {
    std::string name;
    std::function<void(const std::string&)> make;
    bool ok;
  };
  std::vector<Case> cases = {
      {"vollständig", [&](const std::string& p) { MakeWithTables(p, all); }, true},
      {"Datei fehlt", [](const std::string&) {}, false},
      {"keine Datenbank", [&](const std::string& p) { MakeGarbage(p); }, false},
      {"Tabellennamen in anderer Schreibweise",
       [&](const std::string& p) {
         MakeWithTables(p, {"KULTUREN", "stdtaetigkeiten", "Standort", "Personal", "Kulturstandorte", "Taetigkeiten",
                            "Lohn", "Lohneinteilung", "Wochenarbeitszeit"});
       },
       true},
      {"Kulturen ohne Spalte Barcode",
       [&](const std::string& p) {
         MakeWithTables(p, all);
         ASSERT_TRUE(db::Database::Open(p)->Execute("ALTER TABLE Kulturen DROP COLUMN Barcode"));
       },
       false},
  };
  for (const std::string& missing : all) {
    std::vector<std::string> rest;
    for (const std::string& t : all) {
      if (t != missing) rest.push_back(t);
    }
    cases.push_back({"ohne " + missing, [&, rest](const std::string& p) { MakeWithTables(p, rest); }, false});
  }
  int i = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sink_.messages.clear();
    const std::string path = Path("Betriebe/M" + std::to_string(i++) + ".mdb");
    c.make(path);
    state().enterprise.AktuellerBetrieb = path;
    state().enterprise.PruefungOk = !c.ok;
    const EinstellungenSatz before = state().enterprise.AktuelleEinstellungen;
    mdlFehler::Morvin5DatenbankPruefen();
    EXPECT_EQ(state().enterprise.PruefungOk, c.ok);
    if (c.ok) {
      EXPECT_TRUE(Messages().empty());
    } else {
      ExpectOneCritical(kMorvin5Text);
    }
    // Only reported: nothing is replaced.
    EXPECT_EQ(state().enterprise.AktuellerBetrieb, path);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.MaterialPfad, before.MaterialPfad);
  }
}

TEST_F(ChecksTest, Morvin5CheckWithoutEnterprisePathDoesNothing) {
  for (bool previous : {true, false}) {
    state().enterprise.AktuellerBetrieb.clear();
    state().enterprise.PruefungOk = previous;
    mdlFehler::Morvin5DatenbankPruefen();
    EXPECT_EQ(state().enterprise.PruefungOk, previous);
  }
  EXPECT_TRUE(Messages().empty());
}

// A missing Tolvar-Datenbank is not reported (the opening creates it); one that exists but is
// unusable is, naming the file and what is missing.
TEST_F(ChecksTest, TolvarDatabase) {
  struct Case {
    const char* name;
    std::function<void(const std::string&)> make;
    bool ok;
    const char* names;
  };
  const std::vector<Case> cases = {
      {"vollständig", [&](const std::string& p) { Make(p, kTolvarSchema); }, true, ""},
      {"Datei fehlt", [](const std::string&) {}, false, ""},
      {"keine Datenbank", [&](const std::string& p) { MakeGarbage(p); }, false,
       "Die Datei kann nicht als Datenbank geöffnet werden."},
      {"leere Datei", [](const std::string& p) { std::ofstream(p, std::ios::binary).flush(); }, false,
       "Die Datei ist leer."},
      {"ohne BetriebEinstellungen", [&](const std::string& p) { MakeWithTables(p, {"KulturPhasen"}); }, false,
       "Es fehlt die Tabelle \"BetriebEinstellungen\"."},
      {"ohne Spalte TT",
       [&](const std::string& p) {
         Make(p, kTolvarSchema);
         ASSERT_TRUE(db::Database::Open(p)->Execute("ALTER TABLE KulturPhasen DROP COLUMN TT"));
       },
       false, "In der Tabelle \"KulturPhasen\" fehlt: \"TT\"."},
  };
  int i = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sink_.messages.clear();
    state().enterprise.TolvarDatenbankPfad = Path("Betriebe/T" + std::to_string(i++) + ".Tolvar");
    c.make(state().enterprise.TolvarDatenbankPfad);
    state().enterprise.PruefungOk = !c.ok;
    mdlFehler::TolvarDatenbankPruefen();
    EXPECT_EQ(state().enterprise.PruefungOk, c.ok);
    if (c.ok || std::string(c.name) == "Datei fehlt") {
      EXPECT_TRUE(Messages().empty());
      continue;
    }
    ExpectOneCritical("Die Tolvar-Datenbank des Betriebs ist ungültig und kann nicht geöffnet werden.");
    EXPECT_NE(Messages()[0].text.find("Datei: " + state().enterprise.TolvarDatenbankPfad + "\n" + c.names),
              std::string::npos)
        << Messages()[0].text;
    // An empty file is said to be empty, not to lack every table.
    if (std::string(c.name) == "leere Datei") {
      EXPECT_EQ(Messages()[0].text.find("Es fehlt"), std::string::npos) << Messages()[0].text;
    }
  }
}

// The three checks with a fallback: a usable database passes untouched; anything else is
// reported and replaced by the default, in memory and in the settings row.
TEST_F(ChecksTest, MaterialDatabase) {
  const std::string path = Path("Alt/Material.mdb");
  struct Case {
    const char* name;
    std::function<void()> make;
    bool ok;
  };
  const std::vector<Case> cases = {
      {"gültig", [&] { Make(path, kMaterialSchema); }, true},
      {"Datei fehlt", [] {}, false},
      {"keine Datenbank", [&] { MakeGarbage(path); }, false},
      {"ohne Tabelle Material", [&] { MakeWithTables(path, {"Gefaesse"}); }, false},
      {"ohne Spalte Preis",
       [&] {
         Make(path, kMaterialSchema);
         ASSERT_TRUE(db::Database::Open(path)->Execute("ALTER TABLE Material DROP COLUMN Preis"));
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sink_.messages.clear();
    state().enterprise.AktuelleEinstellungen.MaterialPfad = path;
    {
      db::Recordset rs = Row();
      ASSERT_EQ(rs["MaterialPfad"].text(), path);
    }
    c.make();
    mdlFehler::MaterialDatenbankPruefen();
    EXPECT_EQ(state().enterprise.PruefungOk, c.ok);
    const std::string expected = c.ok ? path : data::InstallPath(data::kStandardMaterialdatenbank);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.MaterialPfad, expected);
    db::Recordset rs = Row();
    EXPECT_EQ(rs["MaterialPfad"].text(), expected);
    EXPECT_EQ(rs["Ergebnisdatenbank"].text(), Path("Alt/Ergebnisse.mdb"));
    if (c.ok) {
      EXPECT_TRUE(Messages().empty());
    } else {
      ExpectOneCritical(kMaterialText);
    }
    // Back to the old path for the next case.
    if (sys::FileExists(path)) sys::DeleteFile(path);
    auto database = db::Database::Open(state().enterprise.TolvarDatenbankPfad);
    database->Execute("UPDATE \"BetriebEinstellungen\" SET \"MaterialPfad\" = ?", {path});
  }
}

// A folder in place of the default material database is named as a folder; it is the
// user's and stays, and the setting stays as it was.
TEST_F(ChecksTest, AFolderInPlaceOfTheDefaultIsNamedAsAFolder) {
  const std::string path = Path("Alt/Material.mdb");
  MakeGarbage(path);
  const std::string standard = data::InstallPath(data::kStandardMaterialdatenbank);
  sys::DeleteFile(standard);
  ASSERT_TRUE(sys::CreateFolder(standard));
  mdlFehler::MaterialDatenbankPruefen();
  ExpectOneCritical(
      "Die ausgewählte Material-Datenbank ist ungültig und kann nicht geöffnet werden. Die Standard-Material-Datenbank "
      "kann ebenfalls nicht geladen werden.");
  const std::string& text = Messages()[0].text;
  EXPECT_NE(text.find("\n\nDatei: " + standard + "\nDer Name bezeichnet einen Ordner, keine Datei."), std::string::npos)
      << text;
  EXPECT_EQ(text.find("nicht gefunden"), std::string::npos) << text;
  EXPECT_TRUE(sys::FolderExists(standard));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.MaterialPfad, path);
}

// A default found damaged and blocked earlier in the run is opened again once a sound copy
// from the shipped tree stands in its place.
TEST_F(ChecksTest, ADefaultRestoredInPlaceIsOpenedAgain) {
  const std::string standard = data::InstallPath(data::kStandardMaterialdatenbank);
  MakeGarbage(standard);
  db::BlockFile(standard);
  state().enterprise.AktuelleEinstellungen.MaterialPfad = standard;
  mdlFehler::MaterialDatenbankPruefen();
  ExpectOneCritical(kMaterialText);
  EXPECT_NE(Messages()[0].text.find("war beschädigt und wurde aus den ausgelieferten Daten wiederhergestellt"),
            std::string::npos)
      << Messages()[0].text;
  EXPECT_NE(db::Database::Open(standard), nullptr);
}

TEST_F(ChecksTest, ResultDatabase) {
  const std::string path = Path("Alt/Ergebnisse.mdb");
  struct Case {
    const char* name;
    std::function<void()> make;
    bool ok;
  };
  const std::vector<Case> cases = {
      {"gültig", [&] { Make(path, kErgebnisSchema); }, true},
      {"Datei fehlt", [] {}, false},
      {"keine Datenbank", [&] { MakeGarbage(path); }, false},
      {"ohne Vergleichskulturen", [&] { MakeWithTables(path, {"Andere"}); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sink_.messages.clear();
    state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = path;
    c.make();
    mdlFehler::ErgebnisDatenbankPruefen();
    EXPECT_EQ(state().enterprise.PruefungOk, c.ok);
    const std::string expected = c.ok ? path : data::InstallPath(data::kStandardErgebnisdatenbank);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, expected);
    db::Recordset rs = Row();
    EXPECT_EQ(rs["Ergebnisdatenbank"].text(), expected);
    EXPECT_EQ(rs["MaterialPfad"].text(), Path("Alt/Material.mdb"));
    if (c.ok) {
      EXPECT_TRUE(Messages().empty());
    } else {
      ExpectOneCritical(kErgebnisText);
    }
    if (sys::FileExists(path)) sys::DeleteFile(path);
    auto database = db::Database::Open(state().enterprise.TolvarDatenbankPfad);
    database->Execute("UPDATE \"BetriebEinstellungen\" SET \"Ergebnisdatenbank\" = ?", {path});
  }
}

TEST_F(ChecksTest, HeatingModelDatabases) {
  const std::string tech = Path("Alt/TechDaten.mdb");
  const std::string klima = Path("Alt/Klimadaten.mdb");
  struct Case {
    const char* name;
    std::function<void()> make;
    bool ok;
  };
  const std::vector<Case> cases = {
      {"gültig",
       [&] {
         Make(tech, kTechDatenSchema);
         MakeWithTables(klima, {"Stationen"});
       },
       true},
      {"Klimadaten fehlen", [&] { Make(tech, kTechDatenSchema); }, false},
      // The weather database is read by the heating: it must be a database.
      {"Klimadaten keine Datenbank",
       [&] {
         Make(tech, kTechDatenSchema);
         MakeGarbage(klima);
       },
       false},
      {"TechDaten fehlen", [&] { MakeGarbage(klima); }, false},
      {"ohne GWHMaterial",
       [&] {
         MakeWithTables(tech, {"Heizmaterialien"});
         MakeGarbage(klima);
       },
       false},
      {"ohne Heizmaterialien",
       [&] {
         MakeWithTables(tech, {"GWHMaterial"});
         MakeGarbage(klima);
       },
       false},
      {"TechDaten keine Datenbank",
       [&] {
         MakeGarbage(tech);
         MakeGarbage(klima);
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sink_.messages.clear();
    EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
    e.VantelPfad = tech;
    e.KlimaPfad = klima;
    e.Wetterstation = "Hof";
    e.StandardStation = base::kFalse;
    c.make();
    mdlFehler::VantelDatenbankPruefen();
    EXPECT_EQ(state().enterprise.PruefungOk, c.ok);
    db::Recordset rs = Row();
    if (c.ok) {
      EXPECT_TRUE(Messages().empty());
      EXPECT_EQ(e.VantelPfad, tech);
      EXPECT_EQ(e.Wetterstation, "Hof");
      EXPECT_EQ(e.StandardStation, base::kFalse);
      EXPECT_EQ(rs["VantelPfad"].text(), tech);
    } else {
      ExpectOneCritical(kVantelText);
      // Four fields in memory ...
      EXPECT_EQ(e.VantelPfad, data::InstallPath(data::kStandardVanteldatenbank));
      EXPECT_EQ(e.KlimaPfad, data::InstallPath(data::kStandardWetterdatenbank));
      EXPECT_EQ(e.Wetterstation, "Landesmitte");
      EXPECT_EQ(e.StandardStation, base::kTrue);
      // ... three in the row; StandardStation stays as it was there.
      EXPECT_EQ(rs["VantelPfad"].text(), e.VantelPfad);
      EXPECT_EQ(rs["KlimaPfad"].text(), e.KlimaPfad);
      EXPECT_EQ(rs["Wetterstation"].text(), "Landesmitte");
      EXPECT_EQ(rs["StandardStation"], db::Value(0));
      // The reload of the opening takes StandardStation from the row.
      ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
      EXPECT_EQ(state().enterprise.AktuelleEinstellungen.StandardStation, base::kFalse);
      EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Wetterstation, "Landesmitte");
    }
    EXPECT_EQ(rs["Strom"].text(), "0,2");
    for (const std::string& p : {tech, klima}) {
      if (sys::FileExists(p)) sys::DeleteFile(p);
    }
    auto database = db::Database::Open(state().enterprise.TolvarDatenbankPfad);
    database->Execute(
        "UPDATE \"BetriebEinstellungen\" SET \"VantelPfad\" = ?, \"KlimaPfad\" = ?, "
        "\"Wetterstation\" = 'Hof'",
        {tech, klima});
  }
}

// A climate table of the chosen station without a value for an hour of a week fails the
// check: the message names the station's table, and the shipped weather database comes back
// in place of the damaged default one.
TEST_F(ChecksTest, IncompleteClimateTableOfTheStationFallsBackToTheShippedOne) {
  const std::string standard = data::InstallPath(data::kStandardWetterdatenbank);
  const std::string ausgeliefert = sys::JoinPath(sys::ShippedTree(), std::string(data::kStandardWetterdatenbank));
  const std::string tech = Path("Alt/TechDaten.mdb");
  struct Case {
    const char* name;
    const char* tabelle;
    std::string sql;
  };
  const std::vector<Case> cases = {
      {"eine Stunde fehlt", "Hof-Temperatur",
       "DELETE FROM \"Hof-Temperatur\" WHERE rowid = (SELECT MAX(rowid) FROM \"Hof-Temperatur\")"},
      {"ein Wert ist Null", "Hof-Einstrahlung", "UPDATE \"Hof-Einstrahlung\" SET \"W12\" = NULL WHERE \"Stunde\" = 5"},
      {"eine Woche fehlt", "Hof-Temperatur", "ALTER TABLE \"Hof-Temperatur\" DROP COLUMN \"W52\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sink_.messages.clear();
    ASSERT_TRUE(sys::CreateFolder(sys::FolderOf(standard)));
    ASSERT_TRUE(sys::SafeCopy(ausgeliefert, standard));
    Make(tech, kTechDatenSchema);
    {
      auto klima = db::Database::Open(standard);
      ASSERT_TRUE(klima);
      ASSERT_TRUE(klima->Execute(c.sql)) << klima->LastError();
    }
    EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
    e.VantelPfad = tech;
    e.KlimaPfad = standard;
    e.Wetterstation = "Hof";
    mdlFehler::VantelDatenbankPruefen();
    EXPECT_FALSE(state().enterprise.PruefungOk);
    ExpectOneCritical(kVantelText);
    EXPECT_NE(Messages()[0].text.find(std::string("\"") + c.tabelle + "\" der Wetterstation \"Hof\""),
              std::string::npos)
        << Messages()[0].text;
    EXPECT_EQ(e.Wetterstation, "Landesmitte");
    EXPECT_EQ(FileContents(standard), FileContents(ausgeliefert));
    EXPECT_TRUE(sys::FileExists(standard + ".beschädigt"));
    for (const std::string& p : {tech, standard + ".beschädigt"}) sys::DeleteFile(p);
  }
  // The shipped tables pass.
  sink_.messages.clear();
  Make(tech, kTechDatenSchema);
  state().enterprise.AktuelleEinstellungen.VantelPfad = tech;
  state().enterprise.AktuelleEinstellungen.Wetterstation = "Hof";
  mdlFehler::VantelDatenbankPruefen();
  EXPECT_TRUE(state().enterprise.PruefungOk);
  EXPECT_TRUE(Messages().empty());
}

// Without a writable settings row the fallback still reports and corrects memory.
TEST_F(ChecksTest, FallbackWithoutSettingsRow) {
  struct Case {
    const char* name;
    std::function<void()> make;
  };
  const std::vector<Case> cases = {
      {"Tolvar-Datenbank fehlt", [&] { state().enterprise.TolvarDatenbankPfad = Path("Betriebe/fehlt.Tolvar"); }},
      {"Tabelle ohne Zeile",
       [&] {
         state().enterprise.TolvarDatenbankPfad = Path("Betriebe/leer.Tolvar");
         Make(state().enterprise.TolvarDatenbankPfad, kTolvarSchema);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sink_.messages.clear();
    c.make();
    state().enterprise.AktuelleEinstellungen.MaterialPfad = Path("Alt/fehlt.mdb");
    mdlFehler::MaterialDatenbankPruefen();
    EXPECT_FALSE(state().enterprise.PruefungOk);
    ExpectOneCritical(kMaterialText);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.MaterialPfad,
              data::InstallPath(data::kStandardMaterialdatenbank));
  }
  EXPECT_FALSE(sys::FileExists(Path("Betriebe/fehlt.Tolvar")));
  auto database = db::Database::Open(Path("Betriebe/leer.Tolvar"));
  ASSERT_NE(database, nullptr);
  EXPECT_EQ(database->OpenTable("BetriebEinstellungen").RecordCount(), 0);
}

}  // namespace
}  // namespace tolvar::test
