// Writes the seed corpus: saves made by the test save writer, each as a file
// (mode 0) and as a decompressed image (mode 1), see FuzzLoad.cpp.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "SaveWriter.h"
#include "save/SaveFile.h"

namespace {

using tolvane::testing::SaveDescription;

// Small saves that still reach every part of the walk: a tiny map, short
// junk lists, and variants for the text widths, list counts and passwords.
std::vector<SaveDescription> SeedSaves() {
  std::vector<SaveDescription> seeds;
  auto small = [](uint64_t seed) {
    SaveDescription d = tolvane::testing::ExampleSave(seed);
    d.mapWidth = 5;
    d.mapHeight = 4;
    d.plots = tolvane::testing::GeneratePlots(5, 4, 3, seed);
    tolvane::testing::CountPlots(d);
    d.options.maxJunkListLength = 1;
    d.options.maxJunkTextLength = 3;
    if (d.replay.size() > 20) d.replay.resize(20);
    for (auto& p : d.players) {
      if (p.messages.size() > 6) p.messages.resize(6);
      if (p.cities.size() > 2) p.cities.resize(2);
      for (auto& h : p.histories)
        if (h.size() > 4) h.resize(4);
      p.unitCount = std::min(p.unitCount, 1);
    }
    return d;
  };
  seeds.push_back(small(1));
  SaveDescription narrow = small(2);
  narrow.options.texts = tolvane::testing::TextWidth::Narrow;
  narrow.options.counts = tolvane::testing::JunkCounts::Mixed;
  seeds.push_back(narrow);
  SaveDescription locked = small(3);
  locked.adminPassword = "admin";
  locked.slots[0].password = "secret";
  locked.saveVersion = 101;
  locked.gameSpeed = 1;
  locked.tail = {1, 2, 3, 4};
  seeds.push_back(locked);
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tolvane;
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  int n = 0;
  for (const auto& desc : SeedSaves()) {
    const std::vector<uint8_t> file = testing::WriteSaveFile(desc);
    // The first byte picks the input's kind: 0 a file, 1 an image.
    std::vector<uint8_t> asFile(1 + file.size(), 0);
    std::copy(file.begin(), file.end(), asFile.begin() + 1);
    testing::WriteFile(folder + "/seed" + std::to_string(n) + "-file", asFile);
    const SaveImage image = SpliceSave(file);
    std::vector<uint8_t> asImage(1 + 4 + image.bytes.size(), 1);
    const uint32_t offset = uint32_t(image.bodyOffset);
    std::memcpy(asImage.data() + 1, &offset, 4);
    std::copy(image.bytes.begin(), image.bytes.end(), asImage.begin() + 5);
    testing::WriteFile(folder + "/seed" + std::to_string(n) + "-image", asImage);
    ++n;
  }
  std::printf("wrote %d seeds\n", 2 * n);
  return 0;
}
