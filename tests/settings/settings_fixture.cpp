#include "settings/settings_fixture.h"

#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"
#include "support/schema.h"

namespace tolvar::test {

namespace {
std::unique_ptr<db::Database> Make(const std::string& path, const std::string& script) {
  sys::CreateFolder(sys::FolderOf(path));
  std::string error;
  std::unique_ptr<db::Database> database = db::Database::Create(path, &error);
  EXPECT_NE(database, nullptr) << error;
  if (database) {
    EXPECT_TRUE(database->ExecuteScript(script)) << database->LastError();
  }
  return database;
}
}  // namespace

void SettingsTest::SetUp() {
  ResetState();
  previousRoot_ = sys::SetDataRoot(dir_.Path());
  base::SetClock(&clock_);
  State& st = state();
  st.enterprise.AktuellerBetrieb = Path("Betriebe/Muster.mdb");
  st.enterprise.TolvarDatenbankPfad = Path("Betriebe/Muster.Tolvar");
  st.enterprise.AktuelleEinstellungen.VantelPfad = Path("Vantel/Material/TechDaten.mdb");
  Make(st.enterprise.AktuellerBetrieb, SchemaOf({"Lohn", "Lohneinteilung"}));
  std::unique_ptr<db::Database> tolvar =
      Make(st.enterprise.TolvarDatenbankPfad, SchemaOf({"BetriebEinstellungen", "Tarif", "ArbeitMaterial", "Vantel"}));
  if (tolvar) Insert(*tolvar, "BetriebEinstellungen", {{"Wetterstation", "Hof"}, {"Strom", "0,12"}});
  Make(st.enterprise.AktuelleEinstellungen.VantelPfad, SchemaOf({"Heizmaterialien", "GWHMaterial"}));
}

void SettingsTest::TearDown() {
  base::SetClock(nullptr);
  sys::SetDataRoot(previousRoot_);
  ResetState();
}

std::unique_ptr<db::Database> SettingsTest::Morvin() { return db::Database::Open(state().enterprise.AktuellerBetrieb); }
std::unique_ptr<db::Database> SettingsTest::Tolvar() {
  return db::Database::Open(state().enterprise.TolvarDatenbankPfad);
}
std::unique_ptr<db::Database> SettingsTest::Vantel() {
  return db::Database::Open(state().enterprise.AktuelleEinstellungen.VantelPfad);
}

void SettingsTest::Insert(db::Database& database, std::string_view table, const Zeile& values) {
  db::Recordset rs = database.OpenTable(table);
  ASSERT_TRUE(rs.ok()) << rs.error();
  ASSERT_TRUE(rs.AddNew());
  for (const auto& [column, value] : values) ASSERT_TRUE(rs.SetField(column, value)) << column;
  ASSERT_TRUE(rs.Update()) << rs.error();
}

std::vector<std::string> SettingsTest::Rows(db::Database& database, std::string_view table,
                                            const std::vector<std::string>& columns) {
  std::vector<std::string> rows;
  db::Recordset rs = database.OpenTable(table);
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    std::string row;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) row += "|";
      row += rs[columns[i]].text();
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace tolvar::test
