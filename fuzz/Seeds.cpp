// Writes the seed corpus: saves made by the test save writer, each as a file
// (mode 0) and as a decompressed image (mode 1), see FuzzLoad.cpp.
#include <cstdio>
#include <string>

#include "SaveWriter.h"
#include "save/SaveFile.h"

int main(int argc, char** argv) {
  using namespace tolvane;
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  int n = 0;
  for (const auto& desc : testing::FuzzSeedSaves()) {
    const std::vector<uint8_t> file = testing::WriteSaveFile(desc);
    std::vector<uint8_t> asFile = {0};
    asFile.insert(asFile.end(), file.begin(), file.end());
    testing::WriteFile(folder + "/seed" + std::to_string(n) + "-file", asFile);
    const SaveImage image = SpliceSave(file);
    std::vector<uint8_t> asImage = {1};
    const uint32_t offset = uint32_t(image.BodyOffset);
    asImage.insert(asImage.end(), reinterpret_cast<const uint8_t*>(&offset), reinterpret_cast<const uint8_t*>(&offset) + 4);
    asImage.insert(asImage.end(), image.Bytes.begin(), image.Bytes.end());
    testing::WriteFile(folder + "/seed" + std::to_string(n) + "-image", asImage);
    ++n;
  }
  std::printf("wrote %d seeds\n", 2 * n);
  return 0;
}
