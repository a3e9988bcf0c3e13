// The Saves page taking the rows of 1,000 saves as the window's readers
// bring them: batches of 50 rows, each batch grouped into games, chained,
// judged by a rules file, sorted and shown (SetRows) on the window's
// thread. Every batch holds the window up for that long, so the slowest
// batch (the last, with every row in) must stay far below 50 ms: the
// counters give the last batch's wall time (the mean over the runs) and the
// slowest batch's processor time on the thread, which other programs on a
// busy machine do not lengthen. The argument is 1 with "Group by Game"
// ticked and a game selected.
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "GameRows.h"
#include "SaveWriter.h"
#include "form/Form.h"

namespace {

using namespace tolvane;
namespace fs = std::filesystem;

constexpr size_t kBatch = 50;

// The processor time of the calling thread, in milliseconds.
double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void SavesPageThousandRowsInBatches(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / ("tolvane-saves-page-bench-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "saves");
  const std::vector<form::SaveRow> rows = bench::ThousandRows();
  for (const form::SaveRow& row : rows)
    testing::WriteFile(dir / "saves" / (row.cells[form::kFileNameColumn] + ".CivWarlordsSave"),
                       std::vector<uint8_t>{'x'});
  const std::string rules = R"({"turn": {"max": 240}, "game_speed": ["Normal", "Epic"]})";
  testing::WriteFile(dir / "rules.json", std::vector<uint8_t>(rules.begin(), rules.end()));
  form::Form form;
  form::SavesPage& page = form.saves;
  if (!page.OpenRules(dir / "rules.json")) state.SkipWithError("the rules were refused");
  if (state.range(0) == 1) page.groupByGame.Click();
  double slowestCpu = 0, lastTotal = 0;
  for (auto _ : state) {
    state.PauseTiming();
    page.OpenFolder(dir / "saves");
    std::vector<std::pair<fs::path, form::SaveRow>> arriving;
    const std::vector<fs::path> paths = page.StartReading();
    for (const fs::path& path : paths) {
      const std::string name = path.stem().string();
      const auto row = std::find_if(rows.begin(), rows.end(),
                                    [&name](const form::SaveRow& r) { return r.cells[form::kFileNameColumn] == name; });
      arriving.emplace_back(path, *row);
    }
    state.ResumeTiming();
    for (size_t at = 0; at < arriving.size(); at += kBatch) {
      std::vector<std::pair<fs::path, form::SaveRow>> batch(
          std::make_move_iterator(arriving.begin() + ptrdiff_t(at)),
          std::make_move_iterator(arriving.begin() + ptrdiff_t(std::min(at + kBatch, arriving.size()))));
      const auto start = std::chrono::steady_clock::now();
      const double startCpu = ThreadCpuMs();
      page.SetRows(std::move(batch));
      // The first batch selects a game, as a user would.
      if (state.range(0) == 1 && at == 0 && !page.games.Rows().empty()) page.OpenGame(0);
      slowestCpu = std::max(slowestCpu, ThreadCpuMs() - startCpu);
      if (at + kBatch >= arriving.size())
        lastTotal += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    if (page.Games().size() != 100) state.SkipWithError("not 100 games");
  }
  state.counters["last_batch_ms"] = lastTotal / double(std::max<int64_t>(1, state.iterations()));
  state.counters["slowest_batch_cpu_ms"] = slowestCpu;
  fs::remove_all(dir);
}
BENCHMARK(SavesPageThousandRowsInBatches)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
