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
    dir = fs::temp_directory_path() / ("tolvane-ui-" + std::to_string(getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = (dir / name).string();
    WriteFile(path, bytes);
    return path;
  }
  std::string WriteSave(const std::string& name, const SaveDescription& d) { return Write(name, WriteSaveFile(d)); }

  static std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path dir;
  Form form;
};

TEST_F(LoadTest, LoadingASaveFillsThePages) {
  SaveDescription d = ExampleSave(1);
  d.LeaderInfo[0].LeaderName = "Ren\xE9";
  const std::string path = WriteSave("game.CivWarlordsSave", d);
  ASSERT_TRUE(form.Button1Click(path));
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(form.Edit1.Text(), path);
  EXPECT_NE(form.Edit2.Text(), "");
  EXPECT_EQ(form.NickE.Text(), "René");
  EXPECT_EQ(form.LeadersGrid.Cell(1, 1), "René");
  EXPECT_EQ(form.PlayerInfoSelect.Items().front(), "René");
  EXPECT_EQ(form.PlayerInfoSelect.Items().back(), "Barbarians");
  EXPECT_EQ(form.GameSpeedE.Text(), "Normal");
  EXPECT_EQ(form.Edit9.Text(), fmt::format("{:6}", form.Model().Sessions));
  EXPECT_EQ(form.SessionListBox.Lines().size(), size_t(form.Model().Sessions - 1));
  EXPECT_FALSE(form.ReplayList.Lines().empty());
  EXPECT_FALSE(form.PlayerLog.Lines().empty());
  EXPECT_FALSE(form.HistoryChart.Series()[0].points.empty());
  EXPECT_NE(form.PopScoreE.Text(), "");
  EXPECT_NE(form.KavrelSumFinalE.Text(), "");
  EXPECT_TRUE(form.Tabs()[kKavrelPage].visible);
  EXPECT_FALSE(form.Tabs()[kHeaderPage].visible);
  EXPECT_EQ(form.MapText().substr(0, 6), "y/x;0;");
}

TEST_F(LoadTest, AFailedLoadKeepsThePreviousSave) {
  const std::string good = WriteSave("good.CivWarlordsSave", ExampleSave(1));
  ASSERT_TRUE(form.Button1Click(good));
  const std::string nick = form.NickE.Text();
  const auto replay = form.ReplayList.Lines();
  const int32_t turn = form.Model().GameTurn;

  // A body announced shorter than the walk needs, a file cut inside its
  // stream, a damaged stream, an empty file and no file at all.
  SaveDescription shortBody = ExampleSave(2);
  shortBody.BodyLengthOverride = 5000;
  std::vector<uint8_t> truncated = WriteSaveFile(ExampleSave(2));
  truncated.resize(truncated.size() * 3 / 4);
  std::vector<uint8_t> damaged = WriteSaveFile(ExampleSave(2));
  for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 16; ++i) damaged[i] ^= 0xA5;
  const std::string paths[] = {WriteSave("short.CivWarlordsSave", shortBody), Write("cut.CivWarlordsSave", truncated),
                               Write("damaged.CivWarlordsSave", damaged), Write("empty.CivWarlordsSave", {}),
                               (dir / "missing.CivWarlordsSave").string()};
  size_t messages = 0;
  for (const std::string& path : paths) {
    EXPECT_FALSE(form.Button1Click(path)) << path;
    ASSERT_EQ(form.Messages().size(), ++messages) << path;
    EXPECT_NE(form.Messages().back(), "") << path;
    EXPECT_EQ(form.Edit1.Text(), good);
    EXPECT_EQ(form.NickE.Text(), nick);
    EXPECT_EQ(form.ReplayList.Lines(), replay);
    EXPECT_EQ(form.Model().GameTurn, turn);
  }
}

TEST_F(LoadTest, ChangedFactorsScoreTheNextSave) {
  const std::string path = WriteSave("game.CivWarlordsSave", ExampleSave(1));
  ASSERT_TRUE(form.Button1Click(path));
  const int32_t before = form.Model().PlayerScore[0];
  form.SetEditText("PopCoeffE", "9000");
  form.ExitEdit("PopCoeffE");
  ASSERT_TRUE(form.Button1Click(path));
  EXPECT_EQ(form.PopCoeffE.Text(), "   9000");
  EXPECT_EQ(form.Model().PlayerScore[0], gPlayerScore(form.Model(), 0, form.Factors()));
  EXPECT_GT(form.Model().PlayerScore[0], before);
}

TEST_F(LoadTest, SaveFileWritesTheImageAndTheMap) {
  const std::string path = WriteSave("game.CivWarlordsSave", ExampleSave(1));
  ASSERT_TRUE(form.Button1Click(path));
  const fs::path cwd = fs::current_path();
  fs::current_path(dir);
  form.Button2Click((dir / "image.CivWarlordsSave").string());
  form.Button2Click((dir / "no-such-dir" / "image.CivWarlordsSave").string());
  fs::current_path(cwd);

  const auto& bytes = form.Image().Bytes;
  const std::string image = ReadAll(dir / "image.CivWarlordsSave");
  EXPECT_EQ(image, std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(image.substr(size_t(form.Image().BodyOffset) - 4, 4), "BODY");
  const std::string map = ReadAll(dir / "map.txt");
  EXPECT_EQ(map, form.MapText());
  EXPECT_NE(map.substr(map.size() - 2), "\r\n");
  EXPECT_EQ(form.Messages().size(), 1u);  // the image that could not be written
}

}  // namespace
}  // namespace tolvane::ui::testing
