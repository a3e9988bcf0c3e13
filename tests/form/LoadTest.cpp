// "Load File" and "Save File" on saves written by the test save writer.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "FormFixture.h"
#include "SaveWriter.h"
#include "analysis/SaveAnalyse.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::ExampleSave;
using tolvane::testing::SaveDescription;
using tolvane::testing::WriteFile;
using tolvane::testing::WriteSaveFile;

class LoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-ui-" + std::to_string(std::random_device()()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = Utf8FromPath(dir_ / name);
    WriteFile(dir_ / name, bytes);
    return path;
  }
  std::string WriteSave(const std::string& name, const SaveDescription& d) { return Write(name, WriteSaveFile(d)); }

  static std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path dir_;
  Form form_;
};

TEST_F(LoadTest, LoadingASaveFillsThePages) {
  SaveDescription d = ExampleSave(1);
  d.slots[0].leaderName = "Ren\xE9";
  const std::string path = WriteSave("game.CivWarlordsSave", d);
  ASSERT_TRUE(form_.LoadFile(path));
  EXPECT_TRUE(form_.Messages().empty());
  EXPECT_TRUE(form_.Loaded());
  EXPECT_EQ(form_.fileBar.savePath.Text(), path);
  EXPECT_NE(form_.fileBar.fileDate.Text(), "");
  EXPECT_EQ(form_.base.nick.Text(), "René");
  EXPECT_EQ(form_.leaders.leaders.Cell(1, 1), "René");
  EXPECT_EQ(form_.player.playerSelector.Items().front(), "René");
  EXPECT_EQ(form_.player.playerSelector.Items().back(), "Barbarians");
  EXPECT_EQ(form_.map.gameSpeed.Text(), "Normal");
  EXPECT_EQ(form_.reloads.sessions.Text(), fmt::format("{:6}", form_.Model().sessions));
  EXPECT_EQ(form_.reloads.sessionList.Lines().size(), size_t(form_.Model().sessions - 1));
  EXPECT_FALSE(form_.replay.replay.Lines().empty());
  EXPECT_FALSE(form_.playerLog.log.Lines().empty());
  EXPECT_FALSE(form_.graph.chart.Series()[0].points.empty());
  EXPECT_NE(form_.base.population.gameScore.Text(), "");
  EXPECT_NE(form_.kavrel.finalScoreSum.Text(), "");
  EXPECT_TRUE(form_.kavrel.Visible());
  EXPECT_FALSE(form_.header.Visible());
  EXPECT_EQ(form_.MapText().substr(0, 6), "y/x;0;");
}

TEST_F(LoadTest, AFailedLoadKeepsThePreviousSave) {
  const std::string good = WriteSave("good.CivWarlordsSave", ExampleSave(1));
  ASSERT_TRUE(form_.LoadFile(good));
  const std::string nick = form_.base.nick.Text();
  const auto replay = form_.replay.replay.Lines();
  const int32_t turn = form_.Model().gameTurn;

  // A body announced shorter than the walk needs, a file cut inside its
  // stream, a damaged stream, an empty file, no save at all, a folder and no
  // file at all: each message names the file and says what is wrong.
  SaveDescription shortBody = ExampleSave(2);
  shortBody.bodyLengthOverride = 5000;
  std::vector<uint8_t> truncated = WriteSaveFile(ExampleSave(2));
  truncated.resize(truncated.size() * 3 / 4);
  std::vector<uint8_t> damaged = WriteSaveFile(ExampleSave(2));
  for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 16; ++i) damaged[i] ^= 0xA5;
  const std::string text = "A letter, not a save.\n";
  fs::create_directories(dir_ / "folder.CivWarlordsSave");
  const std::pair<std::string, std::string> cases[] = {
      {WriteSave("short.CivWarlordsSave", shortBody), "Cannot load \"{}\". The save ends inside the "},
      {Write("cut.CivWarlordsSave", truncated), "Cannot load \"{}\". The save is cut short: "},
      {Write("damaged.CivWarlordsSave", damaged), "Cannot load \"{}\". The compressed body is damaged (zlib: "},
      {Write("empty.CivWarlordsSave", {}), "Cannot load \"{}\". The file is empty."},
      {Write("letter.txt", {text.begin(), text.end()}), "Cannot load \"{}\". This file is not a saved game: "},
      {Utf8FromPath(dir_ / "folder.CivWarlordsSave"), "\"{}\" is a folder, not a saved game."},
      {Utf8FromPath(dir_ / "missing.CivWarlordsSave"), "Cannot open \"{}\". "}};
  size_t messages = 0;
  for (const auto& [path, start] : cases) {
    EXPECT_FALSE(form_.LoadFile(path)) << path;
    ASSERT_EQ(form_.Messages().size(), ++messages) << path;
    EXPECT_TRUE(form_.Messages().back().starts_with(fmt::format(fmt::runtime(start), path))) << form_.Messages().back();
    EXPECT_EQ(form_.fileBar.savePath.Text(), good);
    EXPECT_EQ(form_.base.nick.Text(), nick);
    EXPECT_EQ(form_.replay.replay.Lines(), replay);
    EXPECT_EQ(form_.Model().gameTurn, turn);
  }
}

TEST_F(LoadTest, ChangedFactorsScoreTheNextSave) {
  const std::string path = WriteSave("game.CivWarlordsSave", ExampleSave(1));
  ASSERT_TRUE(form_.LoadFile(path));
  const int32_t before = form_.Model().playerScore[0];
  form_.base.population.factor.SetText("9000");
  form_.base.population.factor.Exit();
  ASSERT_TRUE(form_.LoadFile(path));
  EXPECT_EQ(form_.base.population.factor.Text(), "   9000");
  EXPECT_EQ(form_.Model().playerScore[0], PlayerGameScore(form_.Model(), 0, form_.base.Factors()));
  EXPECT_GT(form_.Model().playerScore[0], before);
}

TEST_F(LoadTest, SaveFileWritesTheImageAndTheMap) {
  const std::string path = WriteSave("game.CivWarlordsSave", ExampleSave(1));
  ASSERT_TRUE(form_.LoadFile(path));
  form_.SaveFile(Utf8FromPath(dir_ / "image.CivWarlordsSave"), Utf8FromPath(dir_ / "map.txt"));
  form_.SaveFile(Utf8FromPath(dir_ / "no-such-dir" / "image.CivWarlordsSave"), Utf8FromPath(dir_ / "map.txt"));

  const auto& bytes = form_.Image().bytes;
  const std::string image = ReadAll(dir_ / "image.CivWarlordsSave");
  EXPECT_EQ(image, std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(image.substr(size_t(form_.Image().bodyOffset) - 4, 4), "BODY");
  const std::string map = ReadAll(dir_ / "map.txt");
  EXPECT_EQ(map, form_.MapText());
  EXPECT_NE(map.substr(map.size() - 2), "\r\n");
  ASSERT_EQ(form_.Messages().size(), 1u);  // the image that could not be written
  EXPECT_EQ(form_.Messages()[0], "Cannot write \"" + Utf8FromPath(dir_ / "no-such-dir" / "image.CivWarlordsSave") +
                                     "\". No such file or directory.");
}

// No export writes over a save, neither the loaded one nor another: each is
// refused with a message naming the file, which stays byte for byte.
TEST_F(LoadTest, NoExportWritesOverASave) {
  const std::string loaded = WriteSave("game.CivWarlordsSave", ExampleSave(1));
  const std::string other = WriteSave("other.CivWarlordsSave", ExampleSave(2));
  ASSERT_TRUE(form_.LoadFile(loaded));
  const std::string map = Utf8FromPath(dir_ / "map.txt");
  struct Export {
    const char* what;
    std::function<void(const std::string&)> write;
  };
  const Export exports[] = {
      {"Save File (the image)", [&](const std::string& path) { form_.SaveFile(path, map); }},
      {"Save File (the map)", [&](const std::string& path) { form_.SaveFile("", path); }},
      {"Save Picture", [&](const std::string& path) { form_.world.SavePicture(path); }},
      {"Save Data", [&](const std::string& path) { form_.graph.SaveData(path); }},
      {"Save Table", [&](const std::string& path) { form_.saves.WriteTable(PathFromUtf8(path)); }},
  };
  for (const Export& e : exports) {
    for (const std::string& target : {loaded, other}) {
      SCOPED_TRACE(fmt::format("{} onto {}", e.what, target));
      const std::string before = ReadAll(PathFromUtf8(target));
      const size_t messages = form_.Messages().size();
      std::string message;
      try {
        e.write(target);
      } catch (const SaveError& error) {
        message = error.what();
      }
      if (form_.Messages().size() > messages) message = form_.Messages().back();
      EXPECT_EQ(message,
                "Cannot write \"" + target + "\". It holds a saved game, and Tolvane never writes over a save.");
      EXPECT_EQ(ReadAll(PathFromUtf8(target)), before);
    }
  }
  EXPECT_TRUE(form_.LoadFile(loaded));
}

// Paths are UTF-8 text: a save in a folder named in Cyrillic is loaded, and
// its exports are written beside it.
TEST_F(LoadTest, LoadsAndExportsInAFolderNamedInCyrillic) {
  const std::string folder = Utf8FromPath(dir_) + "/Мои игры";
  fs::create_directories(PathFromUtf8(folder));
  const std::string path = folder + "/Партия 1.CivWarlordsSave";
  WriteFile(PathFromUtf8(path), WriteSaveFile(ExampleSave(1)));
  ASSERT_TRUE(form_.LoadFile(path)) << form_.Messages().back();
  EXPECT_EQ(form_.fileBar.savePath.Text(), path);
  EXPECT_NE(form_.fileBar.fileDate.Text(), "");
  form_.SaveFile(folder + "/образ.CivWarlordsSave", folder + "/карта.txt");
  EXPECT_TRUE(form_.Messages().empty());
  EXPECT_EQ(ReadAll(PathFromUtf8(folder + "/карта.txt")), form_.MapText());
  EXPECT_EQ(fs::file_size(PathFromUtf8(folder + "/образ.CivWarlordsSave")), form_.Image().bytes.size());
}

}  // namespace
}  // namespace tolvane::form::testing
