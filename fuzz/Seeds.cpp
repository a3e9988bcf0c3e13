// Writes the seed corpus: saves made by the test save writer, each as a file
// (mode 0) and as a decompressed image (mode 1), see FuzzLoad.cpp.
#include <algorithm>
#include <cstdio>
#include <string>

#include "SaveWriter.h"
#include "save/SaveFile.h"

namespace {

using tolvane::testing::SaveDescription;

// Small saves that still reach every part of the walk: a tiny map, short
// junk lists, and variants for the text widths, list counts and passwords.
std::vector<SaveDescription> seedSaves() {
  std::vector<SaveDescription> seeds;
  auto small = [](uint64_t seed) {
    SaveDescription d = tolvane::testing::ExampleSave(seed);
    d.MapWidth = 5;
    d.MapHeight = 4;
    d.Plots = tolvane::testing::GeneratePlots(5, 4, 3, seed);
    tolvane::testing::CountPlots(d);
    d.Options.MaxJunkListLength = 1;
    d.Options.MaxJunkTextLength = 3;
    if (d.ReplayMsgs.size() > 20) d.ReplayMsgs.resize(20);
    for (auto& p : d.Players) {
      if (p.Messages.size() > 6) p.Messages.resize(6);
      if (p.Cities.size() > 2) p.Cities.resize(2);
      for (auto& h : p.Histories)
        if (h.size() > 4) h.resize(4);
      p.UnitCount = std::min(p.UnitCount, 1);
    }
    return d;
  };
  seeds.push_back(small(1));
  SaveDescription narrow = small(2);
  narrow.Options.Texts = tolvane::testing::TextWidth::Narrow;
  narrow.Options.Counts = tolvane::testing::JunkCounts::Mixed;
  seeds.push_back(narrow);
  SaveDescription locked = small(3);
  locked.AdminPassword = "admin";
  locked.LeaderInfo[0].Password = "secret";
  locked.SaveVersion = 101;
  locked.GameSpeed = 1;
  locked.Tail = {1, 2, 3, 4};
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
  for (const auto& desc : seedSaves()) {
    const std::vector<uint8_t> file = testing::WriteSaveFile(desc);
    std::vector<uint8_t> asFile = {0};
    asFile.insert(asFile.end(), file.begin(), file.end());
    testing::WriteFile(folder + "/seed" + std::to_string(n) + "-file", asFile);
    const SaveImage image = SpliceSave(file);
    std::vector<uint8_t> asImage = {1};
    const uint32_t offset = uint32_t(image.BodyOffset);
    asImage.insert(asImage.end(), reinterpret_cast<const uint8_t*>(&offset),
                   reinterpret_cast<const uint8_t*>(&offset) + 4);
    asImage.insert(asImage.end(), image.Bytes.begin(), image.Bytes.end());
    testing::WriteFile(folder + "/seed" + std::to_string(n) + "-image", asImage);
    ++n;
  }
  std::printf("wrote %d seeds\n", 2 * n);
  return 0;
}
