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
  std::vector<uint8_t> out(size_t(f.image.bodyLength));
  libdeflate_decompressor* d = libdeflate_alloc_decompressor();
  for (auto _ : state) {
    size_t actual = 0;
    if (libdeflate_zlib_decompress(d, f.Packed().data(), f.Packed().size(), out.data(), out.size(), &actual) !=
        LIBDEFLATE_SUCCESS)
      state.SkipWithError("libdeflate failed");
    benchmark::DoNotOptimize(out.data());
  }
  libdeflate_free_decompressor(d);
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
