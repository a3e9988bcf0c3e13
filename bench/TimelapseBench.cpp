// The timelapse of a game of 100 saves on the demo's 60 x 40 map at 16
// pixels a plot (960 x 640, frames 960 x 691 with the band), each save
// about as large as the demo save, the land claimed plot by plot all over
// the map from save to save (every frame changes across the whole map).
//
// - TimelapseFramesOfTheGame: the GIF of the 100 frames already read, on
//   one thread and on two; on one, the ms_per_frame counter should stay at
//   most 10. Beside it the GIF's size and the sum of the frames' PNGs (the
//   GIF should be the smaller).
// - TimelapseFirstFrame: the last save's frame alone, on one thread: the
//   whole picture, and more colours than a table holds (reduced).
// - TimelapseAgainstTable: tolvane-report --table and --timelapse on the
//   same 100 saves, one after the other in the same run; the ratio counters
//   (wall and CPU time of --timelapse over --table's) should stay at most 1.3.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "SaveWriter.h"
#include "analysis/SaveAnalyse.h"
#include "form/exports/Png.h"
#include "form/exports/Timelapse.h"
#include "form/exports/WorldFrame.h"

namespace {

using namespace tolvane;
namespace fs = std::filesystem;

constexpr int kSaves = 100;
constexpr int32_t kScale = 16;

// The example game on a 60 x 40 map at its save `k` of kSaves: a plot of
// the final map is owned from save (x * 7 + y * 13) % kSaves on, so that
// every save claims land all over the map. Messages bring each file to
// about the demo save's size (2.3 MB).
testing::SaveDescription GameAt(int k) {
  testing::SaveDescription d = testing::ExampleSave();
  d.mapWidth = 60;
  d.mapHeight = 40;
  d.plots = testing::GeneratePlots(d.mapWidth, d.mapHeight, 7, 3);
  for (testing::PlotDesc& p : d.plots)
    if ((p.x * 7 + p.y * 13) % kSaves > k) p.owner = 255;
  testing::CountPlots(d);
  d.elapsedTurns = 100 + 2 * k;
  for (int slot = 0; slot < 7; ++slot) {
    auto& messages = d.players[size_t(slot)].messages;
    for (int i = 0; i < 1500; ++i) messages.push_back({.text = "A message of the long game", .turn = i % 100});
  }
  return d;
}

struct GameFolder {
  fs::path folder;
  std::vector<std::shared_ptr<const form::WorldFrame>> frames;
  size_t saveBytes = 0;
  GameFolder() {
    folder = fs::temp_directory_path() / ("tolvane-timelapse-bench-" + std::to_string(getpid()));
    fs::create_directories(folder / "saves");
    for (int k = 0; k < kSaves; ++k) {
      const std::vector<uint8_t> file = testing::WriteSaveFile(GameAt(k));
      saveBytes = file.size();
      testing::WriteFile(folder / "saves" / ("save-" + std::to_string(1000 + k) + ".CivWarlordsSave"), file);
      const Analysis a = SaveAnalyse(SpliceSave(file), ScoreFactors{});
      frames.push_back(std::make_shared<const form::WorldFrame>(form::WorldFrameOf(a)));
    }
  }
  ~GameFolder() { fs::remove_all(folder); }
};

const GameFolder& Game() {
  static const GameFolder kGame;
  return kGame;
}

void TimelapseFramesOfTheGame(benchmark::State& state) {
  const GameFolder& game = Game();
  const form::TimelapseOptions options{.scale = kScale, .threads = unsigned(state.range(0))};
  size_t gif = 0;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    gif = form::EncodeTimelapse(game.frames, options).size();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  size_t pngs = 0;
  for (const auto& frame : game.frames)
    pngs += form::EncodePng(form::DrawTimelapseFrame(*frame, options.layers, kScale)).size();
  state.counters["ms_per_frame"] = seconds * 1e3 / double(state.iterations()) / kSaves;
  state.counters["gif_KB"] = double(gif) / 1024;
  state.counters["pngs_KB"] = double(pngs) / 1024;
  state.counters["save_MB"] = double(game.saveBytes) / (1 << 20);
}
BENCHMARK(TimelapseFramesOfTheGame)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond);

void TimelapseFirstFrame(benchmark::State& state) {
  const std::vector<std::shared_ptr<const form::WorldFrame>> one = {Game().frames.back()};
  for (auto _ : state) benchmark::DoNotOptimize(form::EncodeTimelapse(one, {.scale = kScale, .threads = 1}).data());
}
BENCHMARK(TimelapseFirstFrame)->Unit(benchmark::kMillisecond);

// Runs tolvane-report with the arguments, its output dropped; its wall and
// CPU seconds.
struct Times {
  double wall = 0, cpu = 0;
};
Times RunReport(const std::string& args) {
  rusage before{}, after{};
  getrusage(RUSAGE_CHILDREN, &before);
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(("'" + std::string(TOLVANE_REPORT) + "' " + args + " >/dev/null").c_str());
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  getrusage(RUSAGE_CHILDREN, &after);
  if (status != 0) return {-1, -1};
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
  return {wall, seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime) -
                    seconds(before.ru_stime)};
}

void TimelapseAgainstTable(benchmark::State& state) {
  const GameFolder& game = Game();
  const std::string saves = "'" + (game.folder / "saves").string() + "'";
  const std::string gif = "'" + (game.folder / "game.gif").string() + "'";
  Times table, timelapse;
  for (auto _ : state) {
    const Times t = RunReport("--table " + saves + " --format csv");
    const Times g = RunReport("--timelapse " + gif + " " + saves + " --world-scale 16");
    if (t.wall < 0 || g.wall < 0) state.SkipWithError("tolvane-report failed");
    table.wall += t.wall;
    table.cpu += t.cpu;
    timelapse.wall += g.wall;
    timelapse.cpu += g.cpu;
  }
  state.counters["table_s"] = table.wall / double(state.iterations());
  state.counters["timelapse_s"] = timelapse.wall / double(state.iterations());
  state.counters["wall_ratio"] = timelapse.wall / table.wall;
  state.counters["cpu_ratio"] = timelapse.cpu / table.cpu;
}
BENCHMARK(TimelapseAgainstTable)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
