// Damaged and cut saves: every one ends in a clean result or a message,
// never in a crash or a read outside the data (the sanitizer build checks
// the latter).
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "AnalyseHelpers.h"

namespace tolvane::testing {
namespace {

// The decompressed image of a prefix and a body, as the loader splices it.
SaveImage ImageOf(const std::vector<uint8_t>& prefix, std::span<const uint8_t> body) {
  SaveImage image;
  image.bytes.assign(prefix.begin(), prefix.end());
  const int32_t length = int32_t(body.size());
  image.bytes.insert(image.bytes.end(), reinterpret_cast<const uint8_t*>(&length),
                     reinterpret_cast<const uint8_t*>(&length) + 4);
  image.bytes.insert(image.bytes.end(), {'B', 'O', 'D', 'Y'});
  image.bodyOffset = int32_t(image.bytes.size());
  image.bodyLength = length;
  image.bytes.insert(image.bytes.end(), body.begin(), body.end());
  return image;
}

std::string AnalyseMessage(const SaveImage& image) {
  try {
    SaveAnalyse(image, ScoreFactors{});
  } catch (const SaveError& e) {
    return e.what();
  }
  return "";
}

SaveDescription SmallGame() {
  SaveDescription d = ExampleSave(3);
  d.mapWidth = 6;
  d.mapHeight = 4;
  d.plots.clear();
  return d;
}

TEST(Robustness, TruncatedFileAlwaysGivesAMessage) {
  const auto file = WriteSaveFile(SmallGame());
  ASSERT_EQ(LoadMessage(file), "");
  for (size_t cut = 0; cut < file.size(); cut += 1000) {
    const std::vector<uint8_t> part(file.begin(), file.begin() + cut);
    EXPECT_NE(LoadMessage(part), "") << "cut at " << cut;
  }
}

TEST(Robustness, TruncatedBodyNamesWhereItEnds) {
  const SaveDescription d = SmallGame();
  const auto prefix = WritePrefix(d);
  const auto body = WriteBody(d);
  std::set<std::string> messages;
  for (size_t cut = 0; cut < body.size(); cut += 1000) {
    const std::string message = AnalyseMessage(ImageOf(prefix, std::span(body).first(cut)));
    EXPECT_TRUE(message.starts_with("The save ends inside the ")) << "cut at " << cut << ": " << message;
    messages.insert(message);
  }
  // The message follows the walk through the sections.
  for (const char* section : {"game settings", "map plots", "team records", "player records", "city records",
                              "player messages", "player histories"})
    EXPECT_TRUE(messages.count(std::string("The save ends inside the ") + section + ".")) << section;
}

// Damages a few bytes many times, in the inflated body and in the file as it
// lies on disk.
TEST(Robustness, MutatedSavesGiveAResultOrAMessage) {
  const SaveDescription d = SmallGame();
  const auto prefix = WritePrefix(d);
  const auto body = WriteBody(d);
  const auto file = WriteSaveFile(d);
  std::mt19937_64 rng(20261210);
  auto damage = [&rng](std::vector<uint8_t>& bytes, size_t from) {
    const int count = 1 + int(rng() % 4);
    for (int i = 0; i < count; ++i) {
      const size_t at = from + rng() % (bytes.size() - from);
      // Mostly random bytes; sometimes the extremes that make counts huge or negative.
      static constexpr uint8_t kExtremes[] = {0x00, 0xFF, 0x7F, 0x80};
      bytes[at] = rng() % 3 ? uint8_t(rng()) : kExtremes[rng() % 4];
    }
  };
  int loaded = 0, refused = 0;
  for (int round = 0; round < 400; ++round) {
    auto damagedBody = body;
    damage(damagedBody, 0);
    auto damagedFile = file;
    damage(damagedFile, 0);
    for (const std::string& message : {AnalyseMessage(ImageOf(prefix, damagedBody)), LoadMessage(damagedFile)})
      ++(message.empty() ? loaded : refused);
  }
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace tolvane::testing
