// The cost of a load beside the cost of decompression alone, on the large
// save of an 18-player game: plain zlib inflation of the body, libdeflate
// inflation of it, the whole load (read, inflate, splice, analyse) and the
// session scan alone. Compare the rows of one run.
#include <benchmark/benchmark.h>
#include <libdeflate.h>

#include "LargeSaveFile.h"
#include "analysis/SaveAnalyse.h"
#include "analysis/Walk.h"
#include "save/SaveFile.h"

namespace {

using namespace tolvane;

using bench::Large;
using bench::ZlibInflate;

void LibdeflateInflate(benchmark::State& state) {
  const auto& f = Large();
  const bench::LibdeflateInflation inflation;
  for (auto _ : state)
    if (!inflation.Run()) state.SkipWithError("libdeflate failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.bodyLength);
}

void WholeLoad(benchmark::State& state) {
  const auto& f = Large();
  for (auto _ : state) {
    const SaveImage image = SpliceSave(ReadWholeFile(f.path));
    Analysis a = SaveAnalyse(image, ScoreFactors{});
    benchmark::DoNotOptimize(a.playerScore);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.bodyLength);
}

void AnalyseOnly(benchmark::State& state) {
  const auto& f = Large();
  for (auto _ : state) {
    Analysis a = SaveAnalyse(f.image, ScoreFactors{});
    benchmark::DoNotOptimize(a.playerScore);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.bodyLength);
}

void SessionScanOnly(benchmark::State& state) {
  const auto& f = Large();
  for (auto _ : state) {
    SessionScan scan = ScanSessions(f.image);
    benchmark::DoNotOptimize(scan.preSessions);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.bodyLength);
}

BENCHMARK(ZlibInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(LibdeflateInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyseOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(SessionScanOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
