// The large save of an 18-player game, written once per benchmark run to a
// temporary file, and plain zlib inflation of its body: the yardstick every
// load is compared with in the same run.
#pragma once

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <unistd.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "SaveWriter.h"
#include "save/SaveFile.h"

namespace tolvane::bench {

struct LargeSaveFile {
  std::string path;
  std::vector<uint8_t> file;
  SaveImage image;
  LargeSaveFile() {
    file = testing::WriteSaveFile(testing::LargeSave());
    path = (std::filesystem::temp_directory_path() / ("tolvane-bench-" + std::to_string(getpid()) + ".CivWarlordsSave"))
               .string();
    testing::WriteFile(path, file);
    image = SpliceSave(file);
  }
  ~LargeSaveFile() { std::filesystem::remove(path); }
  std::span<const uint8_t> Packed() const {
    const size_t offset = size_t(image.bodyOffset);
    int32_t length;
    std::memcpy(&length, file.data() + offset - 4, 4);
    return {file.data() + offset, size_t(length)};
  }
};

inline const LargeSaveFile& Large() {
  static const LargeSaveFile kF;
  return kF;
}

// libdeflate inflating the large save's body, again and again into one
// buffer.
class LibdeflateInflation {
 public:
  LibdeflateInflation() : out_(size_t(Large().image.bodyLength)), inflater_(libdeflate_alloc_decompressor()) {}
  ~LibdeflateInflation() { libdeflate_free_decompressor(inflater_); }
  LibdeflateInflation(const LibdeflateInflation&) = delete;
  LibdeflateInflation& operator=(const LibdeflateInflation&) = delete;
  bool Run() const {
    const auto packed = Large().Packed();
    size_t actual = 0;
    const bool inflated = libdeflate_zlib_decompress(inflater_, packed.data(), packed.size(), out_.data(), out_.size(),
                                                     &actual) == LIBDEFLATE_SUCCESS;
    benchmark::DoNotOptimize(out_.data());
    return inflated;
  }

 private:
  mutable std::vector<uint8_t> out_;
  libdeflate_decompressor* inflater_;
};

inline void ZlibInflate(benchmark::State& state) {
  const auto& f = Large();
  std::vector<uint8_t> out(size_t(f.image.bodyLength));
  for (auto _ : state) {
    uLongf length = out.size();
    if (uncompress(out.data(), &length, f.Packed().data(), uLong(f.Packed().size())) != Z_OK)
      state.SkipWithError("zlib failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.bodyLength);
}

}  // namespace tolvane::bench
