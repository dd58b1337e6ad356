// Heating run of a culture with 500 one-year occupancies, each on its own site, database
// reads included. Reports the time per surface-hour (5 surfaces x 24 hours x dates).

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "heating/mdlHeizkostenBerrechnung.h"
#include "platform/db/database.h"

namespace {

using namespace tolvar;
using namespace tolvar::mdlHeizkostenBerrechnung;

// The CREATE TABLE statements of `tables` from a schema script of the source tree, so the
// bench builds the tables the build ships. Statements there end at the first ";".
std::string ShippedTables(const char* script, std::initializer_list<std::string_view> tables) {
  const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "shipped" / "sql" / script;
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::string sql = text.str();
  std::string out;
  for (const std::string_view table : tables) {
    const size_t start = sql.find("CREATE TABLE \"" + std::string(table) + "\" (");
    if (start == std::string::npos) {
      throw std::runtime_error("no table " + std::string(table) + " in " + path.string());
    }
    out += sql.substr(start, sql.find(';', start) + 1 - start) + "\n";
  }
  return out;
}

constexpr int kBelegungen = 500;

struct Fixture {
  std::filesystem::path dir;
  Datenquellen quellen;
  std::vector<PhasenSatz> phasen;
  std::vector<KulturStandortSatz> belegungen;
  long long flaechenstunden = 0;

  Fixture() {
    std::random_device rd;
    dir = std::filesystem::temp_directory_path() / ("tolvar_bench_heating_" + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    quellen = {(dir / "Betrieb.Tolvar").string(), (dir / "TechDaten.mdb").string(), (dir / "Klimadaten.mdb").string(),
               "Landesmitte"};
    Erzeugen();
  }
  ~Fixture() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }

  void Erzeugen() {
    auto tolvar = db::Database::Create(quellen.TolvarDatenbank);
    tolvar->ExecuteScript(ShippedTables("tolvar_schema.sql", {"Vantel"}));
    {
      auto t = tolvar->BeginTransaction();
      for (int i = 0; i < kBelegungen; ++i) {
        const std::string bauart = std::to_string(i % 3 + 1);
        const bool grenze = i % 4 == 0;
        tolvar->Execute(
            "INSERT INTO \"Vantel\" VALUES (?, ?, ?, '', '3', ?, '10', ?, '4', 'Glas', 'Glas', 'Glas', "
            "'Folie', 'Folie', -1, -1, ?, -1, '0', '0', ?, '0', ?, '85', ?, -1, '20', '1')",
            {db::Value("Sta" + std::to_string(2000 + i)), db::Value(std::to_string(40 + i % 30)),
             db::Value(std::to_string(8 + i % 5)), db::Value(i % 2 ? "5" : "4,5"), db::Value(bauart),
             db::Value::Bool(!grenze), db::Value(grenze ? "15" : "0"), db::Value(i % 2 ? "Heizöl" : "Erdgas"),
             db::Value::Bool(i % 5 == 0)});
      }
      t.Commit();
    }
    auto tech = db::Database::Create(quellen.Vanteldatenbank);
    tech->ExecuteScript(ShippedTables("techdaten.sql", {"Heizmaterialien", "GWHMaterial"}) +
                        R"(
        INSERT INTO "Heizmaterialien" VALUES (1, 'Heizöl', 10, 10.6, 0.75), (2, 'Erdgas', 10.4, 11.5, 0.09);
        INSERT INTO "GWHMaterial" VALUES (1, 'Glas', 5.8, 90, 1), (2, 'Folie', 4.1, 82, 1);)");
    auto klima = db::Database::Create(quellen.Wetterdatenbank);
    for (const std::string endung : {"-Temperatur", "-Einstrahlung"}) {
      const std::string name = db::QuoteIdentifier(quellen.Wetterstation + endung);
      std::string spalten = "\"Stunde\" INTEGER";
      for (int w = 1; w <= 52; ++w) spalten += ", \"W" + std::to_string(w) + "\" REAL";
      klima->Execute("CREATE TABLE " + name + " (" + spalten + ")");
      for (int h = 0; h < 24; ++h) {
        std::vector<db::Value> werte{db::Value(h)};
        std::string platz = "?";
        for (int w = 1; w <= 52; ++w) {
          const double saison = -std::cos((w - 3) * 2 * 3.14159 / 52);
          const double tag = std::sin((h - 8) * 3.14159 / 12);
          werte.emplace_back(endung == "-Temperatur" ? 9 + 9.5 * saison + 4 * tag
                                                     : std::max(0.0, (250 + 200 * saison) * tag));
          platz += ", ?";
        }
        klima->Execute("INSERT INTO " + name + " VALUES (" + platz + ")", werte);
      }
    }

    phasen.assign(26, PhasenSatz{});
    PhasenSatz& p = phasen[1];
    p.Phasennummer = "1";
    p.KP_ID = "K1001_1";
    p.Kulturnummer = "K1001";
    p.Anfang = *base::MakeDate(2024, 1, 1);
    p.Ende = *base::MakeDate(2024, 12, 31);
    p.TT = "20";
    p.NT = "16,5";
    for (int i = 0; i < kBelegungen; ++i) {
      KulturStandortSatz b;
      b.KulturNr = "K1001";
      b.StandortNr = "Sta" + std::to_string(2000 + i);
      b.Beginn = p.Anfang;
      b.Ende = p.Ende;
      belegungen.push_back(b);
      flaechenstunden += 5LL * 24 * (base::DaysBetween(b.Beginn, b.Ende) + 1);
    }
  }
};

void BM_HeizkostenBerechnen(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    HeizkostenBerechnen("K1001", f.phasen, f.belegungen, f.quellen);
    benchmark::DoNotOptimize(f.belegungen.data());
  }
  for (const auto& b : f.belegungen) {
    if (b.HeizdatenFehlen || !(b.Heizbedarf > 0)) state.SkipWithError("an occupancy was not computed");
  }
  state.counters["surface_hours"] = static_cast<double>(f.flaechenstunden);
  state.counters["time_per_surface_hour"] =
      benchmark::Counter(static_cast<double>(f.flaechenstunden),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_HeizkostenBerechnen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
