// "Load File" and "Save File" on saves written by the test save writer.
#include <fmt/format.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FormFixture.h"
#include "SaveWriter.h"
#include "analysis/SaveAnalyse.h"

namespace tolvane::ui::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::ExampleSave;
using tolvane::testing::SaveDescription;
using tolvane::testing::WriteFile;
using tolvane::testing::WriteSaveFile;

class LoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-ui-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = (dir_ / name).string();
    WriteFile(path, bytes);
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
  // stream, a damaged stream, an empty file and no file at all.
  SaveDescription shortBody = ExampleSave(2);
  shortBody.bodyLengthOverride = 5000;
  std::vector<uint8_t> truncated = WriteSaveFile(ExampleSave(2));
  truncated.resize(truncated.size() * 3 / 4);
  std::vector<uint8_t> damaged = WriteSaveFile(ExampleSave(2));
  for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 16; ++i) damaged[i] ^= 0xA5;
  const std::string paths[] = {WriteSave("short.CivWarlordsSave", shortBody), Write("cut.CivWarlordsSave", truncated),
                               Write("damaged.CivWarlordsSave", damaged), Write("empty.CivWarlordsSave", {}),
                               (dir_ / "missing.CivWarlordsSave").string()};
  size_t messages = 0;
  for (const std::string& path : paths) {
    EXPECT_FALSE(form_.LoadFile(path)) << path;
    ASSERT_EQ(form_.Messages().size(), ++messages) << path;
    EXPECT_NE(form_.Messages().back(), "") << path;
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
  form_.SaveFile((dir_ / "image.CivWarlordsSave").string(), (dir_ / "map.txt").string());
  form_.SaveFile((dir_ / "no-such-dir" / "image.CivWarlordsSave").string(), (dir_ / "map.txt").string());

  const auto& bytes = form_.Image().bytes;
  const std::string image = ReadAll(dir_ / "image.CivWarlordsSave");
  EXPECT_EQ(image, std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(image.substr(size_t(form_.Image().bodyOffset) - 4, 4), "BODY");
  const std::string map = ReadAll(dir_ / "map.txt");
  EXPECT_EQ(map, form_.MapText());
  EXPECT_NE(map.substr(map.size() - 2), "\r\n");
  EXPECT_EQ(form_.Messages().size(), 1u);  // the image that could not be written
}

}  // namespace
}  // namespace tolvane::ui::testing
