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

#include "SaveWriter.h"
#include "form/Games.h"
#include "form/SaveSummary.h"

namespace {

using namespace tolvane;
namespace fs = std::filesystem;

std::vector<form::SaveRow> ThousandRows() {
  std::vector<form::SaveRow> rows;
  for (int game = 0; game < 100; ++game)
    for (int save = 0; save < 10; ++save) {
      form::SaveRow row;
      row.loaded = true;
      row.cells[form::kFileNameColumn] = "game-" + std::to_string(game) + "-save-" + std::to_string(save);
      form::SaveLineage lineage;
      for (size_t i = 0; i < lineage.settings.size(); ++i) lineage.settings[i] = "setting " + std::to_string(i);
      lineage.settings[0] = "Game " + std::to_string(game);
      lineage.gameTurn = 30 * (save + 1);
      lineage.playTime = 60 * lineage.gameTurn;
      lineage.replayShown = true;
      // The sixth save was played on from a reload at turn 140.
      const bool reloaded = save == 5;
      for (int32_t turn = 1; turn <= lineage.gameTurn; ++turn) {
        if (turn % 50 == 1 || (reloaded && turn == 141)) lineage.sessionTurns.push_back(turn);
        form::AppendReplayLine(lineage, turn,
                               (reloaded && turn > 140 ? "Another event of turn " : "An event of turn ") +
                                   std::to_string(turn) + " in game " + std::to_string(game));
      }
      row.lineage = std::move(lineage);
      rows.push_back(std::move(row));
    }
  return rows;
}

void GroupAndChainThousandSaves(benchmark::State& state) {
  std::vector<form::SaveRow> rows = ThousandRows();
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
