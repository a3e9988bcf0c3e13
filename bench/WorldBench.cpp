// The World page's picture of the map: the raster drawn from the analysis
// (what the page and "Save Picture…" cost), on the large save's 124 x 68 map
// and on a 500 x 500 map, the largest a save can store; and its PNG.
#include <benchmark/benchmark.h>

#include "LargeSaveFile.h"
#include "SaveWriter.h"
#include "analysis/SaveAnalyse.h"
#include "form/exports/Png.h"
#include "form/exports/WorldFrame.h"
#include "form/exports/WorldRaster.h"

namespace {

using namespace tolvane;

const Analysis& LargeAnalysis() {
  static const Analysis kA = SaveAnalyse(bench::Large().image, ScoreFactors{});
  return kA;
}

// The largest map a save can store, owned in bands by 18 players with 500
// cities each.
const Analysis& HugeMap() {
  static const Analysis kA = [] {
    Analysis a;
    a.mapWidth = a.mapHeight = kMaxMapSide;
    a.wrapX = 1;
    a.plots.resize(size_t(kMaxMapSide) * kMaxMapSide);
    for (const testing::PlotDesc& p : testing::GeneratePlots(kMaxMapSide, kMaxMapSide, 18, 7))
      a.PlotAt(p.x, p.y) = {p.plotType, p.terrain, p.feature, p.bonus, p.owner};
    for (int s = 0; s < 18; ++s) {
      a.slots[size_t(s)].leaderName = "Player";
      for (int i = 0; i < kMaxCities; ++i) {
        City& c = a.cities[size_t(s)].emplace_back();
        c.x = (s * kMaxMapSide / 18 + i * 7) % kMaxMapSide;
        c.y = (i * 13) % kMaxMapSide;
      }
    }
    return a;
  }();
  return kA;
}

// What the page does after a load and on a check box: the world as shown,
// then its picture. The argument is the pixels per plot.
void DrawWorldOf(benchmark::State& state, const Analysis& a) {
  const auto scale = int32_t(state.range(0));
  const form::WorldLayers layers{.owners = true, .cities = true, .resources = true};
  int64_t pixels = 0;
  for (auto _ : state) {
    const form::ShownWorld world = form::WorldAsShown(a);
    const form::Raster r = form::DrawWorld(world, layers, scale);
    pixels += int64_t(r.pixels.size());
    benchmark::DoNotOptimize(r.pixels.data());
  }
  state.counters["Mpixels/s"] = benchmark::Counter(double(pixels) / 1e6, benchmark::Counter::kIsRate);
}

void WorldRaster124x68(benchmark::State& state) { DrawWorldOf(state, LargeAnalysis()); }
void WorldRaster500x500(benchmark::State& state) { DrawWorldOf(state, HugeMap()); }

// "Save Picture…" of the large save: its picture at the page's scale as PNG.
void WorldPng124x68(benchmark::State& state) {
  const Analysis& a = LargeAnalysis();
  const form::ShownWorld world = form::WorldAsShown(a);
  const form::Raster r = form::DrawWorld(world, {}, form::DefaultWorldScale(world.width, world.height));
  for (auto _ : state) {
    const std::string png = form::EncodePng(r);
    benchmark::DoNotOptimize(png.data());
  }
}

// The World page's timelapse stepping to a prepared frame: the frame's
// picture at the page's scale. The counter "MB300" is what 300 such frames
// hold in memory (the frames the timelapse keeps; pictures are drawn only
// for the frame shown).
void TimelapseStep124x68(benchmark::State& state) {
  const form::WorldFrame frame = form::WorldFrameOf(LargeAnalysis());
  const int32_t scale = form::DefaultWorldScale(frame.world.width, frame.world.height);
  for (auto _ : state) {
    const form::Raster r = form::DrawWorld(frame.world, {}, scale);
    benchmark::DoNotOptimize(r.pixels.data());
  }
  size_t bytes =
      sizeof frame + frame.world.owner.capacity() + frame.world.ground.capacity() * sizeof(form::PlotGround) +
      frame.world.cities.capacity() * sizeof(form::WorldCity) + frame.gameName.capacity() + frame.date.capacity();
  for (const form::LegendPlayer& p : frame.legend) bytes += sizeof p + p.name.capacity();
  state.counters["scale"] = scale;
  state.counters["MB300"] = double(bytes) * 300 / 1e6;
}

BENCHMARK(TimelapseStep124x68)->Unit(benchmark::kMillisecond);
BENCHMARK(WorldRaster124x68)->Arg(8)->Arg(16)->ArgName("scale")->Unit(benchmark::kMillisecond);
BENCHMARK(WorldRaster500x500)->Arg(4)->Arg(8)->ArgName("scale")->Unit(benchmark::kMillisecond);
BENCHMARK(WorldPng124x68)->Unit(benchmark::kMillisecond);

}  // namespace
