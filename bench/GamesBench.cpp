// The games in a folder: 1,000 saves' rows (100 games of 10 saves, each save
// with a replay of a line a turn, up to 300 lines, and a reload in every
// game) grouped into games and chained, beside the time to read one save's
// row (the example game written by the test save writer; TableBench reads
// the large save). Grouping and chaining should take a small fraction of
// reading the rows: compare GroupAndChainThousandSaves with 1,000 times
// RowOfTheExampleSave.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GameRows.h"
#include "SaveWriter.h"
#include "form/Games.h"
#include "form/SaveSummary.h"

namespace {

using namespace tolvane;
namespace fs = std::filesystem;

void GroupAndChainThousandSaves(benchmark::State& state) {
  std::vector<form::SaveRow> rows = bench::ThousandRows();
  for (auto _ : state) {
    const std::vector<form::Game> games = form::GroupGames(rows);
    form::FillGameColumns(rows, games);
    benchmark::DoNotOptimize(games.data());
    if (games.size() != 100) state.SkipWithError("not 100 games");
  }
}
BENCHMARK(GroupAndChainThousandSaves)->Unit(benchmark::kMillisecond);

void RowOfTheExampleSave(benchmark::State& state) {
  const fs::path path =
      fs::temp_directory_path() / ("tolvane-games-bench-" + std::to_string(getpid()) + ".CivWarlordsSave");
  testing::WriteFile(path, testing::WriteSaveFile(testing::ExampleSave()));
  const form::Form defaults;
  for (auto _ : state) {
    const form::SaveRow row = form::SummarizeSave(path, defaults.Calculators());
    if (!row.loaded) state.SkipWithError("the save did not load");
  }
  fs::remove(path);
}
BENCHMARK(RowOfTheExampleSave)->Unit(benchmark::kMillisecond);

}  // namespace
