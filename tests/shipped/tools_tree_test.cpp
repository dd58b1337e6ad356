// Checks the generated installation tree (TOLVAR_SHARE_DIR) with the plain sqlite3 API.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QImage>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "settings/mdlWetterstation.h"

namespace {

namespace fs = std::filesystem;
namespace mdlWetterstation = tolvar::mdlWetterstation;

fs::path shareDir() {
  const char* dir = std::getenv("TOLVAR_SHARE_DIR");
  return dir ? fs::path(dir) : fs::path(TOLVAR_SHARE_DIR_DEFAULT);
}

// Read-only connection; opening never creates a file.
class Db {
 public:
  explicit Db(const fs::path& file) {
    if (sqlite3_open_v2(file.string().c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << "cannot open " << file;
    }
  }
  ~Db() { sqlite3_close(db_); }
  Db(const Db&) = delete;
  Db& operator=(const Db&) = delete;

  // All rows of a query in rowid order as texts; Null becomes "<NULL>".
  std::vector<std::vector<std::string>> rows(const std::string& sql) const {
    std::vector<std::vector<std::string>> out;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
      return out;
    }
    while (sqlite3_step(st) == SQLITE_ROW) {
      std::vector<std::string> row;
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        const auto* text = sqlite3_column_text(st, i);
        row.emplace_back(text ? reinterpret_cast<const char*>(text) : "<NULL>");
      }
      out.push_back(row);
    }
    sqlite3_finalize(st);
    return out;
  }

  std::vector<double> numbers(const std::string& sql, bool* sawNull) const {
    std::vector<double> out;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) return out;
    while (sqlite3_step(st) == SQLITE_ROW)
      for (int i = 1; i < sqlite3_column_count(st); ++i) {
        if (sqlite3_column_type(st, i) == SQLITE_NULL) *sawNull = true;
        out.push_back(sqlite3_column_double(st, i));
      }
    sqlite3_finalize(st);
    return out;
  }

  int columnCount(const std::string& table) const {
    return static_cast<int>(rows("PRAGMA table_info(" + quoted(table) + ")").size());
  }

  static std::string quoted(const std::string& name) { return "\"" + name + "\""; }

 private:
  sqlite3* db_ = nullptr;
};

// The regions of the weather-region map, in map order: the shipped climate tables and station
// pictures must serve each of them.
const std::array<mdlWetterstation::Region, mdlWetterstation::kAnzahlRegionen>& regions() {
  return mdlWetterstation::Regionen();
}

const fs::path kKlima = "Vantel/Wetterdaten/Klimadaten.mdb";
const fs::path kSample = "Betriebe/Mustergärtnerei.mdb";
const fs::path kSampleOwn = "Betriebe/Mustergärtnerei.Tolvar";

// ---- climate tables ----------------------------------------------------------------------

class ClimateTest : public ::testing::TestWithParam<mdlWetterstation::Region> {};

TEST_P(ClimateTest, TablesHaveLayoutAndPlausibleValues) {
  const Db db(shareDir() / kKlima);
  const std::string caption = GetParam().Caption;
  for (const std::string suffix : {"-Temperatur", "-Einstrahlung"}) {
    SCOPED_TRACE(caption + suffix);
    EXPECT_EQ(db.columnCount(caption + suffix), 53);
    const auto hours = db.rows("SELECT Stunde FROM " + Db::quoted(caption + suffix) + " ORDER BY rowid");
    ASSERT_EQ(hours.size(), 24u);
    for (int h = 0; h < 24; ++h) EXPECT_EQ(hours[h][0], std::to_string(h));
  }

  bool sawNull = false;
  const auto t = db.numbers("SELECT * FROM " + Db::quoted(caption + "-Temperatur") + " ORDER BY rowid", &sawNull);
  const auto g = db.numbers("SELECT * FROM " + Db::quoted(caption + "-Einstrahlung") + " ORDER BY rowid", &sawNull);
  EXPECT_FALSE(sawNull);
  ASSERT_EQ(t.size(), 24u * 52u);
  ASSERT_EQ(g.size(), 24u * 52u);
  auto at = [](const std::vector<double>& v, int hour, int week) { return v[hour * 52 + week]; };

  double year = 0, january = 0, july = 0, radiation = 0;
  for (int h = 0; h < 24; ++h)
    for (int w = 0; w < 52; ++w) {
      const double temp = at(t, h, w), rad = at(g, h, w);
      EXPECT_GE(temp, -25.0);
      EXPECT_LE(temp, 38.0);
      EXPECT_GE(rad, 0.0);
      EXPECT_LE(rad, 1000.0);
      year += temp;
      if (w < 4) january += temp;
      if (w >= 26 && w < 30) july += temp;
      radiation += rad;
    }
  year /= 24 * 52;
  january /= 24 * 4;
  july /= 24 * 4;
  const double kWhPerYear = radiation * 7 / 1000;
  EXPECT_GE(year, 6.0);
  EXPECT_LE(year, 10.0);
  EXPECT_LT(january, 1.0);
  EXPECT_GE(july, 15.0);
  EXPECT_LE(july, 21.0);
  EXPECT_GE(kWhPerYear, 900.0);
  EXPECT_LE(kWhPerYear, 1300.0);

  // Night is dark, noon is bright and warmer than the early morning.
  for (int w = 0; w < 52; ++w) {
    EXPECT_EQ(at(g, 0, w), 0.0);
    EXPECT_EQ(at(g, 23, w), 0.0);
    EXPECT_GT(at(g, 12, w), 0.0);
    EXPECT_GT(at(t, 14, w), at(t, 5, w));
  }
}

INSTANTIATE_TEST_SUITE_P(Regions, ClimateTest, ::testing::ValuesIn(regions()));

TEST(Climate, HoldsExactlyTheRegionTables) {
  const Db db(shareDir() / kKlima);
  EXPECT_EQ(db.rows("SELECT name FROM sqlite_master WHERE type = 'table'").size(), 46u);
}

// ---- stations ----------------------------------------------------------------------------

TEST(Stations, OneRowAndOneGifPerStationInIndexOrder) {
  const Db db(shareDir() / "Vantel/Stationsinfo/Stat_Info.mdb");
  const auto rows =
      db.rows("SELECT StatName, Regierungsbezirk, Lkr, Gemeinde, \"Höhe\", Lage FROM Stat_Info ORDER BY rowid");
  ASSERT_EQ(rows.size(), regions().size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(regions()[i].Station);
    EXPECT_EQ(rows[i][0], regions()[i].Station);
    for (const auto& field : rows[i]) EXPECT_FALSE(field.empty() || field == "<NULL>");
    const int height = std::stoi(rows[i][4]);
    EXPECT_GE(height, 100);
    EXPECT_LE(height, 1000);

    const fs::path gif = shareDir() / "Vantel/Stationsinfo/Temperaturmittelwerte" / (regions()[i].Bildname + ".gif");
    std::ifstream in(gif, std::ios::binary);
    ASSERT_TRUE(in) << gif;
    char head[6] = {};
    in.read(head, 6);
    EXPECT_EQ(std::string(head, 6), "GIF89a");
    // The picture must also decode: the encoder is our own.
    const QImage img(QString::fromStdString(gif.string()), "GIF");
    EXPECT_FALSE(img.isNull());
    EXPECT_GT(img.width(), 100);
  }
}

// ---- settings rows -----------------------------------------------------------------------

TEST(Settings, TemplateAndSampleHoldExactlyOneRow) {
  const struct {
    fs::path file;
    std::string materialPath;
  } cases[] = {{"Tolvar_DB/Vorlage.Tolvar", ""}, {kSampleOwn, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.string());
    const Db db(shareDir() / c.file);
    const auto rows =
        db.rows("SELECT MaterialPfad, VantelPfad, KlimaPfad, Ergebnisdatenbank FROM BetriebEinstellungen");
    ASSERT_EQ(rows.size(), 1u);
    for (const auto& path : rows[0]) EXPECT_EQ(path, c.materialPath) << "paths must not be baked in";
  }
}

TEST(Settings, SystemInfoNamesNoEnterprise) {
  const Db db(shareDir() / "Tolvar_DB/SystemInfo.mdb");
  const auto rows = db.rows("SELECT AktuellerBetrieb, FarbeTolvar, FarbeMorvin FROM SystemInfo");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], "KeinAktuellerBetrieb");
}

TEST(Settings, TemplatesOfTheOwnAndResultDatabasesHaveNoOtherRows) {
  const struct {
    fs::path file;
    std::string table;
  } cases[] = {
      {"Tolvar_DB/Vorlage.Tolvar", "KulturPhasen"},   {"Tolvar_DB/Vorlage.Tolvar", "Material"},
      {"Tolvar_DB/Vorlage.Tolvar", "ArbeitMaterial"}, {"Tolvar_DB/Vorlage.Tolvar", "Tarif"},
      {"Tolvar_DB/Vorlage.Tolvar", "Vantel"},         {"Tolvar_DB/VorlageErgebnisse.tvd", "Vergleichskulturen"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.string() + " " + c.table);
    const Db db(shareDir() / c.file);
    EXPECT_EQ(db.rows("SELECT count(*) FROM " + Db::quoted(c.table))[0][0], "0");
  }
}

// ---- references between records ----------------------------------------------------------

// Every UeberPNr names "0" or the four digits of an existing group of its table.
TEST(References, ParentNumbersNameExistingGroups) {
  const struct {
    fs::path file;
    std::string table;
    std::string number;
    std::string top;
  } cases[] = {{kSample, "Kulturen", "KulturNr", "K1000"},
               {kSample, "Standort", "StandortNr", "Sta1000"},
               {kSample, "Personal", "PersonalNr", "P1000"},
               {kSample, "StdTaetigkeiten", "StdTaetigkeitNr", "StdT1000"},
               {"Tolvar_DB/Material.mdb", "Material", "MaterialNr", "M1000"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    const Db db(shareDir() / c.file);
    std::set<std::string> groups;
    for (const auto& r : db.rows("SELECT " + c.number + " FROM " + c.table + " WHERE Gliederungspunkt <> 0"))
      groups.insert(r[0].substr(r[0].size() - 4));
    EXPECT_TRUE(groups.count(c.top.substr(c.top.size() - 4))) << "top record missing";
    const auto top = db.rows("SELECT UeberPNr, Aktuell FROM " + c.table + " WHERE " + c.number + " = '" + c.top + "'");
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0][0], "0");
    for (const auto& r : db.rows("SELECT " + c.number + ", UeberPNr FROM " + c.table)) {
      EXPECT_TRUE(r[1] == "0" || groups.count(r[1])) << r[0] << " -> " << r[1];
    }
  }
}

TEST(References, MaterialNumbersFollowBarcodes) {
  const Db db(shareDir() / "Tolvar_DB/Material.mdb");
  const auto rows = db.rows("SELECT MaterialNr, Barcode FROM Material ORDER BY rowid");
  ASSERT_GE(rows.size(), 10u);
  std::set<std::string> numbers;
  for (const auto& r : rows) {
    EXPECT_EQ(r[0], "M1" + r[1].substr(r[1].size() - 3));
    EXPECT_TRUE(numbers.insert(r[0]).second) << "duplicate " << r[0];
  }
  // Pots, substrates and combinations refer to existing materials of the right groups.
  const auto inGroup = [&](const std::string& nr, const std::string& group) {
    return db.rows("SELECT 1 FROM Material WHERE MaterialNr = '" + nr + "' AND UeberPNr = '" + group + "'").size() == 1;
  };
  for (const auto& r : db.rows("SELECT MaterialNr FROM Gefaesse")) EXPECT_TRUE(inGroup(r[0], "1007")) << r[0];
  for (const auto& r : db.rows("SELECT MaterialNr, TopfNr, SubstratNr FROM Topfsubstrat")) {
    EXPECT_TRUE(inGroup(r[0], "1001")) << r[0];
    EXPECT_TRUE(inGroup(r[1], "1007")) << r[1];
    EXPECT_TRUE(inGroup(r[2], "1008")) << r[2];
  }
}

TEST(References, OccupanciesWorkAndMaterialRowsNameExistingRecords) {
  const Db sample(shareDir() / kSample);
  const Db own(shareDir() / kSampleOwn);
  const Db material(shareDir() / "Tolvar_DB/Material.mdb");
  auto exists = [](const Db& db, const std::string& table, const std::string& column, const std::string& value) {
    return !db.rows("SELECT 1 FROM " + table + " WHERE " + column + " = '" + value + "'").empty();
  };
  const auto occupancies = sample.rows("SELECT KulturNr, StandortNr, Beginn, Ende FROM KulturStandorte");
  ASSERT_FALSE(occupancies.empty());
  for (const auto& r : occupancies) {
    EXPECT_TRUE(exists(sample, "Kulturen", "KulturNr", r[0])) << r[0];
    EXPECT_TRUE(exists(sample, "Standort", "StandortNr", r[1])) << r[1];
    EXPECT_LE(r[2], r[3]);
  }
  for (const auto& r : sample.rows("SELECT KulturNr, StdTaetigkeitNr, StandortNr, PersonalNr FROM Taetigkeiten")) {
    EXPECT_TRUE(exists(sample, "Kulturen", "KulturNr", r[0])) << r[0];
    EXPECT_TRUE(exists(sample, "StdTaetigkeiten", "StdTaetigkeitNr", r[1])) << r[1];
    EXPECT_TRUE(exists(sample, "Standort", "StandortNr", r[2])) << r[2];
    EXPECT_TRUE(exists(sample, "Personal", "PersonalNr", r[3])) << r[3];
  }
  for (const auto& r : own.rows("SELECT Kulturnummer FROM KulturPhasen"))
    EXPECT_TRUE(exists(sample, "Kulturen", "KulturNr", r[0])) << r[0];
  for (const auto& r : own.rows("SELECT KulturNr, MaNr FROM Material")) {
    EXPECT_TRUE(exists(sample, "Kulturen", "KulturNr", r[0])) << r[0];
    EXPECT_TRUE(exists(material, "Material", "MaterialNr", r[1])) << r[1];
  }
  for (const auto& r : sample.rows("SELECT LohngruppenID FROM Lohneinteilung"))
    EXPECT_TRUE(exists(own, "Tarif", "Lohngruppe", r[0])) << r[0];
}

// Every material row's day lies within one phase of its culture, which selects the phase.
TEST(References, MaterialRowsFallIntoAPhase) {
  const Db own(shareDir() / kSampleOwn);
  for (const auto& r : own.rows("SELECT KulturNr, Datum FROM Material")) {
    const auto phases = own.rows("SELECT 1 FROM KulturPhasen WHERE Kulturnummer = '" + r[0] + "' AND Anfang <= '" +
                                 r[1] + "' AND Ende >= '" + r[1] + "'");
    EXPECT_EQ(phases.size(), 1u) << r[0] << " " << r[1];
  }
}

TEST(References, GreenhouseDataNameExistingCoveringsAndFuels) {
  const Db own(shareDir() / kSampleOwn);
  const Db tech(shareDir() / "Vantel/Material/TechDaten.mdb");
  const Db sample(shareDir() / kSample);
  std::set<std::string> coverings, roofs, fuels;
  for (const auto& r : tech.rows("SELECT Material, Eignung FROM GWHMaterial")) {
    coverings.insert(r[0]);
    if (std::stoi(r[1]) > 0) roofs.insert(r[0]);
  }
  for (const auto& r : tech.rows("SELECT Brennstoffart FROM Heizmaterialien")) fuels.insert(r[0]);
  const auto rows = own.rows(
      "SELECT StandortNr, EinDach, EinGiebelH, EinGiebelV, EinStehL, EinStehR, Brennstoff, \"Länge\", Breite FROM "
      "Vantel");
  ASSERT_FALSE(rows.empty());
  for (const auto& r : rows) {
    SCOPED_TRACE(r[0]);
    EXPECT_TRUE(roofs.count(r[1])) << r[1];
    for (int i = 2; i <= 5; ++i) EXPECT_TRUE(coverings.count(r[i])) << r[i];
    EXPECT_TRUE(fuels.count(r[6])) << r[6];
    // The site's floor area is length x width.
    auto number = [](std::string s) {
      for (auto& ch : s)
        if (ch == ',') ch = '.';
      return std::stod(s);
    };
    const auto area = sample.rows("SELECT \"Fläche\" FROM Standort WHERE StandortNr = '" + r[0] + "'");
    ASSERT_EQ(area.size(), 1u);
    EXPECT_DOUBLE_EQ(std::stod(area[0][0]), number(r[7]) * number(r[8]));
  }
}

}  // namespace
