#include "data/data_fixture.h"

#include <fstream>

#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"
#include "support/schema.h"

namespace tolvar::test {

// The tables each kind of database file needs here, as the shipped scripts create them.
const std::string kSystemInfoSchema = SchemaOf("SystemInfo");

const std::string kMorvin5Schema = SchemaOf({"Kulturen", "Standort", "Personal", "StdTaetigkeiten", "Taetigkeiten",
                                             "KulturStandorte", "Lohn", "Lohneinteilung", "Wochenarbeitszeit"});

const std::string kTolvarSchema =
    SchemaOf({"BetriebEinstellungen", "KulturPhasen", "tolvar_schema.Material", "ArbeitMaterial", "Tarif", "Vantel"});

const std::string kMaterialSchema = SchemaOf({"Material", "Gefaesse"});

const std::string kTechDatenSchema = SchemaOf({"Heizmaterialien", "GWHMaterial"});

const std::string kErgebnisSchema = SchemaOf("Vergleichskulturen");

void DataTest::SetUp() {
  ResetState();
  previousRoot_ = sys::SetDataRoot(dir_.Path());
  base::SetClock(&clock_);
}

void DataTest::TearDown() {
  base::SetClock(nullptr);
  sys::SetDataRoot(previousRoot_);
  ResetState();
}

std::string DataTest::Path(std::string_view relative) const { return dir_.Join(std::string(relative)); }

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
