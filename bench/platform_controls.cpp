// The platform layer's bulk paths: filling a grid of a thousand rows on a shown window, adding
// ten thousand nodes to a sorted tree, and reading a table of ten thousand rows.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/db/database.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"

namespace {

using namespace tolvar;

void BM_GridFill(benchmark::State& st) {
  const int rows = static_cast<int>(st.range(0));
  QWidget window;
  auto* grid = new ui::Grid(&window);
  window.resize(600, 400);
  window.show();
  QApplication::processEvents();
  for (auto _ : st) {
    grid->SetRows(1);
    grid->SetCols(10);
    grid->SetRows(rows + 1);
    for (int r = 1; r <= rows; ++r) {
      for (int c = 0; c < 10; ++c) grid->SetTextMatrix(r, c, QString::number(r * c));
    }
    QApplication::processEvents();
  }
}

void BM_KeyedTreeAdd(benchmark::State& st) {
  const int groups = static_cast<int>(st.range(0)) / 100;
  for (auto _ : st) {
    ui::KeyedTree tree;
    tree.Add(QString(), QStringLiteral("Kultur"), QStringLiteral("Kulturen"));
    tree.SetSorted(QStringLiteral("Kultur"), true);
    for (int group = 0; group < groups; ++group) {
      const QString groupKey = QStringLiteral("G%1").arg(group);
      tree.Add(QStringLiteral("Kultur"), groupKey, QStringLiteral("Gruppe %1").arg(groups - 1 - group));
      tree.SetSorted(groupKey, group % 2 == 0);
      for (int item = 0; item < 99; ++item) {
        tree.Add(groupKey, QStringLiteral("K%1_%2").arg(group).arg(item),
                 QStringLiteral("Kultur %1").arg((item * 37) % 99));
      }
    }
    benchmark::DoNotOptimize(tree.Count());
  }
}

void BM_OpenTable(benchmark::State& st) {
  const int rows = static_cast<int>(st.range(0));
  const auto path = std::filesystem::temp_directory_path() / "tolvar_bench_open_table.db";
  std::filesystem::remove(path);
  {
    auto db = db::Database::Create(path.string());
    if (!db) {
      st.SkipWithError("cannot create the database");
      return;
    }
    std::string schema = "CREATE TABLE gross (";
    for (int c = 0; c < 12; ++c) schema += (c ? ", c" : "c") + std::to_string(c) + (c % 2 ? " REAL" : " TEXT");
    db->Execute(schema + ")");
    db::Transaction tx = db->BeginTransaction();
    for (int r = 0; r < rows; ++r) {
      std::vector<db::Value> row;
      for (int c = 0; c < 12; ++c) {
        row.push_back(c % 2 ? db::Value(r * 0.5 + c) : db::Value("Text " + std::to_string(r)));
      }
      db->Execute("INSERT INTO gross VALUES (?,?,?,?,?,?,?,?,?,?,?,?)", row);
    }
    tx.Commit();
  }
  auto db = db::Database::Open(path.string());
  for (auto _ : st) {
    db::Recordset rs = db->OpenTable("gross");
    benchmark::DoNotOptimize(rs.RecordCount());
  }
  std::filesystem::remove(path);
}

BENCHMARK(BM_GridFill)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyedTreeAdd)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTable)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
