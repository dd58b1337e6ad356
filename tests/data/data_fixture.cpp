#include "data/data_fixture.h"

#include <fstream>

#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"

namespace tolvar::test {

const char* const kSystemInfoSchema =
    R"(CREATE TABLE "SystemInfo" ("AktuellerBetrieb" TEXT, "FarbeTolvar" INTEGER, "FarbeMorvin" INTEGER, "LetzteAenderung" TEXT);)";

const char* const kMorvin5Schema = R"(
CREATE TABLE "Kulturen" ("KulturNr" TEXT, "UeberPNr" TEXT, "Kulturname" TEXT, "Kuerzel" TEXT, "Barcode" INTEGER,
  "Arbeitsbeginn" TEXT, "Arbeitsende" TEXT, "Bemerkungen" TEXT, "Aktuell" INTEGER, "Gliederungspunkt" INTEGER,
  "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "Standort" ("StandortNr" TEXT, "UeberPNr" TEXT, "Standortname" TEXT, "Kuerzel" TEXT, "Barcode" INTEGER,
  "Bemerkungen" TEXT, "Fläche" REAL, "Aktuell" INTEGER, "Gliederungspunkt" INTEGER, "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "Personal" ("PersonalNr" TEXT, "UeberPNr" TEXT, "Name" TEXT, "Vorname" TEXT, "Kuerzel" TEXT,
  "Strasse" TEXT, "Postleitzahl" TEXT, "Ort" TEXT, "Telefon" TEXT, "Geburtstag" TEXT, "Bemerkungen" TEXT,
  "Barcode" INTEGER, "Aktuell" INTEGER, "Gliederungspunkt" INTEGER, "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "StdTaetigkeiten" ("StdTaetigkeitNr" TEXT, "UeberPNr" TEXT, "Tätigkeiten" TEXT, "Kuerzel" TEXT,
  "Bemerkungen" TEXT, "Barcode" INTEGER, "Aktuell" INTEGER, "Gliederungspunkt" INTEGER, "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "Taetigkeiten" ("KulturNr" TEXT, "Datum" TEXT, "StdTaetigkeitNr" TEXT, "Zeitdauer" TEXT, "Fläche" TEXT,
  "StandortNr" TEXT, "PersonalNr" TEXT);
CREATE TABLE "KulturStandorte" ("KulturNr" TEXT, "StandortNr" TEXT, "Beginn" TEXT, "Ende" TEXT, "Flaeche" TEXT);
)";

const char* const kTolvarSchema = R"(
CREATE TABLE "BetriebEinstellungen" ("Wetterstation" TEXT, "StandardStation" INTEGER, "Strom" TEXT, "MaterialPfad" TEXT,
  "VantelPfad" TEXT, "KlimaPfad" TEXT, "Ergebnisdatenbank" TEXT, "Gemeinkostentyp" TEXT, "Gemeinkosten" TEXT,
  "Flaeche" TEXT, "Jahr" TEXT, "Belegung" TEXT, "Vermarktungskosten" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "KulturPhasen" ("KP_ID" TEXT, "Kulturnummer" TEXT, "Phasennummer" TEXT, "Phasennamen" TEXT,
  "AnzahlPflanzen" TEXT, "Fläche" TEXT, "BruttoFläche" TEXT, "Anfang" TEXT, "Ende" TEXT, "TT" TEXT, "NT" TEXT,
  "Intensitaet" TEXT, "Dauer" TEXT);
)";

const char* const kMaterialSchema = R"(
CREATE TABLE "Material" ("MaterialNr" TEXT, "UeberPNr" TEXT, "Materialname" TEXT, "Kuerzel" TEXT, "Barcode" INTEGER,
  "Gliederungspunkt" INTEGER, "Bezug" INTEGER, "Einheit" TEXT, "Preis" REAL, "Wdh" TEXT, "Aktuell" INTEGER,
  "Bemerkungen" TEXT, "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "Gefaesse" ("MaterialNr" TEXT, "Volumen" TEXT);
)";

const char* const kTechDatenSchema = R"(
CREATE TABLE "Heizmaterialien" ("Nummer" INTEGER, "Brennstoffart" TEXT, "Unterer Brennwert" REAL,
  "Oberer Brennwert" REAL, "Preis" REAL);
CREATE TABLE "GWHMaterial" ("Nummer" INTEGER, "Material" TEXT, "k-Wert" REAL, "Durchlässigkeit" REAL, "Eignung" INTEGER);
)";

const char* const kErgebnisSchema =
    R"(CREATE TABLE "Vergleichskulturen" ("Nr" INTEGER, "Kultur" TEXT, "Beginn" TEXT, "Ende" TEXT);)";

void DataTest::SetUp() {
  ResetState();
  previousRoot_ = sys::SetDataRoot(dir_.Path());
  previousSink_ = data::SetMessageSink(&sink_);
  base::SetClock(&clock_);
}

void DataTest::TearDown() {
  base::SetClock(nullptr);
  data::SetMessageSink(previousSink_);
  sys::SetDataRoot(previousRoot_);
  ResetState();
}

std::string DataTest::Path(std::string_view relative) const {
  return dir_.Join(std::string(relative));
}

std::unique_ptr<db::Database> DataTest::Make(const std::string& path, std::string_view script) {
  sys::CreateFolder(sys::FolderOf(path));
  std::string error;
  std::unique_ptr<db::Database> database = db::Database::Create(path, &error);
  EXPECT_NE(database, nullptr) << error;
  if (database && !script.empty()) {
    EXPECT_TRUE(database->ExecuteScript(script)) << database->LastError();
  }
  return database;
}

void DataTest::MakeGarbage(const std::string& path) {
  sys::CreateFolder(sys::FolderOf(path));
  std::ofstream(path) << "Dies ist keine Datenbank, sondern nur ein wenig Text.\n";
}

void DataTest::Insert(db::Database& database, std::string_view table,
                      const std::vector<std::pair<std::string, db::Value>>& values) {
  db::Recordset rs = database.OpenTable(table);
  ASSERT_TRUE(rs.ok()) << rs.error();
  ASSERT_TRUE(rs.AddNew());
  for (const auto& [column, value] : values) ASSERT_TRUE(rs.SetField(column, value)) << column;
  ASSERT_TRUE(rs.Update()) << rs.error();
}

db::Recordset DataTest::FirstRow(const std::string& path, std::string_view table) {
  std::unique_ptr<db::Database> database = db::Database::Open(path);
  if (!database) return db::Recordset();
  db::Recordset rs = database->OpenTable(table);
  rs.MoveFirst();
  return rs;
}

}  // namespace tolvar::test
