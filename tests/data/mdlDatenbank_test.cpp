// The enterprise file commands: template copy, registry values, open, save as, backup and
// its replacement, restore, new result database; refusals, cancels and failed copies.

#include "data/mdlDatenbank.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "data/data_fixture.h"
#include "data/mdlDatenbank_systeminfo.h"
#include "data/mdlUpDate.h"
#include "data/paths.h"
#include "data/settings_row.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"
#include "support/messages.h"

namespace tolvar::test {
namespace {

namespace fs = std::filesystem;
using data::Befehlsergebnis;
using data::MessageStyle;

constexpr const char* kErsterStempel = "01.02.2024 10:00:00";
constexpr const char* kJetzt = "10.12.2024 14:05:09";

// A short fingerprint of a file's bytes (size and hash), "fehlt" for no file.
std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "fehlt";
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return std::to_string(bytes.size()) + ":" + std::to_string(std::hash<std::string>{}(bytes));
}

// Names of the files in `folder`, hidden ones included (left-over temporary copies).
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class EnterpriseFilesTest : public DataTest {
 public:
  void SetUp() override {
    DataTest::SetUp();
    betrieb_ = Path("Betriebe/Muster.mdb");
    tolvar_ = Path("Betriebe/Muster.Tolvar");
    MakePair(betrieb_, tolvar_, "Muster", "0,2");
    Make(Path("\\Tolvar_DB\\VorlageErgebnisse.tvd"), kErgebnisSchema);
    {
      auto vorlage = Make(Path("\\Tolvar_DB\\Vorlage.Tolvar"), kTolvarSchema);
      Insert(*vorlage, "BetriebEinstellungen", {{"Strom", ""}});
    }
    State& s = state();
    s.enterprise.AktuellerBetrieb = betrieb_;
    s.enterprise.TolvarDatenbankPfad = tolvar_;
    s.enterprise.BetriebOffen = true;
    s.enterprise.AktuelleEinstellungen.Strom = "0,33";  // typed in this session, not yet on disk
    // Save dialogs offer existing folders only.
    for (const char* ordner : {"Kopien", "Neu", "Ergebnisse"}) sys::CreateFolder(Path(ordner));
  }

  // An enterprise pair: a culture named `marke` in the first file, a settings row in the second.
  void MakePair(const std::string& mdb, const std::string& twin, const std::string& marke, const std::string& strom,
                const char* stempel = "") {
    auto m = Make(mdb, kMorvin5Schema);
    Insert(*m, "Kulturen", {{"KulturNr", "K1001"}, {"Kulturname", marke}});
    auto t = Make(twin, kTolvarSchema);
    Insert(*t, "BetriebEinstellungen", {{"Strom", strom}, {"LetzteAenderung", stempel}});
  }

  // A fresh start for the next case of a table: empty folder, state and pair as in SetUp.
  void Reset() {
    TearDown();
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir_.Path(), ec)) fs::remove_all(entry.path(), ec);
    SetUp();
  }

  std::string Column(const std::string& path, const char* table, const char* column) {
    return FirstRow(path, table).Field(column).text();
  }
  std::string Backup(const char* name) const { return Path(std::string("Sicherungsdateien/") + name); }

  // A runtime error of the command `was`, naming `datei` as the Tolvar-Datenbank that failed.
  static void ExpectUngueltig(const Befehlsergebnis& e, const std::string& was, const std::string& datei) {
    ASSERT_TRUE(e.meldung);
    EXPECT_EQ(e.meldung->title, "Laufzeitfehler");
    EXPECT_EQ(e.meldung->style, MessageStyle::Critical);
    const std::string anfang = was + "\n\nDie Tolvar-Datenbank ist ungültig.\nDatei: " + datei + "\n";
    EXPECT_EQ(e.meldung->text.rfind(anfang, 0), 0u) << e.meldung->text;
  }

  std::string betrieb_;
  std::string tolvar_;
};

// ---------------------------------------------------------------- names and paths

TEST(EnterpriseFileNames, SaveDialogTargetGetsMdbUnlessItEndsSo) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/d/Neu", "/d/Neu.mdb"},
      {"/d/Neu.mdb", "/d/Neu.mdb"},
      {"/d/Neu.MDB", "/d/Neu.MDB"},
      {"/d/Neu.Mdb", "/d/Neu.Mdb"},
      {"/d/Neu.txt", "/d/Neu.txt.mdb"},
      {"/d/Neu.mdb.bak", "/d/Neu.mdb.bak.mdb"},
      {"/d/Gärtnerei", "/d/Gärtnerei.mdb"},
      {"mdb", "mdb.mdb"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(data::Zieldatei(name), expected) << name;
}

TEST(EnterpriseFileNames, TwinAndBackupNames) {
  EXPECT_EQ(data::Zwillingspfad("/d/Muster.mdb", ".Tolvar"), "/d/Muster.Tolvar");
  EXPECT_EQ(data::Zwillingspfad("/d/Gärtnerei Müller.MDB", ".Tolvar"), "/d/Gärtnerei Müller.Tolvar");
  EXPECT_EQ(data::Zwillingspfad("/s/Betrieb A.MSD", ".TSD"), "/s/Betrieb A.TSD");
  const data::Sicherungsnamen namen = data::SicherungsnamenVon("/irgendwo/Betrieb A.mdb");
  EXPECT_EQ(namen.morvin5, "Betrieb A.MSD");
  EXPECT_EQ(namen.tolvar, "Betrieb A.TSD");
  EXPECT_EQ(data::SicherungsnamenVon("/x.y/Gärtnerei.mdb").tolvar, "Gärtnerei.TSD");
}

// ---------------------------------------------------------------- template and registry

TEST_F(EnterpriseFilesTest, TolvarDatabaseIsCopiedFromTheTemplate) {
  state().enterprise.AktuellerBetrieb = Path("Betriebe/Neu.mdb");
  std::string meldung;
  ASSERT_TRUE(mdlDatenbank::TolvarDatenbankAnlegen(&meldung)) << meldung;
  EXPECT_EQ(Bytes(Path("Betriebe/Neu.Tolvar")), Bytes(Path("\\Tolvar_DB\\Vorlage.Tolvar")));

  // An existing file is replaced.
  state().enterprise.AktuellerBetrieb = betrieb_;
  ASSERT_TRUE(mdlDatenbank::TolvarDatenbankAnlegen(&meldung)) << meldung;
  EXPECT_EQ(Bytes(tolvar_), Bytes(Path("\\Tolvar_DB\\Vorlage.Tolvar")));
}

TEST_F(EnterpriseFilesTest, MissingTemplateIsReportedAndKeepsTheOldFile) {
  const std::string vorher = Bytes(tolvar_);
  sys::DeleteFile(Path("\\Tolvar_DB\\Vorlage.Tolvar"));
  std::string meldung;
  EXPECT_FALSE(mdlDatenbank::TolvarDatenbankAnlegen(&meldung));
  EXPECT_NE(meldung.find(Path("\\Tolvar_DB\\Vorlage.Tolvar")), std::string::npos) << meldung;
  EXPECT_EQ(Bytes(tolvar_), vorher);
}

TEST_F(EnterpriseFilesTest, RegistryGetsFolderThenVersion) {
  ScopedRegistry registry;
  state().enterprise.Programmpfad = "/home/anna/.local/share/Tolvar";
  state().enterprise.Programmversion = "1.2.3";
  mdlUpDate::RegistryEintraegeSchreiben();
  const std::vector<sys::MemoryRegistry::Write> expected = {
      {"Software\\Halvorn\\Tolvar\\Pfade", "Tolvar-Verz", "/home/anna/.local/share/Tolvar"},
      {"Software\\Halvorn\\Tolvar\\Version", "Version", "1.2.3"}};
  EXPECT_EQ(registry->Writes(), expected);
}

// ---------------------------------------------------------------- "Betrieb öffnen"

TEST_F(EnterpriseFilesTest, OpenSwitchesAfterSavingTheSettings) {
  const std::string anderer = Path("Andere/Zweiter.MDB");
  const Befehlsergebnis e = mdlDatenbank::BetriebOeffnen(anderer);
  EXPECT_TRUE(e.hauptfensterNeuLaden);
  EXPECT_FALSE(e.meldung);
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, anderer);
  EXPECT_EQ(state().enterprise.TolvarDatenbankPfad, Path("Andere/Zweiter.Tolvar"));
  EXPECT_FALSE(state().enterprise.BetriebOffen);
  EXPECT_EQ(Column(tolvar_, "BetriebEinstellungen", "Strom"), "0,33");
}

TEST_F(EnterpriseFilesTest, OpenWorksWithoutAnOpenEnterprise) {
  state().enterprise.BetriebOffen = false;
  const Befehlsergebnis e = mdlDatenbank::BetriebOeffnen(betrieb_);
  EXPECT_TRUE(e.hauptfensterNeuLaden);
  EXPECT_EQ(Column(tolvar_, "BetriebEinstellungen", "Strom"), "0,2");  // nothing written
}

TEST_F(EnterpriseFilesTest, OpenRefusesOtherFilesAndIgnoresCancel) {
  struct Case {
    std::optional<std::string> gewaehlt;
    bool meldung;
  };
  const std::vector<Case> cases = {
      {std::nullopt, false},           {std::string(), false},
      {Path("Betriebe/*.mdb"), false}, {Path("Betriebe/Muster.Tolvar"), true},
      {Path("Betriebe/Muster"), true}, {Path("Betriebe/Muster.txt"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gewaehlt.value_or("(abgebrochen)"));
    const Befehlsergebnis e = mdlDatenbank::BetriebOeffnen(c.gewaehlt);
    EXPECT_FALSE(e.hauptfensterNeuLaden);
    ASSERT_EQ(e.meldung.has_value(), c.meldung);
    if (c.meldung) {
      EXPECT_EQ(e.meldung->text, data::kKeineMdbDatei);
    }
    EXPECT_EQ(state().enterprise.AktuellerBetrieb, betrieb_);
    EXPECT_EQ(state().enterprise.TolvarDatenbankPfad, tolvar_);
    EXPECT_TRUE(state().enterprise.BetriebOffen);
    EXPECT_EQ(Column(tolvar_, "BetriebEinstellungen", "Strom"), "0,2");
  }
}

// ---------------------------------------------------------------- "Sicherungsdatei erstellen"

TEST_F(EnterpriseFilesTest, BackupWritesThePairAndStampsOnlyTheCopy) {
  ASSERT_FALSE(sys::FolderExists(Path("Sicherungsdateien")));  // created on demand
  const Befehlsergebnis e = mdlDatenbank::BetriebSichern();
  ASSERT_TRUE(e.meldung);
  EXPECT_EQ(e.meldung->text, "Datensicherung erfolgreich abgeschlossen");
  EXPECT_EQ(e.meldung->style, MessageStyle::Information);
  EXPECT_EQ(e.meldung->title, "Tolvar-Information");
  EXPECT_FALSE(e.hauptfensterNeuLaden);
  EXPECT_EQ(Bytes(Backup("Muster.MSD")), Bytes(betrieb_));
  EXPECT_EQ(Column(Backup("Muster.TSD"), "BetriebEinstellungen", "LetzteAenderung"), kJetzt);
  EXPECT_EQ(Column(Backup("Muster.TSD"), "BetriebEinstellungen", "Strom"), "0,2");
  EXPECT_EQ(Column(tolvar_, "BetriebEinstellungen", "LetzteAenderung"), "");
  EXPECT_EQ(FilesIn(Path("Sicherungsdateien")), (std::vector<std::string>{"Muster.MSD", "Muster.TSD"}));
  EXPECT_TRUE(sink_.questions.empty());
}

class SecondBackupTest : public EnterpriseFilesTest {
 public:
  void SetUp() override {
    EnterpriseFilesTest::SetUp();
    MakePair(Backup("Muster.MSD"), Backup("Muster.TSD"), "Alt", "0,1", kErsterStempel);
    altM_ = Bytes(Backup("Muster.MSD"));
    altT_ = Bytes(Backup("Muster.TSD"));
  }
  void ExpectOldBackup() {
    EXPECT_EQ(Bytes(Backup("Muster.MSD")), altM_);
    EXPECT_EQ(Bytes(Backup("Muster.TSD")), altT_);
    EXPECT_EQ(FilesIn(Path("Sicherungsdateien")), (std::vector<std::string>{"Muster.MSD", "Muster.TSD"}));
  }
  std::string altM_, altT_;
};

TEST_F(SecondBackupTest, AsksWithTheFirstStampAndNoKeepsBoth) {
  sink_.answers = {false};
  const Befehlsergebnis e = mdlDatenbank::BetriebSichern();
  ASSERT_EQ(sink_.questions.size(), 1u);
  EXPECT_EQ(sink_.questions[0].text, std::string("Von diesem Betrieb existiert eine Sicherungsdatei vom ") +
                                         kErsterStempel +
                                         "\n\r\n\r Soll diese Sicherungsdatei mit der aktuellen Datei ersetzt werden?");
  EXPECT_EQ(sink_.questions[0].title, "Tolvar-Information");
  EXPECT_FALSE(e.meldung);
  ExpectOldBackup();
}

TEST_F(SecondBackupTest, YesReplacesStampsAndConfirms) {
  sink_.answers = {true};
  const Befehlsergebnis e = mdlDatenbank::BetriebSichern();
  ASSERT_TRUE(e.meldung);
  EXPECT_EQ(e.meldung->text, "Datensicherung erfolgreich abgeschlossen");
  EXPECT_EQ(Bytes(Backup("Muster.MSD")), Bytes(betrieb_));
  EXPECT_EQ(Column(Backup("Muster.TSD"), "BetriebEinstellungen", "Strom"), "0,2");
  EXPECT_EQ(Column(Backup("Muster.TSD"), "BetriebEinstellungen", "LetzteAenderung"), kJetzt);
  EXPECT_EQ(FilesIn(Path("Sicherungsdateien")), (std::vector<std::string>{"Muster.MSD", "Muster.TSD"}));
}

TEST_F(SecondBackupTest, DamagedOpenPairReplacesNoBackup) {
  // The enterprise's own Tolvar-Datenbank is damaged: it is named, and nothing is asked or copied.
  sys::DeleteFile(tolvar_);
  MakeGarbage(tolvar_);
  ExpectUngueltig(mdlDatenbank::BetriebSichern(), "Die Sicherungsdatei konnte nicht erstellt werden.", tolvar_);
  EXPECT_TRUE(sink_.questions.empty());
  ExpectOldBackup();
}

// An old ".TSD" that fails the checks, or has no settings row, is named in the replace
// question: No keeps it, Yes writes the new pair, so it never blocks a new backup.
TEST_F(SecondBackupTest, DamagedOldBackupIsNamedAndReplacedOnlyAfterYes) {
  struct Fall {
    const char* name;
    std::function<void(SecondBackupTest&)> beschaedigen;
  };
  const std::vector<Fall> faelle = {
      {"keine Datenbank", [](SecondBackupTest& t) { t.MakeGarbage(t.Backup("Muster.TSD")); }},
      {"ohne Einstellungszeile", [](SecondBackupTest& t) { t.Make(t.Backup("Muster.TSD"), kTolvarSchema); }},
      {"ohne Tabelle KulturPhasen",
       [](SecondBackupTest& t) { t.Make(t.Backup("Muster.TSD"), "CREATE TABLE BetriebEinstellungen (Strom);"); }},
  };
  for (const Fall& fall : faelle) {
    for (const bool ja : {false, true}) {
      SCOPED_TRACE(std::string(fall.name) + (ja ? ", Ja" : ", Nein"));
      Reset();
      sink_.questions.clear();
      sys::DeleteFile(Backup("Muster.TSD"));
      fall.beschaedigen(*this);
      altT_ = Bytes(Backup("Muster.TSD"));
      sink_.answers = {ja};
      const Befehlsergebnis e = mdlDatenbank::BetriebSichern();
      ASSERT_EQ(sink_.questions.size(), 1u);
      EXPECT_EQ(sink_.questions[0].text,
                "Die vorhandene Sicherungsdatei \"Muster.TSD\" ist beschädigt. Soll diese Sicherungsdatei mit der "
                "aktuellen Datei ersetzt werden?");
      EXPECT_EQ(sink_.questions[0].title, "Tolvar-Information");
      if (!ja) {
        EXPECT_FALSE(e.meldung);
        ExpectOldBackup();
        continue;
      }
      ASSERT_TRUE(e.meldung);
      EXPECT_EQ(e.meldung->text, "Datensicherung erfolgreich abgeschlossen");
      EXPECT_EQ(Bytes(Backup("Muster.MSD")), Bytes(betrieb_));
      EXPECT_EQ(Column(Backup("Muster.TSD"), "BetriebEinstellungen", "LetzteAenderung"), kJetzt);
    }
  }
}

TEST_F(SecondBackupTest, LoneTsdAsksAndYesWritesBoth) {
  sys::DeleteFile(Backup("Muster.MSD"));
  sink_.answers = {true};
  const Befehlsergebnis e = mdlDatenbank::BetriebSichern();
  EXPECT_EQ(sink_.questions.size(), 1u);
  ASSERT_TRUE(e.meldung);
  EXPECT_EQ(e.meldung->text, "Datensicherung erfolgreich abgeschlossen");
  EXPECT_EQ(Bytes(Backup("Muster.MSD")), Bytes(betrieb_));
}

TEST_F(SecondBackupTest, LoneMsdIsOverwrittenUnasked) {
  sys::DeleteFile(Backup("Muster.TSD"));
  const Befehlsergebnis e = mdlDatenbank::BetriebSichern();
  EXPECT_TRUE(sink_.questions.empty());
  ASSERT_TRUE(e.meldung);
  EXPECT_EQ(e.meldung->text, "Datensicherung erfolgreich abgeschlossen");
  EXPECT_EQ(Bytes(Backup("Muster.MSD")), Bytes(betrieb_));
}

TEST_F(EnterpriseFilesTest, BackupFailuresAreReported) {
  struct Case {
    const char* name;
    std::function<void(EnterpriseFilesTest*)> make;
  };
  const std::vector<Case> cases = {
      {"Sicherungsordner ist eine Datei", [](EnterpriseFilesTest* t) { t->MakeGarbage(t->Path("Sicherungsdateien")); }},
      {"Tolvar-Datenbank fehlt", [](EnterpriseFilesTest* t) { sys::DeleteFile(t->tolvar_); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    c.make(this);
    const Befehlsergebnis e = mdlDatenbank::BetriebSichern();
    ASSERT_TRUE(e.meldung);
    EXPECT_EQ(e.meldung->title, "Laufzeitfehler");
    EXPECT_FALSE(sys::FileExists(Backup("Muster.MSD")));
  }
}

// ---------------------------------------------------------------- "Betrieb speichern unter ..."

TEST_F(EnterpriseFilesTest, SaveAsCopiesThePairWithTheSessionSettings) {
  const Befehlsergebnis e = mdlDatenbank::BetriebSpeichernUnter(Path("Kopien/Neu"));
  EXPECT_TRUE(e.hauptfensterNeuLaden);
  EXPECT_FALSE(e.meldung);
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, Path("Kopien/Neu.mdb"));
  EXPECT_EQ(state().enterprise.TolvarDatenbankPfad, tolvar_);  // the closing still writes the source
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_EQ(Bytes(Path("Kopien/Neu.mdb")), Bytes(betrieb_));
  EXPECT_EQ(Column(Path("Kopien/Neu.Tolvar"), "BetriebEinstellungen", "Strom"), "0,33");
  EXPECT_EQ(Column(tolvar_, "BetriebEinstellungen", "Strom"), "0,33");
}

TEST_F(EnterpriseFilesTest, SaveAsReplacesAnExistingPairUnasked) {
  MakePair(Path("Kopien/Neu.mdb"), Path("Kopien/Neu.Tolvar"), "Alt", "9");
  const Befehlsergebnis e = mdlDatenbank::BetriebSpeichernUnter(Path("Kopien/Neu.mdb"));
  EXPECT_TRUE(e.hauptfensterNeuLaden);
  EXPECT_TRUE(sink_.questions.empty());
  EXPECT_EQ(Column(Path("Kopien/Neu.mdb"), "Kulturen", "Kulturname"), "Muster");
  EXPECT_EQ(Column(Path("Kopien/Neu.Tolvar"), "BetriebEinstellungen", "Strom"), "0,33");
  EXPECT_EQ(FilesIn(Path("Kopien")), (std::vector<std::string>{"Neu.Tolvar", "Neu.mdb"}));
}

// Runs a pair command that must change nothing: no reopening, the state and the open pair
// as before, and the given message (none for a cancel).
void ExpectNothingChanged(EnterpriseFilesTest* t, const Befehlsergebnis& e, std::optional<std::string> title,
                          const std::string& betriebVorher) {
  EXPECT_FALSE(e.hauptfensterNeuLaden);
  EXPECT_EQ(e.meldung.has_value(), title.has_value());
  if (e.meldung && title) {
    EXPECT_EQ(e.meldung->title, *title) << e.meldung->text;
  }
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, t->betrieb_);
  EXPECT_EQ(state().enterprise.TolvarDatenbankPfad, t->tolvar_);
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_EQ(Bytes(t->betrieb_), betriebVorher);
}

TEST_F(EnterpriseFilesTest, SaveAsRefusalsCancelsAndFailures) {
  struct Case {
    const char* name;
    std::function<std::optional<std::string>(EnterpriseFilesTest*)> target;
    std::optional<std::string> title;
    const char* untouched;  // a target file that must keep its bytes
  };
  const std::vector<Case> cases = {
      {"abgebrochen", [](EnterpriseFilesTest*) { return std::nullopt; }, std::nullopt, nullptr},
      {"Vorgabe mit Platzhalter", [](EnterpriseFilesTest* t) { return t->Path("\\Tolvar_DB\\*.mdb"); }, std::nullopt,
       nullptr},
      {"eigene Datei", [](EnterpriseFilesTest* t) { return t->betrieb_; }, "Tolvar-Information", nullptr},
      {"eigene Datei ohne Endung", [](EnterpriseFilesTest* t) { return t->Path("Betriebe/Muster"); },
       "Tolvar-Information", nullptr},
      {"eigene Datei über Umweg", [](EnterpriseFilesTest* t) { return t->Path("Betriebe/../Betriebe/./Muster.mdb"); },
       "Tolvar-Information", nullptr},
      {"Zielordner ist eine Datei",
       [](EnterpriseFilesTest* t) {
         t->MakeGarbage(t->Path("Datei"));
         return t->Path("Datei/Neu.mdb");
       },
       "Laufzeitfehler", nullptr},
      {"Ziel ohne Zwilling",
       [](EnterpriseFilesTest* t) {
         t->Make(t->Path("Kopien/Neu.mdb"), kMorvin5Schema);
         return t->Path("Kopien/Neu.mdb");
       },
       "Laufzeitfehler", "Kopien/Neu.mdb"},
      {"Zwilling ist ein Ordner",
       [](EnterpriseFilesTest* t) {
         sys::CreateFolder(t->Path("Kopien/Neu.Tolvar"));
         return t->Path("Kopien/Neu.mdb");
       },
       "Laufzeitfehler", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    const std::optional<std::string> target = c.target(this);
    const std::string untouched = c.untouched ? Bytes(Path(c.untouched)) : "";
    const std::string m = Bytes(betrieb_), t = Bytes(tolvar_);
    const Befehlsergebnis e = mdlDatenbank::BetriebSpeichernUnter(target);
    ExpectNothingChanged(this, e, c.title, m);
    // The settings reach the open enterprise's row only when a copy was attempted.
    if (!c.title || *c.title != "Laufzeitfehler") {
      EXPECT_EQ(Bytes(tolvar_), t);
    }
    if (c.untouched) {
      EXPECT_EQ(Bytes(Path(c.untouched)), untouched);
    }
    if (std::string(c.name) == "Zwilling ist ein Ordner") {
      EXPECT_FALSE(sys::FileExists(Path("Kopien/Neu.mdb")));  // the half pair was taken back
      EXPECT_EQ(FilesIn(Path("Kopien")), (std::vector<std::string>{"Neu.Tolvar"}));
    }
  }
}

TEST_F(EnterpriseFilesTest, SaveAsAndOthersDoNothingWithoutAnOpenEnterprise) {
  state().enterprise.BetriebOffen = false;
  EXPECT_FALSE(mdlDatenbank::BetriebSpeichernUnter(Path("Kopien/Neu.mdb")).hauptfensterNeuLaden);
  EXPECT_FALSE(mdlDatenbank::BetriebSichern().meldung);
  EXPECT_FALSE(mdlDatenbank::SicherungLaden(betrieb_, Path("Kopien/Neu.mdb")).hauptfensterNeuLaden);
  EXPECT_FALSE(mdlDatenbank::ErgebnisdatenbankAnlegen(Path("Kopien/Erg.mdb")).meldung);
  EXPECT_TRUE(FilesIn(Path("Kopien")).empty());
  EXPECT_FALSE(sys::FolderExists(Path("Sicherungsdateien")));
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, betrieb_);
}

// ---------------------------------------------------------------- "Sicherungsdatei laden"

class RestoreTest : public EnterpriseFilesTest {
 public:
  void SetUp() override {
    EnterpriseFilesTest::SetUp();
    MakePair(Backup("Gesichert.MSD"), Backup("Gesichert.TSD"), "Gesichert", "0,15", kErsterStempel);
    msd_ = Bytes(Backup("Gesichert.MSD"));
    tsd_ = Bytes(Backup("Gesichert.TSD"));
  }
  void ExpectBackupUnchanged() {
    EXPECT_EQ(Bytes(Backup("Gesichert.MSD")), msd_);
    EXPECT_EQ(Bytes(Backup("Gesichert.TSD")), tsd_);
  }
  std::string msd_, tsd_;
};

TEST_F(RestoreTest, CopiesThePairOntoTheTargetAndOpensIt) {
  const Befehlsergebnis e = mdlDatenbank::SicherungLaden(Backup("Gesichert.MSD"), Path("Neu/Zurück"));
  EXPECT_TRUE(e.hauptfensterNeuLaden);
  EXPECT_FALSE(e.meldung);
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, Path("Neu/Zurück.mdb"));
  EXPECT_EQ(state().enterprise.TolvarDatenbankPfad, Path("Neu/Zurück.Tolvar"));
  EXPECT_FALSE(state().enterprise.BetriebOffen);
  EXPECT_EQ(Bytes(Path("Neu/Zurück.mdb")), msd_);
  EXPECT_EQ(Bytes(Path("Neu/Zurück.Tolvar")), tsd_);
  ExpectBackupUnchanged();
  // The enterprise that was open kept this session's settings.
  EXPECT_EQ(Column(tolvar_, "BetriebEinstellungen", "Strom"), "0,33");
}

TEST_F(RestoreTest, RestoresOverTheOpenEnterprise) {
  const Befehlsergebnis e = mdlDatenbank::SicherungLaden(Backup("Gesichert.MSD"), betrieb_);
  EXPECT_TRUE(e.hauptfensterNeuLaden);
  EXPECT_EQ(Column(betrieb_, "Kulturen", "Kulturname"), "Gesichert");
  EXPECT_EQ(Column(tolvar_, "BetriebEinstellungen", "Strom"), "0,15");
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, betrieb_);
  ExpectBackupUnchanged();
}

TEST_F(RestoreTest, CancelAndFailureKeepTheOpenEnterprise) {
  struct Case {
    const char* name;
    std::optional<std::string> sicherung;
    std::optional<std::string> ziel;
    std::optional<std::string> title;
  };
  const std::vector<Case> cases = {
      {"Sicherung nicht gewählt", std::nullopt, std::nullopt, std::nullopt},
      {"Ziel abgebrochen", Backup("Gesichert.MSD"), std::nullopt, std::nullopt},
      {"TSD fehlt", Backup("Fehlt.MSD"), betrieb_, "Laufzeitfehler"},
      {"Zielordner ist eine Datei", Backup("Gesichert.MSD"), Path("Betriebe/Muster.mdb/x.mdb"), "Laufzeitfehler"},
  };
  Make(Backup("Fehlt.MSD"), kMorvin5Schema);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string m = Bytes(betrieb_), t = Bytes(tolvar_);
    const Befehlsergebnis e = mdlDatenbank::SicherungLaden(c.sicherung, c.ziel);
    ExpectNothingChanged(this, e, c.title, m);
    if (!c.title) {
      EXPECT_EQ(Bytes(tolvar_), t);
    }
    ExpectBackupUnchanged();
  }
}

// A backup pair that fails the checks of an enterprise pair is named before anything is
// written: the open enterprise keeps its bytes and stays open.
TEST_F(RestoreTest, ADamagedBackupIsNamedAndNothingIsWritten) {
  const std::string kaputt = Backup("Kaputt.TSD");
  Make(Backup("Kaputt.MSD"), kMorvin5Schema);
  MakeGarbage(kaputt);
  const std::string m = Bytes(betrieb_), t = Bytes(tolvar_);
  const Befehlsergebnis e = mdlDatenbank::SicherungLaden(Backup("Kaputt.MSD"), betrieb_);
  ExpectUngueltig(e, "Die Sicherungsdatei konnte nicht geladen werden.", kaputt);
  EXPECT_FALSE(e.hauptfensterNeuLaden);
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, betrieb_);
  EXPECT_EQ(Bytes(betrieb_), m);
  EXPECT_EQ(Bytes(tolvar_), t);
}

// ---------------------------------------------------------------- "Neue Ergebnisdatenbank anlegen"

class ResultDatabaseTest : public EnterpriseFilesTest {
 public:
  void SetUp() override {
    EnterpriseFilesTest::SetUp();
    state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = "/alt/Ergebnisse.mdb";
  }
  std::string Vorlage() { return Bytes(Path("\\Tolvar_DB\\VorlageErgebnisse.tvd")); }
};

TEST_F(ResultDatabaseTest, NewFileIsCopiedAndBecomesTheResultDatabase) {
  const Befehlsergebnis e = mdlDatenbank::ErgebnisdatenbankAnlegen(Path("Ergebnisse/Neu"));
  EXPECT_FALSE(e.meldung);
  EXPECT_FALSE(e.hauptfensterNeuLaden);
  EXPECT_TRUE(sink_.questions.empty());
  EXPECT_EQ(Bytes(Path("Ergebnisse/Neu.mdb")), Vorlage());
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, Path("Ergebnisse/Neu.mdb"));
}

TEST_F(ResultDatabaseTest, ExistingFileIsReplacedOnlyAfterYes) {
  const std::string ziel = Path("Ergebnisse/Alt.mdb");
  Make(ziel, kErgebnisSchema + std::string("INSERT INTO Vergleichskulturen (Kultur) VALUES ('x');"));
  const std::string vorher = Bytes(ziel);
  for (const bool ja : {false, true}) {
    SCOPED_TRACE(ja ? "Ja" : "Nein");
    sink_.questions.clear();
    sink_.answers = {ja};
    const Befehlsergebnis e = mdlDatenbank::ErgebnisdatenbankAnlegen(ziel);
    EXPECT_FALSE(e.meldung);
    ASSERT_EQ(sink_.questions.size(), 1u);
    EXPECT_EQ(sink_.questions[0].text,
              "Eine Ergebnisdatenabank unter diesem Namen besteht bereits.\n\r\n\r Soll diese Datei "
              "ersetzt werden?");
    EXPECT_EQ(Bytes(ziel), ja ? Vorlage() : vorher);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, ja ? ziel : "/alt/Ergebnisse.mdb");
  }
}

TEST_F(ResultDatabaseTest, FilesInUseAreRefused) {
  EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  e.MaterialPfad = Path("Tolvar_DB/Material.mdb");
  e.VantelPfad = Path("Vantel/Material/TechDaten.mdb");
  e.KlimaPfad = Path("Vantel/Wetterdaten/Klimadaten.mdb");
  Make(Path("\\Tolvar_DB\\SystemInfo.mdb"), kSystemInfoSchema);
  for (const std::string& datei : {e.MaterialPfad, e.VantelPfad, e.KlimaPfad}) Make(datei, kMaterialSchema);
  const std::vector<std::string> cases = {
      betrieb_, Path("Betriebe/Muster"), Path("Tolvar_DB/SystemInfo.mdb"), e.MaterialPfad, e.VantelPfad, e.KlimaPfad};
  for (const std::string& ziel : cases) {
    SCOPED_TRACE(ziel);
    const std::string vorher = Bytes(data::Zieldatei(ziel));
    // Refused before any question to overwrite (an unscripted question fails the test).
    const Befehlsergebnis r = mdlDatenbank::ErgebnisdatenbankAnlegen(ziel);
    ASSERT_TRUE(r.meldung);
    EXPECT_EQ(r.meldung->text, data::kDateiInBenutzung);
    EXPECT_EQ(Bytes(data::Zieldatei(ziel)), vorher);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, "/alt/Ergebnisse.mdb");
  }
  EXPECT_TRUE(sink_.questions.empty());
}

TEST_F(ResultDatabaseTest, FailuresKeepTheSettingAndAreReported) {
  struct Case {
    const char* name;
    std::function<std::string(ResultDatabaseTest*)> make;
  };
  const std::vector<Case> cases = {
      {"Vorlage fehlt",
       [](ResultDatabaseTest* t) {
         sys::DeleteFile(t->Path("\\Tolvar_DB\\VorlageErgebnisse.tvd"));
         return t->Path("Ergebnisse/Neu.mdb");
       }},
      {"Zielordner ist eine Datei",
       [](ResultDatabaseTest* t) {
         t->MakeGarbage(t->Path("Datei"));
         return t->Path("Datei/Neu.mdb");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    const Befehlsergebnis r = mdlDatenbank::ErgebnisdatenbankAnlegen(c.make(this));
    ASSERT_TRUE(r.meldung);
    EXPECT_EQ(r.meldung->title, "Laufzeitfehler");
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, "/alt/Ergebnisse.mdb");
    EXPECT_FALSE(sys::FileExists(Path("Ergebnisse/Neu.mdb")));
  }
  EXPECT_FALSE(mdlDatenbank::ErgebnisdatenbankAnlegen(std::nullopt).meldung);
}

// ---------------------------------------------------------------- the shipped sample

TEST(EnterpriseFilesShipped, BackupAndRestoreOfTheSampleEnterprise) {
  FreshDataRoot root;
  test::ScopedRecordingSink sink;
  ResetState();
  State& s = state();
  s.enterprise.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
  s.enterprise.TolvarDatenbankPfad = root.Join("Betriebe/Mustergärtnerei.Tolvar");
  ASSERT_TRUE(sys::FileExists(s.enterprise.AktuellerBetrieb));
  ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  s.enterprise.BetriebOffen = true;

  Befehlsergebnis e = mdlDatenbank::BetriebSichern();
  ASSERT_TRUE(e.meldung);
  EXPECT_EQ(e.meldung->text, "Datensicherung erfolgreich abgeschlossen");
  const std::string msd = root.Join("Sicherungsdateien/Mustergärtnerei.MSD");
  EXPECT_EQ(Bytes(msd), Bytes(s.enterprise.AktuellerBetrieb));

  e = mdlDatenbank::SicherungLaden(msd, root.Join("Betriebe/Wiederhergestellt.mdb"));
  EXPECT_TRUE(e.hauptfensterNeuLaden) << (e.meldung ? e.meldung->text : "");
  EXPECT_EQ(Bytes(root.Join("Betriebe/Wiederhergestellt.mdb")), Bytes(msd));
  EXPECT_EQ(Bytes(root.Join("Betriebe/Wiederhergestellt.Tolvar")),
            Bytes(root.Join("Sicherungsdateien/Mustergärtnerei.TSD")));
  ResetState();
}

}  // namespace
}  // namespace tolvar::test
