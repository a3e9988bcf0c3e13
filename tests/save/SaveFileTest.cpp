// The container: where the body starts, how it is spliced, and how damaged
// or foreign files are refused with a message.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>

#include "SaveWriter.h"
#include "save/SaveError.h"
#include "save/SaveFile.h"

namespace tolvane {
namespace {

using testing::Compress;
using testing::PackSave;

std::vector<uint8_t> PrefixOf(size_t n, uint8_t fill = 0x11) { return std::vector<uint8_t>(n, fill); }
std::vector<uint8_t> BodyOf(size_t n) {
  std::vector<uint8_t> b(n);
  for (size_t i = 0; i < n; ++i) b[i] = uint8_t(i * 7 + 3);
  return b;
}

int32_t Int32At(std::span<const uint8_t> b, size_t off) {
  int32_t v;
  std::memcpy(&v, b.data() + off, 4);
  return v;
}

std::string MessageOf(const std::vector<uint8_t>& file) {
  try {
    SpliceSave(file);
  } catch (const SaveError& e) {
    return e.what();
  }
  return "";
}

TEST(SaveFile, SplicesPrefixSeamBodyAndTail) {
  const auto prefix = PrefixOf(30);
  const auto body = BodyOf(5000);
  const std::vector<uint8_t> tail = {0xAA, 0xBB, 0xCC};
  const auto file = PackSave(prefix, body, tail);
  const SaveImage image = SpliceSave(file);
  ASSERT_EQ(image.bodyOffset, 38);
  EXPECT_EQ(image.bodyLength, 5000);
  ASSERT_EQ(image.bytes.size(), 38u + 5000 + 3);
  EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), image.bytes.begin()));
  EXPECT_EQ(Int32At(image.bytes, 30), 5000);  // BodyLength still stands before the seam
  EXPECT_EQ(std::string(image.bytes.begin() + 34, image.bytes.begin() + 38), "BODY");
  EXPECT_TRUE(std::equal(body.begin(), body.end(), image.bytes.begin() + 38));
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), image.bytes.end() - 3));
}

TEST(SaveFile, FirstPairInTheFileWins) {
  // A 78 9C inside the prefix cuts the file there, not at the real stream.
  auto prefix = PrefixOf(40);
  prefix[20] = 0x78;
  prefix[21] = 0x9C;
  const auto file = PackSave(prefix, BodyOf(100));
  EXPECT_EQ(FindZlibHeader(file), 20);
  EXPECT_NE(MessageOf(file), "");
  // One in the first eight bytes means no body at all.
  auto early = PrefixOf(40);
  early[3] = 0x78;
  early[4] = 0x9C;
  EXPECT_EQ(MessageOf(PackSave(early, BodyOf(100))),
            "This file holds no compressed save body: it is not a saved game.");
  // A pair in the last three bytes is not found.
  std::vector<uint8_t> end = {1, 2, 3, 4, 5, 0x78, 0x9C, 0};
  EXPECT_EQ(FindZlibHeader(end), std::nullopt);
  EXPECT_EQ(FindZlibHeader(std::vector<uint8_t>{0x78, 0x9C, 0}), std::nullopt);
  // A pair at the very start is found.
  EXPECT_EQ(FindZlibHeader(std::vector<uint8_t>{0x78, 0x9C, 0, 0}), 0);
}

TEST(SaveFile, LongerStreamIsCutToBodyLength) {
  const auto body = BodyOf(3000);
  auto file = PackSave(PrefixOf(16), body);
  const int32_t shorter = 1000;
  std::memcpy(file.data() + 16, &shorter, 4);
  const SaveImage image = SpliceSave(file);
  EXPECT_EQ(image.bodyLength, 1000);
  EXPECT_EQ(image.bytes.size(), 24u + 1000);
  EXPECT_TRUE(std::equal(body.begin(), body.begin() + 1000, image.bytes.begin() + 24));
}

TEST(SaveFile, RefusesDamagedFilesWithAMessage) {
  const auto good = PackSave(PrefixOf(16), BodyOf(20000));
  const size_t lengths = 16;
  struct Case {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"body longer than the stream gives",
       [&](auto& f) {
         int32_t more = 30000;
         std::memcpy(f.data() + lengths, &more, 4);
       },
       "The save's body is shorter than its stored length (20000 of 30000 bytes): the file is damaged."},
      {"negative body length",
       [&](auto& f) {
         int32_t neg = -1;
         std::memcpy(f.data() + lengths, &neg, 4);
       },
       "The save's stored lengths are impossible: the file is damaged."},
      {"packed length beyond the file",
       [&](auto& f) {
         int32_t huge = int32_t(f.size());
         std::memcpy(f.data() + lengths + 4, &huge, 4);
       },
       "The save's stored lengths are impossible: the file is damaged."},
      {"body above 512 MiB",
       [&](auto& f) {
         int32_t huge = (512 << 20) + 1;
         std::memcpy(f.data() + lengths, &huge, 4);
       },
       "The save announces 536870913 bytes of data, more than any saved game holds."},
  };
  for (const auto& c : cases) {
    auto file = good;
    c.damage(file);
    EXPECT_EQ(MessageOf(file), c.message) << c.what;
  }
}

TEST(SaveFile, ZlibMessageForACorruptStream) {
  auto file = PackSave(PrefixOf(16), BodyOf(20000));
  // Invalid block type bits in the first deflate byte.
  file[24 + 2] = 0x07;
  EXPECT_EQ(MessageOf(file), "data error");
  // A stream that stops after its first bytes.
  file = PackSave(PrefixOf(16), BodyOf(20000));
  file.resize(24 + 6);
  int32_t packed = 6;
  std::memcpy(file.data() + 20, &packed, 4);
  EXPECT_EQ(MessageOf(file), "buffer error");
}

TEST(SaveFile, ReadsReadOnlyFilesAndNamesMissingOnes) {
  const std::string path = ::testing::TempDir() + "/readonly.CivWarlordsSave";
  const auto file = PackSave(PrefixOf(16), BodyOf(100));
  testing::WriteFile(path, file);
  chmod(path.c_str(), 0444);
  const ByteBuffer read = ReadWholeFile(path);
  EXPECT_TRUE(std::equal(read.begin(), read.end(), file.begin(), file.end()));
  EXPECT_FALSE(FileDateText(path).empty());
  EXPECT_THROW(ReadWholeFile(path + ".missing"), SaveError);
}

// A folder, a named pipe or a device is refused for what it is, before it is
// opened: a pipe without a writer would block the reader for good.
TEST(SaveFile, RefusesWhatIsNoRegularFileWithoutOpeningIt) {
  const std::string folder = ::testing::TempDir() + "/folder.CivWarlordsSave";
  const std::string fifo = ::testing::TempDir() + "/fifo.CivWarlordsSave";
  std::filesystem::create_directories(folder);
  std::filesystem::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const auto& [path, kind] :
       {std::pair{folder, "a folder"}, {fifo, "a named pipe (FIFO)"}, {std::string("/dev/zero"), "a device"}}) {
    try {
      ReadWholeFile(path);
      ADD_FAILURE() << path << " was read";
    } catch (const SaveError& e) {
      EXPECT_EQ(std::string(e.what()), "\"" + path + "\" is " + kind + ", not a saved game.");
    }
  }
  std::filesystem::remove(fifo);
}

}  // namespace
}  // namespace tolvane
