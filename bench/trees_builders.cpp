// Loading a master list from its database and building its tree, current and full view, in
// the master-data window's tree control; and the list logic alone, to show how the cost grows.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/ui/keyedtree.h"
#include "trees/tree_build.h"
#include "trees/ui/frmStammdaten.h"
#include "trees/ui/mdlAllesAnzeigen.h"
#include "trees/ui/mdlFormen.h"

namespace {

using namespace tolvar;

std::string SiteTable() {
  const auto path =
      std::filesystem::path(__FILE__).parent_path().parent_path() / "shipped" / "sql" / "morvin_schema.sql";
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::string sql = text.str();
  const size_t start = sql.find("CREATE TABLE \"Standort\" (");
  if (start == std::string::npos) throw std::runtime_error("no table Standort in " + path.string());
  return sql.substr(start, sql.find(';', start) + 1 - start);
}

// A labour-time database whose site table holds `count` records: groups of about 50 sites, a
// tenth of the groups with subgroups, one record in ten not current.
std::string SiteDatabase(int count) {
  const auto path = std::filesystem::temp_directory_path() / ("tolvar_bench_trees_" + std::to_string(count) + ".mdb");
  std::filesystem::remove(path);
  auto db = db::Database::Create(path.string());
  if (!db || !db->ExecuteScript(SiteTable())) throw std::runtime_error("cannot create " + path.string());
  db::Transaction tx(db.get());
  std::mt19937 random(42);
  const int groups = std::max(1, count / 50);
  db->Execute(
      "INSERT INTO \"Standort\" (\"StandortNr\", \"UeberPNr\", \"Standortname\", \"Aktuell\", "
      "\"Gliederungspunkt\") VALUES ('Sta1000', '0', 'Standorte', -1, -1)");
  for (int i = 1; i < count; ++i) {
    const bool group = i <= groups;
    std::string parent = "0";
    if (group && i > 10 && i % 10 == 0) parent = std::to_string(1000 + static_cast<int>(random() % 10) + 1);
    if (!group) parent = std::to_string(1000 + static_cast<int>(random() % groups) + 1);
    const std::string name = (group ? "Gruppe " : "Haus ") + std::to_string(random() % 100000);
    db->Execute(
        "INSERT INTO \"Standort\" (\"StandortNr\", \"UeberPNr\", \"Standortname\", \"Aktuell\", "
        "\"Gliederungspunkt\") VALUES (?, ?, ?, ?, ?)",
        {db::Value("Sta" + std::to_string(1000 + i)), db::Value(parent), db::Value(name), db::Value::Bool(i % 10 != 3),
         db::Value::Bool(group)});
  }
  tx.Commit();
  return path.string();
}

void LoadAndBuild(benchmark::State& st, bool full) {
  const int count = static_cast<int>(st.range(0));
  state().enterprise.AktuellerBetrieb = SiteDatabase(count);
  frmStammdaten& form = frmStammdaten::instanz();
  for (auto _ : st) {
    mdlDatenLaden::StandorteLaden();
    if (full) {
      mdlAllesAnzeigen::AlleStandorteAnzeigen();
    } else {
      mdlFormen::AktuelleStandorteAnzeigen(form);
    }
  }
  st.counters["nodes"] = form.trvStandort->Count();
  st.SetComplexityN(count);
}

void BM_LoadAndBuildCurrent(benchmark::State& st) { LoadAndBuild(st, false); }
void BM_LoadAndBuildFull(benchmark::State& st) { LoadAndBuild(st, true); }

// Loading alone, for comparison.
void BM_Load(benchmark::State& st) {
  state().enterprise.AktuellerBetrieb = SiteDatabase(static_cast<int>(st.range(0)));
  for (auto _ : st) mdlDatenLaden::StandorteLaden();
  st.SetComplexityN(st.range(0));
}

// The list logic alone, on the list loaded once.
void Logic(benchmark::State& st, bool full) {
  const int count = static_cast<int>(st.range(0));
  state().enterprise.AktuellerBetrieb = SiteDatabase(count);
  mdlDatenLaden::StandorteLaden();
  for (auto _ : st) {
    for (StandortSatz& s : state().masters.StandortListe) s.ImBaum = false;
    const trees::TreeModel model =
        full ? trees::FullViewOfList(trees::Kind::Standorte, {}) : trees::CurrentViewOfList(trees::Kind::Standorte, {});
    benchmark::DoNotOptimize(model.Count());
  }
  st.SetComplexityN(count);
}

void BM_LogicCurrent(benchmark::State& st) { Logic(st, false); }
void BM_LogicFull(benchmark::State& st) { Logic(st, true); }

BENCHMARK(BM_LoadAndBuildCurrent)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_LoadAndBuildFull)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_LogicCurrent)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_LogicFull)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
