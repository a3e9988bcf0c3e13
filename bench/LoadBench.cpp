// The cost of a load beside the cost of decompression alone, on the large
// save of an 18-player game: plain zlib inflation of the body, libdeflate
// inflation of it, the whole load (read, inflate, splice, analyse) and the
// session scan alone. Compare the rows of one run.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>

#include "SaveWriter.h"
#include "analysis/SaveAnalyse.h"
#include "analysis/Walk.h"
#include "save/SaveFile.h"

namespace {

using namespace tolvane;

struct LargeSaveFile {
  std::string path;
  std::vector<uint8_t> file;
  SaveImage image;
  LargeSaveFile() {
    file = testing::WriteSaveFile(testing::LargeSave());
    path = (std::filesystem::temp_directory_path() / "tolvane-bench-large.CivWarlordsSave").string();
    testing::WriteFile(path, file);
    image = SpliceSave(file);
  }
  std::span<const uint8_t> packed() const {
    const size_t offset = size_t(image.BodyOffset);
    int32_t length;
    std::memcpy(&length, file.data() + offset - 4, 4);
    return {file.data() + offset, size_t(length)};
  }
};

const LargeSaveFile& large() {
  static const LargeSaveFile f;
  return f;
}

void BM_ZlibInflate(benchmark::State& state) {
  const auto& f = large();
  std::vector<uint8_t> out(size_t(f.image.BodyLength));
  for (auto _ : state) {
    uLongf length = out.size();
    if (uncompress(out.data(), &length, f.packed().data(), uLong(f.packed().size())) != Z_OK)
      state.SkipWithError("zlib failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.BodyLength);
}

void BM_LibdeflateInflate(benchmark::State& state) {
  const auto& f = large();
  std::vector<uint8_t> out(size_t(f.image.BodyLength));
  libdeflate_decompressor* d = libdeflate_alloc_decompressor();
  for (auto _ : state) {
    size_t actual = 0;
    if (libdeflate_zlib_decompress(d, f.packed().data(), f.packed().size(), out.data(), out.size(), &actual) !=
        LIBDEFLATE_SUCCESS)
      state.SkipWithError("libdeflate failed");
    benchmark::DoNotOptimize(out.data());
  }
  libdeflate_free_decompressor(d);
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.BodyLength);
}

void BM_WholeLoad(benchmark::State& state) {
  const auto& f = large();
  for (auto _ : state) {
    const SaveImage image = SpliceSave(ReadWholeFile(f.path));
    Analysis a = SaveAnalyse(image, ScoreFactors{});
    benchmark::DoNotOptimize(a.PlayerScore);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.BodyLength);
}

void BM_AnalyseOnly(benchmark::State& state) {
  const auto& f = large();
  for (auto _ : state) {
    Analysis a = SaveAnalyse(f.image, ScoreFactors{});
    benchmark::DoNotOptimize(a.PlayerScore);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.BodyLength);
}

void BM_SessionScan(benchmark::State& state) {
  const auto& f = large();
  for (auto _ : state) {
    SessionScan scan = ScanSessions(f.image);
    benchmark::DoNotOptimize(scan.PreSessions);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.BodyLength);
}

BENCHMARK(BM_ZlibInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibdeflateInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionScan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
