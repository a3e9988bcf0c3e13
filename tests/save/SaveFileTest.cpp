// The container: where the body starts, how it is spliced, and how damaged
// or foreign files are refused with a message that tells what is wrong.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <random>

#include "SaveWriter.h"
#include "save/FileWrite.h"
#include "save/Platform.h"
#include "save/SaveError.h"
#include "save/SaveFile.h"
#include "save/Utf8Path.h"

#ifndef _WIN32
#include <sys/resource.h>  // setrlimit
#include <sys/stat.h>      // mkfifo

#include <csignal>
#endif

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using testing::Compress;
using testing::PackSave;

constexpr const char* kNotASave = "This file is not a saved game: it holds no compressed save body.";

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

void PutInt32(std::vector<uint8_t>& b, size_t off, int32_t v) { std::memcpy(b.data() + off, &v, 4); }

std::string MessageOf(std::span<const uint8_t> file) {
  try {
    SpliceSave(file);
  } catch (const SaveError& e) {
    return e.what();
  }
  return "";
}

template <typename Call>
std::string MessageOfCall(Call call) {
  try {
    call();
  } catch (const SaveError& e) {
    return e.what();
  }
  return "";
}

// A file with the body at `bodyOffset`: its image holds the body there.
void ExpectBodyAt(std::span<const uint8_t> file, int32_t bodyOffset, std::span<const uint8_t> body) {
  const SaveImage image = SpliceSave(file);
  EXPECT_EQ(image.bodyOffset, bodyOffset);
  ASSERT_EQ(image.bodyLength, int32_t(body.size()));
  EXPECT_TRUE(std::equal(body.begin(), body.end(), image.Body().begin()));
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

TEST(SaveFile, FindZlibHeaderFindsTheFirstPairFromAnOffset) {
  const std::vector<uint8_t> bytes = {0x78, 0x9C, 0, 0, 0x78, 0x78, 0x9C, 0, 0, 0, 0x78, 0x9C, 0};
  EXPECT_EQ(FindZlibHeader(bytes), 0);
  EXPECT_EQ(FindZlibHeader(bytes, 1), 5);
  EXPECT_EQ(FindZlibHeader(bytes, 6), std::nullopt);  // the pair in the last three bytes is not looked at
  EXPECT_EQ(FindZlibHeader(bytes, 100), std::nullopt);
  EXPECT_EQ(FindZlibHeader(std::vector<uint8_t>{0x78, 0x9C, 0}), std::nullopt);
}

// The body's pair is the first at offset 8 or more whose two lengths are
// plausible and whose stream inflates; chance pairs before it (in the
// header, in the lengths themselves, in the first eight bytes) are passed.
TEST(SaveFile, ChancePairsBeforeTheBodyArePassed) {
  const auto body = BodyOf(100);
  struct Case {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> placePair;
  };
  const std::vector<Case> cases = {
      {"in the first eight bytes", [](auto& p) { p[3] = 0x78, p[4] = 0x9C; }},
      {"after implausible lengths", [](auto& p) { p[20] = 0x78, p[21] = 0x9C; }},
      {"after plausible lengths, not inflating",
       [](auto& p) {
         PutInt32(p, 10, 100);  // a body of 100 bytes
         PutInt32(p, 14, 4);    // a stream of four bytes
         p[18] = 0x78, p[19] = 0x9C;
       }},
      {"after lengths of nothing",
       [](auto& p) {
         std::fill(p.begin() + 20, p.begin() + 28, 0);
         p[28] = 0x78, p[29] = 0x9C;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto prefix = PrefixOf(40);
    c.placePair(prefix);
    ExpectBodyAt(PackSave(prefix, body), 48, body);
  }
  // The body's own lengths holding the pair: a body of 0x9C78 bytes.
  const auto pairInLength = BodyOf(0x9C78);
  const auto file = PackSave(PrefixOf(16), pairInLength);
  ASSERT_EQ(FindZlibHeader(file, 8), 16);
  ExpectBodyAt(file, 24, pairInLength);
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

// The messages tell a file that is no save, a save cut short and a damaged
// one apart.
TEST(SaveFile, RefusesDamagedAndForeignFilesWithAMessage) {
  const auto good = PackSave(PrefixOf(16), BodyOf(20000));
  const size_t lengths = 16;
  const size_t stream = lengths + 8;
  // A picture whose pixels are a zlib stream, after its chunk's length and type.
  std::vector<uint8_t> picture = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  picture.resize(picture.size() + 17, 1);
  const auto pixels = Compress(BodyOf(3000));
  picture.insert(picture.end(), {0, 0, uint8_t(pixels.size() >> 8), uint8_t(pixels.size()), 'I', 'D', 'A', 'T'});
  picture.insert(picture.end(), pixels.begin(), pixels.end());
  picture.resize(picture.size() + 16, 0);

  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    std::string message;
  };
  auto bytesOf = [](std::string_view text) { return std::vector<uint8_t>(text.begin(), text.end()); };
  auto damaged = [&](std::function<void(std::vector<uint8_t>&)> damage) {
    auto file = good;
    damage(file);
    return file;
  };
  const std::vector<Case> cases = {
      {"empty", {}, "The file is empty."},
      {"text", bytesOf("Just some text.\nNothing else.\n"), kNotASave},
      {"picture", picture, kNotASave},
      {"negative body length", damaged([&](auto& f) { PutInt32(f, lengths, -1); }), kNotASave},
      {"file cut inside the stream", std::vector<uint8_t>(good.begin(), good.begin() + stream + 40),
       "The save is cut short: its compressed body needs " + std::to_string(good.size() - stream) +
           " bytes, but the file ends after 40."},
      {"stream ends before its end mark", damaged([&](auto& f) {
         f.resize(stream + 6);
         PutInt32(f, lengths + 4, 6);
       }),
       "The compressed body ends early: the save is cut short."},
      {"body longer than the stream gives", damaged([&](auto& f) { PutInt32(f, lengths, 30000); }),
       "The save's body ends early: it holds 20000 of the 30000 bytes the save announces."},
      {"invalid block type in the stream", damaged([&](auto& f) { f[stream + 2] = 0x07; }),
       "The compressed body is damaged (zlib: data error)."},
      {"a flipped byte in the stream", damaged([&](auto& f) { f[f.size() / 2] ^= 0xFF; }),
       "The compressed body is damaged (zlib: data error)."},
      {"body above 512 MiB", damaged([&](auto& f) { PutInt32(f, lengths, (512 << 20) + 1); }),
       "The save announces 536870913 bytes of data, more than any saved game holds."},
  };
  for (const Case& c : cases) EXPECT_EQ(MessageOf(c.file), c.message) << c.what;
}

class SaveFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of its own, apart from the same test run by another build at the same time.
    dir_ = fs::path(::testing::TempDir()) / ("tolvane-save-" + std::to_string(std::random_device()()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  fs::path dir_;
};

TEST_F(SaveFileOnDisk, ReadsReadOnlyFilesAndNamesTheOnesItCannotOpenOrRead) {
  const fs::path path = dir_ / "readonly.CivWarlordsSave";
  const auto file = PackSave(PrefixOf(16), BodyOf(100));
  testing::WriteFile(path, file);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const ByteBuffer read = ReadWholeFile(path);
  EXPECT_TRUE(std::equal(read.begin(), read.end(), file.begin(), file.end()));
  EXPECT_FALSE(FileDateText(path).empty());
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);

  const fs::path missing = dir_ / "missing.CivWarlordsSave";
  EXPECT_EQ(MessageOfCall([&] { ReadWholeFile(missing); }),
            "Cannot open \"" + Utf8FromPath(missing) + "\". No such file or directory.");
#ifdef __linux__
  // A regular file whose first bytes cannot be read: a read error, with the reason.
  EXPECT_EQ(MessageOfCall([] { ReadWholeFile("/proc/self/mem"); }),
            "Cannot read \"/proc/self/mem\". Input/output error.");
#endif
}

// A reader of many saves keeps one file buffer and one image: each save read
// into them, larger or smaller than the one before and after one that
// failed, holds exactly what a fresh read gives.
TEST_F(SaveFileOnDisk, ReusedBuffersHoldExactlyTheNextSave) {
  const std::vector<uint8_t> tail = {0xAA, 0xBB, 0xCC, 0xDD};
  const std::vector<uint8_t> oneByteTail = {0x01};
  std::vector<uint8_t> cutShort = PackSave(PrefixOf(12), BodyOf(3000));
  cutShort.resize(cutShort.size() / 2);
  const std::vector<std::vector<uint8_t>> files = {PackSave(PrefixOf(40), BodyOf(20000), tail),
                                                   PackSave(PrefixOf(12), BodyOf(300)), cutShort,
                                                   PackSave(PrefixOf(25, 0x22), BodyOf(7000), oneByteTail)};
  ByteBuffer file;
  SaveImage image;
  for (size_t i = 0; i < files.size(); ++i) {
    const fs::path path = dir_ / ("save" + std::to_string(i) + ".CivWarlordsSave");
    testing::WriteFile(path, files[i]);
    ReadWholeFile(path, file);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), files[i].begin(), files[i].end())) << i;
    const std::string fresh = MessageOf(files[i]);
    EXPECT_EQ(MessageOfCall([&] { SpliceSave(file, image); }), fresh) << i;
    if (!fresh.empty()) continue;
    const SaveImage expected = SpliceSave(files[i]);
    EXPECT_EQ(image.bodyOffset, expected.bodyOffset) << i;
    EXPECT_EQ(image.bodyLength, expected.bodyLength) << i;
    EXPECT_TRUE(std::equal(image.bytes.begin(), image.bytes.end(), expected.bytes.begin(), expected.bytes.end())) << i;
  }
}

// A file larger than any save is refused by its size, before it is read (a
// sparse file: it takes no room on the disk).
TEST_F(SaveFileOnDisk, RefusesAFileTooLargeToBeASave) {
  const fs::path path = dir_ / "film.CivWarlordsSave";
  testing::WriteFile(path, {});
  fs::resize_file(path, uintmax_t(kMaxFileLength) + 1);
  EXPECT_EQ(MessageOfCall([&] { ReadWholeFile(path); }),
            "\"" + Utf8FromPath(path) + "\" is 576 MB, too large to be a saved game.");
  // A file within the limit is read.
  fs::resize_file(path, 1 << 20);
  EXPECT_EQ(ReadWholeFile(path).size(), size_t(1) << 20);
}

// A folder, a named pipe or a device is refused for what it is, before it is
// opened: a pipe without a writer would block the reader for good (the test
// fails by its time limit then).
TEST_F(SaveFileOnDisk, RefusesWhatIsNoRegularFileWithoutOpeningIt) {
  std::vector<std::pair<fs::path, std::string>> cases = {{dir_ / "folder.CivWarlordsSave", "a folder"}};
  fs::create_directories(cases[0].first);
#ifndef _WIN32
  const fs::path fifo = dir_ / "fifo.CivWarlordsSave";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  cases.emplace_back(fifo, "a named pipe (FIFO)");
  cases.emplace_back("/dev/zero", "a device");
#else
  cases.emplace_back("NUL", "a device");
#endif
  for (const auto& [path, kind] : cases)
    EXPECT_EQ(MessageOfCall([&] { ReadWholeFile(path); }),
              "\"" + Utf8FromPath(path) + "\" is " + kind + ", not a saved game.");
}

// The second look, at the open file, for a name that changed hands after it
// was looked at (or a Windows device name, which looks like no file at all).
TEST_F(SaveFileOnDisk, TellsWhatAnOpenFileIs) {
  const fs::path save = dir_ / "game.CivWarlordsSave";
  testing::WriteFile(save, PackSave(PrefixOf(16), BodyOf(100)));
  std::vector<std::pair<fs::path, std::string>> cases = {{save, ""}};
#ifndef _WIN32
  const fs::path fifo = dir_ / "fifo.CivWarlordsSave";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  cases.emplace_back(fifo, "a named pipe (FIFO)");  // opened without waiting for a writer
  cases.emplace_back("/dev/null", "a device");
#else
  cases.emplace_back("NUL", "a device");
#endif
  for (const auto& [path, kind] : cases) {
    std::unique_ptr<FILE, decltype(&std::fclose)> file(platform::OpenForReading(path), std::fclose);
    ASSERT_TRUE(file) << path;
    EXPECT_EQ(platform::KindOfOpenFile(file.get()), kind) << path;
  }
}

// Paths are UTF-8 text in messages and wide on Windows: a folder named in
// Cyrillic letters is read and written.
TEST_F(SaveFileOnDisk, ReadsAndWritesInAFolderNamedInCyrillic) {
  const fs::path folder = dir_ / PathFromUtf8("Сохранения игры");
  fs::create_directories(folder);
  const fs::path save = folder / PathFromUtf8("Партия.CivWarlordsSave");
  const auto file = PackSave(PrefixOf(16), BodyOf(100));
  WriteBytes(save, {reinterpret_cast<const char*>(file.data()), file.size()});
  const ByteBuffer read = ReadWholeFile(PathFromUtf8(Utf8FromPath(save)));
  EXPECT_TRUE(std::equal(read.begin(), read.end(), file.begin(), file.end()));
  EXPECT_FALSE(FileDateText(save).empty());
  EXPECT_NE(Utf8FromPath(save).find("Сохранения игры"), std::string::npos);
}

TEST_F(SaveFileOnDisk, WriteErrorsGiveTheSystemsReason) {
  const fs::path nowhere = dir_ / "no-such-folder" / "map.txt";
  EXPECT_EQ(MessageOfCall([&] { WriteBytes(nowhere, "y/x;"); }),
            "Cannot write \"" + Utf8FromPath(nowhere) + "\". No such file or directory.");
#ifndef _WIN32
  // A full disk shows only when the buffered bytes go out, on closing.
  EXPECT_EQ(MessageOfCall([] { WriteBytes("/dev/full", "y/x;"); }),
            "Cannot write \"/dev/full\". No space left on device.");
#endif
  // An empty text makes an empty file.
  const fs::path empty = dir_ / "empty.txt";
  WriteBytes(empty, "");
  EXPECT_EQ(fs::file_size(empty), 0u);
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string_view AsText(std::span<const uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A file that holds a saved game is refused whatever its name, and stays
// byte for byte; the decompressed image of a save, a picture (whose zlib
// streams are no save's) and a text are replaced.
TEST_F(SaveFileOnDisk, NeverWritesOverASave) {
  const std::vector<uint8_t> save = testing::WriteSaveFile(testing::ExampleSave());
  const SaveImage image = SpliceSave(save);
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  const std::vector<uint8_t> idat = Compress(BodyOf(9000), 6);
  png.insert(png.end(), {0, 0, 0x23, 0x28, 'I', 'D', 'A', 'T'});
  png.insert(png.end(), idat.begin(), idat.end());
  struct Case {
    const char* name;
    std::span<const uint8_t> bytes;
    bool refused;
  };
  const Case cases[] = {{"game.CivWarlordsSave", save, true},
                        {"game.png", save, true},
                        {"image.CivWarlordsSave", {image.bytes.data(), image.bytes.size()}, false},
                        {"world.png", png, false},
                        {"map.txt", std::span(reinterpret_cast<const uint8_t*>("y/x;"), 4), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = dir_ / c.name;
    testing::WriteFile(path, c.bytes);
    EXPECT_EQ(HoldsSavedGame(path), c.refused);
    const std::string message = MessageOfCall([&] { WriteBytes(path, "new"); });
    if (c.refused) {
      EXPECT_EQ(message, "Cannot write \"" + Utf8FromPath(path) +
                             "\". It holds a saved game, and Tolvane never writes over a save.");
      EXPECT_EQ(ReadAll(path), AsText(c.bytes));
    } else {
      EXPECT_EQ(message, "");
      EXPECT_EQ(ReadAll(path), "new");
    }
  }
  // A missing file and a folder hold no save.
  EXPECT_FALSE(HoldsSavedGame(dir_ / "missing.CivWarlordsSave"));
  EXPECT_FALSE(HoldsSavedGame(dir_));
}

// A file its owner may not write is left as it is, although its folder would
// let it be replaced.
TEST_F(SaveFileOnDisk, AReadOnlyFileIsNotReplaced) {
  const fs::path path = dir_ / "map.txt";
  WriteBytes(path, "the old map");
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(MessageOfCall([&] { WriteBytes(path, "a new map"); }),
            "Cannot write \"" + Utf8FromPath(path) + "\". Permission denied.");
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(ReadAll(path), "the old map");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

#ifndef _WIN32
// The new bytes go to a file beside the target, renamed over it only once
// complete: a write that fails halfway (the file may not grow past a limit,
// as on a disk that fills up) leaves the old file byte for byte and no
// temporary file behind.
TEST_F(SaveFileOnDisk, AWriteThatFailsHalfwayLeavesTheOldFile) {
  const fs::path path = dir_ / "histories.csv";
  WriteBytes(path, "the old table");
  // Beyond the limit a write fails with EFBIG (the signal it would raise is ignored).
  struct sigaction ignore {
  }, before{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &before);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limit = saved;
  limit.rlim_cur = 1 << 16;
  setrlimit(RLIMIT_FSIZE, &limit);
  const std::string message = MessageOfCall([&] { WriteBytes(path, std::string(1 << 20, 'x')); });
  setrlimit(RLIMIT_FSIZE, &saved);
  sigaction(SIGXFSZ, &before, nullptr);
  EXPECT_EQ(message, "Cannot write \"" + Utf8FromPath(path) + "\". File too large.");
  EXPECT_EQ(ReadAll(path), "the old table");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// A replaced file keeps its permissions, and a symbolic link keeps pointing
// to the file it named, which gets the new bytes.
TEST_F(SaveFileOnDisk, AReplacedFileKeepsItsPermissionsAndLinks) {
  const fs::path path = dir_ / "map.txt", link = dir_ / "link.txt";
  WriteBytes(path, "old");
  const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path, perms);
  fs::create_symlink(path.filename(), link);
  WriteBytes(link, "new");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadAll(path), "new");
  EXPECT_EQ(fs::status(path).permissions(), perms);
}
#endif

}  // namespace
}  // namespace tolvane
