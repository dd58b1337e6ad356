// Hostile files at the opening of an enterprise and at "Betrieb öffnen": each damaged file is
// made by the test from a copy of the sample enterprise. Asserted for every case: the one
// message shown, that nothing was loaded or computed from the damaged file, and that files
// which were not meant to be written keep their bytes.

#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "app/app_fixture.h"
#include "app/mdlHilfe.h"
#include "calculation/mdlKalkulation.h"
#include "calculation/ui/frmEnergieInfo.h"
#include "calculation/ui/frmKalkulation.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "data/culture_indexes.h"
#include "data/first_start.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlDatenbank.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/sys/files.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/file_faults.h"
#include "support/tables.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

using ui::Q;

class FaultInjectionTest : public AppTest {
 public:
  std::string Betrieb() const { return root.Join("Betriebe/Kaputt.mdb"); }
  std::string Zwilling() const { return root.Join("Betriebe/Kaputt.Tolvar"); }
  static std::string Zwilling2(const std::string& mdb) { return data::Zwillingspfad(mdb, ".Tolvar"); }

  static void Leeren(const std::string& path) { std::ofstream(path, std::ios::binary | std::ios::trunc); }
  static void Zufall(const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919 + 13) % 251));
  }
  // Keeps the first quarter of the file, as an interrupted copy leaves it.
  static void Abschneiden(const std::string& path) {
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 4);
  }
  static void Ausfuehren(const std::string& path, const std::string& sql) {
    auto database = db::Database::Open(path);
    ASSERT_TRUE(database) << path;
    ASSERT_TRUE(database->Execute(sql)) << database->LastError();
  }
  // Grows `table` over several pages, then overwrites its last page with bytes that are no
  // page: the schema and every other page stay intact.
  static void SeiteBeschaedigen(const std::string& path, const std::string& table) {
    for (int i = 0; i < 7; ++i) Ausfuehren(path, "INSERT INTO \"" + table + "\" SELECT * FROM \"" + table + "\"");
    auto database = db::Database::Open(path);
    ASSERT_TRUE(database) << path;
    const int64_t seite = database->Scalar("SELECT page_size FROM pragma_page_size").integerOr();
    const int64_t wurzel =
        database->Scalar("SELECT rootpage FROM sqlite_master WHERE name = ?", {db::Value(table)}).integerOr();
    database.reset();
    std::fstream datei(path, std::ios::in | std::ios::out | std::ios::binary);
    // The root of a table over several pages is an interior page (type 5); its right-most
    // child, at offset 8 of its header, is a leaf of the table.
    std::string kopf(12, '\0');
    datei.seekg((wurzel - 1) * seite);
    datei.read(kopf.data(), static_cast<std::streamsize>(kopf.size()));
    ASSERT_EQ(kopf[0], 5) << "the table does not span several pages";
    int64_t blatt = 0;
    for (int i = 8; i < 12; ++i) blatt = blatt * 256 + static_cast<unsigned char>(kopf[static_cast<std::size_t>(i)]);
    datei.seekp((blatt - 1) * seite);
    const std::string muell(static_cast<std::size_t>(seite), '\xff');
    datei.write(muell.data(), static_cast<std::streamsize>(muell.size()));
    ASSERT_TRUE(datei.good());
  }

  // The bytes of every file whose content the test watches.
  std::map<std::string, std::string> Stand(const std::vector<std::string>& paths) const {
    std::map<std::string, std::string> stand;
    for (const std::string& p : paths) stand[p] = Inhalt(p);
    return stand;
  }

  QString EinzigeMeldung() {
    const std::vector<QString> texte = Texte(*prompts);
    EXPECT_EQ(texte.size(), 1u);
    return texte.empty() ? QString() : texte.front();
  }
};

TEST_F(FaultInjectionTest, DamagedEnterpriseFilesAreReportedAndNothingIsComputedFromThem) {
  struct Fall {
    const char* name;
    std::function<void(FaultInjectionTest&)> beschaedigen;
    const char* meldungAnfang;
    const char* nennt;  // what the message names as missing
  };
  const Fall faelle[] = {
      {".Tolvar ohne Inhalt", [](FaultInjectionTest& t) { Leeren(t.Zwilling()); },
       "Die Tolvar-Datenbank des Betriebs ist ungültig", "Die Datei ist leer."},
      {".Tolvar mit Zufallsbytes", [](FaultInjectionTest& t) { Zufall(t.Zwilling()); },
       "Die Tolvar-Datenbank des Betriebs ist ungültig", "Die Datei kann nicht als Datenbank geöffnet werden."},
      {"KulturPhasen ohne TT",
       [](FaultInjectionTest& t) { Ausfuehren(t.Zwilling(), "ALTER TABLE KulturPhasen DROP COLUMN TT"); },
       "Die Tolvar-Datenbank des Betriebs ist ungültig", "In der Tabelle \"KulturPhasen\" fehlt: \"TT\"."},
      {"Kulturen ohne Barcode",
       [](FaultInjectionTest& t) { Ausfuehren(t.Betrieb(), "ALTER TABLE Kulturen DROP COLUMN Barcode"); },
       "Die ausgewählte Morvin5-Datenbank ist ungültig", "In der Tabelle \"Kulturen\" fehlt: \"Barcode\"."},
      {"ohne Taetigkeiten", [](FaultInjectionTest& t) { Ausfuehren(t.Betrieb(), "DROP TABLE Taetigkeiten"); },
       "Die ausgewählte Morvin5-Datenbank ist ungültig", "Es fehlt die Tabelle \"Taetigkeiten\"."},
      {".Tolvar abgeschnitten", [](FaultInjectionTest& t) { Abschneiden(t.Zwilling()); },
       "Die Tolvar-Datenbank des Betriebs ist ungültig", "Die Datenbank ist beschädigt."},
      {".mdb ohne Inhalt", [](FaultInjectionTest& t) { Leeren(t.Betrieb()); },
       "Die ausgewählte Morvin5-Datenbank ist ungültig", "Die Datei ist leer."},
      {".mdb mit Zufallsbytes", [](FaultInjectionTest& t) { Zufall(t.Betrieb()); },
       "Die ausgewählte Morvin5-Datenbank ist ungültig", "Die Datei ist keine gültige Datenbank."},
      {"eine beschädigte Seite in Taetigkeiten",
       [](FaultInjectionTest& t) { SeiteBeschaedigen(t.Betrieb(), "Taetigkeiten"); },
       "Die ausgewählte Morvin5-Datenbank ist ungültig",
       "Die Tabelle \"Taetigkeiten\" kann nicht gelesen werden. Die Datenbank ist beschädigt."},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    MusterKopieren(Betrieb());
    fall.beschaedigen(*this);
    SystemInfoSetzen(Betrieb());
    const auto vorher = Stand({Betrieb(), Zwilling()});
    const std::size_t gezeigt = prompts->messageBoxes().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);

    mdiTolvarZentral& haupt = Oeffnen();
    const std::vector<ShownPrompt> boxen = prompts->messageBoxes();
    ASSERT_EQ(boxen.size(), gezeigt + 1);
    const QString text = boxen.back().text;
    EXPECT_TRUE(text.startsWith(Q(fall.meldungAnfang))) << ui::S(text);
    EXPECT_TRUE(text.contains(Q(fall.nennt))) << ui::S(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Datei: ") + Q(root.Join("Betriebe/Kaputt."))));
    EXPECT_EQ(boxen.back().style, 16);
    EXPECT_EQ(boxen.back().title, QStringLiteral("Tolvar-Information"));
    // Not shown as the opened file: the caption and the status bar stay as without an enterprise.
    EXPECT_EQ(haupt.Caption(), QStringLiteral("Tolvar"));
    EXPECT_EQ(haupt.PanelText(1), QString());
    // Nothing was loaded or computed from the damaged pair, and closing writes nothing into it.
    EXPECT_FALSE(state().enterprise.BetriebOffen);
    EXPECT_TRUE(state().masters.KulturListe.empty());
    EXPECT_TRUE(state().masters.MaterialListe.empty());
    haupt.Unload();
    EXPECT_TRUE(Stand({Betrieb(), Zwilling()}) == vorher) << "changed";
  }
}

// A default database below the data root that is as damaged as the chosen one is copied
// again from the shipped tree before it is loaded; the damaged file is kept beside it.
TEST_F(FaultInjectionTest, DamagedDefaultsAreCopiedAgainFromTheShippedTree) {
  struct Fall {
    const char* name;
    const char* datei;
    bool loeschen;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"Material.mdb mit Zufallsbytes", "Tolvar_DB/Material.mdb", false,
       "Die ausgewählte Material-Datenbank ist ungültig und kann nicht geöffnet werden, stattdessen wird die "
       "Standard-Material-Datenbank geladen."},
      {"Klimadaten.mdb gelöscht", "Vantel/Wetterdaten/Klimadaten.mdb", true,
       "Die ausgewählte Vantel-Datenbank ist ungültig und kann nicht geöffnet werden, stattdessen wird die "
       "Standard-Vantel-Datenbank geladen."},
      {"Ergebnisse.mdb ohne Inhalt", "Tolvar_DB/Ergebnisse.mdb", false,
       "Die ausgewählte Ergebnis-Datenbank ist ungültig und kann nicht geöffnet werden, stattdessen wird die "
       "Standard-Ergebnis-Datenbank geladen."},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const std::string pfad = root.Join(fall.datei);
    const std::string ausgeliefert = Inhalt(sys::JoinPath(ShippedTreeForTests(), fall.datei));
    if (fall.loeschen) {
      ASSERT_TRUE(sys::DeleteFile(pfad));
    } else {
      std::string(fall.name).find("Zufall") != std::string::npos ? Zufall(pfad) : Leeren(pfad);
    }
    const std::string beschaedigt = fall.loeschen ? std::string() : Inhalt(pfad);
    const std::size_t gezeigt = prompts->messageBoxes().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    mdiTolvarZentral& haupt = MusterOeffnen();
    const std::vector<ShownPrompt> boxen = prompts->messageBoxes();
    ASSERT_EQ(boxen.size(), gezeigt + 1);
    EXPECT_TRUE(boxen.back().text.startsWith(Q(fall.meldung))) << ui::S(boxen.back().text);
    EXPECT_TRUE(boxen.back().text.contains(Q(fall.datei).section(QLatin1Char('/'), -1)));
    EXPECT_TRUE(Inhalt(pfad) == ausgeliefert);
    if (!fall.loeschen) {
      EXPECT_TRUE(Inhalt(pfad + ".beschädigt") == beschaedigt);
    }
    EXPECT_FALSE(state().masters.MaterialListe.empty());
    haupt.Unload();
  }
}

// The default's path that a fallback writes into the settings row: a write that fails is
// said with its cause, after the fallback's own message, and the file keeps its bytes.
TEST_F(FaultInjectionTest, AFallbackThatCannotWriteTheSettingsRowSaysSo) {
  Zufall(root.Join("Tolvar_DB/Material.mdb"));
  const std::string tolvar = root.Join("Betriebe/Mustergärtnerei.Tolvar");
  ScopedWriteProtection schutz(tolvar);
  if (!schutz.Available()) GTEST_SKIP() << "no file can be write-protected here";
  const std::string vorher = Inhalt(tolvar);
  prompts->AnswerMsgBox(ui::msgbox::Ok).AnswerMsgBox(ui::msgbox::Ok);
  mdiTolvarZentral& haupt = MusterOeffnen();
  const std::vector<QString> texte = Texte(*prompts);
  ASSERT_EQ(texte.size(), 2u);
  EXPECT_TRUE(texte[0].startsWith(QStringLiteral("Die ausgewählte Material-Datenbank ist ungültig")));
  EXPECT_TRUE(texte[1].startsWith(QStringLiteral("Die Einstellungen des Betriebs konnten nicht in \"") + Q(tolvar) +
                                  QStringLiteral("\" gespeichert werden.\n\nDie Datei ist schreibgeschützt.")))
      << ui::S(texte[1]);
  EXPECT_FALSE(state().masters.MaterialListe.empty());
  EXPECT_TRUE(Inhalt(tolvar) == vorher) << "changed";
  haupt.Unload();  // nothing changed since the row was read: the closing writes nothing
  EXPECT_TRUE(Inhalt(tolvar) == vorher) << "changed";
}

// Where the default cannot be restored, the message says so instead of promising it.
TEST_F(FaultInjectionTest, AnUnrestorableDefaultIsNotPromised) {
  Zufall(root.Join("Tolvar_DB/Material.mdb"));
  const char* vorher = std::getenv("TOLVAR_SHARE_DIR");
  const std::string alt = vorher ? vorher : "";
  setenv("TOLVAR_SHARE_DIR", root.Join("gibt-es-nicht").c_str(), 1);
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  MusterOeffnen();
  if (vorher) {
    setenv("TOLVAR_SHARE_DIR", alt.c_str(), 1);
  } else {
    unsetenv("TOLVAR_SHARE_DIR");
  }
  const QString text = EinzigeMeldung();
  EXPECT_TRUE(
      text.startsWith(QStringLiteral("Die ausgewählte Material-Datenbank ist ungültig und kann nicht "
                                     "geöffnet werden. Die Standard-Material-Datenbank kann ebenfalls "
                                     "nicht geladen werden.")))
      << ui::S(text);
  EXPECT_FALSE(text.contains(QStringLiteral("stattdessen")));
  EXPECT_TRUE(state().masters.MaterialListe.empty());
}

// An empty or unreadable system database is restored from the shipped tree at start, as the
// program's start does it, with a message; the main window then opens the sample enterprise
// instead of a grey window with no enterprise.
TEST_F(FaultInjectionTest, ADamagedSystemDatabaseIsRestoredAtStart) {
  const std::string systemInfo = root.Join("Tolvar_DB/SystemInfo.mdb");
  for (const char* art : {"ohne Inhalt", "Zufallsbytes"}) {
    SCOPED_TRACE(art);
    std::string_view(art) == "ohne Inhalt" ? Leeren(systemInfo) : Zufall(systemInfo);
    const std::string beschaedigt = Inhalt(systemInfo);
    const data::Ersteinrichtung einrichtung = data::DatenwurzelEinrichten(ShippedTreeForTests(), root.Path());
    ASSERT_EQ(einrichtung.ausgang, data::Ersteinrichtung::Ausgang::Wiederhergestellt) << einrichtung.fehler;
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    data::ShowCritical(data::Einrichtungsmeldung(einrichtung));
    EXPECT_TRUE(Texte(*prompts).back().startsWith(QStringLiteral("Die Systemdatenbank \"") + Q(systemInfo) +
                                                  QStringLiteral("\" war beschädigt und wurde aus den ausgelieferten "
                                                                 "Daten wiederhergestellt.")));
    EXPECT_TRUE(Inhalt(systemInfo + ".beschädigt") == beschaedigt);
    mdiTolvarZentral& haupt = Oeffnen();
    EXPECT_EQ(state().enterprise.AktuellerBetrieb, Muster());
    EXPECT_TRUE(state().enterprise.BetriebOffen);
    EXPECT_FALSE(state().masters.KulturListe.empty());
    haupt.Unload();
  }
}

// An enterprise made before its tables had the culture-number indexes gets them when it opens,
// with its rows unchanged; one whose file is write-protected opens as before and keeps its bytes.
TEST_F(FaultInjectionTest, AnEnterpriseWithoutCultureIndexesGetsThemOrOpensAsBefore) {
  const auto indizes = [](const std::string& pfad) {
    return Abfragezeilen(pfad, "SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name");
  };
  for (const bool geschuetzt : {false, true}) {
    SCOPED_TRACE(geschuetzt ? "schreibgeschützt" : "beschreibbar");
    MusterKopieren(Betrieb());
    for (const data::Kulturindex& i : data::Morvin5Indizes()) {
      Ausfuehren(Betrieb(), "DROP INDEX " + db::QuoteIdentifier(i.name));
    }
    for (const data::Kulturindex& i : data::TolvarIndizes()) {
      Ausfuehren(Zwilling(), "DROP INDEX " + db::QuoteIdentifier(i.name));
    }
    SystemInfoSetzen(Betrieb());
    const std::string zeilen = Datenbankinhalt(Betrieb());
    std::unique_ptr<ScopedWriteProtection> schutz;
    if (geschuetzt) {
      schutz = std::make_unique<ScopedWriteProtection>(Betrieb());
      if (!schutz->Available()) GTEST_SKIP() << "no file can be write-protected here";
    }
    const std::string vorher = Inhalt(Betrieb());

    mdiTolvarZentral& haupt = Oeffnen();
    EXPECT_TRUE(state().enterprise.BetriebOffen);
    EXPECT_FALSE(state().masters.KulturListe.empty());
    haupt.Unload();
    EXPECT_TRUE(Texte(*prompts).empty());
    EXPECT_EQ(Datenbankinhalt(Betrieb()), zeilen);
    EXPECT_EQ(indizes(Zwilling()), (std::vector<std::string>{"KulturPhasen_Kulturnummer", "Material_KulturNr"}));
    if (geschuetzt) {
      EXPECT_TRUE(indizes(Betrieb()).empty());
      EXPECT_TRUE(Inhalt(Betrieb()) == vorher) << "changed";
    } else {
      EXPECT_EQ(indizes(Betrieb()), (std::vector<std::string>{"KulturStandorte_KulturNr", "Taetigkeiten_KulturNr"}));
    }
  }
}

// "Betrieb öffnen" on a file that fails the check keeps the open enterprise and writes nothing.
TEST_F(FaultInjectionTest, OpeningABrokenEnterpriseKeepsThePreviousOne) {
  MusterKopieren(Betrieb(), false);
  Ausfuehren(Betrieb(), "ALTER TABLE Kulturen DROP COLUMN KulturNr");
  mdiTolvarZentral& haupt = MusterOeffnen();
  const int kulturen = static_cast<int>(state().masters.KulturListe.size());
  const std::string systemInfo = root.Join("Tolvar_DB/SystemInfo.mdb");
  const auto vorher = Stand({Betrieb(), systemInfo, root.Join("Betriebe/Mustergärtnerei.Tolvar")});

  prompts->AnswerFile(Q(Betrieb())).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(TriggerCommand(haupt.mnuoeffnen));
  ProcessEvents();

  const QString text = EinzigeMeldung();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Die ausgewählte Morvin5-Datenbank ist ungültig"))) << ui::S(text);
  EXPECT_TRUE(text.contains(QStringLiteral("\"KulturNr\"")));
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, Muster());
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_EQ(static_cast<int>(state().masters.KulturListe.size()), kulturen);
  EXPECT_FALSE(sys::FileExists(Zwilling()));
  EXPECT_TRUE(Stand({Betrieb(), systemInfo, root.Join("Betriebe/Mustergärtnerei.Tolvar")}) == vorher);
}

// A list the loader can read only in part (a barcode that is no number hides every culture, a
// date that is no date the cultures after it) says once which table that was.
TEST_F(FaultInjectionTest, APartlyReadableListIsReportedOnce) {
  struct Fall {
    const char* name;
    const char* sql;
    const char* zeile;
  };
  const Fall faelle[] = {
      {"Barcode xyz", "UPDATE Kulturen SET Barcode = 'xyz' WHERE KulturNr = 'K1004'", "Zeile 5 "},
      {"Arbeitsbeginn kein Datum", "UPDATE Kulturen SET Arbeitsbeginn = 'kein Datum' WHERE KulturNr = 'K1004'",
       "Zeile 5 "},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    MusterKopieren(Betrieb());
    Ausfuehren(Betrieb(), fall.sql);
    SystemInfoSetzen(Betrieb());
    const auto vorher = Stand({Betrieb(), Zwilling()});
    state().enterprise.GemeldeteLesefehler.clear();
    const std::size_t gezeigt = prompts->messageBoxes().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    mdiTolvarZentral& haupt = Oeffnen();
    EXPECT_TRUE(state().enterprise.BetriebOffen);
    mdlDatenLaden::KulturenLaden();  // a second reading says nothing new
    const std::vector<ShownPrompt> boxen = prompts->messageBoxes();
    ASSERT_EQ(boxen.size(), gezeigt + 1);
    const QString text = boxen.back().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Die Tabelle \"Kulturen\" konnte nicht vollständig gelesen werden: ") +
                                Q(fall.zeile)))
        << ui::S(text);
    EXPECT_TRUE(text.endsWith(QStringLiteral("Datei: ") + Q(Betrieb())));
    haupt.Unload();
    EXPECT_TRUE(Stand({Betrieb()}).at(Betrieb()) == vorher.at(Betrieb())) << "changed";
  }
}

// The settings row on disk holds a setting once it is confirmed; a write that fails at
// closing is reported with its cause.
TEST_F(FaultInjectionTest, FailedSettingsWriteAtClosingIsReported) {
  MusterKopieren(Betrieb());
  SystemInfoSetzen(Betrieb());
  mdiTolvarZentral& haupt = Oeffnen();
  ASSERT_TRUE(state().enterprise.BetriebOffen);
  // A new result database is held in memory until closing.
  prompts->AnswerFile(Q(root.Join("Tolvar_DB/Neue Ergebnisse.mdb")));
  Befehl("mnuNeueErgebnisDB");
  ASSERT_TRUE(sys::DeleteFile(Zwilling()));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  haupt.Unload();
  const QString text = EinzigeMeldung();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Die Einstellungen des Betriebs konnten nicht in"))) << ui::S(text);
  EXPECT_TRUE(text.endsWith(QStringLiteral("\n\nDie Datei wurde nicht gefunden."))) << ui::S(text);
  EXPECT_FALSE(sys::FileExists(Zwilling()));
}

// "Betrieb öffnen", "Betrieb speichern unter" and "Sicherung laden" write the open
// enterprise's settings row before they leave or copy it. A write that fails (a
// write-protected file, a full disk) is said with its German cause and a question: No changes
// nothing and every file keeps its bytes; Yes goes on without the settings.
TEST_F(FaultInjectionTest, FailedSettingsWriteBeforeACommandAsksAndNoChangesNothing) {
  struct Fall {
    const char* name;
    const char* befehl;
    const char* ordner;  // of the open enterprise; "Voll" lies on a full disk
    int antwort;
    const char* ursache;
    std::string_view frage;
  };
  const Fall faelle[] = {
      {"öffnen, schreibgeschützt, Nein", "mnuoeffnen", "Betriebe", ui::msgbox::No, "Die Datei ist schreibgeschützt.",
       data::kTrotzdemOeffnen},
      {"öffnen, schreibgeschützt, Ja", "mnuoeffnen", "Betriebe", ui::msgbox::Yes, "Die Datei ist schreibgeschützt.",
       data::kTrotzdemOeffnen},
      {"Sicherung laden, schreibgeschützt, Nein", "mnuSicherungLaden", "Betriebe", ui::msgbox::No,
       "Die Datei ist schreibgeschützt.", data::kTrotzdemLaden},
      {"speichern unter, schreibgeschützt, Nein", "mnuspeichernunter", "Betriebe", ui::msgbox::No,
       "Die Datei ist schreibgeschützt.", data::kTrotzdemSpeichern},
      {"speichern unter, Datenträger voll, Nein", "mnuspeichernunter", "Voll", ui::msgbox::No,
       "Der Datenträger ist voll.", data::kTrotzdemSpeichern},
  };
  const std::string anderer = MusterKopieren(root.Join("Betriebe/Anderer.mdb"));
  sys::CreateFolder(root.Join("Sicherungsdateien"));
  const std::string msd = root.Join("Sicherungsdateien/Anderer.MSD");
  ASSERT_TRUE(sys::CopyFile(anderer, msd, false));
  ASSERT_TRUE(sys::CopyFile(Zwilling2(anderer), root.Join("Sicherungsdateien/Anderer.TSD"), false));
  const std::string ziel = root.Join("Betriebe/Ziel");
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const bool voll = std::string_view(fall.ordner) == "Voll";
    std::unique_ptr<ScopedFullDisk> datentraeger;
    if (voll) {
      datentraeger = std::make_unique<ScopedFullDisk>(root.Join(fall.ordner));
      if (!datentraeger->Available()) GTEST_SKIP() << "no memory file system can be mounted here";
    }
    const std::string mdb = MusterKopieren(root.Join(std::string(fall.ordner) + "/Offen.mdb"));
    const std::string twin = Zwilling2(mdb);
    SystemInfoSetzen(mdb);
    mdiTolvarZentral& haupt = Oeffnen();
    ASSERT_TRUE(state().enterprise.BetriebOffen);
    // A setting changed in this session and not yet on disk.
    state().enterprise.AktuelleEinstellungen.Jahr = "2031";
    std::unique_ptr<ScopedWriteProtection> schutz;
    if (voll) {
      datentraeger->Fill();
    } else {
      schutz = std::make_unique<ScopedWriteProtection>(twin);
      if (!schutz->Available()) GTEST_SKIP() << "no file can be write-protected here";
    }
    const std::vector<std::string> dateien = {
        mdb, twin, anderer, Zwilling2(anderer), msd, root.Join("Tolvar_DB/SystemInfo.mdb")};
    const auto vorher = Stand(dateien);

    const std::string befehl = fall.befehl;
    if (befehl == "mnuoeffnen") prompts->AnswerFile(Q(anderer));
    if (befehl == "mnuSicherungLaden") prompts->AnswerFile(Q(msd)).AnswerFile(Q(ziel));
    if (befehl == "mnuspeichernunter") prompts->AnswerFile(Q(ziel));
    prompts->AnswerMsgBox(fall.antwort);
    const std::size_t gezeigt = prompts->messageBoxes().size();
    ASSERT_TRUE(TriggerCommand(&haupt, Q(befehl)));
    ProcessEvents();

    const std::vector<ShownPrompt> boxen = prompts->messageBoxes();
    ASSERT_EQ(boxen.size(), gezeigt + 1);
    const QString text = boxen.back().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Die Einstellungen des Betriebs konnten nicht in \"") + Q(twin) +
                                QStringLiteral("\" gespeichert werden.\n\n") + Q(fall.ursache) +
                                QStringLiteral("\n\n") + Q(std::string(fall.frage))))
        << ui::S(text);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n\n") + Q(std::string(fall.frage)))) << ui::S(text);
    EXPECT_EQ(boxen.back().style, ui::msgbox::Question | ui::msgbox::YesNo);
    EXPECT_FALSE(sys::FileExists(ziel + ".mdb"));
    if (fall.antwort == ui::msgbox::No) {
      EXPECT_EQ(state().enterprise.AktuellerBetrieb, mdb);
      EXPECT_TRUE(state().enterprise.BetriebOffen);
      EXPECT_TRUE(Stand(dateien) == vorher) << "changed";
    } else {
      // The other enterprise is open; the file that could not be written kept its bytes.
      EXPECT_EQ(state().enterprise.AktuellerBetrieb, anderer);
      EXPECT_TRUE(state().enterprise.BetriebOffen);
      EXPECT_TRUE(Inhalt(twin) == vorher.at(twin)) << "changed";
    }
    schutz.reset();
    if (voll) {
      ASSERT_TRUE(sys::DeleteFile(root.Join("Voll/.fuellung")));
    }
    if (mdiTolvarZentral::IsLoaded()) mdiTolvarZentral::instanz().Unload();
    datentraeger.reset();
  }
}

// The system database that cannot take the open enterprise at closing is reported with its
// cause; "Betrieb öffnen" still opens the chosen enterprise instead of quietly reopening the
// one stored before, and the system database keeps its bytes.
TEST_F(FaultInjectionTest, FailedSystemInfoWriteIsReportedAndTheChosenEnterpriseOpens) {
  const std::string anderer = MusterKopieren(root.Join("Betriebe/Anderer.mdb"));
  mdiTolvarZentral& haupt = MusterOeffnen();
  const std::string systemInfo = root.Join("Tolvar_DB/SystemInfo.mdb");
  ScopedWriteProtection schutz(systemInfo);
  if (!schutz.Available()) GTEST_SKIP() << "no file can be write-protected here";
  const std::string vorher = Inhalt(systemInfo);
  prompts->AnswerFile(Q(anderer)).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(TriggerCommand(haupt.mnuoeffnen));
  ProcessEvents();
  const QString text = EinzigeMeldung();
  EXPECT_EQ(text, QStringLiteral("Der geöffnete Betrieb und die Farbeinstellung konnten nicht in \"") + Q(systemInfo) +
                      QStringLiteral("\" gespeichert werden.\n\nDie Datei ist schreibgeschützt."));
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, anderer);
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_EQ(mdiTolvarZentral::instanz().Caption(), QStringLiteral("Tolvar - Anderer"));
  EXPECT_TRUE(Inhalt(systemInfo) == vorher) << "changed";
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  mdiTolvarZentral::instanz().Unload();
}

TEST_F(FaultInjectionTest, MissingHelpSaysSo) {
  std::filesystem::remove_all(root.Join("Hilfe"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  mdlHilfe::HilfeAufrufen("6.2");
  EXPECT_TRUE(EinzigeMeldung().startsWith(QStringLiteral("Die Hilfe wurde nicht gefunden.")));
}

}  // namespace
}  // namespace tolvar::test

namespace tolvar::test {
namespace {

// An electricity price stored unchecked by an older file ("abc", "-5") is refused by the
// calculation with the reason, instead of an empty energy cost and empty sums; nothing can
// then be stored as if computed, and the result database keeps its bytes.
TEST_F(FaultInjectionTest, AStoredElectricityPriceThatIsNoAmountIsRefusedByTheCalculation) {
  for (const char* strom : {"abc", "-5"}) {
    SCOPED_TRACE(strom);
    MusterKopieren(Betrieb());
    FeldSetzen(Zwilling(), "BetriebEinstellungen", "Strom", strom);
    SystemInfoSetzen(Betrieb());
    mdiTolvarZentral& haupt = Oeffnen();
    ASSERT_TRUE(state().enterprise.BetriebOffen);
    const std::string ergebnisse = state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
    const auto vorher = Stand({ergebnisse});
    ASSERT_TRUE(TriggerCommand(haupt.mnuNach));
    ProcessEvents();
    frmKalkulation& k = frmKalkulation::instanz();
    ASSERT_TRUE(k.trvKulturen->EnsureVisible(QStringLiteral("K1006")));
    ASSERT_TRUE(ClickNode(k.trvKulturen, QStringLiteral("K1006")));
    ASSERT_TRUE(TypeInto(k.txtPreis, QStringLiteral("1,60")));
    const std::size_t gezeigt = prompts->messageBoxes().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(Click(k.cmbStart));
    const std::vector<ShownPrompt> boxen = prompts->messageBoxes();
    ASSERT_EQ(boxen.size(), gezeigt + 1);
    EXPECT_TRUE(boxen.back().text.startsWith(
        QStringLiteral("Es wurde nicht kalkuliert. Der in den Einstellungen gespeicherte Strompreis \"") +
        QString::fromLatin1(strom) + QStringLiteral("\" ist kein Betrag")))
        << ui::S(boxen.back().text);
    EXPECT_EQ(boxen.back().style, 16);
    for (QLineEdit* box : {k.txtEnergie(), k.txtHeizung(), k.txtSachkosten, k.txtGewinn[1]}) {
      EXPECT_TRUE(box->text().isEmpty()) << ui::S(box->objectName());
    }
    EXPECT_FALSE(k.cmbErgebnisSpeichern->isEnabled());
    haupt.Unload();
    EXPECT_TRUE(Stand({ergebnisse}) == vorher) << "changed";
  }
}

// Numbers the calculation cannot carry, typed where they are confirmed, and the calculation
// buttons that used to do nothing: each says why, as a person meets it, and no file is written.
TEST_F(FaultInjectionTest, UncheckedNumbersAreRefusedWithAMessageAndNothingIsWritten) {
  using F = FaultInjectionTest;
  auto einstellung = [](int seite, QLineEdit* frmEinstellungen::*feld, QPushButton* frmEinstellungen::*knopf,
                        const char* text) {
    return [=](F&) {
      Befehl("mnuEinstellungen");
      frmEinstellungen& f = frmEinstellungen::instanz();
      ASSERT_TRUE(ClickTab(f.regEinstellungen, seite));
      ASSERT_TRUE(TypeInto(f.*feld, Q(text)));
      ASSERT_TRUE(Click(f.*knopf));
    };
  };
  auto kalkulation = [](const char* kultur, const char* preis, QPushButton* (frmKalkulation::*danach)() const) {
    return [=](F&) {
      Befehl("mnuNach");
      frmKalkulation& k = frmKalkulation::instanz();
      ASSERT_TRUE(k.trvKulturen->EnsureVisible(QString::fromLatin1(kultur)));
      ASSERT_TRUE(ClickNode(k.trvKulturen, QString::fromLatin1(kultur)));
      ASSERT_TRUE(TypeInto(k.txtPreis, Q(preis)));
      ASSERT_TRUE(Click(k.cmbStart));
      if (danach != nullptr) {
        ASSERT_TRUE(Click((k.*danach)()));
      }
    };
  };
  auto vergleichskultur = [](QLineEdit* frmKulturVergleichBearbeiten::*feld, const char* text) {
    return [=](F&) {
      Befehl("mnuVergleichNeu");
      frmKulturVergleichBearbeiten& v = frmKulturVergleichBearbeiten::instanz();
      ASSERT_TRUE(Click(v.opbKultur->Button(0)));
      const QStringList kulturen = v.trvKulturvergleich->Children(QStringLiteral("Kultur"));
      ASSERT_FALSE(kulturen.isEmpty());
      ASSERT_TRUE(ClickNode(v.trvKulturvergleich, kulturen.front()));
      ASSERT_TRUE(TypeInto(v.*feld, Q(text)));
      ASSERT_TRUE(Click(v.cmbSpeichern));
    };
  };
  struct Fall {
    const char* name;
    std::function<void(F&)> eingeben;
    const char* meldung;
  };
  const char* const pruefen = "Überprüfen sie bitte ihre Werte";
  const char* const preisPruefen = "Es wurde nicht kalkuliert. Diese Eingaben sind nicht gültig:\n\nPreis \"";
  const char* const vergleichPruefen = "Die Vergleichskultur wurde nicht gespeichert. ";
  const Fall faelle[] = {
      {"Strompreis abc", einstellung(2, &frmEinstellungen::txtKWH, &frmEinstellungen::cmbStromOK, "abc"), pruefen},
      {"Strompreis -5", einstellung(2, &frmEinstellungen::txtKWH, &frmEinstellungen::cmbStromOK, "-5"), pruefen},
      {"Gemeinkosten 1e308",
       einstellung(4, &frmEinstellungen::txtGemeinkosten, &frmEinstellungen::cmbGemeikostenSpeichern, "1e308"),
       pruefen},
      {"Vergleichskultur Beginn 31.02.2025", vergleichskultur(&frmKulturVergleichBearbeiten::txtBeginn, "31.02.2025"),
       vergleichPruefen},
      {"Vergleichskultur Ende abc", vergleichskultur(&frmKulturVergleichBearbeiten::txtEnde, "abc"), vergleichPruefen},
      {"Vergleichskultur Menge -5", vergleichskultur(&frmKulturVergleichBearbeiten::txtMenge, "-5"), vergleichPruefen},
      {"Vergleichskultur Preis 1e308", vergleichskultur(&frmKulturVergleichBearbeiten::txtPreis, "1e308"),
       vergleichPruefen},
      {"Preis abc", kalkulation("K1006", "abc", nullptr), preisPruefen},
      {"Preis 1e308", kalkulation("K1006", "1e308", nullptr), preisPruefen},
      {"Preis 1,2,3", kalkulation("K1006", "1,2,3", nullptr), preisPruefen},
      {"Kultur ohne Phasen", kalkulation("K1008", "3,20", nullptr),
       "Für die Kultur \"Fuchsien 12 cm\" sind keine Kulturphasen erfasst."},
      {"Maschinenkosten 0", kalkulation("K1006", "1,60", &frmKalkulation::cmbMaschinenkosten),
       "Die Maschinenkosten der Kultur betragen 0,00 €/1000Stk."},
  };
  // "Fuchsien 12 cm" has no phases; made current, it is listed in the calculation window.
  Ausfuehren(Muster(), "UPDATE Kulturen SET Aktuell = -1 WHERE KulturNr = 'K1008'");
  MusterOeffnen();
  const std::vector<std::string> dateien = {Muster(), state().enterprise.TolvarDatenbankPfad,
                                            state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank,
                                            state().enterprise.AktuelleEinstellungen.MaterialPfad};
  const EinstellungenSatz einstellungen = state().enterprise.AktuelleEinstellungen;
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const auto vorher = Stand(dateien);
    const std::size_t gezeigt = prompts->messageBoxes().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    fall.eingeben(*this);
    const std::vector<ShownPrompt> boxen = prompts->messageBoxes();
    ASSERT_EQ(boxen.size(), gezeigt + 1);
    EXPECT_TRUE(boxen.back().text.startsWith(Q(fall.meldung))) << ui::S(boxen.back().text);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Strom, einstellungen.Strom);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Gemeinkosten, einstellungen.Gemeinkosten);
    EXPECT_TRUE(Stand(dateien) == vorher) << "changed";
  }
}

// The energy breakdown of "Pelargonien 12 cm", reached as a person does: the menu
// "Kalkulation", the culture in the tree, the price, "Kalkulation", the energy button.
TEST_F(FaultInjectionTest, EnergyBreakdownThroughTheMenusListsTheLitPhase) {
  mdiTolvarZentral& haupt = MusterOeffnen();
  ASSERT_TRUE(TriggerCommand(haupt.mnuNach));
  ProcessEvents();
  frmKalkulation& k = frmKalkulation::instanz();
  ASSERT_TRUE(k.trvKulturen->EnsureVisible(QStringLiteral("K1006")));  // its group opened
  ASSERT_TRUE(ClickNode(k.trvKulturen, QStringLiteral("K1006")));
  ASSERT_TRUE(TypeInto(k.txtPreis, QStringLiteral("1,60")));
  ASSERT_TRUE(Click(k.cmbStart));
  ASSERT_EQ(k.txtEnergie()->text(), QStringLiteral("23,76"));
  ASSERT_TRUE(Click(k.cmbEnergiekosten()));
  ProcessEvents();
  ui::Grid* grid = frmEnergieInfo::instanz().dtgEnergie;
  EXPECT_EQ(grid->TextMatrix(1, 0), QStringLiteral("Bewurzelung"));
  EXPECT_EQ(grid->TextMatrix(1, 4), QStringLiteral("23,76"));
  EXPECT_EQ(grid->TextMatrix(2, 3), QStringLiteral("Summe"));
  // The phase row shows below the header, where a click reaches it.
  ASSERT_TRUE(ClickCell(grid, 1, 0));
  EXPECT_EQ(grid->MouseRow(), 1);
}

}  // namespace
}  // namespace tolvar::test
